#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "core/database/channel_order.h"

namespace dorvane::cli {

namespace {

QString text(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// The channels a plan leaves over (before it is applied) and the numbers
// they will have.
void printUnmatched(const ChannelDataDocument& document, const ReferencePlan& plan) {
    constexpr std::size_t kShown = 20;
    for (std::size_t k = 0; k < plan.unmatched.size() && k < kShown; ++k) {
        const int n = plan.unmatched[k];
        out() << "Not matched: " << n << " " << text(fixedText(document.database().channel(n).name)) << " -> "
              << plan.unmatchedFrom() + static_cast<int>(k) << Qt::endl;
    }
    if (plan.unmatched.size() > kShown)
        out() << "Not matched: " << plan.unmatched.size() - kShown << " more" << Qt::endl;
}

int runReorder(const QStringList& args, const CommandLine& options) {
    if (!options.isSet("reference"))
        return usageError(reorderCommand(), QStringLiteral("reorder needs --reference REF.irz or REF.txt"));
    if (args.size() != 2)
        return usageError(reorderCommand(), QStringLiteral("reorder needs an input and an output file"));
    const QString referenceFile = options.value("reference");
    const Result<ChannelReference> reference = readChannelReference(toPath(referenceFile));
    if (!reference.ok()) {
        err() << referenceFile << ": " << text(reference.message()) << Qt::endl
              << args[1] << ": not written" << Qt::endl;
        return kExitFailure;
    }
    const auto document = loadChannelDataFile(args[0]);
    if (!document) return kExitFailure;
    const ReferencePlan plan = planReferenceOrder(document->database(), reference.value());
    const bool favourites = options.isSet("favourites") && reference->hasFavourites;
    out() << text(referenceSummary(plan)) << Qt::endl;
    printUnmatched(*document, plan);
    applyReferencePlan(document->database(), reference.value(), plan, favourites);
    if (favourites) out() << "Favourite groups and their names taken from " << referenceFile << Qt::endl;
    if (!saveChannelDataFile(*document, args[1])) return kExitFailure;
    out() << "Wrote " << args[1] << " (" << document->buffer().length() << " bytes)" << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& reorderCommand() {
    static const Command command{
        "reorder",
        "IN OUT",
        "Puts the channels of the channel-data file IN in the order of a reference\n"
        "and writes OUT, as the editor's \"Apply order from...\" does. The reference\n"
        "is another channel-data file, or a text list: one name a line, lines of\n"
        "satellite, frequency, polarisation and service id, or a table as\n"
        "`channels --csv` prints it. Channels are matched by satellite, frequency\n"
        "(within 1 MHz), polarisation and service id, then by name; those the\n"
        "reference does not name follow in their present order. Favourite groups\n"
        "keep their channels. An existing OUT is kept as OUT.bak.",
        {{.name = "reference",
          .valueName = "REF",
          .needs = "a channel-data file or a text list",
          .description = "the channel-data file or text list whose order is taken"},
         {.name = "favourites", .description = "take the reference file's favourite groups and their names too"}},
        runReorder};
    return command;
}

}  // namespace dorvane::cli
