#include "RefFace.h"

#include <QPaintEvent>
#include <QPainter>
#include <array>

namespace {

struct Column
{
    int left;
    int lamps; // weights 1, 2, 4, 8 from the bottom up
};

// Hours tens, hours units, minutes tens, minutes units, seconds tens, seconds units.
constexpr std::array<Column, 6> columns{
    {{64, 2}, {128, 4}, {192, 3}, {256, 4}, {320, 3}, {384, 4}}};
constexpr int lampWidth = 57, lampHeight = 49, rowPitch = 56, bottomRow = 208;

} // namespace

RefFace::RefFace(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Reference clock"));
    setFixedSize(510, 339);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
}

quint32 RefFace::bitsFor(const QTime& time)
{
    const int values[3] = {time.hour(), time.minute(), time.second()};
    quint32 bits = 0;
    int shift = 0;
    // Walk the columns from the right so the seconds units take the low bits.
    for (int field = 2; field >= 0; --field) {
        const int units = values[field] % 10, tens = values[field] / 10;
        bits |= quint32(units) << shift;
        shift += 4;
        const int tensLamps = field == 0 ? 2 : 3;
        bits |= quint32(tens & ((1 << tensLamps) - 1)) << shift;
        shift += tensLamps;
    }
    return bits;
}

QRect RefFace::lampRect(int bit)
{
    for (int field = 2; field >= 0; --field) {
        for (int c : {2 * field + 1, 2 * field}) {
            if (bit < columns[c].lamps)
                return {columns[c].left, bottomRow - bit * rowPitch, lampWidth, lampHeight};
            bit -= columns[c].lamps;
        }
    }
    return {};
}

void RefFace::showTime(const QTime& time)
{
    const quint32 bits = bitsFor(time);
    const quint32 changed = bits ^ m_bits;
    m_bits = bits;
    for (int bit = 0; bit < lampCount; ++bit) {
        if (changed & (1u << bit))
            update(lampRect(bit));
    }
}

void RefFace::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // Width 0: the one-pixel cosmetic outline, the raster engine's fast path.
    p.setPen(QPen(Qt::black, 0));
    for (int bit = 0; bit < lampCount; ++bit) {
        const QRect r = lampRect(bit);
        if (!event->region().intersects(r))
            continue;
        p.fillRect(r, (m_bits >> bit) & 1 ? QColor(0, 0, 255) : QColor(Qt::white));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void RefFace::mousePressEvent(QMouseEvent*)
{
    hide();
}
