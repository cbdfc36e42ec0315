// What a screen reader hears: the caption the window shows now, told of
// each change, and the state and text of the controls.

// The event recorder below is a plugin built into this test.
#define QT_STATICPLUGIN
#include "columns.h"
#include "controls.h"
#include "form.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace shell;

namespace {

const FormSpec sample = {
    .name = "Sample",
    .caption = "Образец",
    .clientWidth = 4500,
    .clientHeight = 3000,
    .backColor = {},
    .controls = {
        label("Score", "Монет: 15", {150, 150, 3000, 300}),
        // Narrow enough that its caption breaks onto two lines.
        button("Go", "Бросить монету", {150, 600, 1200, 600}),
        option("Side", "Орёл", {150, 1350, 1500, 300}),
        textBox("Box", {150, 1800, 1500, 450}),
    },
};

// Boxes named by a caption, with a detail or a name of their own; two
// buttons of one caption told apart.
const FormSpec board = {
    .name = "Board",
    .caption = "Доска",
    .clientWidth = 6000,
    .clientHeight = 3600,
    .backColor = {},
    .controls = {
        label("Caption", "ИГРОК", {150, 150, 1500, 300}),
        textBox("Throw", {150, 600, 1500, 450}),
        label("Turn", "", {3000, 600, 1500, 300}),
        textBox("Total", {150, 1200, 1500, 450}),
        textBox("Bet", {150, 1800, 1500, 450}),
        button("Go", "Бросок", {150, 2400, 1500, 600}),
        button("Again", "Бросок", {3000, 2400, 1500, 600}),
    },
    .reader = {
        labelledBy("Throw", "Caption"),
        labelledBy("Total", "Caption", "очки"),
        named("Bet", "Ставка"),
        describedAs("Again", "бросок компьютера"),
    },
};

// A rules window: nothing to focus, so its text is read as it opens.
const FormSpec notice = {
    .name = "Notice",
    .caption = "Правила",
    .clientWidth = 4500,
    .clientHeight = 1000,
    .backColor = {},
    .controls = {label("Text", "Ходов всего 25.", {150, 150, 3000, 300})},
};

class Board : public Form {
    Q_OBJECT
public:
    explicit Board(Runtime& runtime)
        : Form(runtime, board)
    {
        onClick(button("Go"), &Board::play);
        onChange(textBox("Bet"), &Board::takeBet);
    }

    // Writes the total twice, around a box; the throw box gets its old text.
    void play()
    {
        textBox("Total")->setText(QStringLiteral("12"));
        textBox("Throw")->setText(QStringLiteral("7"));
        label("Turn")->setText(QStringLiteral("Ход № 1"));
        textBox("Bet")->setText(textBox("Bet")->text());
        msgBox(QStringLiteral("Итог"));
        textBox("Total")->setText(QStringLiteral("20"));
    }
    void takeBet()
    {
        if (textBox("Bet")->text().contains(QLatin1Char('x')))
            throw RuntimeError(ErrorCode::TypeMismatch);
    }
    // An event of the test's own, to raise others in.
    void runAsEvent(const std::function<void()>& procedure) { runEvent(procedure); }
};

using ToldName = std::pair<QObject*, QString>;
QList<ToldName> toldNames;
QStringList spoken;  // what notifications said

// Offscreen no screen reader listens, and Qt hands every accessibility event
// to the bridges that carry them to one: this bridge notes each name change
// with the name a screen reader asking right then would hear.
class EventRecorder final : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        if (event->type() == QAccessible::NameChanged)
            toldNames.append({event->object(), event->accessibleInterface()->text(QAccessible::Name)});
        if (event->type() == QAccessible::ObjectShow && event->accessibleInterface()->role() == QAccessible::Notification)
            spoken.append(event->accessibleInterface()->text(QAccessible::Name));
    }
};

QString nameOf(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class EventRecorderPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "eventrecorder.json")
public:
    // Qt keeps the bridges it makes for the life of the program.
    QAccessibleBridge* create(const QString&) override
    {
        static EventRecorder recorder;
        return &recorder;
    }
};

Q_IMPORT_PLUGIN(EventRecorderPlugin)

class TestAccessibility : public QObject {
    Q_OBJECT

    ScriptedRandom random;
    ScriptedDialogs boxes;
    Runtime runtime{QStringLiteral("Образец"), random, boxes};

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void nameFollowsTheCaption_data()
    {
        columns<QString, QStringList>("control", "captions");  // the first caption is the description's
        QTest::addRow("label") << "Score" << QStringList{"Монет: 15", "Монет: 12", "Монет: 9"};
        QTest::addRow("button broken over two lines")
            << "Go" << QStringList{"Бросить монету", "Бросить ещё раз", "Бросок"};
    }

