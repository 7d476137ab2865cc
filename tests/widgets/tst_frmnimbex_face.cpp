#include "ui/Fonts.h"
#include "app/Lamp.h"
#include "app/SecondTimer.h"
#include "app/frmNimbex.h"
#include "support/TempStore.h"
#include "support/TestClock.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

// The face as designed, in twips: every lamp, the bit label over it, and its place in Frame1.
struct LampRow
{
    const char* lamp;
    const char* bit;
    int left, top;
};

const LampRow lampTable[] = {
    {"h12", "lblh22", 120, 1920},  {"h11", "lblh21", 120, 2760},  {"h8", "lblh18", 1080, 240},
    {"h4", "lblh14", 1080, 1080},  {"h2", "lblh12", 1080, 1920},  {"h1", "lblh11", 1080, 2760},
    {"m14", "lblm24", 2040, 1080}, {"m12", "lblm22", 2040, 1920}, {"m11", "lblm21", 2040, 2760},
    {"m8", "lblm18", 3000, 240},   {"m4", "lblm14", 3000, 1080},  {"m2", "lblm12", 3000, 1920},
    {"m1", "lblm11", 3000, 2760},  {"s14", "lbls24", 3960, 1080}, {"s12", "lbls22", 3960, 1920},
    {"s11", "lbls21", 3960, 2760}, {"s8", "lbls18", 4920, 240},   {"s4", "lbls14", 4920, 1080},
    {"s2", "lbls12", 4920, 1920},  {"s1", "lbls11", 4920, 2760},
};

const char* const readoutNames[] = {"lblh2", "lblh1", "lblm2", "lblm1", "lbls2", "lbls1"};

constexpr int twipsPerPixel = 15;

QRect pixels(int left, int top, int width, int height)
{
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
            height / twipsPerPixel};
}

const QColor white(255, 255, 255);
const QColor blue(0, 0, 255);

QDateTime at(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2026, 12, 6), QTime(h, m, s, ms));
}

Lamp* lamp(const frmNimbex& w, const char* name)
{
    return w.findChild<Lamp*>(QLatin1String(name));
}

QLabel* label(const frmNimbex& w, const char* name)
{
    return w.findChild<QLabel*>(QLatin1String(name));
}

QString readout(const frmNimbex& w)
{
    QString digits;
    for (const char* name : readoutNames)
        digits += label(w, name)->text();
    return digits;
}

