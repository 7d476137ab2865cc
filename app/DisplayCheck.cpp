#include "app/DisplayCheck.h"

#include <QCoreApplication>
#include <QMutex>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The context's texts are Qt's literals and category names, which last as long as the program.
struct Held
{
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString message;
};

QtMessageHandler passOn = nullptr;
QMutex heldLock;
std::vector<Held> held;

QString described(const char* variable)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty()
               ? QStringLiteral("%1 is unset").arg(QLatin1String(variable))
               : QStringLiteral("%1 \"%2\" cannot be reached").arg(QLatin1String(variable), value);
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Qt's only fatal message while the application is made: no platform could be opened.
    if (type == QtFatalMsg) {
        const QString line = QCoreApplication::applicationName() +
                             QStringLiteral(": no X11 or Wayland display: ") +
                             described("DISPLAY") + QStringLiteral(", ") +
                             described("WAYLAND_DISPLAY") + QLatin1Char('\n');
        std::fputs(qPrintable(line), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const QMutexLocker lock(&heldLock);
    held.push_back({type, context.file, context.line, context.function, context.category, message});
}

} // namespace

void DisplayCheck::begin()
{
    passOn = qInstallMessageHandler(hold);
}

void DisplayCheck::end()
{
    qInstallMessageHandler(passOn);
    const QMutexLocker lock(&heldLock);
    for (const Held& h : held)
        passOn(h.type, QMessageLogContext(h.file, h.line, h.function, h.category), h.message);
    held.clear();
}
