#include "app/SecondTimer.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"
#include "support/TempStore.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSaveFile>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <sys/syscall.h>
#include <unistd.h>

// The clock window while the time under it changes: the system clock set forward or back,
// frozen, or the time zone changed. libfaketime (see CMakeLists.txt) re-reads its offset file
// at every call; the kernel's timers never hear of such a change, so only the next tick can.
namespace {

// "+S" runs S seconds off the real clock; a date and time without "@" stands still there.
void setFakeTime(const QDateTime& at, bool frozen)
{
    QSaveFile file(qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    timespec real{}; // a direct system call gets past libfaketime
    syscall(SYS_clock_gettime, CLOCK_REALTIME, &real);
    const double offset = at.toMSecsSinceEpoch() / 1e3 - double(real.tv_sec) - real.tv_nsec / 1e9;
    file.write(frozen ? at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1()
                      : QByteArray::number(offset, 'f', 3).prepend(offset < 0 ? "" : "+"));
    QVERIFY(file.commit());
}

void setZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

} // namespace

class tst_ClockChanges : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setZone("UTC"); }
    void nextTickShowsIt_data();
    void nextTickShowsIt();
};

void tst_ClockChanges::nextTickShowsIt_data()
{
    QTest::addColumn<QDateTime>("before");
    QTest::addColumn<QDateTime>("after");
    QTest::addColumn<bool>("frozen");
    QTest::addColumn<QByteArray>("zone");

    const QByteArray utc("UTC");
    const auto at = [](int day, int h, int m, int ms) {
        return QDateTime(QDate(2026, 12, day), QTime(h, m), QTimeZone::utc()).addMSecs(ms);
    };
    QTest::newRow("set forward 3 h") << at(6, 10, 0, 0) << at(6, 13, 0, 0) << false << utc;
    QTest::newRow("set back over midnight") << at(6, 0, 0, 0) << at(5, 23, 30, 0) << false << utc;
    QTest::newRow("set forward half a second")
        << at(6, 12, 0, 0) << at(6, 12, 0, 500) << false << utc;
    QTest::newRow("set back half a second")
        << at(6, 12, 0, 0) << at(6, 11, 59, 500) << false << utc;
    // libfaketime's deadlines on a clock that stands still fall due at once.
    QTest::newRow("frozen") << at(6, 12, 0, 0) << at(6, 12, 0, 0) << true << utc;
    QTest::newRow("zone to Tokyo")
        << at(6, 12, 0, 0) << QDateTime() << false << QByteArray("Asia/Tokyo");
}

void tst_ClockChanges::nextTickShowsIt()
{
    QFETCH(QDateTime, before);
    QFETCH(QDateTime, after);
    QFETCH(bool, frozen);
    QFETCH(QByteArray, zone);
    setFakeTime(before, false);
    QVERIFY2(qAbs(QDateTime::currentDateTime().secsTo(before)) <= 2, "libfaketime is not on");
    TempStore store;
    SystemClock clock;
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    int ticks = 0;
    qint64 awakeMs = 0; // when the thread last woke, before the tick read the clock
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this,
            [&] { awakeMs = QDateTime::currentMSecsSinceEpoch(); });
    QStringList faults;
    connect(w.Timer1, &SecondTimer::Timer, this, [&] {
        const QString face = w.Frame1->accessibleName();
        const QTime now = QTime::currentTime();
        const int behindMs =
            (QTime::fromString(face, QStringLiteral("HH:mm:ss")).msecsTo(now) + 86'400'000) %
            86'400'000;
        // The face shows the second the clock was in when the tick ran, however late that was.
        if (behindMs > QDateTime::currentMSecsSinceEpoch() - awakeMs / 1000 * 1000)
            faults << face + QStringLiteral(" at ") + now.toString();
        ++ticks;
    });
    QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 20000);
    const int ticksBefore = ticks;
    // Every turn of the event loop, whether or not the thread really slept.
    int woken = 0;
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [&] { ++woken; });
    QElapsedTimer running; // the monotonic clock is the real one here
    running.start();
    if (after.isValid())
        setFakeTime(after.addMSecs(before.msecsTo(QDateTime::currentDateTime())), frozen);
    setZone(zone);
    awakeMs = QDateTime::currentMSecsSinceEpoch(); // from the new clock on
    QEventLoop loop;
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = running.elapsed() / 1e3;
    const int ticked = ticks - ticksBefore, turns = woken;
    // A busy machine may hold the ticks back, never stop them.
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= ticksBefore + 2, 20000);

    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(", "))));
    // Once a second at most, and a turn or two of the event loop each; a timer that spun would
    // take thousands. A busy machine only makes fewer.
    QVERIFY2(ticked <= seconds + 2 && turns <= 20 * (seconds + 1),
             qPrintable(QString("%1 ticks, %2 turns in %3 s").arg(ticked).arg(turns).arg(seconds)));
}

QTEST_MAIN(tst_ClockChanges)
#include "tst_clock_changes.moc"
