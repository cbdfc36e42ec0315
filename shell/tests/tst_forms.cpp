#include "form.h"
#include "gameharness.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
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
    .backColor = rgb(0x112233),
    .position = Twips{1500, 750},
    .controls = {
        // The box comes first yet covers the label declared after it.
        textBox("Box", {300, 300, 1500, 450}).tab(7),
        label("Clear", "сквозь", {150, 150, 3000, 900}).transparent().tab(1),
        label("Solid", "плотно", {150, 1200, 1500, 300}).back(rgb(0xFFFF00)).tab(2),
        frame("Group", "Рамка", {2250, 1200, 2100, 1500}).tab(0),
        option("Pick", "один", {150, 300, 1500, 300}).member(1).in("Group").tab(5),
        option("Pick", "два", {150, 750, 1500, 300}).member(2).in("Group").tab(4),
        button("Go", "Пуск", {150, 2400, 1500, 450}).tab(6),
        line("Rule", 150, 2250, 4350, 2250),
        label("Narrow", "чуть длиннее, чем поле", {150, 2600, 1500, 255}).tab(3),
        label("Tall", "чуть длиннее, чем поле", {2250, 2600, 1500, 600}).tab(8),
        label("Word", "предлинное", {150, 1600, 840, 600}).tab(9),
    },
};

class Sample : public Form {
public:
    explicit Sample(Runtime& runtime) : Form(runtime, sample)
    {
        onOptionClick("Pick", &Sample::pick);
        onClick(button("Go"), &Sample::failHalfway);
    }

    void load() override { ++loads; }
    void pick(int index) { picked.append(index); }
    void failHalfway()
    {
        textBox("Box")->setText(QStringLiteral("до ошибки"));
        (void)(Value::text(QStringLiteral("x")) * Value::integer(2));
        textBox("Box")->setText(QStringLiteral("после ошибки"));
    }

    int loads = 0;
    QList<int> picked;
};

} // namespace

class TestForms : public QObject {
    Q_OBJECT

private:
    ScriptedRandom random;
    ScriptedDialogs boxes;
    Runtime runtime{QStringLiteral("Образец"), random, boxes};
    Sample* form = nullptr;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { form = openStartupForm<Sample>(runtime); }
    void cleanup() { deleteOpenWindows(); }

    void twipsBecomePixels()
    {
        QCOMPARE(form->geometry(), QRect(100, 50, 300, 200));
        QCOMPARE(form->textBox("Box")->geometry(), QRect(20, 20, 100, 30));
        // Inside a frame, positions count from the frame.
        QCOMPARE(form->option("Pick", 2)->geometry(), QRect(10, 50, 100, 20));
        QCOMPARE(form->option("Pick", 2)->parentWidget(), form->frame("Group"));
        QCOMPARE(form->control("Rule")->geometry(), QRect(10, 150, 281, 1));
    }

    void tabOrderAndFirstFocus()
    {
        const QList<QWidget*> expected = {form->option("Pick", 2), form->option("Pick", 1),
                                          form->button("Go"), form->textBox("Box")};
        QCOMPARE(form->tabOrder(), expected);
        QCOMPARE(form->focusWidget(), form->option("Pick", 2));
        QCOMPARE(form->label("Clear")->focusPolicy(), Qt::NoFocus);
    }

    void labelsLieUnderWindowedControls()
    {
        QCOMPARE(form->childAt(30, 30), form->textBox("Box"));
        QCOMPARE(form->childAt(15, 15), form->label("Clear"));
        QVERIFY(!form->label("Clear")->autoFillBackground());
        QVERIFY(form->label("Solid")->autoFillBackground());
        QCOMPARE(form->label("Solid")->palette().color(QPalette::Window), QColor(0xFFFF00));

        // A transparent label shows the window's colour through it.
        const QImage shot = form->grab().toImage();
        QCOMPARE(shot.pixelColor(140, 15), QColor(0x112233));
        // An opaque label without a colour of its own shows the face, not the window's colour.
        QCOMPARE(shot.pixelColor(245, 195), form->palette().color(QPalette::Button));
    }

    void oneLineLabelsSqueezeInsteadOfWrapping()
    {
        QLabel* narrow = form->label("Narrow");
        QVERIFY(!narrow->wordWrap());
        QVERIFY(narrow->font().stretch() < 100 && narrow->font().stretch() >= 80);
        QVERIFY(QFontMetrics(narrow->font()).horizontalAdvance(narrow->text()) <= narrow->width());
        // A label with room for two lines wraps as before, and narrows only
        // a word that no line holds.
        QVERIFY(form->label("Tall")->wordWrap());
        QCOMPARE(form->label("Tall")->font().stretch(), form->font().stretch());
        QLabel* word = form->label("Word");
        QVERIFY(word->wordWrap());
        QVERIFY(QFontMetrics(word->font()).horizontalAdvance(word->text()) <= word->width());
    }

    void optionArraysPassTheirIndex()
    {
        QVERIFY(!form->option("Pick", 1)->isChecked() && !form->option("Pick", 2)->isChecked());
        QTest::mouseClick(form->option("Pick", 2), Qt::LeftButton);
        QTest::mouseClick(form->option("Pick", 1), Qt::LeftButton);
        QCOMPARE(form->picked, (QList<int>{2, 1}));
    }

    void errorsAbandonTheProcedureOnly()
    {
        boxes.answer(Answer::Ok);
        QTest::mouseClick(form->button("Go"), Qt::LeftButton);
        QCOMPARE(form->textBox("Box")->text(), QStringLiteral("до ошибки"));
        const ShownBox error{QStringLiteral("Ошибка выполнения '13':\n\nНесоответствие типа"),
                             Style::Critical, QStringLiteral("Образец")};
        QCOMPARE(boxes.takeShown(), QList<ShownBox>{error});
        // The program goes on.
        boxes.answer(Answer::Ok);
        QTest::mouseClick(form->button("Go"), Qt::LeftButton);
        QCOMPARE(boxes.takeShown().size(), 1);
    }

    void secondaryWindowsReloadAfterClosing()
    {
        FormInstance<Sample> rules;
        QPointer<Sample> first = &rules.show(runtime);
        QCOMPARE(&rules.show(runtime), first.data());
        QCOMPARE(first->loads, 1);
        first->close();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        Sample& again = rules.show(runtime);
        QCOMPARE(again.loads, 1);
        QVERIFY(again.isVisible());
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
