#pragma once

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

namespace dorvane {

// What an option's value must be.
enum class OptionValue {
    Text,    // any text that is not empty and does not start with '-'
    Number,  // an unsigned decimal number
};

// One option of a program or of a command, declared once: parsing, the
// usage line and the help are all made from it.
struct OptionSpec {
    const char* name;                 // "port" is --port
    const char* valueName = nullptr;  // "PORT": --port PORT and --port=PORT; null: a switch
    OptionValue value = OptionValue::Text;
    const char* needs = nullptr;      // "a port name": "--port needs a port name"
    const char* description = "";     // for --help; '\n' breaks the line
    const char* shortName = nullptr;  // "h" is -h
};

// The words of one command line, parsed with QCommandLineParser against
// declared options. --help (and -h) is always known.
class CommandLine {
public:
    explicit CommandLine(QList<OptionSpec> options, const char* helpDescription = "show this help");

    // Everything from the first word that is not an option on is positional:
    // a sub-command's name and its own options.
    void stopAtFirstArgument();

    // Parses the words that follow the program's (or command's) name.
    // False on bad usage: a missing or malformed value, an unknown option;
    // error() says which ("--seed needs a number").
    bool parse(const QStringList& words);
    const QString& error() const { return error_; }

    bool helpAsked() const;
    bool isSet(const char* name) const;
    QString value(const char* name) const;       // the last one given
    QStringList values(const char* name) const;  // every one given, in order
    unsigned number(const char* name, unsigned fallback) const;
    QStringList positional() const { return parser_.positionalArguments(); }

    // The declared options and --help, in declaration order.
    const QList<OptionSpec>& options() const { return options_; }

private:
    QString missingValue(const QStringList& words) const;
    QString unknownOption() const;
    QString badValue() const;

    QList<OptionSpec> options_;
    QCommandLineParser parser_;
    QString error_;
};

// "[--port PORT] [--json]": the options for a usage line, --help left out.
QString optionSynopsis(const QList<OptionSpec>& options);

// One line an option, the descriptions in one column:
//   "  --port PORT  the serial port to open"
// Options of the program (help included) as CommandLine::options() lists them.
QString optionHelp(const QList<OptionSpec>& options, int indent = 2);

// The help option every command line knows.
OptionSpec helpOption(const char* description = "show this help");

}  // namespace dorvane
