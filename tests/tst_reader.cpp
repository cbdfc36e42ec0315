// What a screen reader gets from every window of every game, in either
// language: each label named by what it shows, before and after play, and
// buttons that share a caption told apart.

#include "catalog.h"
#include "gameharness.h"
#include "language.h"
#include "random.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMultiHash>
#include <QPointer>
#include <QSet>
#include <QTest>

using namespace shell;

namespace {

// Every box answered as a player going on would, a name typed where asked.
class AnsweringDialogs final : public Dialogs {
public:
    int messageBox(const QString&, int style, const QString&) override
    {
        return Style::isYesNo(style) ? Answer::Yes : Answer::Ok;
    }
    QString inputBox(const QString&, const QString&) override { return QStringLiteral("Иван Петров"); }
};

QString accessible(QWidget* widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// The labels whose accessible name is not the caption they show.
QStringList misnamedLabels(const Form& window)
{
    QStringList wrong;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (accessible(label, QAccessible::Name) != label->text())
            wrong.append(label->objectName() + QStringLiteral(": ") + accessible(label, QAccessible::Name));
    }
    return wrong;
}

// Buttons that share the caption a listener hears but not a description.
QStringList buttonsToldAlike(const Form& window)
{
    QMultiHash<QString, QString> descriptions;  // by caption
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        descriptions.insert(accessible(button, QAccessible::Name), accessible(button, QAccessible::Description));
    QStringList alike;
    for (const QString& caption : descriptions.uniqueKeys()) {
        const QStringList told = descriptions.values(caption);
        if (told.size() > 1 && (told.contains(QString()) || QSet<QString>(told.begin(), told.end()).size() < told.size()))
            alike.append(caption + QStringLiteral(": ") + told.join(QStringLiteral(" / ")));
    }
    return alike;
}

// A window as the program opens it: the startup window loaded and shown,
// another made, loaded and shown.
Form* open(const catalog::Window& window, Runtime& runtime)
{
    if (window.role.isEmpty())
        return window.open(runtime);
    Form* form = window.make(runtime);
    form->load();
    form->showWindow();
    return form;
}

} // namespace

class TestReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup()
    {
        deleteOpenWindows();  // with a warning window that play opened
        useLanguage(sourceLanguage);
    }

    void whatEveryWindowTellsTheReader_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("window");
        for (const QString& language : {sourceLanguage, QStringLiteral("en")}) {
            for (int g = 0; g < catalog::games().size(); ++g) {
                const catalog::Game& game = catalog::games()[g];
                for (int w = 0; w < game.windows.size(); ++w)
                    QTest::addRow("%s %s", qPrintable(game.title(game.windows[w])), qPrintable(language))
                        << language << g << w;
            }
        }
    }

    void whatEveryWindowTellsTheReader()
    {
        QFETCH(QString, language);
        QFETCH(int, game);
        QFETCH(int, window);
        useLanguage(language);
        const catalog::Game& entry = catalog::games()[game];
        RuntimeRandom random;
        AnsweringDialogs boxes;
        Runtime runtime(entry.programName, random, boxes);
        QPointer<Form> form = open(entry.windows[window], runtime);
        QCOMPARE(buttonsToldAlike(*form), QStringList());
        QCOMPARE(misnamedLabels(*form), QStringList());
        if (window > 0)
            return;
        const catalog::Player player{*form, [](QAbstractButton* button) { button->click(); }};
        if (entry.prepare)
            entry.prepare(player);
        for (int n = 0; n < 60 && form && !runtime.hasEnded(); ++n) {
            entry.play(player, n);
            QCOMPARE(misnamedLabels(*form), QStringList());
        }
    }
};

QTEST_MAIN(TestReader)
#include "tst_reader.moc"
