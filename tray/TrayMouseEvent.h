#pragma once

#include <QEvent>

// A tray icon's mouse message on its way to the window that owns the icon: the window's
// mouse-move event with the message number in X (in the window's scale unit). Real pointer
// movement never produces one.
class TrayMouseEvent : public QEvent
{
public:
    TrayMouseEvent(short button, short shift, float x, float y)
        : QEvent(eventType()), Button(button), Shift(shift), X(x), Y(y)
    {}

    static QEvent::Type eventType();

    const short Button;
    const short Shift;
    const float X;
    const float Y;
};
