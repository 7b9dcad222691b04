#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "core/database/backup_blob.h"
#include "core/database/integrity_check.h"

namespace dorvane::cli {

namespace {

int runCheck(const QStringList& args, const CommandLine&) {
    if (args.size() != 1) return usageError(checkCommand(), QStringLiteral("check needs one file"));
    const auto document = loadChannelDataFile(args[0], {});
    if (!document) return kExitFailure;

    int problems = 0;
    for (const std::string& line : document->losses().notRead()) {
        out() << args[0] << ": not read: " << QString::fromStdString(line) << "\n";
        ++problems;
    }
    const auto findings = checkIntegrity(document->database());
    for (const IntegrityFinding& f : findings)
        out() << args[0] << ": " << (f.losesData ? "lost on saving: " : "") << QString::fromStdString(f.text) << "\n";
    problems += static_cast<int>(findings.size());
    if (problems == 0) out() << args[0] << ": no problems found\n";
    out().flush();
    return problems == 0 ? kExitOk : kExitFailure;
}

}  // namespace

const Command& checkCommand() {
    static const Command command{"check",
                                 "FILE",
                                 "Checks a channel-data file as the editor does before saving: duplicate\n"
                                 "channels (same transponder and service id), transponders that collide\n"
                                 "(same satellite and polarisation, within 1 MHz), channels on missing or\n"
                                 "0 MHz transponders, favourites that name empty slots, satellites in use\n"
                                 "but not in the order list, and what the file holds that is not read.\n"
                                 "Lists every finding; exit status 1 when there is any.",
                                 {},
                                 runCheck};
    return command;
}

}  // namespace dorvane::cli
