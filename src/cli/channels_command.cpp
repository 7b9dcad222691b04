#include <chrono>
#include <cstdio>

#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "core/database/backup_blob.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_table_csv.h"

namespace dorvane::cli {

namespace {

QString text(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
QString text(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

const char* kindName(const ChannelRecord& c) {
    switch (channelKind(c)) {
        case kKindTv: return "tv";
        case kKindRadio: return "radio";
        default: return "other";
    }
}

QString dateText(std::uint16_t mjd) {
    using namespace std::chrono;
    const year_month_day day{sys_days{year{1858} / November / 17} + days{mjd}};
    return QString::asprintf("%04d-%02u-%02u", static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                             static_cast<unsigned>(day.day()));
}

QString diseqcText(std::uint8_t type) {
    static const char* const names[] = {"Off", "1.0(4 Switch)", "1.1(16 Switch)", "1.2(Motor)", "1.3(USALS)"};
    return type < 5 ? QString::fromLatin1(names[type]) : QString::number(type);
}

void printListing(const ReceiverDatabase& db, QTextStream& o) {
    const BackupHeader& h = db.storedHeader();
    o << QString::asprintf("Header: payload %u bytes, prefix kind %u (%u bytes), date %u (%s)\n", h.payloadSize,
                           h.prefixKind, h.prefixLength, h.date, qPrintable(dateText(h.date)));
    o << QString::asprintf("        satellites %u x %u, transponders %u x %u, channels %u x %u, favourites %u + %u\n",
                           h.satelliteCount, h.satelliteRecordSize, h.transponderCount, h.transponderRecordSize,
                           h.channelCount, h.channelRecordSize, h.favoriteSectionSize, h.favoriteNamesSize);

    QStringList order;
    for (int i = 0; i < kSatelliteSlots; ++i)
        if (db.orderEntry(i) != 0) order << QString::number(db.orderEntry(i));
    o << "\nSatellite order: " << (order.isEmpty() ? QStringLiteral("(empty)") : order.join(' ')) << "\n";

    QStringList rows;
    for (int s = 0; s < kSatelliteSlots; ++s) {
        const SatelliteRecord& r = db.satellite(s);
        if (!satelliteInUse(r)) continue;
        rows << QString::asprintf("  %6d  %-15s  %4s (%4d)  %5u %-9s %-5s  %-14s %4u  %-3s  %4u", s + 1,
                                  qPrintable(text(fixedText(r.name))), locationText(r.location).c_str(), r.location,
                                  r.lnbFrequency, r.lnbType == 0 ? "Universal" : "Single", r.tone22k ? "22KHz" : "Off",
                                  qPrintable(diseqcText(r.diseqcType)), r.diseqcPort + 1u,
                                  r.lnbPower == 0 ? "On" : "Off", r.dishPosition);
    }
    o << "\nSatellites: " << rows.size() << "\n";
    o << "  Sat_id  Satellite        Location     LNB   Type      22kHz  DiSEqC         Port  Pwr  Dish\n";
    for (const QString& row : rows) o << row << "\n";

    rows.clear();
    for (int t = 0; t < kTransponderSlots; ++t) {
        const TransponderRecord& r = db.transponder(t);
        if (transponderFree(r)) continue;
        rows << QString::asprintf("  %5d  %6u  %5u  %-4s  %5u  %-4s  %-6s  %-4s", t, r.satellite, r.frequency,
                                  polarisationText(r.polarisation).data(), r.symbolRate, fecText(r.fec).data(),
                                  transmissionText(r.transmission).data(), modulationText(r.modulation).data());
    }
    o << "\nTransponders: " << rows.size() << "\n";
    o << "  Tp_id  Sat_id  Freq.  Pol.    S/R  FEC   Trans   Mod\n";
    for (const QString& row : rows) o << row << "\n";

    rows.clear();
    for (int n = 0; n < kChannelSlots; ++n) {
        const ChannelRecord& r = db.channel(n);
        if (channelFree(r)) continue;
        rows << QString::asprintf("  %5d  %-18s  %5u  %6u  %5u  %5u  %5u  %5u  %5u  %-8s  %-5s  %-5s  %s", n,
                                  qPrintable(text(fixedText(r.name))), r.transponder, r.satellite + 1u, r.serviceId,
                                  r.pcrPid, r.videoPid, r.audioPid, r.teletextPid, casText(r.cas).c_str(),
                                  r.videoType == 27 ? "MPEG4" : "", (r.flags & kFlagDolby) ? "Dolby" : "", kindName(r));
    }
    o << "\nChannels: " << rows.size() << "\n";
    o << "  Ch_id  Channel             Tp_id  Sat_id    SID   PPid   VPid   APid   ttxt  CAS       VTyp   ATyp   "
         "Kind\n";
    for (const QString& row : rows) o << row << "\n";

    o << "\nFavourites:\n";
    for (int g = 0; g < kFavoriteGroups; ++g) {
        QStringList members;
        for (int s = 0; s < kGroupSlots; ++s)
            if (db.groupSlot(g, s) >= 0) members << QString::number(db.groupSlot(g, s));
        o << QString::asprintf("  Group %2d  TV \"%s\", radio \"%s\": %lld members", g + 1,
                               qPrintable(text(db.tvGroupName(g))), qPrintable(text(db.radioGroupName(g))),
                               static_cast<long long>(members.size()));
        if (!members.isEmpty()) o << ": " << members.join(' ');
        o << "\n";
    }
    o.flush();
}

int runChannels(const QStringList& files, const CommandLine& options) {
    const bool json = options.isSet("json");
    const bool csv = options.isSet("csv");
    if (files.size() != 1) return usageError(channelsCommand(), QStringLiteral("channels needs one file"));
    if (json && csv) return usageError(channelsCommand(), QStringLiteral("--json and --csv exclude each other"));

    // The standard output carries the listing; diagnostics go beside it.
    const auto document = loadChannelDataFile(files.first());
    if (!document) return kExitFailure;
    reportNotRead(*document, files.first());
    const ReceiverDatabase* db = &document->database();
    if (json) {
        const QByteArray text = databaseToJson(*db);
        out().flush();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        std::fflush(stdout);
    } else if (csv) {
        const QByteArray table = channelTableCsv(*db);
        out().flush();
        std::fwrite(table.constData(), 1, static_cast<std::size_t>(table.size()), stdout);
        std::fflush(stdout);
    } else {
        printListing(*db, out());
    }
    return kExitOk;
}

}  // namespace

const Command& channelsCommand() {
    static const Command command{
        "channels",
        "FILE",
        "Unpacks a channel-data file and prints its database: the header, the\n"
        "satellite order, satellites, transponders, channels and favourite groups.\n"
        "What the file holds that was not read is said on standard error.",
        {{.name = "json",
          .description = "print one JSON object instead that carries every byte a save\n"
                         "keeps (`import` turns it back into a file; see README)"},
         {.name = "csv", .description = "print the channel table for spreadsheets (not with --json)"}},
        runChannels};
    return command;
}

}  // namespace dorvane::cli
