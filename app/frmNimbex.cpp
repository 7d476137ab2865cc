#include "app/frmNimbex.h"

#include "app/BcdDigits.h"
#include "app/Clock.h"
#include "app/Lamp.h"
#include "app/SecondTimer.h"
#include "app/WindowStates.h"
#include "resources/Resources.h"
#include "settings/BoolText.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/frmOptions.h"
#include "tray/ShellTray.h"
#include "tray/TrayMessage.h"
#include "tray/TrayMouseEvent.h"
#include "tray/modSystray.h"
#include "ui/ColorValue.h"
#include "ui/Fonts.h"
#include "ui/SystemColors.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// Twips of the design.
constexpr double clientWidth = 7650, clientHeight = 5085;
constexpr double frameLeft = 840, frameDesignTop = 240, frameNormalTop = 360;
constexpr double frameWidth = 6735, frameHeight = 4695;
constexpr double lampWidth = 855, lampHeight = 735;
constexpr double labelHeight = 495, bitLabelDrop = 120;
constexpr double buttonTop = 4200, buttonWidth = 1455, buttonHeight = 375;
constexpr double faceFontPoints = 20.25, buttonFontPoints = 8.25;

const QString fullScreenCaption = QStringLiteral("Full Screen");
const QString normalCaption = QStringLiteral("Normal");

struct LampDesign
{
    Lamp* frmNimbex::*lamp;
    QLabel* frmNimbex::*bit;
    const char* lampName;
    const char* bitName;
    double left, top;
};

// Columns stand 960 twips apart, rows 840; the tens columns lack the weights they never need.
const LampDesign lampDesigns[] = {
    {&frmNimbex::h12, &frmNimbex::lblh22, "h12", "lblh22", 120, 1920},
    {&frmNimbex::h11, &frmNimbex::lblh21, "h11", "lblh21", 120, 2760},
    {&frmNimbex::h8, &frmNimbex::lblh18, "h8", "lblh18", 1080, 240},
    {&frmNimbex::h4, &frmNimbex::lblh14, "h4", "lblh14", 1080, 1080},
    {&frmNimbex::h2, &frmNimbex::lblh12, "h2", "lblh12", 1080, 1920},
    {&frmNimbex::h1, &frmNimbex::lblh11, "h1", "lblh11", 1080, 2760},
    {&frmNimbex::m14, &frmNimbex::lblm24, "m14", "lblm24", 2040, 1080},
    {&frmNimbex::m12, &frmNimbex::lblm22, "m12", "lblm22", 2040, 1920},
    {&frmNimbex::m11, &frmNimbex::lblm21, "m11", "lblm21", 2040, 2760},
    {&frmNimbex::m8, &frmNimbex::lblm18, "m8", "lblm18", 3000, 240},
    {&frmNimbex::m4, &frmNimbex::lblm14, "m4", "lblm14", 3000, 1080},
    {&frmNimbex::m2, &frmNimbex::lblm12, "m2", "lblm12", 3000, 1920},
    {&frmNimbex::m1, &frmNimbex::lblm11, "m1", "lblm11", 3000, 2760},
    {&frmNimbex::s14, &frmNimbex::lbls24, "s14", "lbls24", 3960, 1080},
    {&frmNimbex::s12, &frmNimbex::lbls22, "s12", "lbls22", 3960, 1920},
    {&frmNimbex::s11, &frmNimbex::lbls21, "s11", "lbls21", 3960, 2760},
    {&frmNimbex::s8, &frmNimbex::lbls18, "s8", "lbls18", 4920, 240},
    {&frmNimbex::s4, &frmNimbex::lbls14, "s4", "lbls14", 4920, 1080},
    {&frmNimbex::s2, &frmNimbex::lbls12, "s2", "lbls12", 4920, 1920},
    {&frmNimbex::s1, &frmNimbex::lbls11, "s1", "lbls11", 4920, 2760},
};

struct CheatDesign
{
    QLabel* frmNimbex::*label;
    const char* name;
    const char* caption;
    double left, top, width;
    Qt::Alignment align;
};