// Every lamp shows the expected colour and its bit label says so.
void checkLamps(const frmNimbex& w, const QStringList& lit, const QColor& litColour)
{
    for (const LampRow& row : lampTable) {
        const bool on = lit.contains(QLatin1String(row.lamp));
        QCOMPARE(lamp(w, row.lamp)->BackColor(), on ? litColour : white);
        QCOMPARE(label(w, row.bit)->text(), on ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

} // namespace

// A failed check inside the helper ends the test function, not just the helper.
#define CHECK_LAMPS(...)                                                                           \
    do {                                                                                           \
        checkLamps(__VA_ARGS__);                                                                   \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

class tst_frmNimbexFace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void tick_data();
    void tick();
    void designTimeLook();
    void emptyStoreLook();
    void aids_data();
    void aids();
    void captionsFollowWhileHidden();
    void litColours_data();
    void litColours();
    void windowTextColour();
    void badColour_data();
    void badColour();

    void lampLayout_data();
    void lampLayout();
    void controlLayout_data();
    void controlLayout();
    void missingLamps();
    void frameAndWindow();
    void tabOrder();
    void fileMenu();
    void firstTickAimed_data();
    void firstTickAimed();
    void faceIsCurrentWhenShownAgain_data();
    void faceIsCurrentWhenShownAgain();
};

void tst_frmNimbexFace::initTestCase()
{
    Fonts::install();
}

void tst_frmNimbexFace::tick_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("litNames");
    QTest::addColumn<QString>("digits"); // read-outs H2 H1 M2 M1 S2 S1

    // clang-format off
    QTest::newRow("00:00:00") << at(0, 0, 0) << "" << "000000";
    QTest::newRow("09:05:07") << at(9, 5, 7) << "h8 h1 m4 m1 s4 s2 s1" << "090507";
    QTest::newRow("10:20:30") << at(10, 20, 30) << "h11 m12 s11 s12" << "102030";
    QTest::newRow("13:00:00") << at(13, 0, 0) << "h11 h1 h2" << "130000";
    QTest::newRow("23:59:07") << at(23, 59, 7) << "h12 h1 h2 m11 m14 m1 m8 s1 s2 s4" << "235907";
    QTest::newRow("23:59:59") << at(23, 59, 59) << "h12 h2 h1 m14 m11 m8 m1 s14 s11 s8 s1"
                              << "235959";
    QTest::newRow("01:02:03") << at(1, 2, 3) << "h1 m2 s1 s2" << "010203";
    QTest::newRow("20:45:58") << at(20, 45, 58) << "h12 m14 m1 m4 s11 s14 s8" << "204558";
    QTest::newRow("19:38:46") << at(19, 38, 46) << "h11 h8 h1 m11 m12 m8 s14 s2 s4" << "193846";
    QTest::newRow("milliseconds do not matter") << at(9, 5, 7, 999) << "h8 h1 m4 m1 s4 s2 s1"
                                                << "090507";
    // clang-format on
}

void tst_frmNimbexFace::tick()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, digits);
    QFETCH(QString, litNames);
    const QStringList lit = litNames.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    TempStore store;
    TestClock clock(at(12, 0, 0));
    frmNimbex w(clock);
    // Lamps lit by an earlier second must go out.
    clock.set(at(23, 59, 59));
    w.Timer1_Timer();
    clock.set(now);
    w.Timer1_Timer();

    CHECK_LAMPS(w, lit, blue);
    QCOMPARE(readout(w), digits);

    // What the user sees is the fill, not just the property.
    const QImage face = w.Frame1->grab().toImage();
    for (const LampRow& row : lampTable) {
        const QPoint centre = lamp(w, row.lamp)->geometry().center();
        QCOMPARE(face.pixelColor(centre), lit.contains(QLatin1String(row.lamp)) ? blue : white);
    }
    // The colons and legends are never rewritten.
    QCOMPARE(w.lblc1->text(), QStringLiteral(":"));
    QCOMPARE(w.lblc2->text(), QStringLiteral(":"));
    QCOMPARE(w.lbl8->text() + w.lbl4->text() + w.lbl2->text() + w.lbl1->text(),
             QStringLiteral("8421"));
}

void tst_frmNimbexFace::designTimeLook()
{
    TempStore store;
    // Far from the next second, so no tick comes while the window is being shown.
    TestClock clock(at(23, 59, 59, 3));
    frmNimbex w(clock);
    const auto check = [&] {
        const QList<QLabel*> labels = w.Frame1->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 32);
        for (const QLabel* l : labels)
            QVERIFY2(l->isHidden(), qPrintable(l->objectName()));
        QCOMPARE(readout(w), QStringLiteral("H2H1M2M1S2S1"));
        CHECK_LAMPS(w, {}, white);
    };
    check();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    check();
}

void tst_frmNimbexFace::emptyStoreLook()
{
    TempStore store;
    TestClock clock(at(9, 5, 7));
    frmNimbex w(clock);
    QCOMPARE(w.cHidden.text(), QStringLiteral("False"));
    QVERIFY(!w.cNum);
    QCOMPARE(w.onColor, QStringLiteral("&HFF0000"));
    w.Timer1_Timer();
    for (QLabel* l : w.Frame1->findChildren<QLabel*>())
        QVERIFY2(l->isHidden(), qPrintable(l->objectName()));
    CHECK_LAMPS(w, {"h8", "h1", "m4", "m1", "s4", "s2", "s1"}, blue);
}

