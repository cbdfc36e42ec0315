#include "qtdialogs.h"
#include "runtime.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

using namespace shell;

namespace {

// Presses the button with that text in the modal box once it is up.
void pressInBoxSoon(const QString& buttonText, QStringList* seenButtons = nullptr)
{
    QTimer::singleShot(0, [=] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        const auto buttons = box->findChildren<QPushButton*>();
        for (QPushButton* b : buttons) {
            if (seenButtons)
                seenButtons->append(b->text());
        }
        for (QPushButton* b : buttons) {
            if (b->text() == buttonText) {
                b->click();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button ") + buttonText));
    });
}

} // namespace

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
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("description");
        QTest::addRow("overflow") << 6 << "Переполнение";
        QTest::addRow("type mismatch") << 13 << "Несоответствие типа";
        QTest::addRow("invalid call") << 5 << "Недопустимый вызов процедуры или аргумент";
        QTest::addRow("subscript") << 9 << "Индекс вне диапазона";
        QTest::addRow("division") << 11 << "Деление на ноль";
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

    void realMessageBoxAnswersWithItsButtons()
    {
        QtDialogs dialogs;
        QStringList buttons;
        pressInBoxSoon(QStringLiteral("Нет"), &buttons);
        QCOMPARE(dialogs.messageBox(QStringLiteral("Выйти?"), Style::YesNo | Style::Question,
                                    QStringLiteral("Выход")), Answer::No);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));

        pressInBoxSoon(QStringLiteral("Да"));
        QCOMPARE(dialogs.messageBox(QStringLiteral("Выйти?"), 36, QStringLiteral("Выход")), Answer::Yes);
        pressInBoxSoon(QStringLiteral("OK"));
        QCOMPARE(dialogs.messageBox(QStringLiteral("<b>не разметка</b>"), Style::Exclamation, QString()), Answer::Ok);
    }

    void realInputBoxGivesEmptyTextOnCancel()
    {
        QtDialogs dialogs;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setTextValue(QStringLiteral("Иван"));
            dialog->reject();
        });
        QCOMPARE(dialogs.inputBox(QStringLiteral("Имя?"), QStringLiteral("Регистрация")), QString());
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setTextValue(QStringLiteral("Иван"));
            dialog->accept();
        });
        QCOMPARE(dialogs.inputBox(QStringLiteral("Имя?"), QStringLiteral("Регистрация")), QStringLiteral("Иван"));
    }
};

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
