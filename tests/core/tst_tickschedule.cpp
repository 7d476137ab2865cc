#include "app/TickSchedule.h"

#include <QTest>
#include <QTimeZone>

namespace {

// 2026-12-06 12:34:56.000 UTC.
constexpr qint64 aSecond = 1796560496000;

QDateTime at(qint64 msSinceEpoch, int offsetSeconds = 0)
{
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, QTimeZone(offsetSeconds));
}

qint64 floorSecond(qint64 ms)
{
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

} // namespace

class tst_TickSchedule : public QObject
{
    Q_OBJECT

private slots:
    void delay_data();
    void delay();
    void steppedClock_data();
    void steppedClock();
    void everyMillisecond_data();
    void everyMillisecond();
};

void tst_TickSchedule::delay_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("ms");

    // The tick is aimed 2 ms past the next second, whatever part of this one has gone.
    QTest::newRow("x.000") << at(aSecond) << 1002;
    QTest::newRow("x.001, fired a moment early") << at(aSecond + 1) << 1001;
    QTest::newRow("x.002, landed") << at(aSecond + 2) << 1000;
    QTest::newRow("x.003") << at(aSecond + 3) << 999;
    QTest::newRow("x.500") << at(aSecond + 500) << 502;
    QTest::newRow("x.700") << at(aSecond + 700) << 302;
    QTest::newRow("x.998") << at(aSecond + 998) << 4;
    QTest::newRow("x.999") << at(aSecond + 999) << 3;
    QTest::newRow("the epoch") << at(0) << 1002;
    QTest::newRow("1 ms before the epoch") << at(-1) << 3;
    QTest::newRow("1.5 s before the epoch") << at(-1500) << 502;
    QTest::newRow("2 s before the epoch") << at(-2000) << 1002;
    QTest::newRow("1999 ms before the epoch") << at(-1999) << 1001;
    // A zone's offset is whole seconds, so local seconds turn with UTC ones.
    QTest::newRow("zone +05:45 at x.700") << at(aSecond + 700, 5 * 3600 + 45 * 60) << 302;
    QTest::newRow("zone -09:30 at x.001") << at(aSecond + 1, -(9 * 3600 + 30 * 60)) << 1001;
}

void tst_TickSchedule::delay()
{
    QFETCH(QDateTime, now);
    QFETCH(int, ms);
    QCOMPARE(TickSchedule::msUntilNextTick(now), ms);
}

void tst_TickSchedule::steppedClock_data()
{
    QTest::addColumn<qint64>("before");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<int>("msBefore");
    QTest::addColumn<int>("msAfter");

    constexpr qint64 hour = 3600 * 1000;
    QTest::newRow("forward 3 h, same phase") << aSecond + 250 << 3 * hour << 752 << 752;
    QTest::newRow("forward 1 h 337 ms") << aSecond + 250 << hour + 337 << 752 << 415;
    QTest::newRow("back 1 h 400 ms") << aSecond + 250 << -(hour + 400) << 752 << 152;
    QTest::newRow("back 2 h onto a landing point")
        << aSecond + 250 << -2 * hour - 248 << 752 << 1000;
    QTest::newRow("back 12 h to just before a second")
        << aSecond + 2 << -12 * hour - 3 << 1000 << 3;
    QTest::newRow("forward a day, just before landing")
        << aSecond + 999 << 24 * hour + 2 << 3 << 1001;
    QTest::newRow("back across the epoch") << qint64(1500) << -5 * hour << 502 << 502;
}

void tst_TickSchedule::steppedClock()
{
    QFETCH(qint64, before);
    QFETCH(qint64, step);
    QFETCH(int, msBefore);
    QFETCH(int, msAfter);
    QCOMPARE(TickSchedule::msUntilNextTick(at(before)), msBefore);
    // Nothing carries over from the earlier reading: the new phase alone decides.
    const int after = TickSchedule::msUntilNextTick(at(before + step));
    QCOMPARE(after, msAfter);
    QVERIFY(after > TickSchedule::landingMs && after <= 1000 + TickSchedule::landingMs);
}

void tst_TickSchedule::everyMillisecond_data()
{
    QTest::addColumn<qint64>("second");
    QTest::addColumn<int>("offset");

    QTest::newRow("today, UTC") << aSecond << 0;
    QTest::newRow("today, +01:00") << aSecond << 3600;
    QTest::newRow("before the epoch") << qint64(-86'400'000) << 0;
}

void tst_TickSchedule::everyMillisecond()
{
    QFETCH(qint64, second);
    QFETCH(int, offset);
    for (int ms = 0; ms < 1000; ++ms) {
        const qint64 now = second + ms;
        const int delay = TickSchedule::msUntilNextTick(at(now, offset));
        const qint64 landing = now + delay;
        QVERIFY2(delay > TickSchedule::landingMs && delay <= 1000 + TickSchedule::landingMs,
                 qPrintable(QString::number(ms)));
        QCOMPARE(landing - floorSecond(landing) * 1000, qint64(TickSchedule::landingMs));
        // Always in the next second: a reading never schedules its own second again.
        const qint64 expectedSecond = floorSecond(now) + 1;
        QCOMPARE(floorSecond(landing), expectedSecond);
    }
}

QTEST_GUILESS_MAIN(tst_TickSchedule)
#include "tst_tickschedule.moc"
