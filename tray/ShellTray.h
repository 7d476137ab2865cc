#pragma once

#include "tray/modSystray.h"

#include <QIcon>
#include <QtGlobal>

class QMenu;
class QWidget;

// What the desktop shell does for the tray calls, on Qt: the icons behind Shell_NotifyIconA, and
// the 32-bit handles the record uses for windows and icons.
class ShellTray
{
public:
    // A stable handle for the window; the window's icons go when it is destroyed.
    static quint32 windowHandle(QWidget* window);
    static QWidget* window(quint32 hWnd);

    static quint32 iconHandle(const QIcon& icon);
    static QIcon icon(quint32 hIcon);

    // Whether the icon (hWnd, uID) exists and a notification area is there to show it.
    static bool isShowing(quint32 hWnd, quint32 uID);
    static bool exists(quint32 hWnd, quint32 uID);
    static QString toolTip(quint32 hWnd, quint32 uID);

    // The window's menu for its icons. A notification area that draws menus itself (a
    // StatusNotifierItem host) is given it; elsewhere the window pops it up on a right click.
    static void setMenu(quint32 hWnd, QMenu* menu);
};

// Adds (NIM_ADD) or removes (NIM_DELETE) the icon the record names by (hWnd, uID). Nonzero on
// success.
int Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA* lpData);
