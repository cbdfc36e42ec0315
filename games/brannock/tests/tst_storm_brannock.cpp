#include "brannock/mainwindow.h"
#include "boxes.h"
#include "storm.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace shell;
using namespace brannock::tests;
using brannock::MainWindow;

namespace {

// Text, txt1, txt2, txta, txtb, txtc, txtd
enum Box { ThrowText, PlayerMoney, ComputerMoney, PlayerDie1, PlayerDie2, ComputerDie1, ComputerDie2, boxCount };
constexpr Box dieBoxes[] = {PlayerDie1, PlayerDie2, ComputerDie1, ComputerDie2};

enum class Action { Throw, Register, Introduce, Close, Type };
const Weight<Action> actions[] = {
    {Action::Throw, 600}, {Action::Register, 50}, {Action::Introduce, 10}, {Action::Close, 2}, {Action::Type, 338},
};

const QStringList gameWords = {
    QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("24000"), QStringLiteral("999999"),
    QStringLiteral("1000001"), QStringLiteral("Ход №  1"), QStringLiteral("Иван Петров"), QStringLiteral("Game over"),
};

// A die's text, or 0 when the box holds no die.
int dieOf(const QString& text)
{
    return text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('5') ? text[0].digitValue() : 0;
}

// Follows the game from what the window shows. The dice of a throw that ends
// a game are cleared before the event returns, so the board is also caught
// the moment the game starts clearing it.
class BrannockStorm : public Storm<MainWindow> {
public:
    BrannockStorm() : Storm(program, 6) {}

    // How the games ended, to show that every ending was reached.
    void finish() override
    {
        for (auto it = m_endings.begin(); it != m_endings.end(); ++it)
            qInfo("%d games ended with \"%s\"", it.value(), qPrintable(it.key()));
    }

protected:
    void act(MainWindow& window) override
    {
        m_cleared = false;
        m_lastDie = textBoxes(window)[PlayerDie1]->text();
        m_action = input.pick(actions);
        switch (m_action) {
        case Action::Throw:
            input.press(window.button("cmd1"));
            break;
        case Action::Register:
            input.press(window.button("CmdR"));
            break;
        case Action::Introduce:
            input.press(window.button("cmd2"));
            break;
        case Action::Close:
            window.close();
            break;
        case Action::Type:
            m_target = input.pick(boxCount);
            input.typeInto(textBoxes(window)[m_target], input.anyText(gameWords));
            break;
        }
    }

    void check(MainWindow& window, const QList<ShownBox>& boxes) override
    {
        const QStringList before = m_screen;
        m_screen = texts(window);
        switch (m_action) {
        case Action::Throw:
            if (!m_registered) {
                QCOMPARE(boxes, QList<ShownBox>{reminder});
                QCOMPARE(m_screen, before);
            } else {
                checkThrow(before, boxes);
            }
            break;
        case Action::Register:
            QCOMPARE(boxes, QList<ShownBox>{registration});
            QCOMPARE(m_screen, before);
            m_registered = true;
            m_name = window.label("Lbln")->text();
            break;
        case Action::Introduce:
            QCOMPARE(boxes, QList<ShownBox>{introduction});
            QCOMPARE(m_screen, before);
            break;
        case Action::Close:
            QFAIL("the program went on");
        case Action::Type: {
            // The game never reads its boxes: typing only changes the typed one.
            QCOMPARE(boxes, QList<ShownBox>());
            QStringList others = m_screen;
            others[m_target] = before[m_target];
            QCOMPARE(others, before);
            break;
        }
        }
        // Only registration writes the name, and a game end keeps it.
        QCOMPARE(window.label("Lbln")->text(), m_name);
    }

    // A No to the introduction ends the program.
    bool mayEnd() const override { return m_action == Action::Introduce || m_action == Action::Close; }

    void restarted(MainWindow& window) override
    {
        m_registered = false;
        m_name.clear();
        newGame();
        m_throwNo = 1;
        m_screen = texts(window);
        QCOMPARE(m_screen, QStringList(boxCount, QString()));
        QCOMPARE(window.label("Lbln")->text(), QString());

        // resetGame() clears the first die first: the board as it stood then is
        // what the player saw behind the game's last box.
        QLineEdit* firstDie = textBoxes(window)[PlayerDie1];
        QObject::connect(firstDie, &QLineEdit::textChanged, &window, [this, &window](const QString& text) {
            if (text.isEmpty() && m_action == Action::Throw && !m_cleared) {
                m_cleared = true;
                m_behind = texts(window);
                m_behind[PlayerDie1] = m_lastDie;
            }
            m_lastDie = text;
        });
    }

private:
    void checkThrow(const QStringList& before, const QList<ShownBox>& boxes)
    {
        const QStringList board = m_cleared ? m_behind : m_screen;
        int dice[4];
        for (int i = 0; i < 4; ++i) {
            dice[i] = dieOf(board[dieBoxes[i]]);
            QVERIFY2(dice[i] != 0, qPrintable(QStringLiteral("die shown as \"%1\"").arg(board[dieBoxes[i]])));
        }

        m_player += 3000 * (dice[0] + dice[1]);
        QCOMPARE(board[PlayerMoney], QString::number(m_player));
        QList<ShownBox> expected;
        if (m_player > 1000000) {
            // The player's win ends the throw before the computer's row is written.
            QCOMPARE(board[ComputerMoney], before[ComputerMoney]);
            QCOMPARE(board[ThrowText], before[ThrowText]);
            expected = {playerWins};
        } else {
            m_computer += 3000 * (dice[2] + dice[3]);
            QCOMPARE(board[ComputerMoney], QString::number(m_computer));
            QCOMPARE(board[ThrowText], QStringLiteral("Ход №  %1").arg(m_throwNo));
            ++m_throwNo;
            if (m_throwNo == 51)
                expected = {gameOver};
            else if (m_computer > 1000000)
                expected = {computerWins};
        }
        QCOMPARE(boxes, expected);
        QCOMPARE(m_cleared, !expected.isEmpty());
        if (m_cleared) {
            ++m_endings[expected.first().prompt];
            QCOMPARE(m_screen, QStringList(boxCount, QString()));
            newGame();
        }
    }

    // Later games number their throws from 0.
    void newGame()
    {
        m_player = 0;
        m_computer = 0;
        m_throwNo = 0;
    }

    Action m_action = Action::Type;
    int m_target = 0;
    bool m_registered = false;
    QString m_name;
    long long m_player = 0;
    long long m_computer = 0;
    int m_throwNo = 1;
    QStringList m_screen;
    bool m_cleared = false;
    QString m_lastDie;
    QStringList m_behind;
    QMap<QString, int> m_endings;
};

} // namespace

int main(int argc, char** argv) { return stormMain<BrannockStorm>(argc, argv); }
