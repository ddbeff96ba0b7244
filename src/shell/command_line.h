// The program's command line: purso [options] [file...].
//
// Each file is an account to open. --help, --help-all and --version answer on
// the standard output and end the program; they need no window system, so
// that they work in a terminal without a display.
#pragma once

#include <QCommandLineParser>

namespace purso {

// Gives the parser the program's description, options and arguments.
void DescribeCommandLine(QCommandLineParser& parser);

// Whether the command line asks only for the help or the version.
bool AsksOnlyForText(int argc, char** argv);

// Prints the help or the version the command line asks for, or the fault of
// a command line that cannot be read, and gives the exit status. Call it
// without an application object; the application's name and version are set
// by setIdentity on the one it makes.
int AnswerWithText(int argc, char** argv, void (*setIdentity)());

}  // namespace purso
