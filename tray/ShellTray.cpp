#include "tray/ShellTray.h"

#include "tray/RightDoubleClicks.h"
#include "tray/TrayMessage.h"
#include "tray/TrayMouseEvent.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QHash>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace {

struct Entry
{
    QPointer<QSystemTrayIcon> icon;
    quint32 uFlags = 0;
    quint32 uCallbackMessage = 0;
};

// Qt puts its tray icons on a StatusNotifierItem host over D-Bus instead of an XEmbed area when,
// at its first tray icon, the watcher says a host is registered; it never changes its mind. This
// asks the same question before Qt does, so the answer stays the same as Qt's.
bool onStatusNotifierHost()
{
    static const bool answer = [] {
        const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected() || !bus.interface() ||
            !bus.interface()->isServiceRegistered(watcher))
            return false;
        // A plain property read: an interface object would introspect the watcher first, and
        // the bus keeps what introspection learns until the program ends, unfreed.
        QDBusMessage get = QDBusMessage::createMethodCall(
            watcher, QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
        const QDBusReply<QDBusVariant> registered = bus.call(get);
        return registered.isValid() && registered.value().variant().toBool();
    }();
    return answer;
}

// XEmbed areas exist only on X11: elsewhere on these systems, without a StatusNotifierItem host,
// nothing could ever show the icon, and Qt would only warn that it cannot watch for an area.
bool trayPossible()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return onStatusNotifierHost() ||
           QGuiApplication::platformName().compare(QLatin1String("xcb"), Qt::CaseInsensitive) == 0;
#else
    return true;
#endif
}

// A host that asks for the menu rather than drawing the one it was given gets it at the pointer.
// Wayland tells no program where the pointer is, and there a menu opened without a click on one
// of the program's own windows becomes a window of its own (tiled across the screen while the
// clock is hidden): the only trays there are StatusNotifierItem hosts, which have the menu.
bool menuAtPointer()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QHash<quint32, QPointer<QMenu>>& menus()
{
    static QHash<quint32, QPointer<QMenu>> table;
    return table;
}

quint64 key(quint32 hWnd, quint32 uID)
{
    return (quint64(hWnd) << 32) | uID;
}

// Handles start away from zero so a record that was never filled names nothing.
constexpr quint32 firstHandle = 0x100;

QHash<quint32, QPointer<QWidget>>& windows()
{
    static QHash<quint32, QPointer<QWidget>> table;
    return table;
}

std::vector<QIcon>& icons()
{
    static std::vector<QIcon> table;
    return table;
}

QHash<quint64, Entry>& trayIcons()
{
    static QHash<quint64, Entry> table;
    return table;
}

void deliver(quint32 hWnd, quint32 uID, int code)
{
    const auto it = trayIcons().constFind(key(hWnd, uID));
    if (it == trayIcons().constEnd() || !(it->uFlags & modSystray::NIF_MESSAGE) ||
        it->uCallbackMessage != TrayMessage::WM_MOUSEMOVE)
        return;
    if (QWidget* w = ShellTray::window(hWnd)) {
        // As the shell does: the message number travels as the pointer's X in pixels, and the
        // window sees it converted to twips.
        QCoreApplication::postEvent(w, new TrayMouseEvent(0, 0, float(code * Twips::perPixel), 0));
    }
}

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
        return 520; // WM_MBUTTONUP
    default:
        return 0;
    }
}

void apply(QSystemTrayIcon* icon, const NOTIFYICONDATA& record)
{
    if (record.uFlags & modSystray::NIF_ICON)
        icon->setIcon(ShellTray::icon(record.hIcon));
    if (record.uFlags & modSystray::NIF_TIP) {
        // The tip ends at its NUL; the blanks after it never show.
        const auto end = std::find(record.szTip.begin(), record.szTip.end(), '\0');
        icon->setToolTip(QString::fromLocal8Bit(record.szTip.data(), end - record.szTip.begin()));
    }
}

// The second click of a right double-click on an XEmbed icon: the shell reports it with its
// button-up like the first, so it opens the menu again.
void watchRightDoubleClicks()
{
    static bool watching = false;
    if (watching)
        return;
    watching = true;
    qApp->installEventFilter(new RightDoubleClicks(
        [](QPoint at) {
            for (auto it = trayIcons().cbegin(); it != trayIcons().cend(); ++it) {
                if (it->icon && it->icon->geometry().contains(at)) {
                    const auto hWnd = quint32(it.key() >> 32), uID = quint32(it.key());
                    deliver(hWnd, uID, TrayMessage::WM_RBUTTONDBLCLK);
                    deliver(hWnd, uID, TrayMessage::WM_RBUTTONUP);
                    return;
                }
            }
        },
        qApp));
}

