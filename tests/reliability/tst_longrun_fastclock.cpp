#include "app/SecondTimer.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"
#include "support/RealTime.h"
#include "support/TempStore.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>

// The clock window on the system clock, sped up by libfaketime (see CMakeLists.txt), through
// midnight: every second shows once, in order, just after it starts, the timer wakes about once
// a second, and the process does not grow.
namespace {

long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

} // namespace

class tst_LongRunFastClock : public QObject
{
    Q_OBJECT

private slots:
    void throughMidnight();
};

void tst_LongRunFastClock::throughMidnight()
{
    QVERIFY2(QDate::currentDate() == QDate(2026, 12, 6), "libfaketime is not preloaded");
    TempStore store;
    SystemClock clock;
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QList<QTime> shown;
    QStringList faults;
    long rssWarm = -1;
    int woken = 0, wokenWarm = 0;
    QEventLoop loop;
    // Connected after the window's own handlers, so it sees the face the tick left behind.
    connect(w.Timer1, &SecondTimer::Timer, &loop, [&] {
        const QTime face =
            QTime::fromString(w.Frame1->accessibleName(), QStringLiteral("HH:mm:ss"));
        const int behindMs = (face.msecsTo(QTime::currentTime()) + 86'400'000) % 86'400'000;
        // Shown just after its second starts: 800 ms here are 53 real ms.
        if (!face.isValid() || behindMs >= 800)
            faults << w.Frame1->accessibleName() + QStringLiteral(" late");
        shown << face;
        if (shown.size() == 60) {
            rssWarm = rssKiB();
            wokenWarm = woken;
        }
        if (face == QTime(0, 5))
            loop.quit();
    });
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
            [&] { ++woken; });
    // At fifteen times real speed the run takes about a minute; three mean the clock stopped.
    QTimer::singleShot(180'000 * 15, &loop, &QEventLoop::quit);
    const double start = RealTime::secs();
    loop.exec();
    qInfo("%lld ticks in %.1f real s, %d turns of the event loop after the first minute, VmRSS %ld "
          "-> %ld KiB",
          qint64(shown.size()), RealTime::secs() - start, woken - wokenWarm, rssWarm, rssKiB());

    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(QStringLiteral(", "))));
    QVERIFY(shown.size() > 60 && shown.back() == QTime(0, 5));
    for (qsizetype i = 1; i < shown.size(); ++i)
        QCOMPARE(shown[i], shown[i - 1].addSecs(1));
    QVERIFY(shown.contains(QTime(23, 59, 59)));
    // A timer that spun would turn the event loop thousands of times.
    QVERIFY(woken - wokenWarm <= 4 * (shown.size() - 60));
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back on purpose, so only a plain build can tell.
    QVERIFY(rssWarm > 0 && rssKiB() - rssWarm <= 2048);
#endif
}

QTEST_MAIN(tst_LongRunFastClock)
#include "tst_longrun_fastclock.moc"
