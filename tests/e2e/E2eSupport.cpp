#include "E2eSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QThread>
#include <csignal>

namespace {

// ld.so fills in $LIB, so this holds on any multiarch layout.
const QString fakeTimeLibrary = QStringLiteral("/usr/$LIB/faketime/libfaketime.so.1");

struct Run
{
    bool ok = false;
    QByteArray out;
};

Run run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted(timeoutMs))
        return {};
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    const bool ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return {ok, p.readAllStandardOutput()};
}

} // namespace

E2eSupport::E2eSupport() : m_environment(QProcessEnvironment::systemEnvironment())
{
    QDir(m_home.path()).mkpath(QStringLiteral(".config"));
    m_environment.insert(QStringLiteral("HOME"), m_home.path());
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

E2eSupport::~E2eSupport()
{
    stop();
}

QString E2eSupport::binary()
{
    return qEnvironmentVariable("NIMBEX_BINARY");
}

void E2eSupport::setFrozenTime(const QDateTime& local)
{
    // An absolute FAKETIME stands still; the monotonic clock stays real so timers fire.
    setEnvironment(QStringLiteral("LD_PRELOAD"), fakeTimeLibrary);
    setEnvironment(QStringLiteral("FAKETIME"),
                   local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    setEnvironment(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
}

void E2eSupport::setEnvironment(const QString& name, const QString& value)
{
    m_environment.insert(name, value);
}

QString E2eSupport::configHome() const
{
    return QDir(m_home.path()).filePath(QStringLiteral(".config"));
}

QString E2eSupport::settingsFile() const
{
    return QDir(configHome()).filePath(QStringLiteral("Vantrel.conf"));
}

void E2eSupport::seedSetting(const QString& key, const QString& text) const
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Nimbex"));
    s.setValue(key, text);
}

bool E2eSupport::start(const QStringList& arguments)
{
    m_output.clear();
    m_process.setProcessEnvironment(m_environment);
    m_process.setWorkingDirectory(m_home.path());
    m_process.start(binary(), arguments);
    return m_process.waitForStarted(10000);
}

qint64 E2eSupport::pid() const
{
    return m_process.processId();
}

bool E2eSupport::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

QByteArray E2eSupport::output()
{
    m_output += m_process.readAll();
    return m_output;
}

bool E2eSupport::waitForExit(int timeoutMs)
{
    const bool done =
        m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
    output();
    return done;
}

int E2eSupport::exitCode() const
{
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

void E2eSupport::stop(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!waitForExit(timeoutMs)) {
        m_process.kill();
        waitForExit(timeoutMs);
    }
}

QString E2eSupport::waitForWindow(const QString& titlePattern, int timeoutMs) const
{
    if (!isRunning())
        return {};
    // --sync waits for the window itself; the timeout bounds it. --all: this process's window
    // with that title, not any window that meets either condition.
    const std::optional<QString> out =
        xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"),
                 QStringLiteral("--pid"), QString::number(pid()), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--name"), titlePattern},
                timeoutMs);
    return out ? out->section(QLatin1Char('\n'), 0, 0).trimmed() : QString();
}

QRect E2eSupport::clientGeometry(const QString& window)
{
    const Run r = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}, 10000);
    if (!r.ok)
        return {};
    const QString text = QString::fromLocal8Bit(r.out);
    const auto field = [&](const char* name) {
        const QRegularExpression re(QStringLiteral("^\\s*%1:\\s*(-?\\d+)\\s*$")
                                        .arg(QRegularExpression::escape(QLatin1String(name))),
                                    QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = re.match(text);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    const QRect rect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                     field("Height"));
    return rect.width() > 0 && rect.height() > 0 ? rect : QRect();
}

QImage E2eSupport::grabScreen(const QRect& area)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || area.isEmpty())
        return {};
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage E2eSupport::grabClient(const QString& window)
{
    return grabScreen(clientGeometry(window));
}

std::optional<QString> E2eSupport::xdotool(const QStringList& arguments, int timeoutMs)
{
    const Run r = run(QStringLiteral("xdotool"), arguments, timeoutMs);
    if (!r.ok)
        return std::nullopt;
    return QString::fromLocal8Bit(r.out);
}

QString E2eSupport::mapState(const QString& window)
{
    const Run r = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}, 10000);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Map State:\\s*(\\w+)"))
                                          .match(QString::fromLocal8Bit(r.out));
    return r.ok && m.hasMatch() ? m.captured(1) : QString();
}

