#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

// A straight line drawn on its parent between two points, its pen centred on them. The widget
// covers just the line's band and takes no input.
class Line : public QWidget
{
    Q_OBJECT

public:
    explicit Line(QWidget* parent);

    // Ends in the parent's pixels, pen width in pixels.
    void setLine(const QPoint& from, const QPoint& to, int width, const QColor& color);

    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }
    int penWidth() const { return m_width; }
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    int m_width = 1;
    QColor m_color;
};
