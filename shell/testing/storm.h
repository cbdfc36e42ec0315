#pragma once

#include "form.h"
#include "randomdialogs.h"
#include "runtime.h"
#include "textboxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPointer>
#include <QTest>
#include <functional>
#include <memory>
#include <random>

namespace shell {

// One thing a player may do, and how often against the others.
template <typename Action>
struct Weight {
    Action action;
    int weight;
};

// What a player's hands do: pick, click, type anything.
class StormInput {
public:
    explicit StormInput(quint32 seed) : m_rng(seed) {}

    std::mt19937& rng() { return m_rng; }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    // One action of the table, each as often as its weight says.
    template <typename Action, std::size_t size>
    Action pick(const Weight<Action> (&table)[size])
    {
        int total = 0;
        for (const Weight<Action>& entry : table)
            total += entry.weight;
        int roll = pick(total);
        for (const Weight<Action>& entry : table) {
            if (roll < entry.weight)
                return entry.action;
            roll -= entry.weight;
        }
        return table[size - 1].action;  // not reached: the roll is below the total
    }

    // Texts players type: numbers of every shape, signs, blanks, letters,
    // Cyrillic, "ё", very long texts, and the given words of the game.
    QString anyText(const QStringList& gameWords = {});
    // Key by key (a change event each), or pasted at once.
    void typeInto(QLineEdit* box, const QString& text);
    void click(QAbstractButton* button);
    // A button pressed as players do: mostly the mouse, else Space or Enter.
    void press(QAbstractButton* button);

    // Resident memory of this process, in KiB.
    static long residentKb();

private:
    std::mt19937 m_rng;
};

// While it lives, drops the offscreen platform's warning that it cannot
// raise a window, given at every show of a window already open: a storm
// shows them thousands of times, which would bury its report.
class RaiseWarningFilter {
public:
    RaiseWarningFilter();
    ~RaiseWarningFilter();

    RaiseWarningFilter(const RaiseWarningFilter&) = delete;
    RaiseWarningFilter& operator=(const RaiseWarningFilter&) = delete;
};

// An event storm over one game: thousands of random events through the real
// widgets, every box answered at random, and the game's invariants checked
// after each event. A quitting answer restarts the window.
template <typename Window>
class Storm {
public:
    Storm(const QString& programName, quint32 seed)
        : input(seed)
        , dialogs(input.rng(), [this] { return input.anyText(); })
        , m_programName(programName)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // Qt's style caches pixmaps under each new window's palette; a player
        // opens a few windows, a storm thousands, so the cache would fill with
        // the storm and hide what the game itself keeps.
        QPixmapCache::setCacheLimit(0);
    }

    virtual ~Storm() { closeAll(); }

    Storm(const Storm&) = delete;
    Storm& operator=(const Storm&) = delete;

    // Runs the events; stops at the first broken invariant. Reports the
    // resident size at each power of ten from 10^4.
    void run(qint64 events)
    {
        start();
        for (qint64 done = 1; done <= events; ++done) {
            // Between two events a running program handles what is queued,
            // paints included; left queued, it would pile up over a long storm.
            QCoreApplication::processEvents();
            act(*m_window);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (m_runtime->hasEnded() || !m_window) {
                if (!mayEnd())
                    QTest::qFail("the program ended without being asked to", __FILE__, __LINE__);
                ++m_restarts;
                start();
            } else {
                check(*m_window, dialogs.takeShown());
            }
            if (QTest::currentTestFailed()) {
                qWarning("invariant broken at event %lld (restarts %d)", done, m_restarts);
                return;
            }
            if (done >= 10000 && isPowerOfTen(done))
                qInfo("%lld events: resident %ld KiB, %d restarts", done, StormInput::residentKb(), m_restarts);
        }
    }

    // After the run, failed or not: what the game reports or checks over the whole storm.
    virtual void finish() {}

protected:
    // One player's event: a click, a selection, typing, closing a window.
    virtual void act(Window& window) = 0;
    // The game's invariants after one event, given the boxes it showed.
    virtual void check(Window& window, const QList<ShownBox>& boxes) = 0;
    // A fresh window: the model starts over too.
    virtual void restarted(Window&) {}
    // Whether the last event may end the program.
    virtual bool mayEnd() const { return true; }

    // Closes one of the program's other windows, if any is open.
    void closeSomeOtherWindow()
    {
        QList<Form*> others = openWindows<Form>();
        others.removeAll(m_window.data());
        if (!others.isEmpty())
            others[input.pick(int(others.size()))]->close();
    }

    StormInput input;
    RandomDialogs dialogs;

private:
    RaiseWarningFilter m_quietRaise;

    static bool isPowerOfTen(qint64 n)
    {
        while (n % 10 == 0)
            n /= 10;
        return n == 1;
    }

    void closeAll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form*>(w))
                w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void start()
    {
        closeAll();
        dialogs.takeShown();
        m_runtime = std::make_unique<Runtime>(m_programName, m_random, dialogs);
        m_window = openStartupForm<Window>(*m_runtime);
        restarted(*m_window);
    }

    QString m_programName;
    RuntimeRandom m_random;  // one sequence across restarts, as in a long session
    std::unique_ptr<Runtime> m_runtime;
    QPointer<Window> m_window;
    int m_restarts = 0;
};

// How many events a storm runs: STORM_EVENTS, or the given default.
qint64 stormEvents(qint64 fallback = 20000);

// A test program of one case, "storm", that runs `run`.
int runStormTest(int argc, char** argv, std::function<void()> run);

// The main() of a game's storm test: runs its storm, then finishes it.
template <typename GameStorm>
int stormMain(int argc, char** argv)
{
    return runStormTest(argc, argv, [] {
        GameStorm storm;
        storm.run(stormEvents());
        storm.finish();
    });
}

} // namespace shell
