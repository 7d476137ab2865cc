#pragma once

#include "app/FaceDesign.h"

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
// do is the window's. The lamps and labels are made from FaceDesign's tables and carry the names
// designed for them ("h12", "lblh22", "lblh2"): find them by name.
class ClockFace : public QWidget
{
    Q_OBJECT

public:
    explicit ClockFace(QWidget* parent);

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
    void buildLamps();
    void buildButtons();

    // Both in the order of FaceDesign::lamps.
    std::array<Lamp*, FaceDesign::lampCount> m_lamps{};
    std::array<QLabel*, FaceDesign::lampCount> m_bitLabels{};
    std::vector<QLabel*> m_cheatLabels;
    // The decimal read-out by field, units then tens.
    std::array<std::array<QLabel*, 2>, 3> m_readouts{};
};
