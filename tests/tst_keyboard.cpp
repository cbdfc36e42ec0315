// Each game's main window walked from the keyboard alone: Tab and Shift+Tab
// go through the controls in their tab order, entering an option group once.

#include "catalog.h"
#include "columns.h"
#include "keys.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <functional>

using namespace shell;

namespace {

using Opener = std::function<Form*(Runtime&)>;

// The keys visit each control once, but an option group only through one
// of its buttons: Tab enters the group, arrows move inside it.
QStringList expectedTabWalk(const Form& window)
{
    QStringList names;
    const QWidget* previousGroup = nullptr;
    for (const QWidget* control : window.tabOrder()) {
        const bool isOption = qobject_cast<const QRadioButton*>(control);
        if (isOption && control->parentWidget() == previousGroup)
            continue;
        previousGroup = isOption ? control->parentWidget() : nullptr;
        names.append(control->objectName());
    }
    return names;
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void tabVisitsTheControlsInTabOrder_data()
    {
        columns<QString, Opener>("program", "open");
        for (const catalog::Game& game : catalog::games())
            QTest::addRow("%s", qPrintable(game.programName)) << game.programName << game.windows.first().open;
    }

    void tabVisitsTheControlsInTabOrder()
    {
        QFETCH(QString, program);
        QFETCH(Opener, open);
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(program, random, boxes);
        std::unique_ptr<Form> window(open(runtime));
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        const QStringList expected = expectedTabWalk(*window);
        QStringList forward{nameOf(QApplication::focusWidget())};
        for (qsizetype i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab);
            forward.append(nameOf(QApplication::focusWidget()));
        }
        QCOMPARE(forward, expected + QStringList{expected.first()});

        QStringList backward;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab, Qt::ShiftModifier);
            backward.prepend(nameOf(QApplication::focusWidget()));
        }
        QCOMPARE(backward, expected);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
