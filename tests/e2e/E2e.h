#pragma once

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QTime>

// Drives the real program on the desktop tests/e2e/desktop.sh started (X11 or sway), as a user
// would: its windows on screen, their pixels, the keyboard and pointer, and the tray over D-Bus.
namespace E2e {

bool wayland();
// A command's standard output; empty when it fails, and ok says whether it did.
QByteArray run(const QString& program, const QStringList& arguments, bool* ok = nullptr);
// What the screen shows in that area.
QImage grab(const QRect& area);
bool click(const QPoint& at, int button = 1);
// Key names as xdotool takes them; wtype gets the same names.
bool keys(const QStringList& names);

// The time the face in a normal window's client area shows with lamps lit in that colour, among
// the two minutes from `from`; invalid when it shows none of them.
QTime faceTime(const QImage& client, QTime from, const QColor& lit);

// The registered StatusNotifierItem's bus name; empty when none is.
QString sniItem();
// gdbus call on the session bus: destination, object path, method, then its arguments.
QByteArray sniCall(const QString& path, const QString& method, const QStringList& arguments);

} // namespace E2e

// One run of the program with a home of its own.
class App
{
public:
    App();
    ~App();
    // The time of day it starts from; it runs on from there.
    void startFrom(QTime t);
    QString settingsFile() const;
    bool start();
    QProcess& process() { return m_process; }
    // The client area of its visible window with that title (a regular expression); null when
    // none shows within the time.
    QRect window(const QString& title = QStringLiteral("^Nimbex - "), int timeoutMs = 10000);
    // The centre of one of the four buttons of the normal window; on Wayland the key presses
    // that reach it from the first focus.
    QPoint button(const QRect& client, int left) const;
    bool press(const QRect& client, int left);

private:
    QTemporaryDir m_home;
    QProcess m_process;
};

// The buttons' lefts, in twips.
enum Button
{
    HideToTray = 0,
    FullScreen = 1560,
    CloseButton = 3120,
    Options = 4680
};
