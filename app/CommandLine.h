#pragma once

// The clock takes no options of its own; its command line answers --help and --version and
// refuses what it does not know, in Qt's words and with Qt's exit statuses.
namespace CommandLine {

// Answers --help and --version, or names an unknown option, and ends the process; returns when
// the clock is to start. Qt's own options are left for the application to take. Nothing here
// looks for a display, so all of it works in any terminal.
void process(int argc, char* argv[]);

} // namespace CommandLine
