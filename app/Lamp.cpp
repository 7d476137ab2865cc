#include "app/Lamp.h"

#include <QPainter>

Lamp::Lamp(QWidget* parent) : QWidget(parent)
{
    // Lamps paint every pixel themselves, so Qt need not clear behind them first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Lamp::setBackColor(const QColor& color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void Lamp::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_backColor);
    QPen pen(palette().color(QPalette::WindowText), 0, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
