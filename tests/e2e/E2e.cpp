#include "E2e.h"

#include "support/Face.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

bool E2e::wayland()
{
    return qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

bool E2e::atspi()
{
    return qEnvironmentVariable("NIMBEX_DRIVE") == "atspi";
}

QByteArray E2e::atspi(qint64 pid, const QStringList& arguments)
{
    return run("/usr/bin/python3", QStringList{NIMBEX_ATSPI, QString::number(pid)} + arguments);
}

QByteArray E2e::run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(15000))
        p.kill();
    p.waitForFinished();
    const QByteArray out = p.readAllStandardOutput();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return out.isNull() ? QByteArray("") : out;
}

QImage E2e::grab(const QRect& r)
{
    const QString xy = QString("%1,%2").arg(r.x()).arg(r.y()),
                  size = QString("%1x%2").arg(r.width()).arg(r.height());
    const QString desktop = qEnvironmentVariable("NIMBEX_DESKTOP");
    if (desktop == "weston") {
        // It saves the whole screen in the working folder.
        QTemporaryDir dir;
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start("weston-screenshooter", {});
        p.waitForFinished(15000);
        const QStringList shot = QDir(dir.path()).entryList({"*.png"});
        return shot.isEmpty() ? QImage()
                              : QImage(dir.filePath(shot.first()))
                                    .convertToFormat(QImage::Format_RGB32)
                                    .copy(r);
    }
    if (wayland() && !desktop.startsWith("sway"))
        return {};
    const QByteArray png =
        wayland() ? run("grim", {"-g", xy + " " + size, "-"})
                  : run("import", {"-window", "root", "-crop",
                                   size + "+" + QString(xy).replace(',', '+'), "+repage", "png:-"});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

bool E2e::click(const QPoint& at, int button)
{
    return !run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                            QString::number(button)})
                .isNull();
}

bool E2e::keys(const QStringList& names)
{
    if (!wayland())
        return !run("xdotool", QStringList{"key", "--delay", "100"} + names).isNull();
    // A new virtual keyboard's key map needs a moment to reach the program.
    QStringList args{"-s", "2000"};
    for (const QString& name : names)
        args << "-k" << name << "-s"
             << "100";
    return !run("wtype", args).isNull();
}

QRect E2e::placement(const QRect& window)
{
    return wayland() ? QRect(QPoint(), window.size()) : window;
}

bool E2e::active(const QString& title)
{
    const QByteArray name = run("xdotool", {"getactivewindow", "getwindowname"}).trimmed();
    return !name.isNull() && QRegularExpression(title).match(QString::fromUtf8(name)).hasMatch();
}

namespace {

// The values of a property as xprop prints it: "NAME(TYPE) = a, b, ...".
QList<QByteArray> values(const QByteArray& property)
{
    const qsizetype eq = property.indexOf('=');
    return eq < 0 ? QList<QByteArray>() : property.mid(eq + 1).split(',');
}

} // namespace

QRect E2e::workArea()
{
    const QList<QByteArray> area = values(run("xprop", {"-root", "_NET_WORKAREA"}));
    return area.size() < 4
               ? QRect()
               : QRect(area[0].toInt(), area[1].toInt(), area[2].toInt(), area[3].toInt());
}

bool E2e::offersMaximise(const QByteArray& hints)
{
    // flags, functions, ...: without the functions flag every function is offered; with the
    // "all" bit the ones listed are those taken away.
    const QList<QByteArray> v = values(hints);
    const uint flags = v.value(0).trimmed().toUInt(nullptr, 16),
               functions = v.value(1).trimmed().toUInt(nullptr, 16);
    constexpr uint hasFunctions = 0x1, all = 0x1, maximise = 0x10;
    if (v.size() < 2) // no hints at all offer everything; no window offers nothing
        return hints.contains("not found");
    if (!(flags & hasFunctions))
        return true;
    return (functions & all) ? !(functions & maximise) : bool(functions & maximise);
}

bool E2e::stays(const std::function<bool()>& condition, int ms)
{
    for (const QDeadlineTimer deadline(ms); !deadline.hasExpired(); QTest::qWait(100))
        if (!condition())
            return false;
    return condition();
}

QTime E2e::faceTime(const QImage& client, QTime from, const QColor& lit)
{
    for (int s = 0; s < 120 && !client.isNull(); ++s) {
        const QTime t = from.addSecs(s);
        if (std::all_of(std::begin(Face::lamps), std::end(Face::lamps), [&](const auto& row) {
                return Face::lampShows(client, row, Face::isLit(row, t) ? lit : Qt::white);
            }))
            return t;
    }
    return {};
}

App::App(QTime from, const QStringList& environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : environment)
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    env.insert("HOME", m_home.path());
    env.insert("XDG_CONFIG_HOME", m_home.filePath(".config"));
    // Warnings would go to the journal when stderr is no terminal.
    env.insert("QT_FORCE_STDERR_LOGGING", "1");
    if (from.isValid()) {
        // ld.so fills in $LIB; the monotonic clock stays real so the timers fire on time.
        env.insert("LD_PRELOAD", "/usr/$LIB/faketime/libfaketime.so.1");
        env.insert("FAKETIME", "@2026-12-06 " + from.toString("HH:mm:ss"));
        env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
        // File times stay real: shifted ones make fontconfig find every font cache stale, rescan
        // all fonts before the window can open (a minute on a loaded machine) and, as root,
        // rewrite the shared caches so that the next program without libfaketime rescans too.
        env.insert("NO_FAKE_STAT", "1");
    }
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(qEnvironmentVariable("NIMBEX_BINARY"), QStringList());
}

App::~App()
{
    m_process.kill();
    m_process.waitForFinished();
}

