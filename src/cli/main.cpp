#include <QCoreApplication>

#include "qtcore/app/history_location.h"
#include "qtcore/app/language.h"
#include "qtcore/app/path_text.h"

#include "cli/command.h"
#include "core/app/version.h"
#include "qtcore/app/process_setup.h"

namespace dorvane::cli {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

QString synopsis(const Command& command) {
    QStringList parts{QLatin1String(command.name)};
    if (const QString options = optionSynopsis(command.options); !options.isEmpty()) parts << options;
    if (*command.arguments) parts << QLatin1String(command.arguments);
    return parts.join(QLatin1Char(' '));
}

int usageError(const Command& command, const QString& message) {
    err() << "dorvane: " << message << "\nusage: dorvane " << synopsis(command) << Qt::endl;
    return kExitUsage;
}

namespace {

const char kProgramSynopsis[] = "COMMAND [ARGUMENTS]";

const QList<OptionSpec> kProgramOptions{
    OptionSpec{.name = "lang",
               .valueName = "CODE",
               .needs = "a language code",
               .description = "say the human messages in this language: en (the default), de, fr, es, tr, ru, ar, fa\n"
                              "or auto (the system's); --json output stays English"},
    OptionSpec{.name = "version", .description = "show the version and build"}};
const char kProgramHelp[] = "show this help (COMMAND --help: that command's)";

void printHelp(QTextStream& stream) {
    stream << "usage: dorvane " << kProgramSynopsis
           << "\n\n"
              "Service tool for digital satellite set-top boxes (STB): downloads firmware\n"
              "images and channel data into the STB, backs up its channel data and shows\n"
              "what image and channel-data files hold.\n\n"
           << optionHelp(QList{helpOption(kProgramHelp)} + kProgramOptions) << "\nCommands:\n";
    for (const Command& c : commands()) {
        stream << "  dorvane " << synopsis(c) << "\n";
        for (const QString& line : QString::fromUtf8(c.description).split('\n')) stream << "      " << line << "\n";
        stream << optionHelp(c.options, 8) << "\n";
    }
    stream << "Exit status: 0 on success, 1 on a failure, 2 on bad usage, 130 when a transfer was\n"
              "interrupted (Ctrl-C)."
           << Qt::endl;
}

void printCommandHelp(const Command& command) {
    out() << "usage: dorvane " << synopsis(command) << "\n"
          << command.description << "\n\nOptions:\n"
          << optionHelp(command.options + QList{helpOption()}) << Qt::flush;
}

const Command* findCommand(const QString& name) {
    for (const Command& c : commands())
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

int unknownCommand(const QString& name) {
    err() << "dorvane: unknown command '" << name << "' (try dorvane --help)" << Qt::endl;
    return kExitUsage;
}

// "dorvane help" and "dorvane --help", with or without a command's name.
int help(const QStringList& names) {
    if (names.isEmpty()) {
        printHelp(out());
        return kExitOk;
    }
    const Command* command = findCommand(names.first());
    if (!command) return unknownCommand(names.first());
    printCommandHelp(*command);
    return kExitOk;
}

int runCommand(const Command& command, const QStringList& words) {
    CommandLine line(command.options);
    const bool parsed = line.parse(words);
    // --help anywhere wins over whatever else is wrong.
    if (line.helpAsked()) {
        printCommandHelp(command);
        return kExitOk;
    }
    if (!parsed) return usageError(command, line.error());
    return command.run(line.positional(), line);
}

int runProgram(const QStringList& words) {
    if (words.isEmpty()) {
        printHelp(err());
        return kExitUsage;
    }
    if (words.first() == QLatin1String("help")) return help(words.mid(1));
    CommandLine line(kProgramOptions, kProgramHelp);
    line.stopAtFirstArgument();
    if (!line.parse(words)) {
        err() << "dorvane: " << line.error() << "\nusage: dorvane " << kProgramSynopsis << Qt::endl;
        return kExitUsage;
    }
    if (line.helpAsked()) return help(line.positional());
    if (line.isSet("lang")) {
        const QString choice = line.value("lang");
        if (!knownLanguageChoice(choice)) {
            err() << "dorvane: unknown language '" << choice << "' (en, "
                  << shippedLanguages().join(QStringLiteral(", ")) << " or auto)\nusage: dorvane " << kProgramSynopsis
                  << Qt::endl;
            return kExitUsage;
        }
        // Machine-readable output is never translated.
        if (!line.positional().contains(QLatin1String("--json"))) installLanguage(resolveLanguage(choice));
    }
    if (line.isSet("version")) {
        out() << QString::fromStdString(dorvane::versionAnswer("dorvane")) << Qt::endl;
        return kExitOk;
    }
    const QStringList rest = line.positional();
    if (rest.isEmpty()) {
        printHelp(err());
        return kExitUsage;
    }
    const Command* command = findCommand(rest.first());
    return command ? runCommand(*command, rest.mid(1)) : unknownCommand(rest.first());
}

}  // namespace

}  // namespace dorvane::cli

int main(int argc, char* argv[]) {
    dorvane::prepareProcess();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dorvane"));
    dorvane::installProgramHistory();
#ifdef _WIN32
    return dorvane::cli::runProgram(QCoreApplication::arguments().mid(1));
#else
    // The arguments' own bytes: a file name that is no valid UTF-8 is kept.
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(dorvane::textFromNativeBytes(argv[i]));
    return dorvane::cli::runProgram(args);
#endif
}
