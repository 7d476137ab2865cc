#include "about/AppVersion.h"
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/SystemClock.h"
#include "app/Translations.h"
#include "app/frmNimbex.h"
#include "tray/ShellTray.h"
#include "ui/Desktop.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QOpenGLContext>

namespace {

// On Wayland Qt 6.4 loads Mesa's EGL as the first window is shown, only to learn whether it may
// draw a title bar; the plugin built from app/wayland/ answers that without EGL. Qt takes the
// integration's name from the environment once, at its first question, and the question is asked
// here, so the setting lives only for this moment: a browser the About box opens, or any other
// program started later, keeps its GPU.
void keepWaylandOnSharedMemory(const Desktop& desktop)
{
#ifdef NIMBEX_RASTER_BUFFERS
    const QVersionNumber qt = QLibraryInfo::version();
    if (desktop.windowSystem != Desktop::WindowSystem::Wayland || qt.majorVersion() != 6 ||
        qt.minorVersion() != 4 || qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        return;
    // Beside the program in the build folder; under lib/ once installed.
    const QString bin = QCoreApplication::applicationDirPath();
    for (const QString& dir : {bin + "/plugins", bin + "/../lib/nimbex/plugins"}) {
        if (!QFileInfo::exists(dir + "/wayland-graphics-integration-client/libnimbex-raster.so"))
            continue;
        QCoreApplication::addLibraryPath(dir);
        qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "nimbex-raster");
        QOpenGLContext::supportsThreadedOpenGL(); // makes Qt choose its integration now
        qunsetenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION");
        return;
    }
#else
    Q_UNUSED(desktop);
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Nimbex"));
    QApplication::setApplicationVersion(AppVersion::current().text());
    CommandLine::answerBeforeDisplay(argc, argv);

    // Through shared memory, every repaint first waits on the X server to finish with the last
    // image; on a small window that costs a round trip and a wake-up each second, and the
    // second's change then lands later. Plain image writes are as cheap at this size.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // On GNOME Qt takes GTK's theme, and GTK's start-up would register the process on the
    // accessibility bus a second time, as an application with no windows. Only for the start-up:
    // a browser the About box opens keeps its own accessibility.
    const bool gtkBridgeOff = !qEnvironmentVariableIsSet("NO_AT_BRIDGE");
    if (gtkBridgeOff)
        qputenv("NO_AT_BRIDGE", "1");
    DisplayCheck::begin();
    QApplication app(argc, argv);
    DisplayCheck::end();
    if (gtkBridgeOff)
        qunsetenv("NO_AT_BRIDGE");
    Translations::install(QLocale::system());
    CommandLine::process(app);
    const Desktop desktop = Desktop::probe();
    keepWaylandOnSharedMemory(desktop);
    QApplication::setDesktopFileName(QStringLiteral("nimbex"));
    // The window lives on in the tray while hidden; only Close and Exit end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();

    ShellTray shell(desktop); // before the window, which adds its icon as it loads
    SystemClock clock;
    frmNimbex window(clock, desktop);
    window.show();
    return app.exec();
}