void tst_frmNimbexFace::aids_data()
{
    QTest::addColumn<Variant>("cHidden");
    QTest::addColumn<bool>("cNum");
    QTest::addColumn<bool>("cheatShown");

    QTest::newRow("text True, numbers off") << Variant(QStringLiteral("True")) << false << true;
    QTest::newRow("text False, numbers on") << Variant(QStringLiteral("False")) << true << false;
    QTest::newRow("hand-edited lower-case true")
        << Variant(QStringLiteral("true")) << false << true;
    QTest::newRow("empty Variant") << Variant() << true << false;
    QTest::newRow("Boolean true") << Variant(true) << true << true;
    QTest::newRow("Boolean false") << Variant(false) << false << false;
    QTest::newRow("text -1") << Variant(QStringLiteral("-1")) << false << false;
}

void tst_frmNimbexFace::aids()
{
    QFETCH(Variant, cHidden);
    QFETCH(bool, cNum);
    QFETCH(bool, cheatShown);
    TempStore store;
    TestClock clock(at(9, 5, 7));
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Start from the opposite, so each switch has to happen.
    w.cHidden = !cheatShown;
    w.cNum = !cNum;
    w.Timer1_Timer();
    w.cHidden = cHidden;
    w.cNum = cNum;
    w.Timer1_Timer();

    const QList<QLabel*> cheat{w.lbl1,  w.lbl2,  w.lbl4,  w.lbl8,  w.lbls1, w.lbls2,
                               w.lblm1, w.lblm2, w.lblh1, w.lblh2, w.lblc1, w.lblc2};
    for (const QLabel* l : cheat)
        QCOMPARE(l->isVisible(), cheatShown);
    for (const LampRow& row : lampTable)
        QCOMPARE(label(w, row.bit)->isVisible(), cNum);
    // Switching an aid never disturbs the face.
    CHECK_LAMPS(w, {"h8", "h1", "m4", "m1", "s4", "s2", "s1"}, blue);
    QCOMPARE(readout(w), QStringLiteral("090507"));
}

void tst_frmNimbexFace::captionsFollowWhileHidden()
{
    TempStore store;
    TestClock clock(at(9, 5, 7));
    frmNimbex w(clock);
    w.cNum = false;
    w.cHidden = QStringLiteral("False");
    w.Timer1_Timer();
    clock.set(at(10, 20, 30));
    w.Timer1_Timer();
    QVERIFY(w.lblh21->isHidden());
    QVERIFY(w.lblh2->isHidden());

    w.cNum = true;
    w.cHidden = QStringLiteral("True");
    w.Timer1_Timer();
    QVERIFY(!w.lblh21->isHidden());
    QVERIFY(!w.lblh2->isHidden());
    CHECK_LAMPS(w, {"h11", "m12", "s11", "s12"}, blue);
    QCOMPARE(readout(w), QStringLiteral("102030"));
}

void tst_frmNimbexFace::litColours_data()
{
    QTest::addColumn<QString>("onColor");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("Blue") << "&HFF0000" << QColor(0, 0, 255);
    QTest::newRow("Red") << "&HFF" << QColor(255, 0, 0);
    QTest::newRow("Green") << "&HFF00" << QColor(0, 255, 0);
    QTest::newRow("Yellow") << "&HFFFF" << QColor(255, 255, 0);
    QTest::newRow("Purple") << "&HFF00FF" << QColor(255, 0, 255);
    QTest::newRow("Orange") << "&H000080FF" << QColor(255, 128, 0);
    QTest::newRow("LightBlue") << "&HFFFF00" << QColor(0, 255, 255);
    QTest::newRow("hand-edited decimal red") << "255" << QColor(255, 0, 0);
    QTest::newRow("hand-edited lower-case hex") << "&h80ff" << QColor(255, 128, 0);
}

