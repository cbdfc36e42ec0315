// The boxes the player sees, answered with the mouse and with the keys.

#include "columns.h"
#include "language.h"
#include "qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <optional>

using namespace shell;

namespace {

using Keys = QList<int>;
constexpr int yesNo = Style::YesNo | Style::Question;

// Clicks the button with that caption once the box is up, noting the box's
// button captions in `buttons`, sorted, when given.
void clickInBoxSoon(const QString& caption, QStringList* buttons = nullptr)
{
    QTimer::singleShot(0, [=] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        QPushButton* target = nullptr;
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (buttons)
                buttons->append(button->text());
            if (button->text() == caption)
                target = button;
        }
        if (buttons)
            buttons->sort();
        QVERIFY2(target, qPrintable(QStringLiteral("no button ") + caption));
        QTest::mouseClick(target, Qt::LeftButton);
    });
}

// Once the box is up, types these keys where the player's keyboard would
// send them: to whatever has the focus in the box. Notes the box's button
// captions in `buttons`, sorted, when given.
void typeInBoxSoon(const Keys& keys, const QString& text = QString(), QStringList* buttons = nullptr)
{
    QTimer::singleShot(0, [=] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        QTRY_VERIFY(box->isAncestorOf(QApplication::focusWidget()));
        if (buttons) {
            for (const QPushButton* button : box->findChildren<QPushButton*>())
                buttons->append(button->text());
            buttons->sort();
        }
        // keyClicks() knows only ASCII; a Russian keyboard sends text with its keys.
        for (QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
        for (int key : keys) {
            QWidget* target = QApplication::focusWidget();
            QVERIFY(target && box->isAncestorOf(target));
            QTest::keyClick(target, Qt::Key(key));
        }
    });
}

// A box the keys did not close would hang the test; this closes it and fails.
struct Watchdog {
    Watchdog()
    {
        QTimer::singleShot(5000, &guard, [] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->close();
                QFAIL("the keys left the box open");
            }
        });
    }
    QObject guard;
};

} // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT

