#include "columns.h"
#include "runtime.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace shell;

class TestRuntime : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void boxesWithoutTitleCarryTheProgramName()
    {
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(QStringLiteral("Pendlow"), random, boxes);
        boxes.answer(Answer::Ok);
        boxes.type(QStringLiteral("Иван"));
        runtime.msgBox(QStringLiteral("Привет"));
        QCOMPARE(runtime.inputBox(QStringLiteral("Имя?"), QStringLiteral("Регистрация")), QStringLiteral("Иван"));
        QCOMPARE(boxes.takeShown(),
                 (QList<ShownBox>{{QStringLiteral("Привет"), Style::Ok, QStringLiteral("Pendlow")},
                                  {QStringLiteral("Имя?"), 0, QStringLiteral("Регистрация"), true}}));
    }

    void endStopsTheProcedureAndEveryLaterEvent()
    {
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(QStringLiteral("Pendlow"), random, boxes);
        QWidget window;
        window.show();
        int statements = 0;
        runtime.run([&] {
            ++statements;
            runtime.end();
            ++statements;
        });
        runtime.run([&] { ++statements; });
        QCOMPARE(statements, 1);
        QVERIFY(runtime.hasEnded());
        QVERIFY(!window.isVisible());
    }

    void errorsKeepWhatTheProcedureDid_data()
    {
        columns<int, QString>("code", "description");
        QTest::addRow("overflow") << 6 << "Переполнение";
        QTest::addRow("type mismatch") << 13 << "Несоответствие типа";
    }

    void errorsKeepWhatTheProcedureDid()
    {
        QFETCH(int, code);
        QFETCH(QString, description);
        ScriptedRandom random;
        ScriptedDialogs boxes;
        Runtime runtime(QStringLiteral("Tessaly"), random, boxes);
        boxes.answer(Answer::Ok);
        int done = 0;
        runtime.run([&] {
            done = 1;
            throw RuntimeError(ErrorCode(code));
        });
        QCOMPARE(done, 1);
        QVERIFY(!runtime.hasEnded());
        const QString message = QStringLiteral("Ошибка выполнения '%1':\n\n%2").arg(code).arg(description);
        const ShownBox shown{message, Style::Critical, QStringLiteral("Tessaly")};
        QCOMPARE(boxes.takeShown(), QList<ShownBox>{shown});
    }
};

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
