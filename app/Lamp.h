#pragma once

#include <QColor>
#include <QWidget>

// One lamp of the face: an opaque rectangle filled with its BackColor, outlined by a one-pixel
// dotted line in the window-text colour.
class Lamp : public QWidget
{
    Q_OBJECT

public:
    explicit Lamp(QWidget* parent = nullptr);

    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_backColor = Qt::white;
};
