#include "tray/RightDoubleClicks.h"

#include <QMouseEvent>

RightDoubleClicks::RightDoubleClicks(std::function<void(QPoint)> onRightDoubleClick,
                                     QObject* parent)
    : QObject(parent), m_onRightDoubleClick(std::move(onRightDoubleClick))
{}

bool RightDoubleClicks::eventFilter(QObject* watched, QEvent* event)
{
    // The icon's window is Qt's own and has no public class: it is known by its class name.
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && watched->isWidgetType() &&
        qstrcmp(watched->metaObject()->className(), "QSystemTrayIconSys") == 0)
        m_onRightDoubleClick(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    return QObject::eventFilter(watched, event);
}
