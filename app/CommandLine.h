#pragma once

class QCoreApplication;

// The clock takes no options of its own; its command line answers --help and --version and
// refuses what it does not know, in Qt's words and with Qt's exit statuses.
namespace CommandLine {

// Answers --help and --version, or names an unknown option, and ends the process, before any
// display is looked for; returns when the clock is to start. Qt's own options are left for the
// application to take.
void answerBeforeDisplay(int argc, char* argv[]);

// Once the application has taken Qt's options: answers --help-all, which lists them too, or names
// what is still not known, and ends the process; returns when the clock is to start.
void process(const QCoreApplication& app);

} // namespace CommandLine
