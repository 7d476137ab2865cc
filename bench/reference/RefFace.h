#pragma once

#include "app/FaceDesign.h"

#include <QTime>
#include <QWidget>

// The yardstick: a window of the clock's size with its twenty lamps where the clock has them
// (FaceDesign), painted straight from the bits of HH:MM:SS, nothing else. Whatever the clock
// spends beyond this is its own.
class RefFace : public QWidget
{
public:
    explicit RefFace(QWidget* parent = nullptr);

    static constexpr int lampCount = FaceDesign::lampCount;

    // Lamps lit for a time of day, one bit per lamp: seconds units first, hours tens last.
    static quint32 bitsFor(const QTime& time);

    // Repaints only the lamps that change, as a careful hand-written clock would.
    void showTime(const QTime& time);

    static QRect lampRect(int bit);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A click hides the window, as the clock's "Hide to Tray" does.
    void mousePressEvent(QMouseEvent* event) override;

private:
    quint32 m_bits = 0;
};