void tst_frmNimbexFace::litColours()
{
    QFETCH(QString, onColor);
    QFETCH(QColor, colour);
    TempStore store;
    TestClock clock(at(9, 5, 7));
    frmNimbex w(clock);
    w.Timer1_Timer();
    // The same second again: lamps that stay lit take the new colour at once.
    w.onColor = onColor;
    w.Timer1_Timer();
    CHECK_LAMPS(w, {"h8", "h1", "m4", "m1", "s4", "s2", "s1"}, colour);
    QCOMPARE(w.onColor, onColor);
}

void tst_frmNimbexFace::windowTextColour()
{
    TempStore store;
    store.seed(QStringLiteral("Color"), QStringLiteral("&H80000008"));
    TestClock clock(at(13, 0, 0));
    frmNimbex w(clock);
    QCOMPARE(w.onColor, QStringLiteral("&H80000008"));
    // A scheme whose window text is not black shows that it is the scheme's colour, not 0.
    const QColor schemeText(40, 90, 160);
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, schemeText);
    w.setPalette(p);
    w.Timer1_Timer();
    CHECK_LAMPS(w, {"h11", "h1", "h2"}, schemeText);
}

void tst_frmNimbexFace::badColour_data()
{
    QTest::addColumn<QString>("onColor");

    QTest::newRow("empty") << "";
    QTest::newRow("a word") << "xyz";
    QTest::newRow("&H with no hex digits") << "&HZZ";
    QTest::newRow("200 digits") << QString(200, QLatin1Char('9'));
    QTest::newRow("negative") << "-255";
    QTest::newRow("system colour without a counterpart") << "&H800000FF";
}

void tst_frmNimbexFace::badColour()
{
    QFETCH(QString, onColor);
    TempStore store;
    TestClock clock(at(23, 59, 7));
    frmNimbex w(clock);
    w.onColor = onColor;
    w.Timer1_Timer();
    // The whole tick runs: lit lamps fall back to blue, the rest stay white.
    CHECK_LAMPS(w, {"h12", "h1", "h2", "m11", "m14", "m1", "m8", "s1", "s2", "s4"},
                QColor::fromRgb(0x0000FF));
    QCOMPARE(readout(w), QStringLiteral("235907"));
    QCOMPARE(w.onColor, onColor);
}

void tst_frmNimbexFace::lampLayout_data()
{
    QTest::addColumn<QString>("lamp");
    QTest::addColumn<QString>("bit");
    QTest::addColumn<QRect>("lampRect");
    QTest::addColumn<QRect>("bitRect");

    for (const LampRow& row : lampTable) {
        QTest::newRow(row.lamp) << row.lamp << row.bit << pixels(row.left, row.top, 855, 735)
                                << pixels(row.left, row.top + 120, 855, 495);
    }
}

void tst_frmNimbexFace::lampLayout()
{
    QFETCH(QString, lamp);
    QFETCH(QString, bit);
    QFETCH(QRect, lampRect);
    QFETCH(QRect, bitRect);
    TempStore store;
    TestClock clock;
    frmNimbex w(clock);
    const Lamp* l = w.findChild<Lamp*>(lamp);
    const QLabel* b = w.findChild<QLabel*>(bit);
    QVERIFY(l && b);
    QCOMPARE(l->parentWidget(), w.Frame1);
    QCOMPARE(b->parentWidget(), w.Frame1);
    QCOMPARE(l->geometry(), lampRect);
    QCOMPARE(b->geometry(), bitRect);
    QCOMPARE(b->text(), QStringLiteral("0"));
    QVERIFY(b->alignment() & Qt::AlignHCenter);
    // The digit is drawn over the lamp, not under it.
    QVERIFY(w.Frame1->children().indexOf(b) > w.Frame1->children().indexOf(l));
}

