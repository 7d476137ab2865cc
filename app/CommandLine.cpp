#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

struct Parser : QCommandLineParser
{
    Parser()
    {
        setApplicationDescription(
            QStringLiteral("A desk clock that shows the time of day in binary-coded decimal."));
    }
    const QCommandLineOption help = addHelpOption();
    const QCommandLineOption version = addVersionOption();
};

} // namespace

bool CommandLine::asksOnly(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Anything not understood here may be one of Qt's own options; the application takes those
    // off before process() sees the rest.
    Parser parser;
    return parser.parse(arguments) && (parser.isSet(parser.help) || parser.isSet(parser.version));
}

void CommandLine::process(const QCoreApplication& app)
{
    Parser parser;
    parser.process(app);
}