// In the order the tick switches them.
const CheatDesign cheatDesigns[] = {
    {&frmNimbex::lbl1, "lbl1", "1", 5880, 2880, 855, Qt::AlignHCenter},
    {&frmNimbex::lbl2, "lbl2", "2", 5880, 2040, 855, Qt::AlignHCenter},
    {&frmNimbex::lbl4, "lbl4", "4", 5880, 1200, 855, Qt::AlignHCenter},
    {&frmNimbex::lbl8, "lbl8", "8", 5880, 360, 855, Qt::AlignHCenter},
    {&frmNimbex::lbls1, "lbls1", "S1", 4920, 3600, 855, Qt::AlignHCenter},
    {&frmNimbex::lbls2, "lbls2", "S2", 3960, 3600, 855, Qt::AlignHCenter},
    {&frmNimbex::lblm1, "lblm1", "M1", 3000, 3600, 855, Qt::AlignHCenter},
    {&frmNimbex::lblm2, "lblm2", "M2", 2040, 3600, 855, Qt::AlignHCenter},
    {&frmNimbex::lblh1, "lblh1", "H1", 1080, 3600, 855, Qt::AlignHCenter},
    {&frmNimbex::lblh2, "lblh2", "H2", 120, 3600, 855, Qt::AlignHCenter},
    {&frmNimbex::lblc1, "lblc1", ":", 3840, 3600, 255, Qt::AlignLeft},
    {&frmNimbex::lblc2, "lblc2", ":", 1920, 3600, 255, Qt::AlignLeft},
};

// "m14" is the minutes-tens lamp of weight 4, "h8" the hours-units lamp of weight 8.
QString lampAccessibleName(const char* name)
{
    const QString n = QString::fromLatin1(name);
    const QString field = n[0] == QLatin1Char('h')   ? QStringLiteral("Hours")
                          : n[0] == QLatin1Char('m') ? QStringLiteral("Minutes")
                                                     : QStringLiteral("Seconds");
    const bool tens = n.size() == 3;
    return QStringLiteral("%1 %2, weight %3")
        .arg(field, tens ? QStringLiteral("tens") : QStringLiteral("units"), n.back());
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                  Qt::Alignment align, const QFont& font)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(geometry);
    label->hide();
    return label;
}

QPalette whitePalette(QPalette palette)
{
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    return palette;
}

} // namespace

