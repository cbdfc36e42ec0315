// What one throw, toss or launch costs each game: the click through the real
// widgets, the event procedure, and the boxes it raises, offscreen. Painting
// is left out unless the row says "repainted". Each row's CPU time and heap
// allocations per event are printed in a table at the end.
#include "allocations.h"
#include "gamesessions.h"

#include <QCoreApplication>
#include <QMap>
#include <QTest>
#include <cstdio>
#include <ctime>
#include <utility>

namespace {

double threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

struct Totals {
    double cpuMicroseconds = 0;
    std::uint64_t allocations = 0;
    long events = 0;

    double cpuPerEvent() const { return events ? cpuMicroseconds / double(events) : 0; }
    double allocationsPerEvent() const { return events ? double(allocations) / double(events) : 0; }
};

} // namespace

class EventCost : public QObject {
    Q_OBJECT

private slots:
    void playOne_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("repaint");
        for (const SessionGame& game : sessionGames()) {
            QTest::addRow("%s", qPrintable(game.name)) << game.name << false;
            QTest::addRow("%s repainted", qPrintable(game.name)) << game.name << true;
        }
    }

    void playOne()
    {
        QFETCH(QString, game);
        QFETCH(bool, repaint);
        auto session = openSession(game);
        QVERIFY(session);
        QCoreApplication::processEvents();
        session->setPainting(repaint);
        // The first event pays for what is made once: glyphs, layouts, caches.
        session->playOne();
        QCoreApplication::processEvents();

        // QBENCHMARK may run this function several times; the totals add up.
        Totals& totals = m_totals[{game, repaint}];
        const std::uint64_t allocationsBefore = allocationCount();
        const double cpuBefore = threadCpuMicroseconds();
        long played = 0;
        QBENCHMARK {
            session->playOne();
            if (repaint)
                QCoreApplication::processEvents();
            ++played;
        }
        totals.cpuMicroseconds += threadCpuMicroseconds() - cpuBefore;
        totals.allocations += allocationCount() - allocationsBefore;
        totals.events += played;
    }

    void cleanupTestCase()
    {
        std::printf("\n| game | event | CPU µs per event | heap allocations per event "
                    "| CPU µs per event, repainted | heap allocations, repainted |\n"
                    "|---|---|---:|---:|---:|---:|\n");
        for (const SessionGame& game : sessionGames()) {
            const Totals& bare = m_totals[{game.name, false}];
            const Totals& painted = m_totals[{game.name, true}];
            std::printf("| %s | %s | %.1f | %.0f | %.1f | %.0f |\n", qPrintable(game.name), qPrintable(game.event),
                        bare.cpuPerEvent(), bare.allocationsPerEvent(), painted.cpuPerEvent(),
                        painted.allocationsPerEvent());
        }
    }

private:
    QMap<std::pair<QString, bool>, Totals> m_totals;  // by game and whether repainted
};

QTEST_MAIN(EventCost)
#include "event_cost.moc"
