#pragma once

#include <QStringList>
#include <QTextStream>

#include "qtcore/app/command_line.h"

namespace dorvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// One sub-command of the command-line tool.
struct Command {
    const char* name;
    const char* arguments;      // what follows the options in the usage line, e.g. "FILE..."
    const char* description;    // a few lines, shown by --help
    QList<OptionSpec> options;  // --help is added to every command
    // args are the words after the command's name that are not options, the
    // options are parsed already; returns the exit status.
    int (*run)(const QStringList& args, const CommandLine& options);
};

// Every command the tool knows, in the order --help lists them.
const QList<Command>& commands();

// The usage line without "dorvane ": "inspect [--json] FILE...".
QString synopsis(const Command& command);

QTextStream& out();
QTextStream& err();

// Prints "dorvane: <message>" and the usage line of the command; returns 2.
int usageError(const Command& command, const QString& message);

}  // namespace dorvane::cli