frmNimbex::frmNimbex(const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_clock(clock)
{
    setObjectName(QStringLiteral("frmNimbex"));
    setWindowTitle(QStringLiteral("Nimbex - Copyright \u00A9 2026 Vantrel"));
    setWindowIcon(Resources::appIcon());
    setPalette(whitePalette(palette()));
    setAutoFillBackground(true);
    m_states = new WindowStates(this, Twips::size(clientWidth, clientHeight));

    buildLayout();
    buildMenu();

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

void frmNimbex::buildLayout()
{
    Frame1 = new QWidget(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAutoFillBackground(true);
    Frame1->setGeometry(Twips::rect(frameLeft, frameDesignTop, frameWidth, frameHeight));
    Frame1->setAccessibleName(QStringLiteral("Clock face"));
    Frame1->setAccessibleDescription(QStringLiteral("Binary clock: hours, minutes and seconds"));

    const QFont faceFont = Fonts::tahoma(faceFontPoints, true);

    // Lamps first, so the bit labels created after them lie on top.
    for (const LampDesign& d : lampDesigns) {
        auto* lamp = new Lamp(Frame1);
        lamp->setObjectName(QLatin1String(d.lampName));
        lamp->setAccessibleName(lampAccessibleName(d.lampName));
        lamp->setGeometry(Twips::rect(d.left, d.top, lampWidth, lampHeight));
        this->*d.lamp = lamp;
    }
    for (const LampDesign& d : lampDesigns) {
        this->*d.bit = makeLabel(Frame1, d.bitName, QStringLiteral("0"),
                                 Twips::rect(d.left, d.top + bitLabelDrop, lampWidth, labelHeight),
                                 Qt::AlignHCenter, faceFont);
    }
    for (const CheatDesign& d : cheatDesigns) {
        QLabel* label =
            makeLabel(Frame1, d.name, QString::fromLatin1(d.caption),
                      Twips::rect(d.left, d.top, d.width, labelHeight), d.align, faceFont);
        this->*d.label = label;
        m_cheatLabels.push_back(label);
    }

    // Seconds, minutes, hours: the order the tick walks them, and the order of lamps().
    m_fields = {{{lbls1, lbls2, 0, 3, BcdDigits::sexagesimalMaxTens},
                 {lblm1, lblm2, 7, 3, BcdDigits::sexagesimalMaxTens},
                 {lblh1, lblh2, 14, 2, BcdDigits::hoursMaxTens}}};
    const std::array<std::array<Lamp*, 7>, 3> lampsByField{{
        {s1, s2, s4, s8, s11, s12, s14},
        {m1, m2, m4, m8, m11, m12, m14},
        {h1, h2, h4, h8, h11, h12, nullptr},
    }};
    const std::array<std::array<QLabel*, 7>, 3> bitsByField{{
        {lbls11, lbls12, lbls14, lbls18, lbls21, lbls22, lbls24},
        {lblm11, lblm12, lblm14, lblm18, lblm21, lblm22, lblm24},
        {lblh11, lblh12, lblh14, lblh18, lblh21, lblh22, nullptr},
    }};
    for (int f = 0; f < 3; ++f) {
        for (int i = 0; i < 7 && lampsByField[f][i]; ++i) {
            m_lamps.push_back(lampsByField[f][i]);
            m_bitLabels.push_back(bitsByField[f][i]);
        }
    }

    // Created in tab order: "Full Screen", "Close", "Hide to Tray", "Options"; they read
    // "Hide to Tray", "Full Screen", "Close", "Options" from left to right.
    const QFont buttonFont = Fonts::tahoma(buttonFontPoints, true);
    auto makeButton = [&](const char* name, const QString& caption, double left) {
        auto* button = new QPushButton(caption, Frame1);
        button->setObjectName(QLatin1String(name));
        button->setFont(buttonFont);
        button->setPalette(whitePalette(button->palette()));
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setGeometry(Twips::rect(left, buttonTop, buttonWidth, buttonHeight));
        return button;
    };
    Command1 = makeButton("Command1", fullScreenCaption, 1560);
    Command4 = makeButton("Command4", QStringLiteral("Close"), 3120);
    Command3 = makeButton("Command3", QStringLiteral("Hide to Tray"), 0);
    Command2 = makeButton("Command2", QStringLiteral("Options"), 4680);
    setTabOrder(Command1, Command4);
    setTabOrder(Command4, Command3);
    setTabOrder(Command3, Command2);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &frmNimbex::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmNimbex::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmNimbex::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmNimbex::Command4_Click);
}

void frmNimbex::buildMenu()
{
    File = new QMenu(QStringLiteral("File"), this);
    File->setObjectName(QStringLiteral("File"));
    File->setAccessibleName(QStringLiteral("Nimbex menu"));
    Show = File->addAction(QStringLiteral("&Show"));
    Show->setObjectName(QStringLiteral("Show"));
    Options = File->addAction(QStringLiteral("&Options"));
    Options->setObjectName(QStringLiteral("Options"));
    gap1 = File->addSeparator();
    gap1->setObjectName(QStringLiteral("gap1"));
    Exit = File->addAction(QStringLiteral("E&xit"));
    Exit->setObjectName(QStringLiteral("Exit"));
    connect(Show, &QAction::triggered, this, &frmNimbex::Show_Click);
    connect(Options, &QAction::triggered, this, &frmNimbex::Options_Click);
    connect(Exit, &QAction::triggered, this, &frmNimbex::Exit_Click);
}

void frmNimbex::readCheat()
{
    cHidden = SettingsStore::Read(Settings::application, Settings::section, Settings::cheatKey,
                                  Settings::defaultCheat);
}

void frmNimbex::readCheatNum()
{
    cNum = BoolText::toBool(SettingsStore::Read(Settings::application, Settings::section,
                                                Settings::cheatNumKey, Settings::defaultCheatNum));
}

void frmNimbex::readColor()
{
    onColor = SettingsStore::Read(Settings::application, Settings::section, Settings::colorKey,
                                  Settings::defaultColor);
}

void frmNimbex::Form_Load()
{
    Timer1->setEnabled(true);
    sHidden = false;
    readCheat();
    readCheatNum();

    using namespace modSystray;
    trayIcon.cbSize = sizeof(NOTIFYICONDATA);
    trayIcon.hWnd = ShellTray::windowHandle(this);
    trayIcon.uID = 1;
    trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIcon.uCallbackMessage = TrayMessage::WM_MOUSEMOVE;
    trayIcon.hIcon = ShellTray::iconHandle(windowIcon());
    setTip(trayIcon, "Nimbex - DoubleClick to Show");
    ShellTray::setMenu(trayIcon.hWnd, File);
    Shell_NotifyIconA(NIM_ADD, &trayIcon);

    readColor();
}

// ---- The tick ----

QColor frmNimbex::litColor() const
{
    const std::optional<quint32> value = ColorValue::fromText(onColor);
    std::optional<QColor> color;
    if (value)
        color = SystemColors::toQColor(*value, palette());
    if (!color)
        color = SystemColors::toQColor(ColorValue::defaultLit, palette());
    return *color;
}

void frmNimbex::Timer1_Timer()
{
    const QTime now = m_clock.now().time();

    // What the tick changes, in Frame1's coordinates, to be painted before the tick returns.
    QRegion changed;
    const auto show = [&](QLabel* label, bool visible) {
        if (label->isHidden() == visible) {
            label->setVisible(visible);
            changed += label->geometry();
        }
    };
    const auto write = [&](QLabel* label, const QString& text) {
        if (label->text() != text) {
            label->setText(text);
            changed += label->geometry();
        }
    };

    const bool cheat = cHidden.equalsTrue();
    for (QLabel* label : m_cheatLabels)
        show(label, cheat);
    for (QLabel* label : m_bitLabels)
        show(label, cNum);

    // The face is worked out in full first, every lamp reset and then lit, and handed to the
    // controls at the end, so only what really changed is repainted.
    constexpr int lampCount = 20;
    std::array<QColor, lampCount> colours;
    colours.fill(*SystemColors::toQColor(ColorValue::unlit, palette()));
    std::array<bool, lampCount> ones{};

    const QColor lit = litColor();
    const int values[3] = {now.second(), now.minute(), now.hour()};
    for (int f = 0; f < 3; ++f) {
        const FieldControls& field = m_fields[f];
        const BcdField face = BcdDigits::field(values[f], field.maxTens);
        write(field.unitsReadout, face.unitsReadout);
        write(field.tensReadout, face.tensReadout);
        for (int i = 0; i < 4; ++i) {
            if (face.unitsWeights & (1 << i)) {
                colours[field.firstLamp + i] = lit;
                ones[field.firstLamp + i] = true;
            }
        }
        for (int i = 0; i < field.tensLamps; ++i) {
            if (face.tensWeights & (1 << i)) {
                colours[field.firstLamp + 4 + i] = lit;
                ones[field.firstLamp + 4 + i] = true;
            }
        }
    }
    for (int i = 0; i < lampCount; ++i) {
        if (m_lamps[i]->BackColor() != colours[i]) {
            m_lamps[i]->setBackColor(colours[i]);
            changed += m_lamps[i]->geometry();
        }
        write(m_bitLabels[i], ones[i] ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // What a screen reader says for the face; nothing on screen changes with it.
    const auto two = [](int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    Frame1->setAccessibleName(two(now.hour()) + QLatin1Char(':') + two(now.minute()) +
                              QLatin1Char(':') + two(now.second()));

    // Painted and flushed once now, in this wake-up, rather than at a posted update request a
    // turn of the event loop later; the second is to show within a millisecond of its start.
    Frame1->repaint(changed);
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
    Command1->setText(on ? normalCaption : fullScreenCaption);
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
    else if (WindowStates::minimisedCanComeBack())
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
    if (WindowStates::minimisedCanComeBack())
        showMinimized();
    else
        show();
}

bool frmNimbex::trayIconShowing() const
{
    return ShellTray::isShowing(modSystray::trayIcon.hWnd, modSystray::trayIcon.uID);
}
