#pragma once

#include "tray/modSystray.h"
#include "ui/Desktop.h"

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <vector>

class QMenu;
class QWidget;

// What the desktop shell does for the tray calls, on Qt: the icons behind Shell_NotifyIconA, and
// the 32-bit handles the record uses for windows and icons. The application makes one and it
// lasts as long as the application; Shell_NotifyIconA reaches it through instance().
class ShellTray : public QObject
{
public:
    explicit ShellTray(const Desktop& desktop, QObject* parent = nullptr);
    ~ShellTray() override;

    // The one there is, or null.
    static ShellTray* instance();

    // A stable handle for the window; the window's icons go when it is destroyed.
    quint32 windowHandle(QWidget* window);
    QWidget* window(quint32 hWnd) const;

    quint32 iconHandle(const QIcon& icon);
    QIcon icon(quint32 hIcon) const;

    // Whether the icon (hWnd, uID) exists and a notification area is there to show it.
    bool isShowing(quint32 hWnd, quint32 uID) const;
    bool exists(quint32 hWnd, quint32 uID) const;
    QString toolTip(quint32 hWnd, quint32 uID) const;

    // The window's menu for its icons. A notification area that draws menus itself (a
    // StatusNotifierItem host) is given it; elsewhere the window pops it up on a right click.
    void setMenu(quint32 hWnd, QMenu* menu);

private:
    friend int Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA* lpData);

    struct Entry
    {
        QPointer<QSystemTrayIcon> icon;
        quint32 uFlags = 0;
        quint32 uCallbackMessage = 0;
    };

    static quint64 key(quint32 hWnd, quint32 uID) { return (quint64(hWnd) << 32) | uID; }
    int add(const NOTIFYICONDATA& record);
    int remove(const NOTIFYICONDATA& record);
    void activated(quint32 hWnd, quint32 uID, QSystemTrayIcon::ActivationReason reason);
    void deliver(quint32 hWnd, quint32 uID, int code);
    void rightDoubleClicked(QPoint at);

    const Desktop m_desktop;
    QHash<quint32, QPointer<QWidget>> m_windows;
    std::vector<QIcon> m_icons; // by handle, from the first on
    QHash<quint32, QPointer<QMenu>> m_menus;
    QHash<quint64, Entry> m_trayIcons;
    bool m_watchingRightDoubleClicks = false;
};

// Adds (NIM_ADD) or removes (NIM_DELETE) the icon the record names by (hWnd, uID). Nonzero on
// success; nothing succeeds while no ShellTray exists.
int Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA* lpData);