private:
    QtDialogs dialogs;
    std::optional<Watchdog> watchdog;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { watchdog.emplace(); }
    void cleanup() { watchdog.reset(); }

    void messageBoxAnswersItsButtons_data()
    {
        columns<int, QString, QStringList, int, QString>("style", "clicked", "buttons", "answer", "language");
        const QStringList yesAndNo = {QStringLiteral("Да"), QStringLiteral("Нет")};
        QTest::addRow("Yes/No: Нет") << yesNo << "Нет" << yesAndNo << Answer::No << "ru";
        QTest::addRow("Yes/No: Да") << yesNo << "Да" << yesAndNo << Answer::Yes << "ru";
        QTest::addRow("OK") << int(Style::Exclamation) << "OK" << QStringList{QStringLiteral("OK")} << Answer::Ok << "ru";
        // The shell carries its own translation, whichever game links it.
        const QStringList noAndYes = {QStringLiteral("No"), QStringLiteral("Yes")};
        QTest::addRow("English: No") << yesNo << "No" << noAndYes << Answer::No << "en";
        QTest::addRow("English: Yes") << yesNo << "Yes" << noAndYes << Answer::Yes << "en";
    }

    void messageBoxAnswersItsButtons()
    {
        QFETCH(int, style);
        QFETCH(QString, clicked);
        QFETCH(QStringList, buttons);
        QFETCH(int, answer);
        QFETCH(QString, language);
        useLanguage(language);
        const auto restoreLanguage = qScopeGuard([] { useLanguage(sourceLanguage); });
        QStringList shown;
        clickInBoxSoon(clicked, &shown);
        QCOMPARE(dialogs.messageBox(QStringLiteral("Выйти?"), style, QStringLiteral("Выход")), answer);
        QCOMPARE(shown, buttons);
    }

    void messageBoxAnswersKeys_data()
    {
        columns<int, Keys, int>("style", "keys", "answer");
        QTest::addRow("Yes/No: Enter gives the default Yes") << yesNo << Keys{Qt::Key_Return} << Answer::Yes;
        QTest::addRow("Yes/No: keypad Enter") << yesNo << Keys{Qt::Key_Enter} << Answer::Yes;
        QTest::addRow("Yes/No: Space presses Yes") << yesNo << Keys{Qt::Key_Space} << Answer::Yes;
        // No may end the game: Escape leaves the box up for its buttons to answer.
        QTest::addRow("Yes/No: Escape does nothing, then Enter gives Yes")
            << yesNo << Keys{Qt::Key_Escape, Qt::Key_Return} << Answer::Yes;
        QTest::addRow("Yes/No: Escape on No does nothing, then Enter gives No")
            << yesNo << Keys{Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Return} << Answer::No;
        QTest::addRow("Yes/No: Tab to No, Enter") << yesNo << Keys{Qt::Key_Tab, Qt::Key_Return} << Answer::No;
        QTest::addRow("Yes/No: Tab to No, Space") << yesNo << Keys{Qt::Key_Tab, Qt::Key_Space} << Answer::No;
        QTest::addRow("Yes/No: Right to No, Enter") << yesNo << Keys{Qt::Key_Right, Qt::Key_Return} << Answer::No;
        QTest::addRow("Yes/No: Tab twice comes back to Yes")
            << yesNo << Keys{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << Answer::Yes;
        QTest::addRow("OK: Enter") << int(Style::Exclamation) << Keys{Qt::Key_Return} << Answer::Ok;
        QTest::addRow("OK: Escape") << int(Style::Ok) << Keys{Qt::Key_Escape} << Answer::Ok;
        QTest::addRow("OK: Space") << int(Style::Information) << Keys{Qt::Key_Space} << Answer::Ok;
    }

    void messageBoxAnswersKeys()
    {
        QFETCH(int, style);
        QFETCH(Keys, keys);
        QFETCH(int, answer);
        typeInBoxSoon(keys);
        QCOMPARE(dialogs.messageBox(QStringLiteral("Выйти?"), style, QStringLiteral("Выход")), answer);
    }

    // The title bar's close button answers a box with OK, but not one with Yes and No.
    void closeButtonAnswersOnlyOkBoxes_data()
    {
        columns<int, bool>("style", "closes");
        QTest::addRow("Yes/No") << yesNo << false;
        QTest::addRow("OK") << int(Style::Exclamation) << true;
    }

    void closeButtonAnswersOnlyOkBoxes()
    {
        QFETCH(int, style);
        QFETCH(bool, closes);
        bool closed = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box && box->windowHandle());
            // As the window manager asks when the close button is clicked.
            closed = box->windowHandle()->close();
            if (!closed) {
                QVERIFY(box->isVisible());
                typeInBoxSoon({Qt::Key_Tab, Qt::Key_Return});
            }
        });
        const int answer = dialogs.messageBox(QStringLiteral("Хотите прочитать правила?"), style, QString());
        QCOMPARE(closed, closes);
        QCOMPARE(answer, closes ? Answer::Ok : Answer::No);
    }

    void inputBoxAnswersKeys_data()
    {
        columns<Keys, QString, QString>("keys", "typed", "result");
        QTest::addRow("Enter takes the text") << Keys{Qt::Key_Return} << "Иван Петров" << "Иван Петров";
        QTest::addRow("Escape cancels") << Keys{Qt::Key_Escape} << "Иван" << "";
        QTest::addRow("Tab to OK, Space") << Keys{Qt::Key_Tab, Qt::Key_Space} << "Иван" << "Иван";
        QTest::addRow("Enter on nothing typed") << Keys{Qt::Key_Return} << "" << "";
    }

    void inputBoxAnswersKeys()
    {
        QFETCH(Keys, keys);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QStringList buttons;
        typeInBoxSoon(keys, typed, &buttons);
        QCOMPARE(dialogs.inputBox(QStringLiteral("Введите ваше имя и фамилию:"), QStringLiteral("Регистрация")),
                 result);
        QCOMPARE(buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Отмена")}));
    }

    void inputBoxGivesEmptyTextOnCancel_data()
    {
        columns<bool, QString>("accepted", "result");
        QTest::addRow("OK") << true << "Иван";
        QTest::addRow("Отмена, with a name typed") << false << "";
    }

    void inputBoxGivesEmptyTextOnCancel()
    {
        QFETCH(bool, accepted);
        QFETCH(QString, result);
        QTimer::singleShot(0, [accepted] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setTextValue(QStringLiteral("Иван"));
            accepted ? dialog->accept() : dialog->reject();
        });
        QCOMPARE(dialogs.inputBox(QStringLiteral("Имя?"), QStringLiteral("Регистрация")), result);
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
