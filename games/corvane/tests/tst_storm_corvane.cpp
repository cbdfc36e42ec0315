#include "corvane/mainwindow.h"
#include "boxes.h"
#include "storm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

using namespace shell;
using namespace corvane::tests;
using corvane::MainWindow;

namespace {

const QString startTotal = QStringLiteral(" Общая сумма: 15000 $");
constexpr int stakes = 10;
constexpr int sides = 2;
enum Result { Heads, Tails, Edge };
const QString resultTexts[] = {headsUp, tailsUp, onEdge};

QString padded(long long n) { return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n); }

enum class Action { Toss, ClickStake, ClickSide, Keys, Close };
const Weight<Action> actions[] = {
    {Action::Toss, 500}, {Action::ClickStake, 150}, {Action::ClickSide, 100}, {Action::Keys, 249}, {Action::Close, 1},
};

// The member of an option group that is selected; 0 for none.
int selected(const MainWindow& window, const QString& group, int members)
{
    int found = 0;
    for (int index = 1; index <= members; ++index) {
        if (window.option(group, index)->isChecked()) {
            if (found)
                return -1;  // two at once: never right
            found = index;
        }
    }
    return found;
}

// Stakes and sides picked by mouse and by keys, and tosses: the storm keeps
// the coins, checks that each toss moves them by the selected stake in the
// direction the shown result and the selected side give, that the total is
// 1000 times the coins except beside a fresh game's 15, and that a game ends
// exactly when the coins reach none or 100.
class CorvaneStorm : public Storm<MainWindow> {
public:
    CorvaneStorm() : Storm(program, 31) {}

    // About half of the tosses show heads, a tenth the edge.
    void finish() override
    {
        if (QTest::currentTestFailed())
            return;
        const long long tosses = m_results[Heads] + m_results[Tails] + m_results[Edge];
        QVERIFY2(tosses >= 1000, qPrintable(QString::number(tosses)));
        QVERIFY(m_results[Heads] > tosses * 45 / 100 && m_results[Heads] < tosses * 55 / 100);
        QVERIFY(m_results[Edge] > tosses * 7 / 100 && m_results[Edge] < tosses * 13 / 100);
    }

protected:
    void act(MainWindow& window) override
    {
        m_action = input.pick(actions);
        switch (m_action) {
        case Action::Toss:
            input.press(window.button("CmdM"));
            break;
        case Action::ClickStake:
            input.click(window.option("STM", 1 + input.pick(stakes)));
            break;
        case Action::ClickSide:
            input.click(window.option("STRez", 1 + input.pick(sides)));
            break;
        case Action::Keys: {
            const bool stake = input.chance(0.7);
            useKeys(window, stake ? "STM" : "STRez", stake ? stakes : sides);
            break;
        }
        case Action::Close:
            window.close();
            break;
        }
    }

    void check(MainWindow& window, const QList<ShownBox>& boxes) override
    {
        const int stake = selected(window, "STM", stakes);
        const int side = selected(window, "STRez", sides);
        QVERIFY(stake >= 0 && side >= 0);
        QCOMPARE(window.label("Label2", 2)->text(),
                 QStringLiteral("Можно выиграть монет: ") + (stake ? padded(stake) : QString()));
        QCOMPARE(window.label("Label2", 3)->text(),
                 QStringLiteral("Можно выиграть: ") + (stake ? padded(stake * 1000LL) : QStringLiteral("0$")));
        if (m_action != Action::Toss) {
            QCOMPARE(boxes, QList<ShownBox>());
        } else if (!stake || !side) {
            QCOMPARE(boxes, QList<ShownBox>{placeBet});
        } else {
            const QString shown = window.label("Label1")->text();
            const auto result = std::find(std::begin(resultTexts), std::end(resultTexts), shown);
            QVERIFY2(result != std::end(resultTexts), qPrintable(shown));
            QCOMPARE(boxes, toss(Result(result - std::begin(resultTexts)), stake, side));
        }
        QCOMPARE(window.label("Label1")->text(), m_result);
        QCOMPARE(window.label("Label2", 1)->text(), m_coinsText);
        QCOMPARE(window.label("Label2", 4)->text(), m_totalText);
    }

    void restarted(MainWindow& window) override
    {
        m_coins = 15;
        m_result = placeYourBets;
        m_coinsText = coinsCaption("15");
        m_totalText = startTotal;
        // Arrow keys move among the options only in the active window.
        QApplication::setActiveWindow(&window);
    }

private:
    // An arrow moves the selection on from the selected option, or only
    // the focus from another; a blank selects the option that has the focus.
    void useKeys(MainWindow& window, const QString& group, int members)
    {
        static const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space};
        const int current = selected(window, group, members);
        const int index = current > 0 && input.chance(0.5) ? current : 1 + input.pick(members);
        QRadioButton* option = window.option(group, index);
        option->setFocus();
        QTest::keyClick(option, keys[input.pick(5)]);
    }

    // The edge counts as the side called; a game ends at none or 100 coins
    // and the next starts at 15 with 10000 shown as its total.
    QList<ShownBox> toss(Result result, int stake, int side)
    {
        ++m_results[result];
        m_result = resultTexts[result];
        const bool won = result == Edge || (result == Heads ? side == 1 : side == 2);
        m_coins += won ? stake : -stake;
        QList<ShownBox> expected;
        long long total = 1000LL * m_coins;
        if (m_coins <= 0 || m_coins >= 100) {
            expected.append(m_coins <= 0 ? corvane::tests::lost : corvane::tests::won);
            m_coins = 15;
            total = 10000;
        }
        m_coinsText = coinsCaption(padded(m_coins));
        m_totalText = totalCaption(padded(total));
        return expected;
    }

    Action m_action = Action::Close;
    int m_coins = 15;
    QString m_result;
    QString m_coinsText;
    QString m_totalText;
    long long m_results[3] = {};
};

} // namespace

int main(int argc, char** argv) { return stormMain<CorvaneStorm>(argc, argv); }
