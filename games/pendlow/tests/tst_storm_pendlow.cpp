#include "pendlow/mainwindow.h"
#include "boxes.h"
#include "storm.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace shell;
using namespace pendlow::tests;
using pendlow::MainWindow;

namespace {

enum class Action { AskComputer, Type, Leave, Throw };
const Weight<Action> actions[] = {
    {Action::AskComputer, 1}, {Action::Type, 1}, {Action::Leave, 1}, {Action::Throw, 7},
};

// Follows the game from what the window shows and checks that the totals
// are the sums of the throws since the last game end, and that the boxes
// come in their order.
class PendlowStorm : public Storm<MainWindow> {
public:
    PendlowStorm() : Storm(program, 7) {}

protected:
    void act(MainWindow& window) override
    {
        m_action = input.pick(actions);
        switch (m_action) {
        case Action::AskComputer:
            input.click(window.button("cmd2"));
            break;
        case Action::Type: {
            const QList<QLineEdit*> boxes = textBoxes(window);
            input.typeInto(boxes[input.pick(int(boxes.size()))], input.anyText());
            break;
        }
        case Action::Leave:
            // Most of the time the player thinks better of it.
            if (input.chance(0.01))
                input.click(window.button("Cmd3"));
            else if (input.chance(0.01))
                window.close();
            break;
        case Action::Throw:
            input.click(window.button("Cmd1"));
            break;
        }
    }

    void check(MainWindow& window, const QList<ShownBox>& boxes) override
    {
        if (m_action == Action::AskComputer) {
            QCOMPARE(boxes, QList<ShownBox>{m_throws == 0 ? youFirst : computerHasThrown});
            return;
        }
        if (m_action != Action::Throw) {
            QCOMPARE(boxes, QList<ShownBox>());
            return;
        }
        const int player = window.textBox("Txt1")->text().toInt();
        const int computer = window.textBox("Txt2")->text().toInt();
        QVERIFY(player >= 0 && player < 10000 && computer >= 0 && computer < 10000);
        ++m_throws;
        m_player += player;
        m_computer += computer;
        QCOMPARE(window.label("Lbl3")->text(), QStringLiteral("Ход № %1").arg(m_throws));
        QCOMPARE(window.textBox("Txt3")->text(), QString::number(m_player));
        QCOMPARE(window.textBox("Txt4")->text(), QString::number(m_computer));
        QCOMPARE(boxes, expectedBoxes());
    }

    void restarted(MainWindow&) override { reset(); }

private:
    QList<ShownBox> expectedBoxes()
    {
        QList<ShownBox> expected;
        const long long margin = std::llabs(m_player - m_computer);
        const bool last = m_throws == 18;
        if (last)
            expected.append(gameOver);
        if (m_player >= 1000000)
            expected.append(millionaire);
        else if (m_computer >= 1000000)
            expected.append(computerMillionaire);
        else if (last && m_player < m_computer)
            expected.append(result(QStringLiteral("Выигрыш компьютера  %1").arg(margin)));
        else if (last && m_player > m_computer)
            expected.append(result(QStringLiteral("Ваш выигрыш  %1").arg(margin)));
        if (expected.size() > (last ? 1 : 0))
            reset();
        return expected;
    }

    void reset()
    {
        m_throws = 0;
        m_player = 0;
        m_computer = 0;
    }

    Action m_action = Action::Type;
    int m_throws = 0;
    long long m_player = 0;
    long long m_computer = 0;
};

} // namespace

int main(int argc, char** argv) { return stormMain<PendlowStorm>(argc, argv); }
