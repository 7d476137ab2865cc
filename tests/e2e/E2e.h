#pragma once

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTime>

// Drives the real program on the desktop scripts/desktop.sh started (X11 or sway) as a user
// would: its windows on screen, their pixels, the keyboard and the pointer.
namespace E2e {

bool wayland();
// Driven over the accessibility bus (tests/e2e/atspi.py), where nothing else reaches the program.
bool atspi();
QByteArray atspi(qint64 pid, const QStringList& arguments);
// A command's standard output; null when it fails.
QByteArray run(const QString& program, const QStringList& arguments);
// Null where the desktop lends no screenshots to a test (GNOME, KDE on Wayland).
QImage grab(const QRect& area);
bool click(const QPoint& at, int button = 1);
// Key names as xdotool takes them; wtype takes the same.
bool keys(const QStringList& names);
// The time, among the two minutes from `from`, that the face in a normal window's client area
// shows with lamps lit in that colour; invalid when it shows none of them.
QTime faceTime(const QImage& client, QTime from, const QColor& lit);

} // namespace E2e

// The buttons' lefts, in twips.
enum Button
{
    HideToTray = 0,
    FullScreen = 1560,
    Options = 4680
};

// One run of the program with a home of its own, started at once; from a time of day, when
// given, and on from there.
class App
{
public:
    explicit App(QTime from = {});
    ~App();
    QString settingsFile() const { return m_home.filePath(".config/Vantrel.conf"); }
    QProcess& process() { return m_process; }
    // What it printed so far, warnings included.
    QByteArray output();
    // The client area of its visible window with that title (a regular expression); null when
    // none shows within the time.
    QRect window(const QString& title = QStringLiteral("^Nimbex - "), int timeoutMs = 10000);
    // Presses a button of the normal window; on Wayland by keys from the first focus.
    bool press(const QRect& client, Button button);

private:
    QTemporaryDir m_home;
    QProcess m_process;
};
