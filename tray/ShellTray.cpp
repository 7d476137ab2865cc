#include "tray/ShellTray.h"

#include "tray/RightDoubleClicks.h"
#include "tray/ShowAfterFirstFrame.h"
#include "tray/TrayMessage.h"
#include "tray/TrayMouseEvent.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QMenu>
#include <QWidget>
#include <algorithm>

namespace {

ShellTray* theShellTray = nullptr;

// Handles start away from zero so a record that was never filled names nothing.
constexpr quint32 firstHandle = 0x100;

int codeFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return TrayMessage::WM_LBUTTONUP;
    case QSystemTrayIcon::DoubleClick:
        return TrayMessage::WM_LBUTTONDBLCLK; // after the WM_LBUTTONUP of its first click
    case QSystemTrayIcon::Context:
        return TrayMessage::WM_RBUTTONUP;
    case QSystemTrayIcon::MiddleClick:
        return TrayMessage::WM_MBUTTONUP;
    default:
        return 0;
    }
}

} // namespace

ShellTray::ShellTray(const Desktop& desktop, QObject* parent) : QObject(parent), m_desktop(desktop)
{
    Q_ASSERT(!theShellTray);
    theShellTray = this;
}

ShellTray::~ShellTray()
{
    theShellTray = nullptr;
}

ShellTray* ShellTray::instance()
{
    return theShellTray;
}

int Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA* lpData)
{
    ShellTray* shell = ShellTray::instance();
    if (!shell || !lpData || lpData->cbSize != sizeof(NOTIFYICONDATA))
        return 0;
    switch (dwMessage) {
    case modSystray::NIM_ADD:
        return shell->add(*lpData);
    case modSystray::NIM_DELETE:
        return shell->remove(*lpData);
    default:
        return 0;
    }
}

quint32 ShellTray::windowHandle(QWidget* window)
{
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it) {
        if (it.value() == window)
            return it.key();
    }
    const quint32 handle = firstHandle + quint32(m_windows.size());
    m_windows.insert(handle, window);
    return handle;
}

QWidget* ShellTray::window(quint32 hWnd) const
{
    return m_windows.value(hWnd);
}

quint32 ShellTray::iconHandle(const QIcon& icon)
{
    m_icons.push_back(icon);
    return firstHandle + quint32(m_icons.size() - 1);
}

QIcon ShellTray::icon(quint32 hIcon) const
{
    if (hIcon < firstHandle || hIcon - firstHandle >= m_icons.size())
        return {};
    return m_icons[hIcon - firstHandle];
}

bool ShellTray::exists(quint32 hWnd, quint32 uID) const
{
    const auto it = m_trayIcons.constFind(key(hWnd, uID));
    return it != m_trayIcons.constEnd() && it->icon;
}

bool ShellTray::isShowing(quint32 hWnd, quint32 uID) const
{
    return exists(hWnd, uID) && m_desktop.tray != Desktop::Tray::None &&
           QSystemTrayIcon::isSystemTrayAvailable();
}

QString ShellTray::toolTip(quint32 hWnd, quint32 uID) const
{
    const auto it = m_trayIcons.constFind(key(hWnd, uID));
    return it != m_trayIcons.constEnd() && it->icon ? it->icon->toolTip() : QString();
}

void ShellTray::setMenu(quint32 hWnd, QMenu* menu)
{
    m_menus.insert(hWnd, menu);
    if (m_desktop.tray != Desktop::Tray::StatusNotifierHost)
        return;
    for (auto it = m_trayIcons.cbegin(); it != m_trayIcons.cend(); ++it) {
        if (quint32(it.key() >> 32) == hWnd && it->icon)
            it->icon->setContextMenu(menu);
    }
}

