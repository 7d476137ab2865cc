#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <vector>

class Lamp;
class QLabel;
class QPushButton;
class QTime;

// The clock window's frame Frame1 and all it holds: 20 lamps in six columns of binary-coded
// decimal (HH MM SS, weights 8-4-2-1), a "0"/"1" label over every lamp, the cheat labels (weights
// and decimal read-out) and the window's four buttons. It shows a time of day; what the buttons
// do is the window's.
class ClockFace : public QWidget
{
    Q_OBJECT

public:
    explicit ClockFace(QWidget* parent);

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

    // The colour a lit lamp shows for a colour text; the default blue when the text is not a
    // colour.
    QColor litColor(const QString& colorText) const;

    // Shows the time of day with the lamps of its set bits in `lit`, and the two aids shown or
    // hidden; painted before it returns.
    void showTime(const QTime& time, const QColor& lit, bool cheatLabels, bool bitLabels);

private:
    // One field's controls: its read-out labels and where its lamps stand in m_lamps: the units
    // lamps of weights 1, 2, 4, 8 from firstLamp on, then its tens lamps of weights 1, 2(, 4).
    struct FieldControls
    {
        QLabel* unitsReadout;
        QLabel* tensReadout;
        int firstLamp;
        int tensLamps;
        int maxTens;
    };

    void buildLamps();
    void buildButtons();

    std::vector<Lamp*> m_lamps;              // s1, s2, s4, s8, s11, s12, s14, m1 ... h12
    std::vector<QLabel*> m_bitLabels;        // lbls11, lbls12, ... lblh22
    std::vector<QLabel*> m_cheatLabels;      // lbl1, lbl2, lbl4, lbl8, lbls1 ... lblc2
    std::array<FieldControls, 3> m_fields{}; // seconds, minutes, hours
};
