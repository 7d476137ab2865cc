#include "tray/TrayMouseEvent.h"

QEvent::Type TrayMouseEvent::eventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}
