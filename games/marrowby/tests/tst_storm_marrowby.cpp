#include "marrowby/mainwindow.h"
#include "boxes.h"
#include "storm.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <array>
#include <numeric>

using namespace shell;
using namespace marrowby::tests;
using marrowby::WarningWindow;
using marrowby::MainWindow;
using marrowby::RulesWindow;

namespace {

constexpr int boxCount = 5;  // txt1 to txt5
constexpr int lastMove = 25;

// The buttons cmd1 to cmd5 first, in their order.
enum class Action { Move1 = 1, Move2, Rules, NewGame, Exit, Type, CloseOther, CloseMain };
const Weight<Action> actions[] = {
    {Action::Move1, 350}, {Action::Move2, 350}, {Action::Type, 150}, {Action::Rules, 70},
    {Action::CloseOther, 75}, {Action::NewGame, 2}, {Action::Exit, 2}, {Action::CloseMain, 1},
};

// A die box holds one face, 1 to 5; 0 where it holds anything else.
int face(const QString& text)
{
    return text.size() == 1 && text[0] >= u'1' && text[0] <= u'5' ? text.toInt() : 0;
}

// Two players clicking in any order: the storm follows whose turn it is,
// each player's score as the sum of the prizes the window showed him, and
// player 2's moves to the judgement.
class MarrowbyStorm : public Storm<MainWindow> {
public:
    MarrowbyStorm() : Storm(program, 11) {}

    // Each face about a fifth of all dice thrown.
    void finish() override
    {
        if (QTest::currentTestFailed())
            return;
        const long long thrown = std::accumulate(m_faces.begin(), m_faces.end(), 0LL);
        QVERIFY2(thrown >= 1000, qPrintable(QString::number(thrown)));
        for (long long seen : m_faces)
            QVERIFY2(seen > thrown * 15 / 100 && seen < thrown * 25 / 100, qPrintable(QString::number(seen)));
    }

protected:
    void act(MainWindow& window) override
    {
        m_written = texts(window);
        m_action = input.pick(actions);
        switch (m_action) {
        case Action::Type: {
            const int box = input.pick(boxCount);
            QLineEdit* target = textBoxes(window)[box];
            input.typeInto(target, input.anyText(gameWords()));
            m_texts[box] = target->text();
            break;
        }
        case Action::CloseOther:
            closeSomeOtherWindow();
            break;
        case Action::CloseMain:
            window.close();
            break;
        default:
            input.press(window.button(QStringLiteral("cmd%1").arg(int(m_action))));
            break;
        }
    }

    void check(MainWindow& window, const QList<ShownBox>& boxes) override
    {
        QVERIFY(openWindows<RulesWindow>().size() <= 1);
        QVERIFY(openWindows<WarningWindow>().size() <= 1);
        switch (m_action) {
        case Action::Move1:
            move(1, boxes);
            break;
        case Action::Move2:
            move(2, boxes);
            break;
        case Action::Rules:
            QCOMPARE(boxes, QList<ShownBox>());
            QCOMPARE(openWindows<RulesWindow>().size(), 1);
            break;
        case Action::NewGame:
            QCOMPARE(boxes, QList<ShownBox>());
            newGame();
            break;
        case Action::Exit:
            // Answered No, or the window would have gone.
            QCOMPARE(boxes, QList<ShownBox>{exitQuestion});
            break;
        case Action::Type:
        case Action::CloseOther:
        case Action::CloseMain:
            QCOMPARE(boxes, QList<ShownBox>());
            break;
        }
        if (!QTest::currentTestFailed())
            QCOMPARE(texts(window), m_texts);
    }

    // The last move's dice are cleared with the judgement, so the storm
    // watches the boxes as the game writes them.
    void restarted(MainWindow& window) override
    {
        newGame();
        m_turn = 0;
        const QList<QLineEdit*> boxes = textBoxes(window);
        for (int box = 0; box < boxCount; ++box) {
            QObject::connect(boxes[box], &QLineEdit::textChanged, &window,
                             [this, box](const QString& text) {
                                 if (!text.isEmpty())
                                     m_written[box] = text;
                             });
        }
    }

private:
    static QStringList gameWords()
    {
        return {"1", "5", "0", "6", "23997", "39989", "999725", "Игрок № 1", "Счет", "Сумма", "НИЧЬЯ!!!!!"};
    }

    void move(int player, const QList<ShownBox>& boxes)
    {
        if (m_turn == player) {
            QCOMPARE(boxes, QList<ShownBox>{turnReminder(3 - player)});
            return;
        }
        const int die1 = face(m_written[0]);
        const int die2 = face(m_written[1]);
        QVERIFY2(die1 && die2, qPrintable(m_written.join('|')));
        ++m_faces[die1 - 1];
        ++m_faces[die2 - 1];
        const long long prize = 1999LL * (die1 + die2) + 19999;
        QCOMPARE(m_written[2], QString::number(prize));
        long long& score = m_score[player - 1];
        score += prize;
        QCOMPARE(m_written[2 + player], QString::number(score));
        m_turn = player;
        if (player == 2 && ++m_moves2 == lastMove) {
            QCOMPARE(boxes, QList<ShownBox>{judgement(result())});
            newGame();
            return;
        }
        QCOMPARE(boxes, QList<ShownBox>());
        for (int box : {0, 1, 2, 2 + player})
            m_texts[box] = m_written[box];
        if (player == 2 && m_moves2 == lastMove - 1)
            QCOMPARE(openWindows<WarningWindow>().size(), 1);
    }

    QString result() const
    {
        const long long margin = m_score[1] - m_score[0];
        return margin == 0 ? QStringLiteral("НИЧЬЯ!!!!!")
            : (margin < 0 ? QStringLiteral("Первый") : QStringLiteral("Второй"))
                + QStringLiteral(" игрок выиграл со счётом  %1 !").arg(std::llabs(margin));
    }

    void newGame()
    {
        m_texts = QStringList(boxCount);
        m_score = {0, 0};
        m_moves2 = 0;
    }

    Action m_action = Action::CloseOther;
    int m_turn = 0;  // who moved last: 0 none yet
    int m_moves2 = 0;
    std::array<long long, 2> m_score{};
    QStringList m_texts = QStringList(boxCount);
    std::array<long long, 5> m_faces{};
    // The last text each box showed during the event.
    QStringList m_written = QStringList(boxCount);
};

} // namespace

int main(int argc, char** argv) { return stormMain<MarrowbyStorm>(argc, argv); }