QString E2eSupport::wmState(const QString& window)
{
    const Run r = run(QStringLiteral("xprop"),
                      {QStringLiteral("-id"), window, QStringLiteral("WM_STATE")}, 10000);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("window state:\\s*(\\w+)"))
                                          .match(QString::fromLocal8Bit(r.out));
    return r.ok && m.hasMatch() ? m.captured(1) : QString();
}

namespace {

QString parentOf(const QString& window)
{
    const Run r = run(QStringLiteral("xwininfo"),
                      {QStringLiteral("-id"), window, QStringLiteral("-tree")}, 10000);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Parent window id:\\s*(0x[0-9a-f]+)"))
            .match(QString::fromLocal8Bit(r.out));
    return r.ok && m.hasMatch() ? m.captured(1) : QString();
}

QString rootWindow()
{
    const Run r = run(QStringLiteral("xwininfo"), {QStringLiteral("-root")}, 10000);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Window id:\\s*(0x[0-9a-f]+)"))
            .match(QString::fromLocal8Bit(r.out));
    return m.hasMatch() ? m.captured(1) : QString();
}

QStringList windowsOf(qint64 pid, bool onlyVisible)
{
    QStringList args{QStringLiteral("search"), QStringLiteral("--pid"), QString::number(pid)};
    if (onlyVisible)
        args << QStringLiteral("--onlyvisible");
    const std::optional<QString> out = E2eSupport::xdotool(args);
    return out ? out->split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

} // namespace

QStringList E2eSupport::trayIconWindows() const
{
    if (!isRunning())
        return {};
    // Under a reparenting window manager every top-level has a parent other than the root, so
    // look for the notification area's windows among the ancestors instead.
    const std::optional<QString> trayers =
        xdotool({QStringLiteral("search"), QStringLiteral("--class"), QStringLiteral("trayer")});
    if (!trayers)
        return {};
    QSet<QString> trayWindows;
    for (const QString& id : trayers->split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        trayWindows.insert(QStringLiteral("0x%1").arg(id.toULongLong(), 0, 16));
    const QString root = rootWindow();
    QStringList icons;
    for (const QString& w : windowsOf(pid(), false)) {
        QString ancestor = parentOf(w);
        for (int depth = 0; depth < 6 && !ancestor.isEmpty() && ancestor != root; ++depth) {
            if (trayWindows.contains(ancestor)) {
                if (mapState(w) == QLatin1String("IsViewable"))
                    icons << w;
                break;
            }
            ancestor = parentOf(ancestor);
        }
    }
    return icons;
}

QStringList E2eSupport::visibleWindows() const
{
    return isRunning() ? windowsOf(pid(), true) : QStringList();
}

bool E2eSupport::click(const QPoint& at, int button, int repeat)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(repeat),
                    QStringLiteral("--delay"), QStringLiteral("120"), QString::number(button)})
        .has_value();
}

namespace E2eTrayHost {

qint64 pid()
{
    const std::optional<QString> windows = E2eSupport::xdotool(
        {QStringLiteral("search"), QStringLiteral("--class"), QStringLiteral("trayer")});
    if (!windows)
        return 0;
    for (const QString& w : windows->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const std::optional<QString> id =
            E2eSupport::xdotool({QStringLiteral("getwindowpid"), w.trimmed()});
        if (id && id->trimmed().toLongLong() > 0)
            return id->trimmed().toLongLong();
    }
    return 0;
}

qint64 start(int timeoutMs)
{
    QProcess trayer;
    trayer.setProgram(QStringLiteral("trayer"));
    // As tests/e2e/xsession.sh starts it.
    trayer.setArguments({"--edge", "bottom", "--align", "right", "--widthtype", "pixel", "--width",
                         "160", "--heighttype", "pixel", "--height", "32", "--SetDockType", "true",
                         "--SetPartialStrut", "true", "--transparent", "false"});
    trayer.setStandardOutputFile(QProcess::nullDevice());
    trayer.setStandardErrorFile(QProcess::nullDevice());
    qint64 id = 0;
    if (!trayer.startDetached(&id))
        return 0;
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (pid() == id)
            return id;
        QThread::msleep(50);
    }
    ::kill(pid_t(id), SIGTERM);
    return 0;
}

bool stop(qint64 pid, int timeoutMs)
{
    if (pid <= 0 || ::kill(pid_t(pid), SIGTERM) != 0)
        return false;
    // The process may linger unreaped by whoever started it; its windows go at once.
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (E2eTrayHost::pid() != pid)
            return true;
        QThread::msleep(50);
    }
    return false;
}

} // namespace E2eTrayHost
