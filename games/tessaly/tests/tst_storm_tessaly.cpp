#include "tessaly/mainwindow.h"
#include "boxes.h"
#include "numbertext.h"
#include "storm.h"

#include <QPushButton>
#include <QTest>

using namespace shell;
using namespace tessaly::tests;
using tessaly::MainWindow;

namespace {

enum Box { Side, Account, Bet, Call, boxCount };  // txt1 to txt4

// Bets at the edges of the doubled 16-bit range, and the sides as players
// get them wrong.
const QStringList gameWords = {
    heads, tails, QStringLiteral("Орел"), QStringLiteral("орёл"), QStringLiteral("орел "), QStringLiteral("Решка"),
    "16383", "16384", "-16384", "-16385", "32767", "-32768", "10", "-5", "2.5", "1E4",
};

QString padded(long long n) { return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n); }

enum class Action { Play, TypeBet, TypeCall, TypeOther, Rules, Exit, Close };
const Weight<Action> actions[] = {
    {Action::Play, 500}, {Action::TypeBet, 150}, {Action::TypeCall, 250}, {Action::TypeOther, 85},
    {Action::Rules, 7}, {Action::Exit, 7}, {Action::Close, 1},
};

// Bets, calls and presses in any order: the storm keeps the account as the
// running sum of the wins and losses it expects, with the bet that the last
// readable text in the bet box gave, and checks it on the screen and in the
// exit question after every event, whatever error boxes came between.
class TessalyStorm : public Storm<MainWindow> {
public:
    TessalyStorm() : Storm(program, 23) {}

protected:
    void act(MainWindow& window) override
    {
        m_betErrors.clear();
        m_action = input.pick(actions);
        switch (m_action) {
        case Action::Play: {
            const PlayButton& play = playButtons[input.pick(int(playButtons.size()))];
            m_side = play.side;
            m_call = window.textBox("txt4")->text();
            input.press(window.button(play.name));
            break;
        }
        case Action::TypeBet:
            type(window, Bet);
            break;
        case Action::TypeCall:
            type(window, Call);
            break;
        case Action::TypeOther:
            type(window, input.chance(0.5) ? Side : Account);
            break;
        case Action::Rules:
            input.press(window.button("cmd1"));
            break;
        case Action::Exit:
            input.press(window.button("сmd8"));
            break;
        case Action::Close:
            window.close();
            break;
        }
    }

    void check(MainWindow& window, const QList<ShownBox>& boxes) override
    {
        switch (m_action) {
        case Action::Play:
            QCOMPARE(boxes, play());
            break;
        case Action::TypeBet:
        case Action::TypeCall:
        case Action::TypeOther:
            QCOMPARE(boxes, m_betErrors);
            break;
        case Action::Rules:
            // Answered Yes, or the window would have gone.
            QCOMPARE(boxes.size(), 1);
            checkRulesBox(boxes[0]);
            break;
        case Action::Exit:
            QCOMPARE(boxes, QList<ShownBox>{exitBox(padded(m_account))});
            break;
        case Action::Close:
            QCOMPARE(boxes, QList<ShownBox>());
            break;
        }
        if (!QTest::currentTestFailed())
            QCOMPARE(texts(window), m_texts);
    }

    // Every change of the bet box is read, keys typed one by one included:
    // the storm reads along with the same strict reading.
    void restarted(MainWindow& window) override
    {
        m_bet = 0;
        m_account = 0;
        m_texts = QStringList(boxCount);
        QObject::connect(window.textBox("txt3"), &QLineEdit::textChanged, &window, [this](const QString& text) {
            try {
                m_bet = parseInt16(text);
            } catch (const RuntimeError& error) {
                m_betErrors.append(errorBox(error.code()));
            }
        });
    }

private:
    void type(MainWindow& window, Box box)
    {
        QLineEdit* target = textBoxes(window)[box];
        const bool rightSide = box == Call && input.chance(0.5);
        input.typeInto(target, rightSide ? (input.chance(0.5) ? heads : tails) : input.anyText(gameWords));
        m_texts[box] = target->text();
    }

    // Only the exact side wins; a doubled bet beyond 16 bits fails before
    // the account changes.
    QList<ShownBox> play()
    {
        m_texts[Side] = m_side;
        long long change = -m_bet;
        if (m_call == m_side) {
            change = 2LL * m_bet;
            if (change < -32768 || change > 32767)
                return {errorBox(ErrorCode::Overflow)};
        }
        m_account += change;
        m_texts[Account] = accountLine(padded(m_account));
        return {};
    }

    Action m_action = Action::Close;
    QString m_side;
    QString m_call;
    std::int16_t m_bet = 0;
    long long m_account = 0;
    QStringList m_texts;
    QList<ShownBox> m_betErrors;
};

} // namespace

int main(int argc, char** argv) { return stormMain<TessalyStorm>(argc, argv); }