int ShellTray::add(const NOTIFYICONDATA& record)
{
    QWidget* owner = window(record.hWnd);
    if (!owner || m_trayIcons.contains(key(record.hWnd, record.uID)))
        return 0;
    // Owned by the window, so a window that goes takes its icons with it.
    auto* icon = new QSystemTrayIcon(owner);
    if (record.uFlags & modSystray::NIF_ICON)
        icon->setIcon(this->icon(record.hIcon));
    if (record.uFlags & modSystray::NIF_TIP) {
        // The tip ends at its NUL; the blanks after it never show.
        const auto end = std::find(record.szTip.begin(), record.szTip.end(), '\0');
        icon->setToolTip(QString::fromLocal8Bit(record.szTip.data(), end - record.szTip.begin()));
    }
    const quint32 hWnd = record.hWnd, uID = record.uID;
    connect(icon, &QSystemTrayIcon::activated, this,
            [this, hWnd, uID](QSystemTrayIcon::ActivationReason reason) {
                activated(hWnd, uID, reason);
            });
    // Forgotten with its icon, unless the key holds a newer icon by then.
    connect(icon, &QObject::destroyed, this, [this, k = key(hWnd, uID)] {
        if (const auto it = m_trayIcons.find(k); it != m_trayIcons.end() && !it->icon)
            m_trayIcons.erase(it);
    });
    m_trayIcons.insert(key(hWnd, uID), {icon, record.uFlags, record.uCallbackMessage});

    const bool possible = m_desktop.tray != Desktop::Tray::None;
    // A host draws the menu itself; an XEmbed area leaves it to the window, which would otherwise
    // see Qt's menu and its own.
    if (m_desktop.tray == Desktop::Tray::StatusNotifierHost) {
        icon->setContextMenu(m_menus.value(hWnd));
    } else if (possible && !m_watchingRightDoubleClicks) {
        m_watchingRightDoubleClicks = true;
        qApp->installEventFilter(
            new RightDoubleClicks([this](QPoint at) { rightDoubleClicked(at); }, this));
    }
    // Qt shows the icon as soon as a notification area appears, even if there is none yet.
    if (possible && owner->isVisible())
        icon->show();
    else if (possible)
        new ShowAfterFirstFrame(icon, owner);
    return possible && QSystemTrayIcon::isSystemTrayAvailable() ? 1 : 0;
}

int ShellTray::remove(const NOTIFYICONDATA& record)
{
    const Entry entry = m_trayIcons.take(key(record.hWnd, record.uID));
    if (!entry.icon)
        return 0;
    entry.icon->hide();
    entry.icon->deleteLater();
    return 1;
}

void ShellTray::activated(quint32 hWnd, quint32 uID, QSystemTrayIcon::ActivationReason reason)
{
    // A host that asks for the menu rather than drawing the one it was given gets it at the
    // pointer. Wayland tells no program where the pointer is, and there a menu opened without a
    // click on one of the program's own windows becomes a window of its own (tiled across the
    // screen while the clock is hidden): the only trays there are StatusNotifierItem hosts,
    // which have the menu.
    if (reason == QSystemTrayIcon::Context && !m_desktop.menuAtPointer)
        return;
    if (const int code = codeFor(reason))
        deliver(hWnd, uID, code);
}

void ShellTray::deliver(quint32 hWnd, quint32 uID, int code)
{
    const auto it = m_trayIcons.constFind(key(hWnd, uID));
    if (it == m_trayIcons.constEnd() || !(it->uFlags & modSystray::NIF_MESSAGE) ||
        it->uCallbackMessage != TrayMessage::WM_MOUSEMOVE)
        return;
    if (QWidget* w = window(hWnd)) {
        // As the shell does: the message number travels as the pointer's X in pixels, and the
        // window sees it converted to twips.
        QCoreApplication::postEvent(w, new TrayMouseEvent(0, 0, float(code * Twips::perPixel), 0));
    }
}

// The second click of a right double-click on an XEmbed icon: the shell reports it with its
// button-up like the first, so it opens the menu again.
void ShellTray::rightDoubleClicked(QPoint at)
{
    for (auto it = m_trayIcons.cbegin(); it != m_trayIcons.cend(); ++it) {
        if (it->icon && it->icon->geometry().contains(at)) {
            const auto hWnd = quint32(it.key() >> 32), uID = quint32(it.key());
            deliver(hWnd, uID, TrayMessage::WM_RBUTTONDBLCLK);
            deliver(hWnd, uID, TrayMessage::WM_RBUTTONUP);
            return;
        }
    }
}
