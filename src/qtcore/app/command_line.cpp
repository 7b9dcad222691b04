#include "qtcore/app/command_line.h"

#include <algorithm>

namespace dorvane {

namespace {

QString dashed(const OptionSpec& option) { return QStringLiteral("--") + QLatin1String(option.name); }

QString needsText(const OptionSpec& option) {
    return dashed(option) + QStringLiteral(" needs ") +
           QLatin1String(option.needs                          ? option.needs
                         : option.value == OptionValue::Number ? "a number"
                                                               : "a value");
}

bool acceptable(const OptionSpec& option, const QString& value) {
    if (option.value == OptionValue::Number) {
        bool ok = false;
        value.toUInt(&ok, 10);
        return ok;
    }
    // An option's name where the value belongs means the value was left out.
    return !value.isEmpty() && !value.startsWith(QLatin1Char('-'));
}

QString label(const OptionSpec& option) {
    QString text = option.shortName ? QStringLiteral("-%1, ").arg(QLatin1String(option.shortName)) : QString();
    text += dashed(option);
    if (option.valueName) text += QLatin1Char(' ') + QLatin1String(option.valueName);
    return text;
}

}  // namespace

OptionSpec helpOption(const char* description) {
    return OptionSpec{.name = "help", .description = description, .shortName = "h"};
}

CommandLine::CommandLine(QList<OptionSpec> options, const char* helpDescription) : options_(std::move(options)) {
    options_.append(helpOption(helpDescription));
    for (const OptionSpec& o : options_) {
        QStringList names{QLatin1String(o.name)};
        if (o.shortName) names.prepend(QLatin1String(o.shortName));
        parser_.addOption(QCommandLineOption(names, QString::fromUtf8(o.description),
                                             o.valueName ? QLatin1String(o.valueName) : QString()));
    }
}

void CommandLine::stopAtFirstArgument() {
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

bool CommandLine::parse(const QStringList& words) {
    // The parser takes the first word for the program's name.
    if (!parser_.parse(QStringList{QString()} + words)) {
        error_ = missingValue(words);
        if (error_.isEmpty()) error_ = unknownOption();
        if (error_.isEmpty()) error_ = parser_.errorText();
        return false;
    }
    error_ = badValue();
    return error_.isEmpty();
}

// The parser takes any word after an option for its value, so a value can
// only be missing at the end.
QString CommandLine::missingValue(const QStringList& words) const {
    if (words.isEmpty() || !parser_.unknownOptionNames().isEmpty()) return {};
    for (const OptionSpec& o : options_)
        if (o.valueName && words.last() == dashed(o) && !words.mid(0, words.size() - 1).contains(QStringLiteral("--")))
            return needsText(o);
    return {};
}

// Said as typed: "unknown option --bogus", "unknown option -x".
QString CommandLine::unknownOption() const {
    const QStringList names = parser_.unknownOptionNames();
    if (names.isEmpty()) return {};
    return QStringLiteral("unknown option %1%2")
        .arg(QLatin1String(names.first().size() == 1 ? "-" : "--"), names.first());
}

QString CommandLine::badValue() const {
    for (const OptionSpec& o : options_) {
        if (!o.valueName) continue;
        for (const QString& v : parser_.values(QLatin1String(o.name)))
            if (!acceptable(o, v)) return needsText(o);
    }
    return {};
}

bool CommandLine::helpAsked() const { return parser_.isSet(QStringLiteral("help")); }

bool CommandLine::isSet(const char* name) const { return parser_.isSet(QLatin1String(name)); }

QString CommandLine::value(const char* name) const { return parser_.value(QLatin1String(name)); }

QStringList CommandLine::values(const char* name) const { return parser_.values(QLatin1String(name)); }

unsigned CommandLine::number(const char* name, unsigned fallback) const {
    return isSet(name) ? value(name).toUInt(nullptr, 10) : fallback;
}

QString optionSynopsis(const QList<OptionSpec>& options) {
    QStringList parts;
    for (const OptionSpec& o : options) {
        if (qstrcmp(o.name, "help") == 0) continue;
        parts << QStringLiteral("[%1%2]").arg(dashed(o),
                                              o.valueName ? QLatin1Char(' ') + QLatin1String(o.valueName) : QString());
    }
    return parts.join(QLatin1Char(' '));
}

QString optionHelp(const QList<OptionSpec>& options, int indent) {
    qsizetype width = 0;
    for (const OptionSpec& o : options) width = std::max(width, label(o).size());
    const QString margin(indent, QLatin1Char(' '));
    const QString column(indent + width + 2, QLatin1Char(' '));
    QString text;
    for (const OptionSpec& o : options) {
        const QStringList lines = QString::fromUtf8(o.description).split(QLatin1Char('\n'));
        text += margin + label(o).leftJustified(width + 2) + lines.first() + QLatin1Char('\n');
        for (qsizetype i = 1; i < lines.size(); ++i) text += column + lines[i] + QLatin1Char('\n');
    }
    return text;
}

}  // namespace dorvane
