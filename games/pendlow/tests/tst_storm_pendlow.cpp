#include "pendlow/mainwindow.h"
#include "storm.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace shell;
using pendlow::MainWindow;

namespace {

// Follows the game from what the window shows and checks that the totals
// are the sums of the throws since the last game end, and that the boxes
// come in their order.
class PendlowStorm : public Storm<MainWindow> {
public:
    PendlowStorm() : Storm(QStringLiteral("Pendlow"), 7) {}

protected:
    void act(MainWindow& window) override
    {
        m_threw = false;
        switch (input.pick(10)) {
        case 0:
            input.click(window.button("cmd2"));
            m_askedComputer = true;
            break;
        case 1: {
            static const char* boxes[] = {"Txt1", "Txt2", "Txt3", "Txt4"};
            input.typeInto(window.textBox(boxes[input.pick(4)]), input.anyText());
            break;
        }
        case 2:
            if (input.chance(0.01))
                input.click(window.button("Cmd3"));
            else if (input.chance(0.01))
                window.close();
            break;
        default:
            input.click(window.button("Cmd1"));
            m_threw = true;
        }
    }

    void check(MainWindow& window, const QList<ShownBox>& boxes) override
    {
        if (m_askedComputer) {
            m_askedComputer = false;
            const QString prompt = m_throws == 0 ? QStringLiteral(" Вы первый ")
                                                 : QStringLiteral("Компьютер ход уже сделал!");
            QCOMPARE(boxes, (QList<ShownBox>{{prompt, Style::Ok, QStringLiteral("Бросок")}}));
            return;
        }
        if (!m_threw) {
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
        const QString over = QStringLiteral("Игра окончена");
        QList<ShownBox> expected;
        const long long margin = std::llabs(m_player - m_computer);
        const bool last = m_throws == 18;
        if (last)
            expected.append({QStringLiteral("Игра окончена!"), Style::Exclamation, QStringLiteral("Компьютерная кость")});
        if (m_player >= 1000000)
            expected.append({QStringLiteral("Вы миллионер!!!!"), Style::Exclamation, over});
        else if (m_computer >= 1000000)
            expected.append({QStringLiteral("Компьютер-миллионер!!!"), Style::Exclamation, over});
        else if (last && m_player < m_computer)
            expected.append({QStringLiteral("Выигрыш компьютера  %1").arg(margin), Style::Exclamation, over});
        else if (last && m_player > m_computer)
            expected.append({QStringLiteral("Ваш выигрыш  %1").arg(margin), Style::Exclamation, over});
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

    bool m_threw = false;
    bool m_askedComputer = false;
    int m_throws = 0;
    long long m_player = 0;
    long long m_computer = 0;
};

} // namespace

class TestStormPendlow : public QObject {
    Q_OBJECT

private slots:
    void storm()
    {
        PendlowStorm storm;
        storm.run(stormEvents());
    }
};

QTEST_MAIN(TestStormPendlow)
#include "tst_storm_pendlow.moc"
