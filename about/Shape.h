#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

// A rectangle drawn on its parent: either an outline whose border is centred on the rectangle's
// edge (half of a thick border lies outside it, half inside) in the window-text colour, or a
// solid fill without border. It takes no input, so clicks reach what lies beneath.
class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget* parent);

    // The rectangle in the parent's pixels. The widget itself is larger by half the border on
    // every side, because a widget cannot paint outside itself.
    void setShapeRect(const QRect& rect);
    QRect shapeRect() const { return m_rect; }

    // An outline this many pixels wide; the inside stays transparent.
    void setBorderWidth(int pixels);
    int borderWidth() const { return m_borderWidth; }

    // A solid fill and no border.
    void setFillColor(const QColor& color);
    QColor fillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateGeometry();

    QRect m_rect;
    int m_borderWidth = 1;
    QColor m_fill; // invalid: transparent inside
};
