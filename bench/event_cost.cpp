// What one throw, toss or launch costs each game: the click through the real
// widgets, the event procedure, and the boxes it raises, offscreen. Painting
// is left out unless the row says "repainted". Each row's CPU time and heap
// allocations per event are printed in a table at the end.
#include "allocations.h"
#include "gamesessions.h"

#include <QCoreApplication>
#include <QMap>
#include <QTest>
#include <ctime>

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
};

} // namespace

class EventCost : public QObject {
    Q_OBJECT

private slots:
    void playOne_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<bool>("repaint");
        for (const QString& game : sessionGames()) {
            QTest::addRow("%s", qPrintable(game)) << game << false;
            QTest::addRow("%s repainted", qPrintable(game)) << game << true;
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
        Totals& totals = m_totals[QString::fromUtf8(QTest::currentDataTag())];
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
        std::printf("\n| event | CPU µs per event | heap allocations per event | events |\n|---|---:|---:|---:|\n");
        for (auto it = m_totals.cbegin(); it != m_totals.cend(); ++it) {
            const Totals& t = it.value();
            std::printf("| %s | %.1f | %.0f | %ld |\n", qPrintable(it.key()), t.cpuMicroseconds / double(t.events),
                        double(t.allocations) / double(t.events), t.events);
        }
    }

private:
    QMap<QString, Totals> m_totals;
};

QTEST_MAIN(EventCost)
#include "event_cost.moc"
