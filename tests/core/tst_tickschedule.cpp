#include "app/TickSchedule.h"

#include <QTest>

class tst_TickSchedule : public QObject
{
    Q_OBJECT

private slots:
    void landsJustPastTheNextSecond_data()
    {
        QTest::addColumn<qint64>("second");
        QTest::newRow("2026-12-06 12:34:56") << qint64(1796560496000);
        QTest::newRow("before the epoch") << qint64(-86'400'000);
    }

    void landsJustPastTheNextSecond()
    {
        QFETCH(qint64, second);
        // Read at any moment of a second, the tick lands just past the next boundary: never before
        // it (the old second again), never a second later (one skipped).
        // The wall-clock timer aims at the boundary itself, the millisecond timer just past it.
        for (int ms = 0; ms < 1000; ++ms) {
            const qint64 landing = second + ms + TickSchedule::msUntilNextTick(second + ms);
            QVERIFY2(landing > second + 1000 && landing < second + 1020,
                     qPrintable(QString::number(ms)));
            const qint64 ns = (second + ms) * 1'000'000 + 999'999;
            QCOMPARE(ns + TickSchedule::nsUntilNextSecond(ns), (second + 1000) * 1'000'000);
        }
    }
};

QTEST_GUILESS_MAIN(tst_TickSchedule)
#include "tst_tickschedule.moc"
