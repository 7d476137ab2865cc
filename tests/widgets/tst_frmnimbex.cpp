#include "app/Clock.h"
#include "app/SecondTimer.h"
#include "app/Translations.h"
#include "app/frmNimbex.h"
#include "settings/frmOptions.h"
#include "support/Face.h"
#include "support/TempStore.h"
#include "support/Widgets.h"
#include "tray/ShellTray.h"
#include "tray/TrayMouseEvent.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {

// A clock that stays where the test puts it.
struct TestClock : Clock
{
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 6), time); }
    QTime time{0, 0};
};

const QColor white(255, 255, 255), blue(0, 0, 255), orange(255, 128, 0);
const QColor windowText(40, 90, 160); // a scheme whose window text is not black

QLabel* label(const QWidget& w, const char* name)
{
    return w.findChild<QLabel*>(QLatin1String(name));
}

// Every lamp as painted, filled to its designed edges with the lit colour where the time lights
// it and white elsewhere, its bit label saying the same; every label in its designed place.
void checkFace(frmNimbex& w, QTime t, const QColor& lit)
{
    const QImage face = w.grab().toImage();
    const auto placed = [&](const char* name, const QRect& design) {
        const QLabel* l = label(w, name);
        QCOMPARE(QRect(l->mapTo(&w, QPoint()), l->size()), design);
    };
    for (const Face::LampRow& row : Face::lamps) {
        const bool on = Face::isLit(row, t);
        QVERIFY2(Face::lampShows(face, row, on ? lit : white), row.lamp);
        QCOMPARE(label(w, row.bit)->text(), on ? "1" : "0");
        placed(row.bit, Face::place(row.left, row.top + Face::bitLabelDrop, Face::lampWidth,
                                    Face::labelHeight));
    }
    for (const Face::LabelRow& row : Face::cheatLabels) {
        placed(row.name, Face::place(row.left, row.top, row.width, Face::labelHeight));
        if (row.caption)
            QCOMPARE(label(w, row.name)->text(), row.caption);
    }
}

// Calls back at every paint of a widget.
struct FrameWatch : QObject
{
    FrameWatch(QWidget* widget, std::function<void()> painted) : m_painted(std::move(painted))
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted();
        return false;
    }
    std::function<void()> m_painted;
};

} // namespace

// The clock window: its face at each tick, and its commands.
class tst_frmNimbex : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }
    void init();
    void cleanup();

    void tick_data();
    void tick();
    void startsWithTheStoredChoices();
    void savedChoiceReachesTheClock();
    void fullScreenAndBack();
    void trayMessages_data();
    void trayMessages();
    void hiddenWithoutATrayComesBack();
    void hideToTrayWithNoWayBack();
    void closingDeletesTheIcon_data();
    void closingDeletesTheIcon();
    void ticksWithoutAWallClockTimer();

private:
    void postTray(int code)
    {
        QCoreApplication::postEvent(m_w.get(), new TrayMouseEvent(0, 0, code * Twips::perPixel, 0));
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TempStore> m_store;
    TestClock m_clock;
    std::unique_ptr<ShellTray> m_shell;
    std::unique_ptr<frmNimbex> m_w;
};

void tst_frmNimbex::init()
{
    m_store = std::make_unique<TempStore>();
    m_clock.time = QTime(0, 0);
    m_shell = std::make_unique<ShellTray>(Desktop{}); // a fresh one each time, as at start
    m_w = std::make_unique<frmNimbex>(m_clock);
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
}

void tst_frmNimbex::cleanup()
{
    if (frmOptions* dialog = frmOptions::loaded())
        dialog->close();
    m_w.reset();
    m_shell.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_store.reset();
    Translations::install(QLocale::c());
}

void tst_frmNimbex::tick_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("onColor");
    QTest::addColumn<QColor>("lit");
    QTest::addColumn<QString>("language"); // empty: English

    // Together the first rows light every lamp: both tens limits, and an hours units digit 4-7.
    QTest::newRow("00:00:00") << QTime(0, 0, 0) << "&HFF0000" << blue << "";
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << "&HFF0000" << blue << "";
    QTest::newRow("17:46:28") << QTime(17, 46, 28) << "&HFF0000" << blue << "";
    QTest::newRow("08:32:47.999") << QTime(8, 32, 47, 999) << "&HFF0000" << blue << "";
    const QTime t(23, 59, 59);
    QTest::newRow("Orange, bytes blue-green-red") << t << "&H000080FF" << orange << "";
    QTest::newRow("Black is the window-text colour") << t << "&H80000008" << windowText << "";
    QTest::newRow("not a colour falls back to blue") << t << "xyz" << blue << "";
    QTest::newRow("system colour with no counterpart") << t << "&H800000FF" << blue << "";
    // Right to left too the face reads HH:MM:SS from the left, every lamp where it was designed.
    QTest::newRow("Arabic") << t << "&HFF0000" << blue << "ar";
    QTest::newRow("Hebrew") << QTime(8, 32, 47) << "&HFF0000" << blue << "he";
}

