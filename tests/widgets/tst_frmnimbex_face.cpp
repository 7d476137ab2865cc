#include "app/SecondTimer.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"
#include "support/Face.h"
#include "support/TempStore.h"
#include "support/TestClock.h"
#include "support/Widgets.h"
#include "ui/Fonts.h"

#include <QLabel>
#include <QTest>

using Widgets::readout;

namespace {

const QColor white(255, 255, 255), blue(0, 0, 255), orange(255, 128, 0);
const QColor windowText(40, 90, 160); // a scheme whose window text is not black

// Every lamp as painted: the lit colour where the time lights it, white elsewhere, its bit label
// saying the same.
void checkFace(frmNimbex& w, QTime t, const QColor& lit)
{
    const QImage face = w.grab().toImage();
    for (const Face::LampRow& row : Face::lamps) {
        const bool on = Face::isLit(row, t);
        QVERIFY2(face.pixelColor(Face::samplePoint(row)) == (on ? lit : white), row.lamp);
        QCOMPARE(w.findChild<QLabel*>(QLatin1String(row.bit))->text(), on ? "1" : "0");
    }
}

} // namespace

class tst_frmNimbexFace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }
    void tick_data();
    void tick();
    void realTimeTicks();
};

void tst_frmNimbexFace::tick_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("onColor");
    QTest::addColumn<QColor>("lit");

    // Together the first rows light every lamp: both tens limits, and an hours units digit 4-7.
    QTest::newRow("00:00:00") << QTime(0, 0, 0) << "&HFF0000" << blue;
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << "&HFF0000" << blue;
    QTest::newRow("17:46:28") << QTime(17, 46, 28) << "&HFF0000" << blue;
    QTest::newRow("08:32:47.999") << QTime(8, 32, 47, 999) << "&HFF0000" << blue;
    const QTime t(23, 59, 59);
    QTest::newRow("Red") << t << "&HFF" << QColor(255, 0, 0);
    QTest::newRow("Orange, bytes blue-green-red") << t << "&H000080FF" << orange;
    QTest::newRow("LightBlue") << t << "&HFFFF00" << QColor(0, 255, 255);
    QTest::newRow("hand-edited decimal green") << t << "65280" << QColor(0, 255, 0);
    QTest::newRow("hand-edited lower case") << t << "&h80ff" << orange;
    QTest::newRow("Black is the window-text colour") << t << "&H80000008" << windowText;
    QTest::newRow("empty falls back to blue") << t << "" << blue;
    QTest::newRow("a word") << t << "xyz" << blue;
    QTest::newRow("beyond 32 bits") << t << "&H100000000" << blue;
    QTest::newRow("system colour with no counterpart") << t << "&H800000FF" << blue;
}

void tst_frmNimbexFace::tick()
{
    QFETCH(QTime, time);
    QFETCH(QString, onColor);
    QFETCH(QColor, lit);
    TempStore store;
    TestClock clock;
    frmNimbex w(clock);
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, windowText);
    w.setPalette(p);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Seconds before it that lit every lamp between them, in another colour: no lamp may stay
    // lit, and a colour chosen meanwhile shows at the next tick, on lamps that stay lit too.
    w.onColor = QStringLiteral("&HFF00FF");
    for (QTime before : {QTime(23, 59, 59), QTime(17, 46, 28), QTime(8, 32, 47), time}) {
        clock.setTime(before);
        w.Timer1_Timer();
    }
    w.onColor = onColor;
    w.Timer1_Timer();
    checkFace(w, time, lit);
    QCOMPARE(readout(w), time.toString("hhmmss"));
    QCOMPARE(w.Frame1->accessibleName(), time.toString("hh:mm:ss"));
    QCOMPARE(Widgets::unnamedControls(w), QStringList());
}

void tst_frmNimbexFace::realTimeTicks()
{
    TempStore store;
    SystemClock clock;
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QList<QDateTime> at;
    QStringList shown;
    connect(w.Timer1, &SecondTimer::Timer, this, [&] {
        at << QDateTime::currentDateTime();
        shown << readout(w);
    });
    QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 3, 5000);
    for (int i = 0; i < 3; ++i) {
        // Just after the boundary, never just before it; every second once.
        QVERIFY2(at[i].time().msec() < 500, qPrintable(at[i].toString("ss.zzz")));
        QCOMPARE(shown[i], at[i].toString("hhmmss"));
        if (i > 0)
            QCOMPARE(at[i].toSecsSinceEpoch() - at[i - 1].toSecsSinceEpoch(), 1);
    }
}

QTEST_MAIN(tst_frmNimbexFace)
#include "tst_frmnimbex_face.moc"
