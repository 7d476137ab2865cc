#pragma once

class QCoreApplication;

// The clock takes no options of its own; its command line answers --help and --version and
// refuses what it does not know, in Qt's words and with Qt's exit statuses.
namespace CommandLine {

// Whether the arguments ask only for help or the version: those need no display to answer.
bool asksOnly(int argc, char* argv[]);

// Answers --help and --version, or names an unknown option, and ends the process; returns when
// the clock is to start.
void process(const QCoreApplication& app);

} // namespace CommandLine
