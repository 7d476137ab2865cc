#include "about/AppVersion.h"
#include "app/CommandLine.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"
#include "ui/Fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("Nimbex"));
    QApplication::setApplicationVersion(AppVersion::current().text());
    // Answered before a display is opened, so they work in any terminal.
    if (CommandLine::asksOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        CommandLine::process(app);
    }

    // Through shared memory, every repaint first waits on the X server to finish with the last
    // image; on a small window that costs a round trip and a wake-up each second, and the
    // second's change then lands later. Plain image writes are as cheap at this size.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    CommandLine::process(app);
    QApplication::setDesktopFileName(QStringLiteral("nimbex"));
    // The window lives on in the tray while hidden; only Close and Exit end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();

    SystemClock clock;
    frmNimbex window(clock);
    window.show();
    return app.exec();
}
