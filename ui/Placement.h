#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where a dialog goes on the screen.
namespace Placement {

// Moves the window so that its outer frame, which the window manager makes like the frame of
// `framedLike` (when given), is centred on `centre`, kept inside `area` so the title bar stays
// within reach.
void centre(QWidget* window, const QWidget* framedLike, const QPoint& centre, const QRect& area);

} // namespace Placement
