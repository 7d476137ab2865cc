#include "E2e.h"

#include "support/Face.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

bool E2e::wayland()
{
    return qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

QByteArray E2e::run(const QString& program, const QStringList& arguments, bool* ok)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(15000))
        p.kill();
    p.waitForFinished();
    const bool done = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (ok)
        *ok = done;
    return done ? p.readAllStandardOutput() : QByteArray();
}

QImage E2e::grab(const QRect& r)
{
    const QByteArray png =
        wayland()
            ? run("grim",
                  {"-g",
                   QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()),
                   "-"})
            : run("import",
                  {"-window", "root", "-crop",
                   QString("%3x%4+%1+%2").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()),
                   "+repage", "png:-"});
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

bool E2e::click(const QPoint& at, int button)
{
    bool ok = false;
    run("xdotool",
        {"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
         QString::number(button)},
        &ok);
    return ok;
}

bool E2e::keys(const QStringList& names)
{
    bool ok = false;
    if (!wayland())
        return run("xdotool", QStringList{"key", "--delay", "100"} + names, &ok), ok;
    // A new virtual keyboard's key map needs a moment to reach the program.
    QStringList args{"-s", "1000"};
    for (const QString& name : names)
        args << "-k" << name << "-s"
             << "100";
    return run("wtype", args, &ok), ok;
}

QTime E2e::faceTime(const QImage& client, QTime from, const QColor& lit)
{
    for (int s = 0; s < 120 && !client.isNull(); ++s) {
        const QTime t = from.addSecs(s);
        if (std::all_of(std::begin(Face::lamps), std::end(Face::lamps), [&](const auto& row) {
                return client.pixelColor(Face::samplePoint(row)) ==
                       (Face::isLit(row, t) ? lit : Qt::white);
            }))
            return t;
    }
    return {};
}

QString E2e::sniItem()
{
    const QString items = QString::fromUtf8(
        run("gdbus", {"call", "-e", "-d", "org.kde.StatusNotifierWatcher", "-o",
                      "/StatusNotifierWatcher", "-m", "org.freedesktop.DBus.Properties.Get",
                      "org.kde.StatusNotifierWatcher", "RegisteredStatusNotifierItems"}));
    return QRegularExpression("'([^'/]+)").match(items).captured(1);
}

QByteArray E2e::sniCall(const QString& path, const QString& method, const QStringList& arguments)
{
    return run("gdbus", QStringList{"call", "-e", "-d", sniItem(), "-o", path, "-m", method, "--"} +
                            arguments);
}

App::App()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_home.path());
    env.insert("XDG_CONFIG_HOME", m_home.filePath(".config"));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

App::~App()
{
    m_process.kill();
    m_process.waitForFinished();
}

void App::startFrom(QTime t)
{
    QProcessEnvironment env = m_process.processEnvironment();
    // ld.so fills in $LIB; the monotonic clock stays real so the timers fire on time.
    env.insert("LD_PRELOAD", "/usr/$LIB/faketime/libfaketime.so.1");
    env.insert("FAKETIME", "@2026-12-06 " + t.toString("HH:mm:ss"));
    env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
    m_process.setProcessEnvironment(env);
}

QString App::settingsFile() const
{
    return m_home.filePath(".config/Vantrel.conf");
}

bool App::start()
{
    m_process.start(qEnvironmentVariable("NIMBEX_BINARY"), QStringList());
    return m_process.waitForStarted();
}

namespace {

QRect swayWindow(const QJsonObject& node, qint64 pid, const QRegularExpression& title)
{
    if (node["pid"].toInteger() == pid && title.match(node["name"].toString()).hasMatch() &&
        node["visible"].toBool()) {
        const auto rect = [&](const char* key) {
            const QJsonObject r = node[key].toObject();
            return QRect(r["x"].toInt(), r["y"].toInt(), r["width"].toInt(), r["height"].toInt());
        };
        // sway centres a surface smaller than the space it gave the window there.
        QRect surface({}, rect("geometry").size());
        surface.moveCenter(rect("window_rect").translated(rect("rect").topLeft()).center());
        return surface;
    }
    for (const char* key : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node[key].toArray())
            if (const QRect r = swayWindow(child.toObject(), pid, title); !r.isNull())
                return r;
    return {};
}

QRect x11Window(qint64 pid, const QString& title)
{
    const QList<QByteArray> ids =
        E2e::run("xdotool", {"search", "--all", "--pid", QString::number(pid), "--onlyvisible",
                             "--name", title})
            .split('\n');
    if (ids.first().isEmpty())
        return {}; // xwininfo would wait for a click instead
    const QString info =
        QString::fromUtf8(E2e::run("xwininfo", {"-id", QString::fromUtf8(ids.first())}));
    int v[4] = {};
    int i = 0;
    for (const char* field : {"Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"})
        v[i++] =
            QRegularExpression(QString(field) + ":\\s*(-?\\d+)").match(info).captured(1).toInt();
    return QRect(v[0], v[1], v[2], v[3]).isEmpty() ? QRect() : QRect(v[0], v[1], v[2], v[3]);
}

} // namespace

QRect App::window(const QString& title, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const QRect r =
            E2e::wayland()
                ? swayWindow(QJsonDocument::fromJson(E2e::run("swaymsg", {"-r", "-t", "get_tree"}))
                                 .object(),
                             m_process.processId(), QRegularExpression(title))
                : x11Window(m_process.processId(), title);
        if (!r.isNull() || deadline.hasExpired())
            return r;
        QThread::msleep(100);
    }
}

QPoint App::button(const QRect& client, int left) const
{
    // Frame1 sits at (56, 24); the buttons are 97 x 25 px on its row 280 px down.
    return client.topLeft() + QPoint(56 + left / 15 + 48, 24 + 280 + 12);
}

bool App::press(const QRect& client, int left)
{
    if (!E2e::wayland())
        return E2e::click(button(client, left));
    // No pointer on headless sway: Tab from the first focus ("Full Screen", then "Close", "Hide
    // to Tray", "Options").
    const int tabs = left == FullScreen ? 0 : left == CloseButton ? 1 : left == HideToTray ? 2 : 3;
    return E2e::keys(QStringList(tabs, "Tab") << "space");
}
