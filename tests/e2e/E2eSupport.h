#pragma once

#include <QDateTime>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// Runs the real program on the test's X display and looks at it as a user would: through its
// window on the screen, the pixels there and xdotool. Each object has a settings folder and a
// home of its own, so runs never see each other's choices. Needs xdotool and xwininfo; a
// frozen clock needs libfaketime.
class E2eSupport
{
public:
    E2eSupport();
    ~E2eSupport();

    E2eSupport(const E2eSupport&) = delete;
    E2eSupport& operator=(const E2eSupport&) = delete;

    // The program under test (NIMBEX_BINARY).
    static QString binary();

    // Before start(): the program's clock shows this local time and stands still; its timers
    // still run on real time.
    void setFrozenTime(const QDateTime& local);
    void setEnvironment(const QString& name, const QString& value);

    // The program's per-user settings file, and a choice put there before it starts.
    QString configHome() const;
    QString settingsFile() const;
    void seedSetting(const QString& key, const QString& text) const;

    bool start(const QStringList& arguments = {});
    qint64 pid() const;
    bool isRunning() const;
    // Standard output and error so far.
    QByteArray output();
    bool waitForExit(int timeoutMs);
    int exitCode() const;
    // Asks the program to end, then kills it if it does not.
    void stop(int timeoutMs = 5000);

    // The first visible top-level window of the program whose title matches the pattern (a
    // regular expression, as xdotool takes it); empty when none appears in time.
    QString waitForWindow(const QString& titlePattern = QStringLiteral("^Nimbex"),
                          int timeoutMs = 15000) const;
    // The window's client area in screen pixels; null when the window is gone.
    static QRect clientGeometry(const QString& window);
    // What the screen shows in that area (frames and windows above it included).
    static QImage grabScreen(const QRect& area);
    static QImage grabClient(const QString& window);

    // Whether the window is mapped and viewable ("IsViewable"), unmapped, or gone (empty).
    static QString mapState(const QString& window);
    // The window manager's view of it: "Normal", "Iconic", "Withdrawn", or empty when unknown.
    static QString wmState(const QString& window);
    // The program's windows that the notification area has taken in (their parent is not the
    // root window): its tray icons.
    QStringList trayIconWindows() const;
    // All the program's windows that are viewable now.
    QStringList visibleWindows() const;
    // Moves the pointer to a screen position and clicks a button there (1 left, 3 right).
    static bool click(const QPoint& at, int button = 1, int repeat = 1);

    // Runs xdotool; its standard output, or nothing when it fails or times out.
    static std::optional<QString> xdotool(const QStringList& arguments, int timeoutMs = 10000);

private:
    QTemporaryDir m_home;
    QProcessEnvironment m_environment;
    QProcess m_process;
    QByteArray m_output;
};

// The notification area on the test's display (trayer), for tests that take it away and bring
// it back.
namespace E2eTrayHost {

// Its process, found through its windows; 0 when there is none.
qint64 pid();
// Starts one as tests/e2e/xsession.sh does, detached, and waits for its window; its process id,
// or 0 when none came up in time.
qint64 start(int timeoutMs = 10000);
// Ends the process and waits until its windows are gone.
bool stop(qint64 pid, int timeoutMs = 5000);

} // namespace E2eTrayHost
