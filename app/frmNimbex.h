#pragma once

#include "app/ClockFace.h"
#include "app/FileMenu.h"
#include "app/Variant.h"
#include "app/WindowStates.h"
#include "ui/Desktop.h"

#include <QColor>
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
    // The window is loaded as it is created; the first tick follows at the next second. It
    // carries out its states as the desktop allows (by default one with no tray, where a
    // minimised window can come back).
    explicit frmNimbex(const Clock& clock, const Desktop& desktop = {}, QWidget* parent = nullptr);
    ~frmNimbex() override;

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

    WindowStates::State WindowState() const;

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
    // Read by the tick and the tray handler; each keeps the design's name. A Variant is empty,
    // which is not True, until it is first set.
    Variant cHidden;   // the aids show (the weights and the decimal read-out): setting "Cheat"
    Variant fScreen;   // the full-screen view is on; a restore from the tray returns to it
    Variant sHidden;   // "Hide to Tray" was used: only then does a click on the icon restore
    bool cNum = false; // the bit labels show "0" or "1" over every lamp: setting "CheatNum"
    QString onColor;   // the colour text of a lit lamp, as the setting "Color" holds it
    // The unit of the window's coordinates, twips (1): the tray decoding converts from it.
    static constexpr int ScaleMode = 1;

    void readCheat();
    void readCheatNum();
    void readColor();
    void placeFrame(double leftTwips, double topTwips);
    void centreFrameOnWindow();
    void setFullScreenView(bool on);
    void showNormalView();
    void fallBackToNormalView();
    WindowStates::State viewState() const;
    void restore();
    bool isOnScreen() const;
    bool trayIconShowing() const;
    void keepReachable();
    void tickWhenShown();
    void catchUpFace();

    const Clock& m_clock;
    const Desktop m_desktop;
    bool m_shownOnce = false;
    bool m_faceStale = false; // a tick was saved while nothing showed
    bool m_restoring = false; // shown again from the tray; not to be hidden on the way
    WindowStates* m_states = nullptr;
};