void tst_frmNimbexFace::controlLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("rect");

    // clang-format off
    QTest::newRow("lblh2") << "lblh2" << "H2" << pixels(120, 3600, 855, 495);
    QTest::newRow("lblh1") << "lblh1" << "H1" << pixels(1080, 3600, 855, 495);
    QTest::newRow("lblm2") << "lblm2" << "M2" << pixels(2040, 3600, 855, 495);
    QTest::newRow("lblm1") << "lblm1" << "M1" << pixels(3000, 3600, 855, 495);
    QTest::newRow("lbls2") << "lbls2" << "S2" << pixels(3960, 3600, 855, 495);
    QTest::newRow("lbls1") << "lbls1" << "S1" << pixels(4920, 3600, 855, 495);
    QTest::newRow("lblc2") << "lblc2" << ":" << pixels(1920, 3600, 255, 495);
    QTest::newRow("lblc1") << "lblc1" << ":" << pixels(3840, 3600, 255, 495);
    QTest::newRow("lbl8") << "lbl8" << "8" << pixels(5880, 360, 855, 495);
    QTest::newRow("lbl4") << "lbl4" << "4" << pixels(5880, 1200, 855, 495);
    QTest::newRow("lbl2") << "lbl2" << "2" << pixels(5880, 2040, 855, 495);
    QTest::newRow("lbl1") << "lbl1" << "1" << pixels(5880, 2880, 855, 495);
    // Left to right the buttons read "Hide to Tray", "Full Screen", "Close", "Options".
    QTest::newRow("Command3") << "Command3" << "Hide to Tray" << pixels(0, 4200, 1455, 375);
    QTest::newRow("Command1") << "Command1" << "Full Screen" << pixels(1560, 4200, 1455, 375);
    QTest::newRow("Command4") << "Command4" << "Close" << pixels(3120, 4200, 1455, 375);
    QTest::newRow("Command2") << "Command2" << "Options" << pixels(4680, 4200, 1455, 375);
    // clang-format on
}

void tst_frmNimbexFace::controlLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, rect);
    TempStore store;
    TestClock clock;
    frmNimbex w(clock);
    const QWidget* control = w.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), w.Frame1);
    QCOMPARE(control->property("text").toString(), caption);
    QCOMPARE(control->geometry(), rect);
    // Enter must not press a button behind the user's back.
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        QVERIFY(!button->isDefault() && !button->autoDefault());
}

void tst_frmNimbexFace::missingLamps()
{
    TempStore store;
    TestClock clock;
    frmNimbex w(clock);
    QCOMPARE(w.findChildren<Lamp*>().size(), 20);
    QCOMPARE(w.findChildren<QLabel*>().size(), 32);
    // The hours-tens column has no 8 and no 4 lamp; the other tens columns have no 8.
    for (const char* name : {"h14", "h18", "m18", "s18", "lblh24", "lblh28", "lblm28", "lbls28"})
        QVERIFY2(!w.findChild<QWidget*>(QLatin1String(name)), name);
    for (const LampRow& row : lampTable) {
        QVERIFY2(lamp(w, row.lamp), row.lamp);
        QVERIFY2(label(w, row.bit), row.bit);
    }
}

void tst_frmNimbexFace::frameAndWindow()
{
    TempStore store;
    TestClock clock(at(0, 0, 0, 3));
    frmNimbex w(clock);
    QCOMPARE(w.size(), QSize(7650 / 15, 5085 / 15));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(w.windowTitle().startsWith(QLatin1String("Nimbex - ")));
    const Qt::WindowFlags f = w.windowFlags();
    QVERIFY(!(f & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowMinimizeButtonHint)));
    QCOMPARE(w.Frame1->geometry(), pixels(840, 240, 6735, 4695));

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // First shown, the frame drops to its normal place.
    QCOMPARE(w.Frame1->geometry(), pixels(840, 360, 6735, 4695));
    QCOMPARE(w.h12->mapTo(&w, QPoint(0, 0)), QPoint(56 + 8, 24 + 128));
    QCOMPARE(w.Command1->text(), QStringLiteral("Full Screen"));
    QCOMPARE(w.size(), QSize(510, 339));
    // Window and frame are one white surface.
    const QImage shot = w.grab().toImage();
    QCOMPARE(shot.pixelColor(5, 5), white);
    QCOMPARE(shot.pixelColor(w.Frame1->geometry().center()), white);
}

