// Every game is the same game in every language: played with the same
// generator, the same clicks, the same typing and the same answers, the
// English and the Russian windows show the same numbers and the same boxes
// in the same order, with the same icons and buttons. And nothing Russian
// is left in English: not in any window of the catalog as it opens, nor in
// what a screen reader says of it, nor in any box.

#include "catalog.h"
#include "language.h"
#include "storm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

using namespace shell;

namespace {

using Opener = std::function<Form*(Runtime&)>;
using Words = std::function<QStringList()>;

// The digits of a text, in order: what must not change with the language.
QString numbersIn(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& m : digits.globalMatch(text))
        found.append(m.captured());
    return found.join(QLatin1Char(' '));
}

bool isRussian(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return text.contains(cyrillic);
}

// The captions of a window as it opens, before the player types anything,
// and what a screen reader reads as it opens.
QStringList russianCaptions(const Form& window)
{
    QStringList russian;
    if (isRussian(window.windowTitle()))
        russian.append(window.windowTitle());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* caption = qobject_cast<QLabel*>(control))
            text = caption->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            text = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            text = frame->title();
        // What a screen reader says of it, too.
        for (const QString& said : {text, control->accessibleName(), control->accessibleDescription()}) {
            if (isRussian(said))
                russian.append(control->objectName() + QStringLiteral(": ") + said);
        }
    }
    if (isRussian(window.reader().openingText()))
        russian.append(QStringLiteral("read as it opens: ") + window.reader().openingText());
    return russian;
}

QString numbersShown()
{
    QStringList shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(window);
        if (!form || !form->isVisible())
            continue;
        for (QWidget* control : form->findChildren<QWidget*>()) {
            QString text;
            if (auto* box = qobject_cast<QLineEdit*>(control))
                text = box->text();
            else if (auto* caption = qobject_cast<QLabel*>(control))
                text = caption->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            if (!text.isEmpty())
                shown.append(form->objectName() + QLatin1Char('.') + control->objectName() + QLatin1Char('=')
                             + numbersIn(text));
        }
    }
    shown.sort();
    return shown.join(QLatin1Char(' '));
}

// One line per event: the numbers in every window, then each box shown.
// Collects into `russian` the Russian texts it meets outside what was typed.
QStringList play(const QString& program, const Opener& open, const QStringList& words, const QString& language,
                 QStringList& russian)
{
    useLanguage(language);
    StormInput input(20261208);
    RandomDialogs dialogs(input.rng(), [&] { return input.anyText(); });
    RuntimeRandom random;
    Runtime runtime(program, random, dialogs);
    QPointer<Form> window = open(runtime);
    russian = russianCaptions(*window);
    QStringList trace;
    for (int event = 0; event < 400 && window && !runtime.hasEnded(); ++event) {
        const QList<QWidget*> controls = window->tabOrder();
        QWidget* target = controls[input.pick(int(controls.size()))];
        if (auto* box = qobject_cast<QLineEdit*>(target)) {
            // Pasted, so that a word of either language raises one change.
            box->selectAll();
            box->insert(input.anyText(words));
        } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
            input.click(button);
        }
        QCoreApplication::processEvents();
        QString line = numbersShown();
        for (const ShownBox& box : dialogs.takeShown()) {
            if (isRussian(box.prompt + box.title))
                russian.append(box.title + QStringLiteral(": ") + box.prompt);
            line += QStringLiteral(" | box %1 %2 [%3]").arg(box.style).arg(box.isInput).arg(numbersIn(box.prompt + box.title));
        }
        trace.append(line);
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form*>(w))
            delete w;
    }
    useLanguage(sourceLanguage);
    return trace;
}

} // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(Words)

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // A text of a description left out of the translations, or translated in
    // another window's context, stays Russian.
    void everyWindowInEnglish_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<Opener>("open");
        for (const catalog::Game& game : catalog::games()) {
            for (const catalog::Window& window : game.windows)
                QTest::newRow(qPrintable(game.title(window))) << game.programName << window.open;
        }
    }

    void everyWindowInEnglish()
    {
        QFETCH(QString, program);
        QFETCH(Opener, open);
        for (const QString& language : {sourceLanguage, QStringLiteral("en")}) {
            useLanguage(language);
            StormInput input(20261209);
            RandomDialogs boxes(input.rng(), [] { return QString(); });
            RuntimeRandom random;
            Runtime runtime(program, random, boxes);
            const std::unique_ptr<Form> window(open(runtime));
            const QStringList russian = russianCaptions(*window);
            QVERIFY2(russian.isEmpty() == (language != sourceLanguage), qPrintable(russian.join(QLatin1Char('\n'))));
        }
        useLanguage(sourceLanguage);
    }

    void sameGameInEnglish_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<Opener>("open");
        QTest::addColumn<Words>("words");
        for (const catalog::Game& game : catalog::games())
            QTest::newRow(qPrintable(game.name)) << game.programName << game.windows.first().open << game.typedWords;
    }

    void sameGameInEnglish()
    {
        QFETCH(QString, program);
        QFETCH(Opener, open);
        QFETCH(Words, words);
        QVERIFY(spokenLanguages().contains(QStringLiteral("en")));
        QStringList russianInRussian;
        const QStringList russian = play(program, open, words(), QStringLiteral("ru"), russianInRussian);
        QVERIFY(!russianInRussian.isEmpty());
        useLanguage(QStringLiteral("en"));
        QStringList russianInEnglish;
        const QStringList english = play(program, open, words(), QStringLiteral("en"), russianInEnglish);
        QVERIFY2(russianInEnglish.isEmpty(), qPrintable(russianInEnglish.join(QStringLiteral("\n"))));
        QCOMPARE(english.size(), russian.size());
        for (qsizetype i = 0; i < russian.size(); ++i)
            QCOMPARE(english[i], russian[i]);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