void tst_frmNimbex::tick()
{
    QFETCH(QTime, time);
    QFETCH(QString, onColor);
    QFETCH(QColor, lit);
    QFETCH(QString, language);
    if (!language.isEmpty()) { // the window built anew in that language
        cleanup();
        Translations::install(QLocale(language));
        init();
    }
    frmNimbex& w = *m_w;
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, windowText);
    w.setPalette(p);
    // Seconds before it that lit every lamp between them, in another colour: no lamp may stay
    // lit, and a colour chosen meanwhile shows at the next tick, on lamps that stay lit too.
    Settings::setColor(QStringLiteral("&HFF00FF"));
    w.File->Options->trigger(); // read again at once
    for (QTime before : {QTime(23, 59, 59), QTime(17, 46, 28), QTime(8, 32, 47), time}) {
        m_clock.time = before;
        w.Timer1_Timer();
    }
    Settings::setColor(onColor);
    w.File->Options->trigger();
    w.Timer1_Timer();
    checkFace(w, time, lit);
    QString readout; // H2 H1 M2 M1 S2 S1
    for (const char* digit : {"lblh2", "lblh1", "lblm2", "lblm1", "lbls2", "lbls1"})
        readout += label(w, digit)->text();
    QCOMPARE(readout, time.toString("hhmmss"));
    QCOMPARE(w.Frame1->accessibleName(), time.toString("hh:mm:ss"));
}

