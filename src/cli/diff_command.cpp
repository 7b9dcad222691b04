#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "core/database/backup_blob.h"
#include "core/database/database_diff.h"

namespace dorvane::cli {

namespace {

// Equal, different; files that cannot be compared are trouble, as for
// diff(1): a script that takes 1 for "they differ" is not misled.
constexpr int kExitDiffer = 1;
constexpr int kExitTrouble = 2;

QString text(const std::string& s) { return QString::fromStdString(s); }

QJsonArray strings(const std::vector<std::string>& list) {
    QJsonArray array;
    for (const std::string& s : list) array.append(text(s));
    return array;
}

QJsonObject channelJson(const ChannelRef& c) {
    return QJsonObject{{"number", c.number},
                       {"name", text(c.name)},
                       {"satellite", text(c.satellite)},
                       {"frequency", c.frequency},
                       {"polarisation", c.horizontal ? "H" : "V"},
                       {"serviceId", c.serviceId}};
}

QJsonArray channelsJson(const std::vector<ChannelRef>& list) {
    QJsonArray array;
    for (const ChannelRef& c : list) array.append(channelJson(c));
    return array;
}

QJsonArray changesJson(const std::vector<ChannelChange>& list) {
    QJsonArray array;
    for (const ChannelChange& c : list) {
        QJsonObject o{{"before", channelJson(c.before)}, {"after", channelJson(c.after)}};
        if (!c.fields.empty()) o.insert("fields", strings(c.fields));
        array.append(o);
    }
    return array;
}

QJsonArray recordsJson(const std::vector<RecordChange>& list) {
    QJsonArray array;
    for (const RecordChange& r : list) array.append(QJsonObject{{"what", text(r.what)}, {"fields", strings(r.fields)}});
    return array;
}

QJsonArray satellitesJson(const std::vector<SatelliteRef>& list) {
    QJsonArray array;
    for (const SatelliteRef& s : list)
        array.append(QJsonObject{{"location", text(s.location)}, {"name", text(s.name)}});
    return array;
}

QJsonObject diffJson(const DatabaseDiff& d) {
    QJsonArray favourites;
    for (const FavouriteChange& f : d.favouritesChanged)
        favourites.append(QJsonObject{{"group", f.group + 1}, {"fields", strings(f.fields)}});
    return QJsonObject{{"equal", d.equal()},
                       {"summary", text(diffSummary(d))},
                       {"channels", QJsonObject{{"added", channelsJson(d.channelsAdded)},
                                                {"removed", channelsJson(d.channelsRemoved)},
                                                {"renamed", changesJson(d.renamed)},
                                                {"moved", changesJson(d.moved)},
                                                {"pidsChanged", changesJson(d.pidsChanged)},
                                                {"otherChanged", changesJson(d.otherChanged)}}},
                       {"satellites", QJsonObject{{"added", satellitesJson(d.satellitesAdded)},
                                                  {"removed", satellitesJson(d.satellitesRemoved)},
                                                  {"changed", recordsJson(d.satellitesChanged)},
                                                  {"orderChanged", d.satelliteOrderChanged}}},
                       {"transponders", QJsonObject{{"added", strings(d.transpondersAdded)},
                                                    {"removed", strings(d.transpondersRemoved)},
                                                    {"changed", recordsJson(d.transpondersChanged)}}},
                       {"favourites", favourites}};
}

int runDiff(const QStringList& args, const CommandLine& options) {
    if (args.size() != 2) return usageError(diffCommand(), QStringLiteral("diff needs two files"));
    // The database code's own diagnostic lines would mix with the comparison.
    const auto a = loadChannelDataFile(args[0], {});
    const auto b = a ? loadChannelDataFile(args[1], {}) : nullptr;
    if (!a || !b) return kExitTrouble;

    const DatabaseDiff diff = compareDatabases(a->database(), b->database());
    if (options.isSet("json")) {
        QJsonObject o = diffJson(diff);
        o.insert("first", args[0]);
        o.insert("second", args[1]);
        out() << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
    } else {
        for (const std::string& line : diffLines(diff)) out() << text(line) << '\n';
    }
    out().flush();
    return diff.equal() ? kExitOk : kExitDiffer;
}

}  // namespace

const Command& diffCommand() {
    static const Command command{"diff",
                                 "A B",
                                 "Compares two channel-data files: channels added, removed, renamed, moved\n"
                                 "and with PIDs or other fields changed, favourite groups, satellites and\n"
                                 "transponders changed. Channels are matched by satellite, transponder\n"
                                 "frequency and polarisation and service id, not by number; \"moved\" are\n"
                                 "the fewest channels whose moving turns A's order into B's.\n"
                                 "Exit status 0 when they are the same, 1 when they differ, 2 when a file\n"
                                 "cannot be read or on bad usage.",
                                 {{.name = "json",
                                   .description = "print one JSON object instead: equal, summary, channels (added,\n"
                                                  "removed, renamed, moved, pidsChanged, otherChanged), satellites,\n"
                                                  "transponders, favourites, first, second"}},
                                 runDiff};
    return command;
}

}  // namespace dorvane::cli
