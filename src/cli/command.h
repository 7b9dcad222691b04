#pragma once

#include <QStringList>
#include <QTextStream>

namespace dorvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// One sub-command of the command-line tool.
struct Command {
    const char* name;
    const char* synopsis;     // e.g. "inspect FILE..."
    const char* description;  // a few lines, shown by --help
    // args are the words after the command's name; returns the exit status.
    int (*run)(const QStringList& args);
};

// Every command the tool knows, in the order --help lists them.
const QList<Command>& commands();

QTextStream& out();
QTextStream& err();

// Prints "dorvane: <message>" and the usage line of the command; returns 2.
int usageError(const Command& command, const QString& message);

}  // namespace dorvane::cli
