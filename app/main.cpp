#include "ui/Fonts.h"
#include "app/SystemClock.h"
#include "app/frmNimbex.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nimbex"));
    QApplication::setApplicationVersion(QStringLiteral(NIMBEX_VERSION_STRING));
    QApplication::setDesktopFileName(QStringLiteral("nimbex"));
    // The window lives on in the tray while hidden; only Close and Exit end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();

    SystemClock clock;
    frmNimbex window(clock);
    window.show();
    return app.exec();
}
