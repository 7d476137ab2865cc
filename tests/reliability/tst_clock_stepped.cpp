#include "app/SecondTimer.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"
#include "support/TempStore.h"

#include <QElapsedTimer>
#include <QSaveFile>
#include <QTest>
#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

// The system clock set forward or back while the clock window runs, as an administrator or a
// time service does: libfaketime (see CMakeLists.txt) reads its offset from a file on every
// call, and the monotonic clock the timers run on stays as it is.
namespace {

// Real seconds since the epoch: a direct system call gets past libfaketime's wrappers.
qint64 realEpochSecs()
{
    timespec ts{};
    syscall(SYS_clock_gettime, CLOCK_REALTIME, &ts);
    return ts.tv_sec;
}

// The system clock now reads `offset` seconds off the real time.
bool setClockOffset(qint64 offset)
{
    QSaveFile file(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("%1%2\n")
                   .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                   .arg(qAbs(offset))
                   .toLatin1());
    return file.commit();
}

// Seconds from a to b on a 24-hour dial, in -12 h .. +12 h.
int dialSecs(const QTime& a, const QTime& b)
{
    int d = a.secsTo(b);
    if (d >= 12 * 3600)
        d -= 24 * 3600;
    else if (d < -12 * 3600)
        d += 24 * 3600;
    return d;
}

struct Tick
{
    QTime shown;
    qint64 realMs;
};

} // namespace

class tst_ClockStepped : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void stepped_data();
    void stepped();
};

void tst_ClockStepped::initTestCase()
{
    // Without libfaketime following the file this test would prove nothing.
    QVERIFY2(!qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE").isEmpty(),
             "see tests/reliability/CMakeLists.txt");
    const QDateTime target(QDate(2026, 12, 6), QTime(12, 0));
    QVERIFY(setClockOffset(target.toSecsSinceEpoch() - realEpochSecs()));
    QVERIFY2(qAbs(QDateTime::currentDateTime().secsTo(target)) <= 2,
             "libfaketime is not preloaded or does not follow its file");
}

void tst_ClockStepped::cleanupTestCase()
{
    setClockOffset(0);
}

void tst_ClockStepped::stepped_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<int>("step"); // seconds

    const QDate day(2026, 12, 6);
    QTest::newRow("forward 3 hours") << QDateTime(day, QTime(10, 0, 0)) << 3 * 3600;
    QTest::newRow("backward 5 hours") << QDateTime(day, QTime(15, 0, 0)) << -5 * 3600;
    QTest::newRow("backward across midnight") << QDateTime(day, QTime(0, 0, 30)) << -3600;
    QTest::newRow("forward a day") << QDateTime(day, QTime(12, 0, 0)) << 24 * 3600;
}

void tst_ClockStepped::stepped()
{
    QFETCH(QDateTime, start);
    QFETCH(int, step);

    const qint64 offset = start.toSecsSinceEpoch() - realEpochSecs();
    QVERIFY(setClockOffset(offset));
    TempStore store;
    SystemClock clock;
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QElapsedTimer real; // monotonic, which the steps leave alone
    real.start();
    QList<Tick> ticks;
    connect(w.Timer1, &SecondTimer::Timer, this, [&] {
        ticks.append({QTime::fromString(w.Frame1->accessibleName(), QStringLiteral("HH:mm:ss")),
                      real.elapsed()});
    });
    // Stepped just after a tick, mid-second.
    QTRY_VERIFY_WITH_TIMEOUT(!ticks.isEmpty(), 5000);
    QVERIFY(qAbs(dialSecs(start.time(), ticks.back().shown)) <= 10);
    const qsizetype firstAfter = ticks.size();
    const QTime stepped = QDateTime::currentDateTime().addSecs(step).time();
    const qint64 stepAt = real.elapsed();
    QVERIFY(setClockOffset(offset + step));

    // The next tick shows the new time ...
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() > firstAfter, 3000);
    const Tick first = ticks[firstAfter];
    const int late = dialSecs(stepped, first.shown);
    QVERIFY2(late >= 0 && late <= 2, qPrintable(QStringLiteral("showed %1 after a step to %2")
                                                    .arg(first.shown.toString(Qt::ISODate),
                                                         stepped.toString(Qt::ISODate))));
    QVERIFY2(first.realMs - stepAt <= 1500,
             qPrintable(QStringLiteral("%1 ms after the step").arg(first.realMs - stepAt)));

    // ... and the clock goes on once a second from there.
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= firstAfter + 3, 5000);
    for (qsizetype i = firstAfter + 1; i < firstAfter + 3; ++i) {
        QCOMPARE(ticks[i].shown, ticks[i - 1].shown.addSecs(1));
        QVERIFY2(ticks[i].realMs - ticks[i - 1].realMs <= 1500,
                 qPrintable(QStringLiteral("a tick %1 ms after the one before")
                                .arg(ticks[i].realMs - ticks[i - 1].realMs)));
    }
}

QTEST_MAIN(tst_ClockStepped)
#include "tst_clock_stepped.moc"
