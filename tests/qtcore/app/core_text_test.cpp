// The core's texts as the window shows them: under a pseudo-language that
// marks the fixed parts of every translated text (so that a part filled in
// and left in English shows), nothing the core says for display is left in
// English (the image types, the check of a list, the comparison of two, the
// printed list, the transfer's figures, the connection check, why an import
// was refused), and the names it quotes stay as they are.

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cstring>
#include <memory>
#include <set>

#include "core/database/backup_blob.h"
#include "core/database/blob_shape.h"
#include "core/database/channel_data_document.h"
#include "core/database/channel_order.h"
#include "core/database/database_diff.h"
#include "core/database/demo_data.h"
#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"
#include "core/editor/channel_move.h"
#include "core/editor/print_pages.h"
#include "core/image/image_file.h"
#include "core/image/inspection.h"
#include "core/transfer/transfer_monitor.h"
#include "import_refusals.h"
#include "qtcore/app/core_text.h"
#include "qtcore/doctor/connection_doctor.h"
#include "qtcore/doctor/doctor_shown_text.h"
#include "qtcore/exchange/channel_table_csv.h"
#include "support/image_builder.h"
#include "support/pseudo_language.h"
#include "support/temp_dir.h"

using namespace dorvane;

namespace {

// The texts that come out with English words left outside the marks.
QStringList leftInEnglish(const std::vector<std::string>& texts) {
    QStringList bad;
    for (const std::string& text : texts) {
        const QString shown = coreText(text);
        if (test::leftInEnglish(shown)) bad << QStringLiteral("%1\n    -> %2").arg(QString::fromStdString(text), shown);
    }
    return bad;
}

int usedChannel(const ReceiverDatabase& db, int from) {
    for (int n = from; n < kChannelSlots; ++n)
        if (!channelFree(db.channel(n))) return n;
    return -1;
}

int usedSatellite(const ReceiverDatabase& db, int from = 0) {
    for (int s = from; s < kEditableSatellites; ++s)
        if (satelliteInUse(db.satellite(s))) return s;
    return -1;
}

// The demo list with names that are no words (satellites and favourite
// groups are named without quotes in some texts).
std::unique_ptr<ReceiverDatabase> plainDemo() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    for (int s = 0; s < kSatelliteSlots; ++s)
        if (satelliteInUse(db->satellite(s))) setFixedText(db->satellite(s).name, "S" + std::to_string(s));
    for (int g = 0; g < kFavoriteGroups; ++g) {
        db->setTvGroupName(g, "T" + std::to_string(g));
        db->setRadioGroupName(g, "R" + std::to_string(g));
    }
    db->recount();
    return db;
}

using Edit = void (*)(ReceiverDatabase&);

// Edits that a comparison tells apart, each of one kind or a few.
const Edit kEdits[] = {
    [](ReceiverDatabase& db) {  // every field of a channel
        ChannelRecord& c = db.channel(usedChannel(db, 3));
        c.audioPid += 1;
        c.videoPid += 1;
        c.pcrPid += 1;
        c.teletextPid += 1;
        ChannelRecord& other = db.channel(usedChannel(db, 7));
        other.videoType ^= 1;
        other.flags ^= 0x100;
        other.cas ^= 1;
        other.carried34 ^= 1;
    },
    [](ReceiverDatabase& db) { setFixedText(db.channel(usedChannel(db, 10)).name, "Renamed One"); },
    [](ReceiverDatabase& db) { db.deleteChannel(usedChannel(db, 20)); },
    [](ReceiverDatabase& db) {
        const int copy = db.duplicateChannel(usedChannel(db, 5));
        db.channel(copy).serviceId = 0xBEEF;
        moveChannelsKeepingFavourites(db, {copy}, 0);
    },
    [](ReceiverDatabase& db) { moveChannelsKeepingFavourites(db, {usedChannel(db, 2)}, usedChannel(db, 40) + 1); },
    [](ReceiverDatabase& db) {  // names, members and their order
        db.setTvGroupName(11, "T99");
        db.setRadioGroupName(11, "R99");
        db.addToGroup(11, usedChannel(db, 30), db.groupSize(11));
        for (int g = 0; g < 11; ++g)
            if (db.groupSize(g) >= 2) std::swap(db.groupSlot(g, 0), db.groupSlot(g, 1));
    },
    [](ReceiverDatabase& db) {  // every field of a satellite but its place in the sky
        SatelliteRecord& s = db.satellite(usedSatellite(db));
        setFixedText(s.name, "S9");
        s.lnbFrequency += 100;
        s.lnbType ^= 1;
        s.lnbPower ^= 1;
        s.tone22k ^= 1;
        s.diseqcType ^= 1;
        s.diseqcPort ^= 1;
        s.dishPosition += 1;
        s.carried18 ^= 1;
    },
    [](ReceiverDatabase& db) {
        const int added = db.addSatellite();
        db.satellite(added).location = 3000;
        db.deleteSatellite(usedSatellite(db, usedSatellite(db) + 1));
    },
    [](ReceiverDatabase& db) { std::swap(db.orderEntry(0), db.orderEntry(1)); },
    [](ReceiverDatabase& db) {  // every field of a transponder but its frequency
        TransponderRecord& t = db.transponder(db.channel(usedChannel(db, 0)).transponder);
        t.symbolRate += 1000;
        t.fec ^= 1;
        t.transmission = t.transmission == 2 ? 0 : 2;
        t.modulation = t.modulation == 4 ? 0 : 4;
        t.carried6 ^= 1;
    },
    [](ReceiverDatabase& db) { db.transponder(db.channel(usedChannel(db, 0)).transponder).frequency += 10; },
};

