#include "ui/Placement.h"

#include <QMargins>
#include <QWidget>

namespace Placement {

void centre(QWidget* window, const QWidget* framedLike, const QPoint& centre, const QRect& area)
{
    QMargins frame;
    if (framedLike) {
        const QRect outer = framedLike->frameGeometry();
        const QRect inner = framedLike->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(centre);
    outer.moveLeft(
        qBound(area.left(), outer.left(), qMax(area.left(), area.right() - outer.width() + 1)));
    outer.moveTop(
        qBound(area.top(), outer.top(), qMax(area.top(), area.bottom() - outer.height() + 1)));
    window->move(outer.topLeft());
}

} // namespace Placement