void tst_frmNimbex::startsWithTheStoredChoices()
{
    m_w.reset();
    m_store->seed(QStringLiteral("Color=&H000080FF Cheat=True CheatNum=True"));
    m_clock.time = QTime(17, 46, 28);
    m_w = std::make_unique<frmNimbex>(m_clock);
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    // The first tick of the timer, with nothing opened before it.
    QVERIFY(QSignalSpy(m_w->Timer1, &SecondTimer::Timer).wait(10000));
    checkFace(*m_w, m_clock.time, orange);
    QVERIFY(label(*m_w, "lblh2")->isVisible() && label(*m_w, "lblh22")->isVisible());
    // The buttons in their row, met by the Tab key in the designed order from the first focus.
    m_w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    for (const Face::ButtonRow& b : Face::buttons) {
        const auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QVERIFY2(button && button->text() == b.caption, b.caption);
        QCOMPARE(QRect(button->mapTo(m_w.get(), QPoint()), button->size()),
                 Face::place(b.left, Face::buttonTop, Face::buttonWidth, Face::buttonHeight));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(Widgets::unnamedControls(*m_w), QStringList());
}

void tst_frmNimbex::savedChoiceReachesTheClock()
{
    // The menu item reads the store before the user acts in the dialog it opens; the next re-read
    // brings the save. (After the Options button the end-to-end cases see the face change.)
    frmNimbex& w = *m_w;
    w.File->Options->trigger();
    frmOptions* d = frmOptions::loaded();
    d->Combo1->setCurrentIndex(d->Combo1->findText(QStringLiteral("Orange")));
    d->Option3->click();
    d->Command1->click();
    w.Timer1_Timer();
    QVERIFY(!label(w, "lblh22")->isVisible());
    w.File->Options->trigger();
    w.Timer1_Timer();
    QVERIFY(!label(w, "lblh2")->isVisible() && label(w, "lblh22")->isVisible());
    QCOMPARE(w.litColor(), QColor(255, 128, 0));
}

void tst_frmNimbex::fullScreenAndBack()
{
    frmNimbex& w = *m_w;
    w.Frame1->Command1->click();
    QTRY_COMPARE(w.WindowState(), 2);
    QCOMPARE(w.Frame1->Command1->text(), QStringLiteral("Normal"));
    QTRY_VERIFY(w.width() > 510);
    // The face is centred on the outer window, title bar and border included.
    const QRect outer(QPoint(), w.frameGeometry().size());
    QTRY_VERIFY((w.Frame1->geometry().center() - outer.center()).manhattanLength() <= 2);

    w.Frame1->Command1->click();
    QTRY_COMPARE(w.WindowState(), 0);
    QCOMPARE(w.Frame1->Command1->text(), QStringLiteral("Full Screen"));
    QCOMPARE(w.minimumSize(), w.maximumSize()); // fixed again, not to be dragged bigger
    QCOMPARE(w.Frame1->pos(), Twips::point(Face::normalLeft, Face::normalTop));
}

void tst_frmNimbex::trayMessages_data()
{
    QTest::addColumn<bool>("hideToTray"); // or minimise
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<int>("code"); // 0: the menu item Show
    QTest::addColumn<int>("state");

    QTest::newRow("click before any Hide to Tray does nothing") << false << false << 514 << 1;
    QTest::newRow("click restores the full-screen view") << true << true << 514 << 2;
    QTest::newRow("Show restores whatever hid the window") << false << true << 0 << 2;
}

void tst_frmNimbex::trayMessages()
{
    QFETCH(bool, hideToTray);
    QFETCH(bool, fullScreen);
    QFETCH(int, code);
    QFETCH(int, state);
    frmNimbex& w = *m_w;
    if (fullScreen) {
        w.Frame1->Command1->click();
        QTRY_VERIFY(w.WindowState() == 2 && w.width() > 510);
    }
    const QRect before = w.geometry();
    if (hideToTray)
        w.Frame1->Command3->click();
    else
        w.showMinimized();
    // Without a tray nothing could bring a hidden window back: it stays on the task bar.
    QVERIFY2(!QSystemTrayIcon::isSystemTrayAvailable(), "needs a desktop without a tray");
    QCOMPARE(w.WindowState(), 1);
    QVERIFY(!w.isHidden());
    if (code)
        postTray(code);
    else
        w.File->Show->trigger();
    QTRY_COMPARE(w.WindowState(), state);
    QVERIFY(w.isVisible());
    QCOMPARE(w.Frame1->Command1->text(), fullScreen ? "Normal" : "Full Screen");
    QTRY_COMPARE(w.geometry(), before); // where it was, as big as it was
}

void tst_frmNimbex::hiddenWithoutATrayComesBack()
{
    // Hidden while a tray host showed the icon, which then went: the next tick puts the window
    // on the task bar, or nothing could ever bring it back. Its first frame on show is the second
    // it is in then, not the one it was hidden at.
    m_w->Timer1_Timer();
    m_w->hide();
    m_clock.time = QTime(12, 34, 56);
    QString firstFrame;
    FrameWatch watch(m_w->Frame1, [&] {
        if (firstFrame.isEmpty())
            firstFrame = m_w->Frame1->accessibleName();
    });
    emit m_w->Timer1->Timer();
    QVERIFY(m_w->isVisible());
    QCOMPARE(m_w->WindowState(), 1);
    m_w->File->Show->trigger();
    QTRY_COMPARE(firstFrame, QStringLiteral("12:34:56"));
}

void tst_frmNimbex::hideToTrayWithNoWayBack()
{
    // Wayland with neither a tray nor a task bar (Weston): a minimised window would be lost.
    const Desktop weston{Desktop::WindowSystem::Wayland, Desktop::Tray::None, false, false};
    m_w = std::make_unique<frmNimbex>(m_clock, weston);
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    m_w->Frame1->Command3->click();
    QVERIFY(m_w->isVisible() && m_w->WindowState() == WindowStates::Normal);
}

void tst_frmNimbex::closingDeletesTheIcon_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "Close";
    QTest::newRow("Exit menu item") << "Exit";
    QTest::newRow("closed by the window manager") << "window";
}

void tst_frmNimbex::closingDeletesTheIcon()
{
    QFETCH(QString, how);
    const quint32 hWnd = modSystray::trayIcon.hWnd;
    QCOMPARE(m_shell->toolTip(hWnd, 1), QStringLiteral("Nimbex - DoubleClick to Show"));
    QTimer::singleShot(0, m_w.get(), [&] {
        if (how == "Close")
            m_w->Frame1->Command4->click();
        else if (how == "Exit")
            m_w->File->Exit->trigger();
        else
            m_w->close();
    });
    QTimer stuck;
    stuck.callOnTimeout([] { QCoreApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!m_shell->exists(hWnd, 1));
}

void tst_frmNimbex::ticksWithoutAWallClockTimer()
{
    // No descriptor to spare: no timer on the wall clock can be made, and the clock ticks on.
    rlimit was{};
    QVERIFY(getrlimit(RLIMIT_NOFILE, &was) == 0);
    const rlimit none{0, was.rlim_max};
    QVERIFY(setrlimit(RLIMIT_NOFILE, &none) == 0);
    SecondTimer timer(m_clock);
    setrlimit(RLIMIT_NOFILE, &was);
    QSignalSpy ticks(&timer, &SecondTimer::Timer);
    timer.setEnabled(true);
    QVERIFY(ticks.wait(10000));
}

QTEST_MAIN(tst_frmNimbex)
#include "tst_frmnimbex.moc"
