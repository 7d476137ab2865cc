#include "RefFace.h"

#include "ui/Twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <tuple>

namespace {

// The clock's lamps where its normal view shows them, in the order of the bits: seconds units
// first, weights up, hours tens last.
const std::array<QRect, RefFace::lampCount>& lampRects()
{
    static const auto rects = [] {
        std::array<FaceDesign::Lamp, RefFace::lampCount> lamps;
        std::copy(std::begin(FaceDesign::lamps), std::end(FaceDesign::lamps), lamps.begin());
        std::sort(lamps.begin(), lamps.end(), [](const auto& a, const auto& b) {
            return std::tuple(a.field, a.digit, a.weight) < std::tuple(b.field, b.digit, b.weight);
        });
        std::array<QRect, RefFace::lampCount> r;
        for (int i = 0; i < RefFace::lampCount; ++i)
            r[i] = Twips::rect(FaceDesign::frameLeft + lamps[i].left,
                               FaceDesign::frameNormalTop + lamps[i].top, FaceDesign::lampWidth,
                               FaceDesign::lampHeight);
        return r;
    }();
    return rects;
}

} // namespace

RefFace::RefFace(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Reference clock"));
    setFixedSize(Twips::size(FaceDesign::clientWidth, FaceDesign::clientHeight));
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
    return lampRects()[bit];
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
