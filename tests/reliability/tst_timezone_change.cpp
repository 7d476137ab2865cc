#include "app/SecondTimer.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"
#include "support/TempStore.h"

#include <QTest>
#include <QTimeZone>
#include <ctime>

// The user's time zone changed while the clock runs (travel, a new TZ in the session): the face
// follows the local time from the next tick on.
namespace {

void setZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

// What a clock in the zone reads now, from the zone database rather than the C library.
QTime localTimeIn(const QByteArray& zone)
{
    return QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(zone)).time();
}

} // namespace

class tst_TimeZoneChange : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void nextTickShowsTheNewZone_data();
    void nextTickShowsTheNewZone();
};

void tst_TimeZoneChange::cleanupTestCase()
{
    setZone("UTC");
}

void tst_TimeZoneChange::nextTickShowsTheNewZone_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");

    QTest::newRow("UTC to Asia/Tokyo") << QByteArray("UTC") << QByteArray("Asia/Tokyo");
    QTest::newRow("Asia/Tokyo to America/New_York")
        << QByteArray("Asia/Tokyo") << QByteArray("America/New_York");
    QTest::newRow("America/New_York to UTC") << QByteArray("America/New_York") << QByteArray("UTC");
}

void tst_TimeZoneChange::nextTickShowsTheNewZone()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QVERIFY2(QTimeZone(to).isValid(), to.constData());
    // Zones whose clocks differ now, or the test could not tell them apart.
    QVERIFY(qAbs(localTimeIn(from).secsTo(localTimeIn(to))) > 3600);

    setZone(from);
    TempStore store;
    SystemClock clock;
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Each tick's face, next to the zone's time just after it.
    QList<QPair<QTime, QTime>> ticks;
    QByteArray zone = from;
    connect(w.Timer1, &SecondTimer::Timer, this, [&] {
        ticks.append({QTime::fromString(w.Frame1->accessibleName(), QStringLiteral("HH:mm:ss")),
                      localTimeIn(zone)});
    });
    QTRY_VERIFY_WITH_TIMEOUT(!ticks.isEmpty(), 5000);
    zone = to;
    setZone(to);
    const qsizetype firstAfter = ticks.size();
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() > firstAfter, 3000);

    for (qsizetype i : {firstAfter - 1, firstAfter}) {
        const auto [face, zoneTime] = ticks[i];
        // The face was read a moment before the zone's time, maybe across midnight.
        const int behind = (face.secsTo(zoneTime) + 24 * 3600) % (24 * 3600);
        QVERIFY2(face.isValid() && (behind == 0 || behind == 1),
                 qPrintable(QStringLiteral("the face showed %1 when %2 read %3")
                                .arg(face.toString(Qt::ISODate),
                                     QString::fromLatin1(i < firstAfter ? from : to),
                                     zoneTime.toString(Qt::ISODate))));
    }
}

QTEST_MAIN(tst_TimeZoneChange)
#include "tst_timezone_change.moc"
