#include "app/CommandLine.h"

#include "app/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace {

// The parser's own lines that --help and a refusal show. Qt's translations leave some of them
// out (Qt 6.4 has none in Hebrew, and no "--help" line in French or Japanese): the program's
// translations carry them too, and Qt's own, where they have one, are asked first.
[[maybe_unused]] const char* const parserLines[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
};

struct Parser : QCommandLineParser
{
    Parser()
    {
        setApplicationDescription(QCoreApplication::translate(
            "CommandLine", "A desk clock that shows the time of day in binary-coded decimal."));
    }
    const QCommandLineOption help = addHelpOption();
    const QCommandLineOption version = addVersionOption();
};

// The options the application takes off the command line for Qt, as Qt 6.4 does on Linux (the
// last ones of each list only on X11), written with "-" or "--". One with a value takes the next
// argument, if there is one; the joined ones may also carry it after "=".
const char* const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "session",
                                          "style",
                                          "stylesheet",
                                          "qmljsdebugger",
                                          "display",
                                          "geometry",
                                          "title",
                                          "name",
                                          "icon",
                                          "visual"};
const char* const qtJoinedOptions[] = {"style", "stylesheet", "qmljsdebugger"};
const char* const qtFlags[] = {"reverse", "widgetcount", "testability",
                               "qdevel",  "nograb",      "dograb"};

template <std::size_t n> bool among(QStringView name, const char* const (&names)[n])
{
    return std::any_of(names, names + n, [&](const char* q) { return name == QLatin1String(q); });
}

// The arguments as the clock's own parser would see them once the application has taken Qt's.
QStringList ownArguments(int argc, char* argv[])
{
    QStringList own;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QStringView name = QStringView(arg).mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool option = i > 0 && arg.startsWith(QLatin1Char('-'));
        if (option && among(name, qtOptionsWithValue) && i + 1 < argc)
            ++i;
        else if (!option ||
                 !(among(name, qtFlags) ||
                   (name.contains(u'=') && among(name.first(name.indexOf(u'=')), qtJoinedOptions))))
            own << arg;
    }
    return own;
}

} // namespace

void CommandLine::answerBeforeDisplay(int argc, char* argv[])
{
    const QStringList arguments = ownArguments(argc, argv);
    Parser parser;
    if (parser.parse(arguments) && !parser.isSet(parser.help) && !parser.isSet(parser.version))
        return;
    // The help text names the program from the application's own arguments, and speaks the
    // user's language once the translations are there.
    QCoreApplication app(argc, argv);
    Translations::install(QLocale::system());
    Parser().process(arguments);
}

void CommandLine::process(const QCoreApplication& app)
{
    Parser parser;
    parser.process(app);
}