// The lines of a comparison of each edit alone, and of all of them at once
// (a summary of many kinds); `kinds` gets every kind of difference seen.
std::vector<std::string> comparisonLines(std::set<std::string>* kinds = nullptr) {
    const auto a = plainDemo();
    auto all = std::make_unique<ReceiverDatabase>(*a);
    std::vector<std::string> lines;
    const auto add = [&](const DatabaseDiff& d) {
        const std::vector<std::string> more = diffLines(d);
        lines.insert(lines.end(), more.begin(), more.end());
        if (!kinds) return;
        const std::pair<bool, const char*> seen[] = {{!d.channelsAdded.empty(), "channels added"},
                                                     {!d.channelsRemoved.empty(), "channels removed"},
                                                     {!d.renamed.empty(), "renamed"},
                                                     {!d.moved.empty(), "moved"},
                                                     {!d.pidsChanged.empty(), "PIDs"},
                                                     {!d.otherChanged.empty(), "other"},
                                                     {!d.favouritesChanged.empty(), "favourites"},
                                                     {!d.satellitesAdded.empty(), "satellites added"},
                                                     {!d.satellitesRemoved.empty(), "satellites removed"},
                                                     {!d.satellitesChanged.empty(), "satellites"},
                                                     {d.satelliteOrderChanged, "order"},
                                                     {!d.transpondersAdded.empty(), "transponders added"},
                                                     {!d.transpondersRemoved.empty(), "transponders removed"},
                                                     {!d.transpondersChanged.empty(), "transponders"}};
        for (const auto& [yes, kind] : seen)
            if (yes) kinds->insert(kind);
    };
    for (Edit edit : kEdits) {
        auto b = std::make_unique<ReceiverDatabase>(*a);
        edit(*b);
        edit(*all);
        add(compareDatabases(*a, *b));
    }
    add(compareDatabases(*a, *all));
    add(compareDatabases(*a, *a));
    return lines;
}

}  // namespace

