#pragma once

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <functional>
#include <memory>

// A busy machine slows every step on a desktop, so what must happen is waited for half a minute
// by the clock rather than Qt Test's count of five seconds' worth of tries, each of which may
// take a screenshot; only a step that never comes uses it all up.
#undef QTRY_VERIFY
#undef QTRY_VERIFY2
#undef QTRY_COMPARE
#define QTRY_VERIFY2(expr, message)                                                                \
    QVERIFY2(QTest::qWaitFor([&] { return bool(expr); }, E2e::patienceMs), message)
#define QTRY_VERIFY(expr) QTRY_VERIFY2(expr, #expr)
#define QTRY_COMPARE(expr, expected)                                                               \
    do {                                                                                           \
        (void)QTest::qWaitFor([&] { return (expr) == (expected); }, E2e::patienceMs);              \
        QCOMPARE(expr, expected);                                                                  \
    } while (false)

// Drives the real program on the desktop scripts/desktop.sh started (X11 or Wayland) as a user
// would: its windows on screen, their pixels, the keyboard and the pointer.
namespace E2e {

inline constexpr int patienceMs = 30000;

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
// What of a window's place the program decides: all of it on X11; on Wayland, where the
// compositor places windows, only the size.
QRect placement(const QRect& window);
// Whether the window with the keyboard focus has a title that matches (X11).
bool active(const QString& title);
// The area of the screen that panels leave free, as the X11 window manager tells it.
QRect workArea();
// Whether Motif window-manager hints, as xprop prints them, offer the maximise function.
bool offersMaximise(const QByteArray& hints);
// Whether a condition holds all through the next milliseconds: for what must not happen, which
// nothing announces. Everything that does happen is waited for until it shows instead.
bool stays(const std::function<bool()>& condition, int ms);
// The time, among the two minutes from `from`, that the face in a normal window's client area
// shows with lamps lit in that colour, every lamp in its exact place; invalid when it shows none.
QTime faceTime(const QImage& client, QTime from, const QColor& lit);

} // namespace E2e

// One run of the program with a home of its own, started at once; from a time of day, when
// given, and on from there.
class App
{
public:
    // `environment`: "NAME=value" pairs more.
    explicit App(QTime from = {}, const QStringList& environment = {});
    ~App();
    QString settingsFile() const { return m_home.filePath(".config/Vantrel.conf"); }
    QProcess& process() { return m_process; }
    // What it printed so far, warnings included.
    QByteArray output();
    // The client area of its visible window with that title (a regular expression); null when
    // none shows within the time, or the program has ended.
    QRect window(const QString& title = QStringLiteral("^Nimbex - "),
                 int timeoutMs = E2e::patienceMs);
    // X11: the outer rectangle of that visible window, with the frame the window manager drew
    // round it; null when none shows.
    QRect outer(const QString& title);
    // X11: a property of that visible window as xprop prints it, or every change to it from now
    // on as a process to read when done (xprop -spy).
    QByteArray property(const QString& title, const QString& name);
    std::unique_ptr<QProcess> watch(const QString& title, const QString& name);
    // Presses the button with that caption in the normal window, where the program puts it; on
    // sway by keys from the first focus, elsewhere on Wayland over the accessibility bus.
    bool press(const QRect& client, const QString& caption);

private:
    QTemporaryDir m_home;
    QProcess m_process;
};
