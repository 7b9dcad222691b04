#include <QCoreApplication>

#include "app/process_setup.h"
#include "app/version.h"
#include "cli/command.h"

namespace dorvane::cli {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

int usageError(const Command& command, const QString& message) {
    err() << "dorvane: " << message << "\nusage: dorvane " << command.synopsis << Qt::endl;
    return kExitUsage;
}

namespace {

void printHelp(QTextStream& stream) {
    stream << "usage: dorvane COMMAND [ARGUMENTS]\n\n"
              "Service tool for digital satellite set-top boxes (STB): downloads firmware\n"
              "images and channel data into the STB, backs up its channel data and shows\n"
              "what image and channel-data files hold.\n\n"
              "  --help       show this help (COMMAND --help: that command's)\n"
              "  --version    show the version and build\n\n"
              "Commands:\n";
    for (const Command& c : commands()) {
        stream << "  dorvane " << c.synopsis << "\n";
        for (const QString& line : QString::fromUtf8(c.description).split('\n'))
            stream << "      " << line << "\n";
        stream << "\n";
    }
    stream << "Exit status: 0 on success, 1 on a failure, 2 on bad usage, 130 when a transfer was\n"
              "interrupted (Ctrl-C)." << Qt::endl;
}

}  // namespace

}  // namespace dorvane::cli

int main(int argc, char* argv[]) {
    using namespace dorvane::cli;
    dorvane::prepareProcess();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dorvane"));
    QStringList args = QCoreApplication::arguments().mid(1);

    if (args.isEmpty()) {
        printHelp(err());
        return kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printHelp(out());
        return kExitOk;
    }
    if (name == QLatin1String("--version")) {
        out() << QString::fromStdString(dorvane::versionAnswer("dorvane")) << Qt::endl;
        return kExitOk;
    }
    for (const Command& c : commands()) {
        if (name == QLatin1String(c.name)) {
            if (args.contains(QStringLiteral("--help"))) {
                out() << "usage: dorvane " << c.synopsis << "\n" << c.description << Qt::endl;
                return kExitOk;
            }
            return c.run(args);
        }
    }
    err() << "dorvane: unknown command '" << name << "' (try dorvane --help)" << Qt::endl;
    return kExitUsage;
}
