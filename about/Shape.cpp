#include "about/Shape.h"

#include <QPainter>

Shape::Shape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setShapeRect(const QRect& rect)
{
    m_rect = rect;
    updateGeometry();
}

void Shape::setBorderWidth(int pixels)
{
    m_borderWidth = qMax(0, pixels);
    m_fill = QColor();
    updateGeometry();
}

void Shape::setFillColor(const QColor& color)
{
    m_fill = color;
    m_borderWidth = 0;
    updateGeometry();
}

void Shape::updateGeometry()
{
    const int outside = m_borderWidth / 2;
    setGeometry(m_rect.adjusted(-outside, -outside, outside, outside));
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The rectangle in this widget's coordinates.
    const QRect r(m_rect.topLeft() - geometry().topLeft(), m_rect.size());
    if (m_fill.isValid()) {
        painter.fillRect(r, m_fill);
        return;
    }
    if (m_borderWidth <= 0)
        return;
    // The band of the border: from half its width outside the edge to the rest inside.
    const int outside = m_borderWidth / 2;
    const int inside = m_borderWidth - outside;
    const QRect outer = r.adjusted(-outside, -outside, outside, outside);
    const QRect inner = r.adjusted(inside, inside, -inside, -inside);
    const QColor color = palette().color(QPalette::WindowText);
    if (inner.isEmpty()) {
        painter.fillRect(outer, color);
        return;
    }
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), inner.top() - outer.top()),
                     color);
    painter.fillRect(
        QRect(outer.left(), inner.bottom() + 1, outer.width(), outer.bottom() - inner.bottom()),
        color);
    painter.fillRect(QRect(outer.left(), inner.top(), inner.left() - outer.left(), inner.height()),
                     color);
    painter.fillRect(
        QRect(inner.right() + 1, inner.top(), outer.right() - inner.right(), inner.height()),
        color);
}
