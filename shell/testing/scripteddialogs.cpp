#include "scripteddialogs.h"

#include <QTest>

namespace shell {

ScriptedDialogs::ScriptedAnswer ScriptedDialogs::nextAnswer(const QString& prompt)
{
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected box: ") + prompt), __FILE__, __LINE__);
        return {Answer::Ok, QString()};
    }
    return m_answers.takeFirst();
}

int ScriptedDialogs::messageBox(const QString& prompt, int style, const QString& title)
{
    if (onOpen)
        onOpen();
    m_shown.append({prompt, style, title, false});
    return nextAnswer(prompt).button;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title)
{
    if (onOpen)
        onOpen();
    m_shown.append({prompt, 0, title, true});
    return nextAnswer(prompt).text;
}

QList<ShownBox> ScriptedDialogs::takeShown()
{
    QList<ShownBox> shown;
    shown.swap(m_shown);
    return shown;
}

char* toString(const ShownBox& box)
{
    return QTest::toString(QStringLiteral("%1box \"%2\" style %3 title \"%4\"")
                               .arg(box.isInput ? QStringLiteral("input ") : QString())
                               .arg(box.prompt)
                               .arg(box.style)
                               .arg(box.title));
}

} // namespace shell