// Docking in an XEmbed area, or registering with a StatusNotifierItem host, takes round trips
// that the window's first frame need not wait for: the icon of a window still to be shown shows
// once the window has painted, or after a second if it never does.
class ShowAfterFirstFrame : public QObject
{
public:
    ShowAfterFirstFrame(QSystemTrayIcon* icon, QWidget* owner) : QObject(icon), m_owner(owner)
    {
        owner->installEventFilter(this);
        QTimer::singleShot(1000, this, &ShowAfterFirstFrame::show);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) // shown once the frame is out
            QTimer::singleShot(0, this, &ShowAfterFirstFrame::show);
        return false;
    }

private:
    void show()
    {
        if (m_owner)
            m_owner->removeEventFilter(this);
        if (!m_shown)
            static_cast<QSystemTrayIcon*>(parent())->show();
        m_shown = true;
        deleteLater();
    }

    QPointer<QWidget> m_owner;
    bool m_shown = false;
};

int add(const NOTIFYICONDATA& record)
{
    QWidget* owner = ShellTray::window(record.hWnd);
    if (!owner || trayIcons().contains(key(record.hWnd, record.uID)))
        return 0;
    const bool possible = trayPossible(); // before Qt makes up its mind at the first icon
    // Owned by the window, so a window that goes takes its icons with it.
    auto* icon = new QSystemTrayIcon(owner);
    apply(icon, record);
    const quint32 hWnd = record.hWnd, uID = record.uID;
    QObject::connect(icon, &QSystemTrayIcon::activated, icon,
                     [hWnd, uID](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Context && !menuAtPointer())
                             return;
                         if (const int code = codeFor(reason))
                             deliver(hWnd, uID, code);
                     });
    // Forgotten with its icon, unless the key holds a newer icon by then.
    QObject::connect(icon, &QObject::destroyed, [k = key(hWnd, uID)] {
        if (const auto it = trayIcons().find(k); it != trayIcons().end() && !it->icon)
            trayIcons().erase(it);
    });
    trayIcons().insert(key(hWnd, uID), {icon, record.uFlags, record.uCallbackMessage});
    // A host draws the menu itself; an XEmbed area leaves it to the window, which would otherwise
    // see Qt's menu and its own.
    if (onStatusNotifierHost())
        icon->setContextMenu(menus().value(hWnd));
    else if (possible) // an XEmbed area
        watchRightDoubleClicks();
    // Qt shows the icon as soon as a notification area appears, even if there is none yet.
    if (possible && owner->isVisible())
        icon->show();
    else if (possible)
        new ShowAfterFirstFrame(icon, owner);
    return possible && QSystemTrayIcon::isSystemTrayAvailable() ? 1 : 0;
}

int remove(const NOTIFYICONDATA& record)
{
    const Entry entry = trayIcons().take(key(record.hWnd, record.uID));
    if (!entry.icon)
        return 0;
    entry.icon->hide();
    entry.icon->deleteLater();
    return 1;
}

} // namespace

int Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA* lpData)
{
    if (!lpData || lpData->cbSize != sizeof(NOTIFYICONDATA))
        return 0;
    switch (dwMessage) {
    case modSystray::NIM_ADD:
        return add(*lpData);
    case modSystray::NIM_DELETE:
        return remove(*lpData);
    default:
        return 0;
    }
}

quint32 ShellTray::windowHandle(QWidget* window)
{
    for (auto it = windows().cbegin(); it != windows().cend(); ++it) {
        if (it.value() == window)
            return it.key();
    }
    const quint32 handle = firstHandle + quint32(windows().size());
    windows().insert(handle, window);
    return handle;
}

QWidget* ShellTray::window(quint32 hWnd)
{
    return windows().value(hWnd);
}

quint32 ShellTray::iconHandle(const QIcon& icon)
{
    icons().push_back(icon);
    return firstHandle + quint32(icons().size() - 1);
}

QIcon ShellTray::icon(quint32 hIcon)
{
    if (hIcon < firstHandle || hIcon - firstHandle >= icons().size())
        return {};
    return icons()[hIcon - firstHandle];
}

bool ShellTray::exists(quint32 hWnd, quint32 uID)
{
    const auto it = trayIcons().constFind(key(hWnd, uID));
    return it != trayIcons().constEnd() && it->icon;
}

bool ShellTray::isShowing(quint32 hWnd, quint32 uID)
{
    return exists(hWnd, uID) && trayPossible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void ShellTray::setMenu(quint32 hWnd, QMenu* menu)
{
    menus().insert(hWnd, menu);
    if (!onStatusNotifierHost())
        return;
    for (auto it = trayIcons().cbegin(); it != trayIcons().cend(); ++it) {
        if (quint32(it.key() >> 32) == hWnd && it->icon)
            it->icon->setContextMenu(menu);
    }
}

QString ShellTray::toolTip(quint32 hWnd, quint32 uID)
{
    const auto it = trayIcons().constFind(key(hWnd, uID));
    return it != trayIcons().constEnd() && it->icon ? it->icon->toolTip() : QString();
}