QByteArray App::output()
{
    // Only a wait moves what the program printed into the buffer.
    m_process.waitForReadyRead(200);
    return m_process.readAll();
}

namespace {

QRect rectOf(const QJsonValue& v)
{
    return QRect(v["x"].toInt(), v["y"].toInt(), v["width"].toInt(), v["height"].toInt());
}

QRect swayWindow(const QJsonValue& node, qint64 pid, const QRegularExpression& title)
{
    if (node["pid"].toInteger() == pid && node["visible"].toBool() &&
        title.match(node["name"].toString()).hasMatch()) {
        // sway centres a surface smaller than the space it gave the window there, and may draw
        // it a pixel below the place it reports: the client area starts with the first white
        // row under the title bar's border.
        QRect surface({}, rectOf(node["geometry"]).size());
        surface.moveCenter(
            rectOf(node["window_rect"]).translated(rectOf(node["rect"]).topLeft()).center());
        const QImage edge = E2e::grab(QRect(surface.center().x(), surface.top() - 2, 1, 5));
        for (int y = 1; y < edge.height(); ++y)
            if (edge.pixel(0, y) == qRgb(255, 255, 255) &&
                edge.pixel(0, y - 1) != qRgb(255, 255, 255))
                return surface.translated(0, y - 2);
        return surface;
    }
    for (const char* key : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node[key].toArray())
            if (const QRect r = swayWindow(child, pid, title); !r.isNull())
                return r;
    return {};
}

// The size on the accessibility bus; where the screen shows (Weston), the place of the client
// area: its left edge is a white run exactly as tall as the window, between title bar and border.
QRect atspiWindow(qint64 pid, const QString& title)
{
    const QList<QByteArray> size = E2e::atspi(pid, {"window", title}).trimmed().split(' ');
    if (size.size() != 2)
        return {};
    const QRect client(0, 0, size[0].toInt(), size[1].toInt());
    const QImage screen = E2e::grab(QRect(0, 0, 1280, 800));
    QPoint corner(screen.width(), screen.height());
    for (int x = 0; x < screen.width(); ++x)
        for (int y = 0, run = 0; y < screen.height(); ++y) {
            run = screen.pixel(x, y) == qRgb(255, 255, 255) ? run + 1 : 0;
            if (run == client.height() && y - run + 1 < corner.y())
                corner = QPoint(x, y - run + 1);
        }
    if (screen.isNull())
        return client;
    return corner.x() < screen.width() ? client.translated(corner) : QRect(); // not on screen
}

QString x11Id(qint64 pid, const QString& title)
{
    return QString::fromLatin1(
        E2e::run("xdotool", {"search", "--all", "--pid", QString::number(pid), "--onlyvisible",
                             "--name", title})
            .split('\n')
            .first());
}

QRect x11Window(qint64 pid, const QString& title)
{
    const QString id = x11Id(pid, title);
    if (id.isEmpty())
        return {}; // xwininfo would wait for a click instead
    const auto m =
        QRegularExpression("X: +(-?\\d+).*?Y: +(-?\\d+).*?Width: (\\d+).*?Height: (\\d+)",
                           QRegularExpression::DotMatchesEverythingOption)
            .match(QString::fromUtf8(E2e::run("xwininfo", {"-id", id})));
    return m.hasMatch() ? QRect(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                                m.captured(4).toInt())
                        : QRect();
}

} // namespace

QRect App::window(const QString& title, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;; QTest::qWait(100)) {
        const QRect r =
            E2e::atspi() && E2e::wayland() ? atspiWindow(m_process.processId(), title)
            : E2e::wayland()
                ? swayWindow(QJsonDocument::fromJson(E2e::run("swaymsg", {"-r", "-t", "get_tree"}))
                                 .object(),
                             m_process.processId(), QRegularExpression(title))
                : x11Window(m_process.processId(), title);
        if (!r.isNull() || deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return r;
    }
}

bool App::press(const QRect& client, const QString& caption)
{
    using namespace Face;
    const auto* b = std::find_if(std::begin(buttons), std::end(buttons), [&](const ButtonRow& b) {
        return caption == QLatin1String(b.caption) || (caption == "Normal" && &b == buttons);
    });
    if (E2e::atspi())
        return !E2e::atspi(m_process.processId(), {"press", caption}).isNull();
    if (b == std::end(buttons))
        return false;
    if (!E2e::wayland())
        return E2e::click(client.topLeft() +
                          place(b->left, buttonTop, buttonWidth, buttonHeight).center());
    // No pointer on headless sway.
    return E2e::keys(QStringList(int(b - std::begin(buttons)), "Tab") << "space");
}

QRect App::outer(const QString& title)
{
    const QRect client = window(title);
    const QList<QByteArray> extents = values(property(title, "_NET_FRAME_EXTENTS"));
    if (client.isNull() || extents.size() != 4)
        return client;
    return client.marginsAdded(
        QMargins(extents[0].toInt(), extents[2].toInt(), extents[1].toInt(), extents[3].toInt()));
}

QByteArray App::property(const QString& title, const QString& name)
{
    const QString id = x11Id(m_process.processId(), title);
    return id.isEmpty() ? QByteArray() : E2e::run("xprop", {"-id", id, name});
}

std::unique_ptr<QProcess> App::watch(const QString& title, const QString& name)
{
    auto spy = std::make_unique<QProcess>();
    // Line by line as it comes, or a change stays in a buffer the kill throws away.
    spy->start("stdbuf",
               {"-oL", "xprop", "-spy", "-id", x11Id(m_process.processId(), title), name});
    spy->waitForReadyRead(E2e::patienceMs); // the value as it is, before anything changes it
    return spy;
}
