// What the shell shows, told on the logging category "purso.shell" at the
// info level for whoever starts the program to check it (the smoke test, the
// start-up measurement): QT_LOGGING_RULES="purso.shell.info=true". Silent
// otherwise.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcShell)
