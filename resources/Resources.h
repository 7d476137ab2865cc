#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The pictures compiled into the program: the clock icon and the link pointer.
class Resources
{
public:
    static QIcon appIcon();
    static QPixmap icon32();
    static QCursor handCursor();
};
