#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

// Every position and size in the design is in twips (1/1440 inch). Qt lays widgets out in
// device-independent pixels, 96 per inch, so 15 twips make one pixel; HiDPI scaling happens
// below this, in Qt, which keeps the face crisp at any scale factor.
namespace Twips {

inline constexpr double perPixel = 15.0;

inline int toPixels(double twips)
{
    return qRound(twips / perPixel);
}
inline QPoint point(double left, double top)
{
    return {toPixels(left), toPixels(top)};
}
inline QSize size(double width, double height)
{
    return {toPixels(width), toPixels(height)};
}
inline QRect rect(double left, double top, double width, double height)
{
    return {point(left, top), size(width, height)};
}
inline double fromPixels(int pixels)
{
    return pixels * perPixel;
}

// Fonts are designed in points; Qt is given whole pixels so that text does not shift with the
// screen's reported dpi (20.25 pt is 27 px, 8.25 pt is 11 px).
inline int pointsToPixels(double points)
{
    return qRound(points * 96.0 / 72.0);
}

} // namespace Twips
