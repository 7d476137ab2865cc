#include "app/Lamp.h"
#include "app/SecondTimer.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"
#include "support/TempStore.h"

#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

// Runs the clock window on the real system clock, sped up by libfaketime (see CMakeLists.txt),
// through midnight: every second shows once, in order, with the right lamps, and the process
// does not grow while it runs.
namespace {

// Real milliseconds: a direct system call gets past libfaketime's wrappers.
qint64 realMs()
{
    timespec ts{};
    syscall(SYS_clock_gettime, CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

qint64 rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)\\s*kB")).match(status.readAll());
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

constexpr int msPerDay = 24 * 3600 * 1000;

const QColor litBlue(0, 0, 255);
const QColor unlit(255, 255, 255);

// Lamps are named by field letter, "1" for the tens column, and weight: "m14" is lit when the
// minutes' tens digit has the 4 bit.
bool lampShouldBeLit(const QString& name, const QTime& time)
{
    const int value = name[0] == QLatin1Char('h')   ? time.hour()
                      : name[0] == QLatin1Char('m') ? time.minute()
                                                    : time.second();
    const int digit = name.size() == 3 ? value / 10 : value % 10;
    return digit & name.back().digitValue();
}

} // namespace

class tst_LongRunFastClock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void throughMidnight();
};

void tst_LongRunFastClock::initTestCase()
{
    // Without the sped-up clock this test would prove nothing.
    const QDateTime before = QDateTime::currentDateTime();
    const qint64 realBefore = realMs();
    QTest::qWait(2000);
    const qint64 real = realMs() - realBefore;
    const qint64 fake = before.msecsTo(QDateTime::currentDateTime());
    QVERIFY2(before.date() == QDate(2026, 12, 6),
             "libfaketime is not preloaded; see tests/reliability/CMakeLists.txt");
    QVERIFY2(fake >= 10 * real,
             qPrintable(QStringLiteral("the clock runs %1 ms in %2 real ms").arg(fake).arg(real)));
}

void tst_LongRunFastClock::throughMidnight()
{
    TempStore store;
    SystemClock clock;
    frmNimbex w(clock);
    QCOMPARE(w.lamps().size(), size_t(20));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // The run ends five minutes into the new day; at fifteen times real speed that is about a
    // minute, so three minutes of real time mean the clock has stopped.
    const QTime end(0, 5, 0);
    const qint64 realStart = realMs();
    const qint64 realLimit = 180 * 1000;
    constexpr int warmUpTicks = 60;

    QList<QTime> shown;
    QStringList wrongLamps;
    QStringList offClock;
    qint64 rssAfterWarmUp = -1;
    int latestLanding = 0; // ms past its second, on the sped-up clock
    bool passedMidnight = false;
    QEventLoop loop;

    // Connected after the window's own handlers, so it sees the face the tick left behind.
    connect(w.Timer1, &SecondTimer::Timer, &loop, [&] {
        const QDateTime clockNow = QDateTime::currentDateTime();
        const QTime face =
            QTime::fromString(w.Frame1->accessibleName(), QStringLiteral("HH:mm:ss"));
        if (!face.isValid()) {
            offClock << w.Frame1->accessibleName();
            loop.quit();
            return;
        }
        // The face shows the second the clock is in (the handler takes a moment at most).
        const int behindMs = (face.msecsTo(clockNow.time()) + msPerDay) % msPerDay;
        if (behindMs >= 2000)
            offClock << face.toString(Qt::ISODate) + QStringLiteral(" at ") +
                            clockNow.time().toString(Qt::ISODateWithMs);
        latestLanding = qMax(latestLanding, behindMs);
        for (const Lamp* lamp : w.lamps()) {
            const bool lit = lampShouldBeLit(lamp->objectName(), face);
            if (lamp->BackColor() != (lit ? litBlue : unlit))
                wrongLamps << face.toString(Qt::ISODate) + QLatin1Char(' ') + lamp->objectName();
        }
        if (!shown.isEmpty() && shown.back().hour() == 23 && face.hour() == 0)
            passedMidnight = true;
        shown << face;
        if (shown.size() == warmUpTicks)
            rssAfterWarmUp = rssKiB();
        if (passedMidnight && face >= end)
            loop.quit();
    });
    QTimer guard;
    connect(&guard, &QTimer::timeout, &loop, [&] {
        if (realMs() - realStart > realLimit)
            loop.quit();
    });
    guard.start(1000);
    loop.exec();
    const qint64 realTaken = realMs() - realStart;
    const qint64 rssAtEnd = rssKiB();

    QVERIFY2(!shown.isEmpty(), "the clock never ticked");
    qInfo("%lld ticks, %s to %s, in %.1f s of real time; latest tick %d ms past its second; "
          "VmRSS %lld KiB after %d ticks, %lld KiB at the end",
          qint64(shown.size()), qPrintable(shown.front().toString(Qt::ISODate)),
          qPrintable(shown.back().toString(Qt::ISODate)), realTaken / 1000.0, latestLanding,
          rssAfterWarmUp, warmUpTicks, rssAtEnd);
    QVERIFY2(passedMidnight && shown.back() >= end,
             qPrintable(QStringLiteral("stopped at %1 after %2 real ms")
                            .arg(shown.back().toString(Qt::ISODate))
                            .arg(realTaken)));

    // Each tick shows the second after the one before: none skipped, none shown twice.
    QStringList breaks;
    for (qsizetype i = 1; i < shown.size(); ++i) {
        if (shown[i - 1].addSecs(1) != shown[i])
            breaks << shown[i - 1].toString(Qt::ISODate) + QStringLiteral(" -> ") +
                          shown[i].toString(Qt::ISODate);
    }
    QVERIFY2(breaks.isEmpty(), qPrintable(breaks.join(QStringLiteral(", "))));
    QVERIFY(shown.contains(QTime(23, 59, 59)));
    QVERIFY(shown.contains(QTime(0, 0, 0)));
    QCOMPARE(shown.indexOf(QTime(0, 0, 0)), shown.indexOf(QTime(23, 59, 59)) + 1);
    QVERIFY2(wrongLamps.isEmpty(), qPrintable(wrongLamps.mid(0, 10).join(QStringLiteral(", "))));
    QVERIFY2(offClock.isEmpty(), qPrintable(offClock.mid(0, 10).join(QStringLiteral(", "))));

#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory back on purpose, so only a plain build can tell.
    QVERIFY(rssAfterWarmUp > 0 && rssAtEnd > 0);
    QVERIFY2(
        rssAtEnd - rssAfterWarmUp <= 2048,
        qPrintable(
            QStringLiteral("VmRSS grew from %1 KiB to %2 KiB").arg(rssAfterWarmUp).arg(rssAtEnd)));
#endif
}

QTEST_MAIN(tst_LongRunFastClock)
#include "tst_longrun_fastclock.moc"
