#pragma once

#include "app/ClockFace.h"
#include "app/FileMenu.h"
#include "app/Variant.h"

#include <QColor>
#include <QRect>
#include <QWidget>

class Clock;
class QTimer;
class SecondTimer;

// The clock window: its face Frame1 with the four buttons, the tick that shows the time on it,
// the commands, and the hidden File menu that pops up from the tray icon.
class frmNimbex : public QWidget
{
    Q_OBJECT

public:
    // The window is loaded as it is created; the first tick follows at the next second.
    explicit frmNimbex(const Clock& clock, QWidget* parent = nullptr);
    ~frmNimbex() override;

    // State read by the tick and the tray handler; each Variant holds a Boolean once set.
    Variant cHidden;
    Variant fScreen;
    Variant sHidden;
    bool cNum = false;
    QString onColor;

    // The face and the buttons: every control but the menu lies inside it.
    ClockFace* Frame1 = nullptr;

    SecondTimer* Timer1 = nullptr;

    // The tray icon's menu.
    FileMenu* File = nullptr;

    // Handlers.
    void Form_Load();
    void Form_Resize();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Exit_Click();
    void Options_Click();
    void Show_Click();
    // The tray icon's mouse messages; X carries the message number (see TrayMessage).
    void Form_MouseMove(short Button, short Shift, float X, float Y);

    // The window's coordinates are twips; the tray decoding depends on it.
    int ScaleMode = 1;

    // 0 normal, 1 minimised, 2 maximised.
    int WindowState() const;
    void setWindowStateValue(int state);

    // The colour a lit lamp shows for onColor; the default blue when the text is not a colour.
    QColor litColor() const { return Frame1->litColor(onColor); }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void readCheat();
    void readCheatNum();
    void readColor();
    void placeFrame(double leftTwips, double topTwips);
    void centreFrameOnWindow();
    void followWindowState(Qt::WindowStates oldState);
    void liftSizeLimits();
    bool sizeLimitsLifted() const;
    void restoreNormalSize();
    void showNormalView();
    void checkMaximised();
    bool isOnScreen() const;
    bool trayIconShowing() const;
    void keepReachable();
    void tickWhenShown();
    void catchUpFace();

    const Clock& m_clock;
    QRect m_normalGeometry;
    bool m_shownOnce = false;
    bool m_faceStale = false; // a tick was saved while nothing showed
    bool m_restoring = false; // shown again from the tray; not to be hidden on the way
    QTimer* m_maximiseCheck = nullptr;
};