void tst_frmNimbexFace::tabOrder()
{
    TempStore store;
    TestClock clock;
    frmNimbex w(clock);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Command1);

    const QList<QWidget*> order{w.Command4, w.Command3, w.Command2, w.Command1};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w.Command2);

    // Only the buttons take the focus.
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!qobject_cast<QPushButton*>(child))
            QVERIFY2(!(child->focusPolicy() & Qt::TabFocus), qPrintable(child->objectName()));
    }
}

void tst_frmNimbexFace::fileMenu()
{
    TempStore store;
    TestClock clock;
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.File);
    QCOMPARE(w.File->title(), QStringLiteral("File"));
    const QList<QAction*> items = w.File->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0]->text(), QStringLiteral("&Show"));
    QCOMPARE(items[1]->text(), QStringLiteral("&Options"));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QStringLiteral("E&xit"));
    QCOMPARE(items[0], w.Show);
    QCOMPARE(items[3], w.Exit);

    // Never a menu bar: the face starts at the top of the client area.
    QVERIFY(!w.File->isVisible());
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(top->findChildren<QMenuBar*>().isEmpty());
    for (QObject* o : w.File->menuAction()->associatedObjects())
        QVERIFY(!qobject_cast<QMenuBar*>(o));
}

void tst_frmNimbexFace::firstTickAimed_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("aimedMs");
    QTest::addColumn<QString>("digits");

    QTest::newRow("12:34:56.700") << at(12, 34, 56, 700) << 302 << "123456";
    QTest::newRow("23:59:59.100") << at(23, 59, 59, 100) << 902 << "235959";
}

void tst_frmNimbexFace::firstTickAimed()
{
    QFETCH(QDateTime, now);
    QFETCH(int, aimedMs);
    QFETCH(QString, digits);
    TempStore store;
    TestClock clock(now);
    frmNimbex w(clock);
    w.show();
    QVERIFY(w.Timer1->Enabled());
    // Aimed at 2 ms past the next second, not a whole interval away.
    const int remaining = w.Timer1->remainingMs();
    QVERIFY2(remaining <= aimedMs && remaining >= aimedMs - 50,
             qPrintable(QString::number(remaining)));
    QCOMPARE(readout(w), QStringLiteral("H2H1M2M1S2S1"));
    // The tick reads the clock afresh when it comes.
    QTRY_COMPARE_WITH_TIMEOUT(readout(w), digits, 5000);
}

void tst_frmNimbexFace::faceIsCurrentWhenShownAgain_data()
{
    QTest::addColumn<bool>("minimise");
    QTest::newRow("hidden") << false;
    QTest::newRow("minimised") << true;
}

void tst_frmNimbexFace::faceIsCurrentWhenShownAgain()
{
    QFETCH(bool, minimise);
    TempStore store;
    TestClock clock(at(9, 5, 7));
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    emit w.Timer1->Timer();
    QCOMPARE(readout(w), QStringLiteral("090507"));

    if (minimise)
        w.showMinimized();
    else
        w.hide();
    clock.set(at(10, 20, 30));
    emit w.Timer1->Timer();
    // Nothing is drawn for a window nobody sees ...
    QCOMPARE(readout(w), QStringLiteral("090507"));
    // ... and the face is right before its first frame back. (Without a tray here, a hidden
    // window is put on the task bar at the tick, so both come back the same way.)
    w.showNormal();
    QCOMPARE(readout(w), QStringLiteral("102030"));
    CHECK_LAMPS(w, {"h11", "m12", "s11", "s12"}, blue);
}

QTEST_MAIN(tst_frmNimbexFace)
#include "tst_frmnimbex_face.moc"
