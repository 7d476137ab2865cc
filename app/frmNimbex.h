#pragma once

#include "app/Variant.h"
#include "app/WindowStates.h"

#include <QColor>
#include <QWidget>
#include <array>
#include <vector>

class Clock;
class Lamp;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class SecondTimer;

// The clock window: 20 lamps in six columns of binary-coded decimal (HH MM SS, weights 8-4-2-1),
// a "0"/"1" label over every lamp, the cheat labels (weights and decimal read-out), four buttons
// and the hidden File menu that pops up from the tray icon.
class frmNimbex : public QWidget
{
    Q_OBJECT

public:
    // The window is loaded as it is created; the first tick follows at the next second.
    explicit frmNimbex(const Clock& clock, QWidget* parent = nullptr);
    ~frmNimbex() override;

    // State read by the tick and the tray handler. cHidden keeps the stored text as read;
    // fScreen and sHidden hold a Boolean once set.
    Variant cHidden;
    Variant fScreen;
    Variant sHidden;
    bool cNum = false;
    QString onColor;

    // The container of the whole face and the buttons.
    QWidget* Frame1 = nullptr;

    // Lamps: field letter, then the weight (units) or "1" and the weight (tens).
    Lamp *h12 = nullptr, *h11 = nullptr, *h8 = nullptr, *h4 = nullptr, *h2 = nullptr, *h1 = nullptr;
    Lamp *m14 = nullptr, *m12 = nullptr, *m11 = nullptr, *m8 = nullptr, *m4 = nullptr,
         *m2 = nullptr, *m1 = nullptr;
    Lamp *s14 = nullptr, *s12 = nullptr, *s11 = nullptr, *s8 = nullptr, *s4 = nullptr,
         *s2 = nullptr, *s1 = nullptr;

    // Bit labels: "lbl", field letter, digit position (2 tens, 1 units), weight.
    QLabel *lblh22 = nullptr, *lblh21 = nullptr, *lblh18 = nullptr, *lblh14 = nullptr,
           *lblh12 = nullptr, *lblh11 = nullptr;
    QLabel *lblm24 = nullptr, *lblm22 = nullptr, *lblm21 = nullptr, *lblm18 = nullptr,
           *lblm14 = nullptr, *lblm12 = nullptr, *lblm11 = nullptr;
    QLabel *lbls24 = nullptr, *lbls22 = nullptr, *lbls21 = nullptr, *lbls18 = nullptr,
           *lbls14 = nullptr, *lbls12 = nullptr, *lbls11 = nullptr;

    // Cheat labels: the decimal read-out, the two colons and the weight legends.
    QLabel *lblh2 = nullptr, *lblh1 = nullptr, *lblm2 = nullptr, *lblm1 = nullptr, *lbls2 = nullptr,
           *lbls1 = nullptr;
    QLabel *lblc2 = nullptr, *lblc1 = nullptr;
    QLabel *lbl8 = nullptr, *lbl4 = nullptr, *lbl2 = nullptr, *lbl1 = nullptr;

    QPushButton* Command1 = nullptr; // "Full Screen" / "Normal"
    QPushButton* Command2 = nullptr; // "Options"
    QPushButton* Command3 = nullptr; // "Hide to Tray"
    QPushButton* Command4 = nullptr; // "Close"

    SecondTimer* Timer1 = nullptr;

    // Never shown as a menu bar: the tray icon's menu, which a notification area may draw itself.
    QMenu* File = nullptr;
    QAction* Show = nullptr;
    QAction* Options = nullptr;
    QAction* gap1 = nullptr;
    QAction* Exit = nullptr;

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

    WindowStates::State WindowState() const;

    // The lamps and labels in the orders the tick walks them.
    const std::vector<Lamp*>& lamps() const { return m_lamps; }
    const std::vector<QLabel*>& bitLabels() const { return m_bitLabels; }
    const std::vector<QLabel*>& cheatLabels() const { return m_cheatLabels; }

    // The colour a lit lamp shows for onColor; the default blue when the text is not a colour.
    QColor litColor() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One field's controls: its read-out labels and where its lamps stand in lamps(): the units
    // lamps of weights 1, 2, 4, 8 from firstLamp on, then its tens lamps of weights 1, 2(, 4).
    struct FieldControls
    {
        QLabel* unitsReadout;
        QLabel* tensReadout;
        int firstLamp;
        int tensLamps;
        int maxTens;
    };

    void buildLayout();
    void buildMenu();
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
    std::vector<Lamp*> m_lamps;              // s1, s2, s4, s8, s11, s12, s14, m1 ... h12
    std::vector<QLabel*> m_bitLabels;        // lbls11, lbls12, ... lblh22
    std::vector<QLabel*> m_cheatLabels;      // lbl1, lbl2, lbl4, lbl8, lbls1 ... lblc2
    std::array<FieldControls, 3> m_fields{}; // seconds, minutes, hours
    bool m_shownOnce = false;
    bool m_faceStale = false; // a tick was saved while nothing showed
    bool m_restoring = false; // shown again from the tray; not to be hidden on the way
    WindowStates* m_states = nullptr;
};
