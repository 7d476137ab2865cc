#include "about/Line.h"

#include <QPainter>
#include <QPen>
#include <QRect>

Line::Line(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setLine(const QPoint& from, const QPoint& to, int width, const QColor& color)
{
    m_from = from;
    m_to = to;
    m_width = qMax(1, width);
    m_color = color;
    const int margin = m_width;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(m_color, m_width, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    const QPoint origin = geometry().topLeft();
    painter.drawLine(m_from - origin, m_to - origin);
}
