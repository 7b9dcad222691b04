// The session's property test with real imports among its random steps: the
// session's own JSON and CSV exports, edited as an operator edits them (a
// renamed channel, a changed PID, a partial table, a row or value that must
// be refused), taken through the import the window and `dorvane import`
// share. Besides the fixture's checks after every step, each import must do
// exactly its edit: the session then holds the database before the import
// with that edit applied, byte for byte; a refused one changes nothing and
// names the line or field.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <memory>
#include <random>
#include <set>

#include "core/database/receiver_database.h"
#include "editor/session_property.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_import.h"
#include "qtcore/exchange/channel_table_csv.h"
#include "qtcore/exchange/field_bytes.h"

namespace dorvane::test {
namespace {

// One edited export and what it must leave.
struct EditedExport {
    QByteArray bytes;
    ImportKind kind = ImportKind::Json;
    std::unique_ptr<ReceiverDatabase> expected;  // the database after it
    QString refusal;                             // the start of the refusal, when it must be refused
};

std::vector<int> usedChannels(const ReceiverDatabase& db) {
    std::vector<int> used;
    for (int n = 0; n < kChannelSlots; ++n)
        if (!channelFree(db.channel(n))) used.push_back(n);
    return used;
}

int unusedServiceId(const ReceiverDatabase& db) {
    std::set<int> used;
    for (int n : usedChannels(db)) used.insert(db.channel(n).serviceId);
    int id = 65535;
    while (used.count(id)) --id;
    return id;
}

// ---- JSON: the whole database

EditedExport editedJson(const ReceiverDatabase& db, const Pick& pick, unsigned serial) {
    EditedExport e;
    e.kind = ImportKind::Json;
    e.expected = std::make_unique<ReceiverDatabase>(db);
    QJsonObject root = QJsonDocument::fromJson(databaseToJson(db)).object();
    QJsonArray channels = root.value(QStringLiteral("channels")).toArray();
    const unsigned what = channels.isEmpty() ? 0 : pick(4);
    if (what > 0) {
        const auto i = static_cast<qsizetype>(pick(static_cast<unsigned>(channels.size())));
        QJsonObject channel = channels[i].toObject();
        const int n = channel.value(QStringLiteral("number")).toInt();
        ChannelRecord& c = e.expected->channel(n);
        if (what == 1) {  // a renamed channel: its name tail stays
            const QString name = QStringLiteral("Json %1").arg(serial);
            channel.insert(QStringLiteral("name"), name);
            joinField(name, splitField(c.name, sizeof c.name).tail, c.name, sizeof c.name);
        } else if (what == 2) {  // a changed PID
            const int pid = static_cast<int>((c.audioPid + 1 + pick(500)) % 8192);
            channel.insert(QStringLiteral("audioPid"), pid);
            c.audioPid = static_cast<std::uint16_t>(pid);
        } else {  // a value the file cannot hold
            channel.insert(QStringLiteral("videoPid"), 70000);
            e.refusal = QStringLiteral("$.channels[%1].videoPid").arg(i);
            e.expected.reset();
        }
        channels[i] = channel;
        root.insert(QStringLiteral("channels"), channels);
    }
    e.bytes = QJsonDocument(root).toJson(pick(2) ? QJsonDocument::Indented : QJsonDocument::Compact);
    return e;
}

// ---- CSV: the channel table, whole or in part

enum Column { kNumber = 0, kName = 1, kServiceId = 6, kVideoPid = 7, kColumnCount = 13 };

EditedExport editedCsv(const ReceiverDatabase& db, const Pick& pick, unsigned serial) {
    EditedExport e;
    e.kind = ImportKind::Csv;
    e.expected = std::make_unique<ReceiverDatabase>(db);
    QStringList lines = QString::fromUtf8(channelTableCsv(db)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QString header = lines.takeFirst();  // with the byte-order mark
    // A partial table: a few rows from anywhere; else every row.
    if (pick(2) == 0 && !lines.isEmpty()) {
        QStringList some;
        const unsigned count = 1 + pick(5);
        for (unsigned k = 0; k < count; ++k)
            some << lines[static_cast<qsizetype>(pick(static_cast<unsigned>(lines.size())))];
        some.removeDuplicates();
        lines = some;
    }
    const bool refuse = pick(5) == 0;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        QStringList cells = lines[row].split(QLatin1Char(','));
        if (cells.size() != kColumnCount || pick(3) != 0) continue;  // quoted names stay as they are
        ChannelRecord& c = e.expected->channel(cells[kNumber].toInt());
        if (refuse) {  // the row names a channel that is not there
            cells[kServiceId] = QString::number(unusedServiceId(db));
            e.refusal = QStringLiteral("line %1: no channel has").arg(row + 2);
            e.expected.reset();
            lines[row] = cells.join(QLatin1Char(','));
            break;
        }
        if (pick(2) == 0) {  // renamed: a changed name has no tail
            cells[kName] = QStringLiteral("Csv %1 %2").arg(serial).arg(row);
            joinField(cells[kName], {}, c.name, sizeof c.name);
        } else {
            c.videoPid = static_cast<std::uint16_t>((c.videoPid + 1 + pick(500)) % 8192);
            cells[kVideoPid] = QString::number(c.videoPid);
        }
        lines[row] = cells.join(QLatin1Char(','));
    }
    e.bytes = (header + QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    return e;
}

// The import step: an edited export through the window's import.
void importEditedExport(EditorSession& session, ScriptedQuestions& questions, const Pick& pick, unsigned serial) {
    const ReceiverDatabase& db = session.database();
    const EditedExport e = pick(2) == 0 ? editedJson(db, pick, serial) : editedCsv(db, pick, serial);
    const std::vector<std::uint8_t> before = packedBytes(db);
    const std::size_t told = questions.told.size();
    Status result;
    session.import(
        [&](ReceiverDatabase&) -> Status {
            const Result<ImportReport> report = importChannelData(e.bytes, e.kind, session.document());
            return report.ok() ? Status{} : report.status();
        },
        false, &result);
    if (!e.expected) {
        ASSERT_FALSE(result.ok()) << "took what it must refuse: " << e.refusal.toStdString();
        EXPECT_EQ(packedBytes(session.database()), before);
        ASSERT_EQ(questions.told.size(), told + 1);
        EXPECT_EQ(questions.told.back().rfind("Nothing was imported: " + e.refusal.toStdString(), 0), 0u)
            << questions.told.back();
        return;
    }
    ASSERT_TRUE(result.ok()) << result.message() << "\n" << e.bytes.left(2000).toStdString();
    EXPECT_EQ(packedBytes(session.database()), packedBytes(*e.expected))
        << (e.kind == ImportKind::Csv ? "CSV" : "JSON") << " import did more or less than its edit";
}

class SessionImportPropertyTest : public SessionPropertyTest {};

TEST_P(SessionImportPropertyTest, LongRandomSequencesWithImportsKeepEveryStateTrue) {
    std::mt19937 random(GetParam() ? 4321u : 77u);
    const Pick pick = [&random](unsigned count) { return count == 0 ? 0u : random() % count; };
    SessionDriver driver(session_, questions_, pick);
    unsigned serial = 0;
    int imports = 0;
    driver.setImportStep([&](EditorSession& session, const Pick& choose) {
        ++imports;
        importEditedExport(session, questions_, choose, serial++);
    });
    importEvery_ = 4;
    runSequences(driver);
    // Every fourth step of a stretch imports (a stretch may end early, when
    // an edit made the list too big to save); the random steps import too.
    EXPECT_GE(imports, stepsRun_ / importEvery_ - (full_ ? 5 : 10));
    EXPECT_GT(imports, 40);
}

INSTANTIATE_TEST_SUITE_P(DemoAndFull, SessionImportPropertyTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Full" : "Demo"; });

}  // namespace
}  // namespace dorvane::test