    void nameFollowsTheCaption()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, captions);
        Form form(runtime, sample);
        form.showWindow();
        QWidget* widget = form.control(control);
        QCOMPARE(nameOf(widget), captions.first());
        for (const QString& caption : captions.mid(1)) {
            toldNames.clear();
            if (auto* button = qobject_cast<CommandButton*>(widget))
                button->setCaption(caption);
            else
                qobject_cast<QLabel*>(widget)->setText(caption);
            QCOMPARE(nameOf(widget), caption);
            if (auto* button = qobject_cast<QPushButton*>(widget))
                QVERIFY(button->text().contains(QLatin1Char('\n')) == (caption != "Бросок"));
            QVERIFY(!toldNames.isEmpty());
            QCOMPARE(toldNames.last(), ToldName(widget, caption));
        }
    }

    void statesAndValues()
    {
        Form form(runtime, sample);
        form.showWindow();
        form.option(QStringLiteral("Side"))->setChecked(true);
        QVERIFY(QAccessible::queryAccessibleInterface(form.option(QStringLiteral("Side")))->state().checked);
        form.textBox(QStringLiteral("Box"))->setText(QStringLiteral("7055"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.textBox(QStringLiteral("Box")))->text(QAccessible::Value),
                 QStringLiteral("7055"));
    }

    void namesAndDescriptionsFromTheDescription()
    {
        Board form(runtime);
        QCOMPARE(nameOf(form.textBox("Throw")), QStringLiteral("ИГРОК"));
        QCOMPARE(nameOf(form.textBox("Total")), QStringLiteral("ИГРОК очки"));
        QCOMPARE(nameOf(form.textBox("Bet")), QStringLiteral("Ставка"));
        QCOMPARE(nameOf(form.button("Again")), QStringLiteral("Бросок"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.button("Again"))->text(QAccessible::Description),
                 QStringLiteral("бросок компьютера"));
    }

    // Changed values in reading order with their names, those shown before
    // a box before it, each once; unchanged ones not at all.
    void changesAreSpokenOnce()
    {
        Board form(runtime);
        form.showWindow();
        spoken.clear();
        boxes.answer(Answer::Ok);
        form.button("Go")->click();
        QCOMPARE(boxes.takeShown().size(), 1);
        QCOMPARE(spoken, QStringList({"ИГРОК: 7, Ход № 1, ИГРОК очки: 12", "ИГРОК очки: 20"}));
        spoken.clear();
        boxes.answer(Answer::Ok);
        form.button("Go")->click();
        QCOMPARE(boxes.takeShown().size(), 1);
        QCOMPARE(spoken, QStringList({"ИГРОК очки: 12", "ИГРОК очки: 20"}));
    }

    void nameAndValueWithAPause_data()
    {
        columns<QString, QString, QString>("name", "value", "spoken");
        QTest::addRow("pause") << "Кость №1" << "4" << "Кость №1: 4";
        QTest::addRow("caption's own colon") << "сделайте Вашу ставку:" << "5x" << "сделайте Вашу ставку: 5x";
        QTest::addRow("value that names itself") << "Ход" << "Ход № 1" << "Ход № 1";
        QTest::addRow("empty") << "Ставка" << " " << "Ставка: пусто";
    }

    void nameAndValueWithAPause()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, spoken);
        QCOMPARE(namedValue(name, value), spoken);
    }

    // An event that raises one of its own window and one of another: what
    // both windows showed before the box is heard before it, once.
    void nestedEventsTellChangesOnce()
    {
        Board outer(runtime);
        Board inner(runtime);
        spoken.clear();
        boxes.answer(Answer::Ok);
        outer.runAsEvent([&] {
            outer.textBox("Bet")->setText(QStringLiteral("5"));
            inner.button("Go")->click();
        });
        QCOMPARE(boxes.takeShown().size(), 1);
        QCOMPARE(spoken, QStringList({"Ставка: 5", "ИГРОК: 7, Ход № 1, ИГРОК очки: 12", "ИГРОК очки: 20"}));
    }

    void boxIsReadAgainAfterItsError()
    {
        Board form(runtime);
        form.showWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        spoken.clear();
        boxes.answer(Answer::Ok);
        form.textBox("Bet")->setText(QStringLiteral("5x"));
        QCOMPARE(boxes.takeShown().size(), 1);
        QTRY_COMPARE(spoken, QStringList({"Ставка: 5x"}));
        QCOMPARE(QApplication::focusWidget(), form.textBox("Bet"));
    }

    // Alt+Tab away and back does not read it again; a new opening does.
    void textIsReadOncePerOpening()
    {
        QWidget elsewhere;
        elsewhere.show();
        spoken.clear();
        for (int opening = 0; opening < 2; ++opening) {
            Form form(runtime, notice);
            form.showWindow();
            for (int activation = 0; activation < 3; ++activation) {
                QApplication::setActiveWindow(&elsewhere);
                QApplication::setActiveWindow(&form);
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QCoreApplication::processEvents();
            }
        }
        QCOMPARE(spoken, QStringList({"Ходов всего 25.", "Ходов всего 25."}));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
