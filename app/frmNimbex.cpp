#include "app/frmNimbex.h"

#include "app/Clock.h"
#include "app/FaceDesign.h"
#include "app/SecondTimer.h"
#include "app/WindowStates.h"
#include "resources/Resources.h"
#include "settings/Settings.h"
#include "settings/frmOptions.h"
#include "tray/ShellTray.h"
#include "tray/TrayMessage.h"
#include "tray/TrayMouseEvent.h"
#include "tray/modSystray.h"
#include "ui/SystemColors.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

using FaceDesign::clientHeight, FaceDesign::clientWidth;
using FaceDesign::frameHeight, FaceDesign::frameWidth;
using FaceDesign::frameLeft, FaceDesign::frameNormalTop;

} // namespace

frmNimbex::frmNimbex(const Clock& clock, const Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_clock(clock),
      m_desktop(desktop)
{
    setObjectName(QStringLiteral("frmNimbex"));
    setWindowTitle(tr("Nimbex - Copyright \u00A9 2026 Vantrel"));
    setWindowIcon(Resources::appIcon());
    setPalette(SystemColors::whitePalette(palette()));
    setAutoFillBackground(true);
    m_states = new WindowStates(this, Twips::size(clientWidth, clientHeight), m_desktop);

    Frame1 = new ClockFace(this);
    connect(Frame1->Command1, &QPushButton::clicked, this, &frmNimbex::Command1_Click);
    connect(Frame1->Command2, &QPushButton::clicked, this, &frmNimbex::Command2_Click);
    connect(Frame1->Command3, &QPushButton::clicked, this, &frmNimbex::Command3_Click);
    connect(Frame1->Command4, &QPushButton::clicked, this, &frmNimbex::Command4_Click);
    File = new FileMenu(this);
    connect(File->Show, &QAction::triggered, this, &frmNimbex::Show_Click);
    connect(File->Options, &QAction::triggered, this, &frmNimbex::Options_Click);
    connect(File->Exit, &QAction::triggered, this, &frmNimbex::Exit_Click);

    Timer1 = new SecondTimer(m_clock, this);
    connect(Timer1, &SecondTimer::Timer, this, &frmNimbex::tickWhenShown);
    connect(Timer1, &SecondTimer::Timer, this, &frmNimbex::keepReachable);
    connect(m_states, &WindowStates::maximiseRefused, this, &frmNimbex::fallBackToNormalView);

    // Start-up position: centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }

    Form_Load();
}

frmNimbex::~frmNimbex() = default;

void frmNimbex::readCheat()
{
    cHidden = Settings::cheat();
}

void frmNimbex::readCheatNum()
{
    cNum = Settings::cheatNum();
}

void frmNimbex::readColor()
{
    onColor = Settings::color();
}

void frmNimbex::Form_Load()
{
    Timer1->setEnabled(true);
    sHidden = false;
    readCheat();
    readCheatNum();

    using namespace modSystray;
    // Without a shell (the window tested alone) the record names nothing, and no icon is added.
    // The record keeps the tip as the system's multi-byte text, UTF-8 here.
    ShellTray* shell = ShellTray::instance();
    const quint32 hWnd = shell ? shell->windowHandle(this) : 0;
    fill(trayIcon, hWnd, 1, shell ? shell->iconHandle(windowIcon()) : 0,
         tr("Nimbex - DoubleClick to Show").toLocal8Bit().constData());
    if (shell)
        shell->setMenu(hWnd, File);
    Shell_NotifyIconA(NIM_ADD, &trayIcon);

    readColor();
}

// ---- The tick ----

void frmNimbex::Timer1_Timer()
{
    Frame1->showTime(m_clock.now().time(), litColor(), cHidden.equalsTrue(), cNum);
}

bool frmNimbex::isOnScreen() const
{
    // Not the state Qt recorded: with no window manager a minimised window stays on screen, and
    // a window the window manager iconified is no longer exposed.
    const QWindow* window = windowHandle();
    return isVisible() && window && window->isExposed();
}

void frmNimbex::tickWhenShown()
{
    // Nothing shows while the window is off the screen, so the tick is saved until the window
    // shows again, and then run before its first frame.
    if (isOnScreen()) {
        m_faceStale = false;
        Timer1_Timer();
    } else {
        m_faceStale = true;
    }
}

void frmNimbex::catchUpFace()
{
    if (m_faceStale && isOnScreen()) {
        m_faceStale = false;
        Timer1_Timer();
    }
}

// ---- Window state ----

WindowStates::State frmNimbex::WindowState() const
{
    return m_states->state();
}

void frmNimbex::setFullScreenView(bool on)
{
    // The caption only shows fScreen: the two never disagree.
    fScreen = on;
    Frame1->Command1->setText(
        on ? tr("Normal")
           : QCoreApplication::translate("FaceDesign", FaceDesign::Command1.caption));
}

void frmNimbex::showNormalView()
{
    m_states->restoreNormalSize();
    placeFrame(frameLeft, frameNormalTop);
    setFullScreenView(false);
}

void frmNimbex::fallBackToNormalView()
{
    if (!fScreen.equalsTrue())
        return;
    m_states->request(WindowStates::Normal);
    showNormalView();
}

void frmNimbex::placeFrame(double leftTwips, double topTwips)
{
    Frame1->move(Twips::point(leftTwips, topTwips));
}

void frmNimbex::centreFrameOnWindow()
{
    // Centred on the outer window, title bar and border included, at the size it really has: a
    // window manager maximises later or not at all, and then the face stays inside.
    const QSize outer = frameGeometry().size();
    const double W = Twips::fromPixels(outer.width()), H = Twips::fromPixels(outer.height());
    const double w = frameWidth, h = frameHeight;
    const float left = float(W / 2 - w / 2), top = float(H / 2 - h / 2);
    placeFrame(left, top);
}

void frmNimbex::Form_Resize()
{
    switch (WindowState()) {
    case WindowStates::Minimised:
        // A window the window manager restored keeps Qt's "start iconic" hint, so the next
        // show() after a hide maps it minimised: finish the restore instead of hiding it.
        if (m_restoring) {
            m_restoring = false;
            m_states->request(viewState());
            break;
        }
        // Without a tray icon a hidden window could not be brought back.
        if (trayIconShowing())
            hide();
        break;
    case WindowStates::Normal:
        m_restoring = false;
        showNormalView();
        break;
    case WindowStates::Maximised:
        break;
    }
}

void frmNimbex::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    catchUpFace();
    if (!m_shownOnce) {
        m_shownOnce = true;
        // The window is on screen when the window system says so, and the face catches up
        // before that first frame.
        if (QWindow* window = windowHandle())
            window->installEventFilter(this);
        Form_Resize();
    }
}