class CoreTextTest : public QObject {
    Q_OBJECT
    test::SegmentedPseudoTranslator pseudo_;

private slots:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&pseudo_)); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&pseudo_); }

    void theCheckFindsAnUnknownText() {
        // The check below is not blind: a text the translations do not know
        // is left in English, a known one is marked.
        QCOMPARE(leftInEnglish({"Something the translations never heard of"}).size(), 1);
        QVERIFY(leftInEnglish({"Transferring ended."}).isEmpty());
        // A part filled in stands outside the marks: known, or shown.
        QCOMPARE(leftInEnglish({"Image Type : Something unknown"}).size(), 1);
        QVERIFY(leftInEnglish({"Uploading failed! Transferring canceled!"}).isEmpty());
    }

    void everyImageTypeIsTranslated() {
        test::TempDir dir;
        const std::vector<test::Bytes> images{test::xprImage({.buyer = "12"}, test::patternBytes(100)),
                                              test::xprImage({.kind = "XYZ", .buyer = "12"}, test::patternBytes(100)),
                                              test::yfwImage(test::xprImage({.buyer = "12"}, test::patternBytes(100))),
                                              test::cnxtImage(0x20060203, 0x01020300, "12"),
                                              test::cnxtImage(0x20060106, 0x01020300, "12"),
                                              test::cnxtImage(0x12345678, 0x01020300, "12"),
                                              {'I', 'R', 'Z', 0, 1, 2, 3, 4},
                                              {'C', 'M', 'D', '0', 1, 2, 3},
                                              {'C', 'M', 'D', '1', 1, 2, 3},
                                              test::patternBytes(300)};
        std::vector<std::string> lines;
        CImageFile image;
        for (std::size_t i = 0; i < images.size(); ++i) {
            const std::filesystem::path path = dir.path() / (std::to_string(i) + ".img");
            QFile file(QString::fromStdString(path.string()));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(images[i].data()), static_cast<qint64>(images[i].size()));
            file.close();
            const Result<Inspection> inspected = inspectImageFile(image, path);
            QVERIFY2(inspected.ok(), inspected.message().c_str());
            lines.insert(lines.end(), inspected->logLines.begin(), inspected->logLines.end());
        }
        for (ImageType type : {ImageType::Undefined, ImageType::Boot, ImageType::Application, ImageType::Database,
                               ImageType::IrzData, ImageType::Factory, ImageType::Upload})
            lines.push_back("Image Type : " + imageTypeName(type));
        const QStringList bad = leftInEnglish(lines);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void everyFindingOfTheCheckIsTranslated() {
        // A list with every kind of problem the check knows.
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        const int a = usedChannel(*db, 0);
        const int duplicate = db->duplicateChannel(a);
        QVERIFY(duplicate >= 0);
        const int t = db->channel(usedChannel(*db, 4)).transponder;
        TransponderRecord twin = db->transponder(t);
        twin.frequency += 1;
        for (int free = 0; free < kTransponderSlots; ++free) {
            if (!transponderFree(db->transponder(free))) continue;
            db->transponder(free) = twin;
            break;
        }
        db->transponder(db->channel(usedChannel(*db, 9)).transponder).frequency = 0;
        db->channel(usedChannel(*db, 12)).transponder = kTransponderSlots - 1;
        db->groupSlot(3, 0) = static_cast<std::int16_t>(kChannelSlots - 1);
        db->orderEntry(1) = 0;
        db->orderEntry(40) = 200;
        db->orderEntry(41) = 3;
        // A file that holds fewer satellites than the receiver knows.
        std::memcpy(db->storedHeader().magic, "IRZ", 4);
        db->storedHeader().satelliteCount = 3;
        std::vector<IntegrityFinding> findings = checkIntegrity(*db);
        std::vector<std::string> texts{lossSummary(findings)};
        std::set<IntegrityFinding::Kind> kinds;
        for (const IntegrityFinding& f : findings) {
            texts.push_back(f.text);
            texts.push_back("- " + f.text);
            kinds.insert(f.kind);
        }
        QCOMPARE(kinds.size(), std::size_t{6});
        // One channel lost, and the text for many.
        db->transponder(db->channel(usedChannel(*db, 12)).transponder).frequency = 1;
        findings.resize(1);
        findings[0].losesData = true;
        texts.push_back(lossSummary(findings));
        const QStringList bad = leftInEnglish(texts);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void everyLineOfAComparisonIsTranslated() {
        std::set<std::string> kinds;
        const std::vector<std::string> lines = comparisonLines(&kinds);
        QCOMPARE(kinds.size(), std::size_t{14});
        const QStringList bad = leftInEnglish(lines);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
        // A summary is translated item by item: as many as in English.
        for (const std::string& line : lines) {
            const QString english = QString::fromStdString(line);
            if (!english.endsWith(QLatin1Char('.')) || line.find('"') != std::string::npos) continue;
            QCOMPARE(coreText(line).count(QStringLiteral(", ")), english.count(QStringLiteral(", ")));
        }
    }

    void theEditorsFileMessagesAreTranslated() {
        // A file that does not unpack, one laid out unlike the receiver's,
        // a reference list that cannot be read, and what ordering after one
        // did.
        std::vector<std::string> texts{"File open failed!"};
        for (UnpackResult r : {UnpackResult::NoMemory, UnpackResult::DecompressionFailed, UnpackResult::Truncated,
                               UnpackResult::BadMagic})
            texts.push_back(unpackStatus(r).message());
        BackupHeader odd{};
        odd.prefixLength = 50;
        odd.satelliteCount = 500;
        odd.satelliteRecordSize = 10;
        odd.transponderCount = 5000;
        odd.transponderRecordSize = 10;
        odd.channelCount = 9000;
        odd.channelRecordSize = 10;
        BlobLosses losses;
        losses.shape = unwritableShape(odd);
        QVERIFY(losses.shape.size() >= 8);
        losses.channelRecordsWithoutTransponder = 2;
        losses.bytesBehindSections = 7;
        losses.favouriteEntriesWithoutChannel = 3;
        texts.push_back(joinReasons(losses.notRead()));
        texts.push_back("This file cannot be written back without losing data: " + joinReasons(losses.unwritable()) +
                        ".");
        for (std::string_view list : {std::string_view("a\0b", 3), std::string_view(),
                                      std::string_view("satellite;frequency;serviceid;name\n19.2E;;;\n")}) {
            const Result<ChannelReference> parsed = parseReferenceText(list);
            if (!parsed.ok()) texts.push_back(parsed.message());
        }
        QVERIFY(texts.size() >= 9);
        ReferencePlan plan;
        plan.matched.resize(3);
        plan.usedChannels = 5;
        plan.byIdentity = 2;
        plan.byName = 1;
        texts.push_back(referenceSummary(plan));
        plan.unmatched = {3, 4};
        plan.missing = {1};
        texts.push_back(referenceSummary(plan));
        plan.missing = {1, 2};
        texts.push_back(referenceSummary(plan));
        const QStringList bad = leftInEnglish(texts);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void aTableImportsReportIsTranslated() {
        // The list's own table with a column it does not know, a name
        // changed, a read-only column changed, a number that no longer
        // fits and two rows swapped: every line the editor shows after it.
        auto db = plainDemo();
        QStringList rows = QString::fromUtf8(channelTableCsv(*db)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(rows.size() > 4);
        for (QString& row : rows) row += rows.indexOf(row) == 0 ? QStringLiteral(",extra") : QStringLiteral(",1");
        QStringList second = rows[2].split(QLatin1Char(','));
        second[1] = QStringLiteral("Other Name");
        second[0] = QStringLiteral("4000");
        second[second.size() - 2] =
            second[second.size() - 2] == QStringLiteral("tv") ? QStringLiteral("radio") : QStringLiteral("tv");
        rows[2] = second.join(QLatin1Char(','));
        rows.swapItemsAt(3, 4);
        const Result<CsvImportReport> applied = applyChannelTableCsv(rows.join(QStringLiteral("\r\n")).toUtf8(), *db);
        QVERIFY2(applied.ok(), applied.message().c_str());
        const QStringList lines = applied->lines();
        QVERIFY2(lines.size() >= 7, qPrintable(lines.join(QLatin1Char('\n'))));
        // The table's column names are names, as the file has them.
        static const QRegularExpression columns(QStringLiteral(
            "\\b(number|name|satellite|transponder|frequency|polarisation|serviceId|cas|kind|extra)\\b"));
        for (const QString& english : QStringList{lines.join(QLatin1Char('\n'))} + lines) {
            const QString shown = coreText(english);
            QVERIFY2(!test::leftInEnglish(QString(shown).remove(columns)), qPrintable(shown));
        }
    }

    void everyImportRefusalIsTranslated() {
        // Every way a channel table or a JSON of the data is refused, from
        // real imports of broken exports, in the box the editor shows. The
        // place named (a JSON path, a column of the table) and Qt's own
        // words on bad JSON (translated by Qt) stay as they are.
        const auto db = plainDemo();
        std::vector<std::string> refusals = test::csvImportRefusals(*db);
        const std::vector<std::string> json = test::jsonImportRefusals(*db);
        refusals.insert(refusals.end(), json.begin(), json.end());
        QCOMPARE(refusals.size(), std::size_t{47});
        // Each input is refused, and for a reason of its own.
        QCOMPARE(std::set<std::string>(refusals.begin(), refusals.end()).size(), refusals.size());
        static const QRegularExpression places(
            QStringLiteral("(?<=[$\\x{27EB}])\\.[\\w.\\[\\]]+|\\$[\\w.\\[\\]]*|\\b(number|name|satellite|frequency|"
                           "polarisation|serviceId|videoPid)\\b"));
        QStringList bad;
        for (const std::string& refused : refusals) {
            QVERIFY2(refused.rfind("not refused", 0) != 0, refused.c_str());
            const QString shown = coreText("Nothing was imported: " + refused);
            if (test::leftInEnglish(QString(shown).remove(places)))
                bad << QStringLiteral("%1\n    -> %2").arg(QString::fromStdString(refused), shown);
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
        // Without a translation they are shown as the import said them.
        QCoreApplication::removeTranslator(&pseudo_);
        const std::vector<std::string> english = test::jsonImportRefusals(*db);
        for (const std::string& refused : test::csvImportRefusals(*db))
            QCOMPARE(coreText(refused).toStdString(), refused);
        for (const std::string& refused : english) QCOMPARE(coreText(refused).toStdString(), refused);
        QVERIFY(QCoreApplication::installTranslator(&pseudo_));
    }

    void thePrintedListIsTranslated() {
        const auto db = plainDemo();
        std::vector<std::string> texts{printHeading(*db, "1.irz", "2026-12-10")};
        for (const PrintPage& page : paginate(printTables(*db), texts.front(), 20)) {
            texts.push_back(page.title);
            texts.push_back(page.footer);
            texts.insert(texts.end(), page.columns.begin(), page.columns.end());
        }
        texts.push_back("Radio");
        const QStringList bad = leftInEnglish(texts);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void theTransferFiguresAreTranslated() {
        std::vector<std::string> texts;
        using Phase = TransferFigures::Phase;
        for (Phase phase : {Phase::Idle, Phase::Waiting, Phase::Transferring, Phase::Writing, Phase::Ended}) {
            TransferFigures f;
            f.phase = phase;
            texts.push_back(progressText(f));
            f.totalBlocks = 10;
            f.blocks = 3;
            f.totalBytes = 10240;
            f.bytes = 3072;
            f.writingPercent = 45;
            f.eta = 12000;
            texts.push_back(progressText(f));
            texts.push_back(summaryText(f));
        }
        const QStringList bad = leftInEnglish(texts);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void theConnectionCheckIsTranslated() {
        // Every step of a check of a port that is not there, and its verdict,
        // as the window and "dorvane doctor --lang" show them.
        DoctorOptions options;
        options.port = QStringLiteral("/dev/dorvane-no-such-port");
        options.loopbackHow = QStringLiteral("--loopback");
        options.powerCycleHow = QStringLiteral("--power-cycle-wait");
        ConnectionDoctor doctor(options);
        QSignalSpy done(&doctor, &ConnectionDoctor::finished);
        doctor.start();
        QVERIFY(done.count() == 1 || done.wait(10000));
        QStringList bad;
        QVERIFY(doctor.report().steps.size() >= 5);
        for (const DoctorStep& step : doctor.report().steps) {
            const QString shown = shownStepText(step);
            if (test::leftInEnglish(shown)) bad << shown;
        }
        if (test::leftInEnglish(shownVerdict(doctor.report()))) bad << shownVerdict(doctor.report());
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void namesStayAsTheyAre() {
        // Whatever a channel, satellite or group is called, even a word the
        // translations know, it is shown as it is.
        const QStringList known{QStringLiteral("Radio"), QStringLiteral("Stop"), QStringLiteral("Channels"),
                                QStringLiteral("Boot"), QStringLiteral("Cancel")};
        QRandomGenerator random(25);
        for (int round = 0; round < 50; ++round) {
            const std::string name = known[random.bounded(known.size())].toStdString();
            const std::string file = known[random.bounded(known.size())].toStdString();
            const std::vector<std::string> texts{
                "channel 5 \"" + name + "\" stands on transponder 7, which is not in use",
                "Renamed channel 3 \"" + name + "\" (19.2E 11494 H(L) sid 1) to \"" + name + "\"",
                "Favourite group 2: " + name + " / " + name, "File Name : " + file,
                file + ", 2026-12-10: 3 channels (2 TV, 1 radio), 1 transponders, 1 satellites, 0 favourite groups"};
            for (const std::string& text : texts) {
                const QString shown = coreText(text);
                const QString quoted = QString::fromStdString(name);
                QVERIFY2(shown.count(quoted) >= QString::fromStdString(text).count(quoted) ||
                             shown.count(QString::fromStdString(file)) >= 1,
                         qPrintable(shown));
                QVERIFY2(!shown.contains(test::pseudoText(QString::fromStdString(name))) &&
                             !shown.contains(test::pseudoText(QString::fromStdString(file))),
                         qPrintable(shown));
            }
        }
    }

    void englishStaysWordForWord() {
        // Without a translation every text comes back as the core wrote it.
        QCoreApplication::removeTranslator(&pseudo_);
        auto a = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*a);
        a->recount();
        auto b = std::make_unique<ReceiverDatabase>(*a);
        std::vector<std::string> texts = comparisonLines();
        for (Edit edit : kEdits) edit(*b);
        for (const IntegrityFinding& f : checkIntegrity(*b)) texts.push_back(f.text);
        texts.push_back(printHeading(*a, "Radio", "2026-12-10"));
        for (const std::string& text : texts) QCOMPARE(coreText(text), QString::fromStdString(text));
        QVERIFY(QCoreApplication::installTranslator(&pseudo_));
    }
};

QTEST_GUILESS_MAIN(CoreTextTest)
#include "core_text_test.moc"