void frmNimbex::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_states->follow(static_cast<QWindowStateChangeEvent*>(event)->oldState());
        catchUpFace();
        if (m_shownOnce)
            Form_Resize();
    }
}

bool frmNimbex::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && isOnScreen()) {
        // A restore is over once the window is back on screen, whatever states it went through.
        m_restoring = false;
        catchUpFace();
    }
    return QWidget::eventFilter(watched, event);
}

void frmNimbex::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The window manager maximises asynchronously: keep the full-screen face centred on the size
    // the window really got.
    if (fScreen.equalsTrue() && WindowState() == WindowStates::Maximised)
        centreFrameOnWindow();
}

void frmNimbex::closeEvent(QCloseEvent* event)
{
    // Alt+F4, a close button drawn by the window manager anyway, or logging out: end as Close
    // does, so no tray icon or dialog stays behind without the window.
    event->accept();
    Command4_Click();
}

// ---- Commands ----

void frmNimbex::Command1_Click()
{
    if (!fScreen.equalsTrue()) {
        m_states->request(WindowStates::Maximised);
        centreFrameOnWindow();
        setFullScreenView(true);
    } else {
        m_states->request(WindowStates::Normal);
        showNormalView();
    }
}

void frmNimbex::Command2_Click()
{
    // One already open from the menu is brought forward and waited for.
    frmOptions::load(this)->showModal();
    readCheat();
    readColor();
    readCheatNum();
}

void frmNimbex::Command3_Click()
{
    if (trayIconShowing())
        hide();
    else if (m_desktop.minimisedCanComeBack)
        m_states->request(WindowStates::Minimised);
    // Otherwise nothing on this desktop could bring it back: it stays where it is.
    sHidden = true;
}

void frmNimbex::Command4_Click()
{
    Shell_NotifyIconA(modSystray::NIM_DELETE, &modSystray::trayIcon);
    QCoreApplication::exit(0);
}

void frmNimbex::Exit_Click()
{
    Command4_Click();
}

void frmNimbex::Options_Click()
{
    frmOptions::load(this)->showModeless();
    // Before the user can act in the dialog: what it saves reaches the clock at the next re-read.
    readCheat();
    readCheatNum();
    readColor();
}

void frmNimbex::Show_Click()
{
    // Brings the window back however it was hidden, also by minimising before any "Hide to Tray".
    restore();
}

WindowStates::State frmNimbex::viewState() const
{
    return fScreen.equalsTrue() ? WindowStates::Maximised : WindowStates::Normal;
}

void frmNimbex::restore()
{
    m_restoring = isHidden();
    m_states->request(viewState());
    show();
    raise();
    activateWindow();
}

// ---- The tray icon ----

bool frmNimbex::event(QEvent* event)
{
    // Only the tray layer raises these; real pointer movement never reaches Form_MouseMove.
    if (event->type() == TrayMouseEvent::eventType()) {
        const auto* e = static_cast<TrayMouseEvent*>(event);
        Form_MouseMove(e->Button, e->Shift, e->X, e->Y);
        return true;
    }
    return QWidget::event(event);
}

void frmNimbex::Form_MouseMove(short, short, float X, float)
{
    const int code = TrayMessage::codeFromX(X, ScaleMode, Twips::perPixel);
    switch (TrayMessage::actionFor(code)) {
    case TrayMessage::Action::Restore:
        if (sHidden.equalsTrue())
            restore();
        break;
    case TrayMessage::Action::PopupMenu:
        File->exec(QCursor::pos());
        break;
    case TrayMessage::Action::None:
        break;
    }
}

void frmNimbex::keepReachable()
{
    // A tray host that dies takes the only way back to a hidden window with it: put the window
    // on the task bar instead, or on screen where the desktop has none. When the host returns,
    // the icon comes back by itself.
    if (!m_shownOnce || !isHidden() || trayIconShowing())
        return;
    if (m_desktop.minimisedCanComeBack)
        showMinimized();
    else
        show();
}

bool frmNimbex::trayIconShowing() const
{
    const ShellTray* shell = ShellTray::instance();
    return shell && shell->isShowing(modSystray::trayIcon.hWnd, modSystray::trayIcon.uID);
}
