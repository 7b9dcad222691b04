// The editor's "Import..." and `dorvane import` on the same files: the
// same channel data afterwards, the same report, the same refusals.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "editor_test_support.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_table_csv.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

std::vector<std::uint8_t> packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 53736) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

struct CliOutcome {
    int status = -1;
    QStringList report;  // the "Applied/Ignored/Note" lines
    QString refusal;     // the reason after "FILE: "
    std::vector<std::uint8_t> payload;
};

CliOutcome runImport(const QString& file, const QString& out) {
    QProcess p;
    p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"), {QStringLiteral("import"), file, out});
    CliOutcome r;
    if (!p.waitForFinished(30000)) return r;
    r.status = p.exitCode();
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Applied")) || line.startsWith(QLatin1String("Ignored")) ||
            line.startsWith(QLatin1String("Note")))
            r.report << line;
    }
    const QString err = QString::fromUtf8(p.readAllStandardError()).section(QLatin1Char('\n'), 0, 0);
    if (err.startsWith(file + QStringLiteral(": "))) r.refusal = err.mid(file.size() + 2);
    ChannelDataDocument document;
    if (r.status == 0 && document.open(out.toStdString()).ok()) r.payload = packed(document.database());
    return r;
}

}  // namespace

class ImportParityTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    std::unique_ptr<ReceiverDatabase> demo_;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase() {
        demo_ = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*demo_);
    }

    void windowAndCommandLineAgree_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        const QByteArray csv = channelTableCsv(*demo_);
        QStringList rows = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        rows[3].replace(QStringLiteral("Rivo Sport"), QStringLiteral("Rivo Sport 2"));
        rows.move(3, 1);
        QTest::newRow("reordered") << ("\xEF\xBB\xBF" + rows.join(QStringLiteral("\r\n")).toUtf8()) << "reordered.csv"
                                   << true;
        QTest::newRow("semicolon partial")
            << QByteArray(
                   "\xEF\xBB\xBFnumber;satellite;frequency;polarisation;serviceId;name;kind\r\n"
                   "9;2;11727;H(L);903;Quill HD+;radio\r\n")
            << "partial.csv" << true;
        QTest::newRow("latin-1") << QByteArray(
                                        "satellite,frequency,polarisation,serviceId,name\n1,10729,V(R),100,Caf\xE9\n")
                                 << "latin1.csv" << false;
        QTest::newRow("no such channel")
            << QByteArray("satellite,frequency,polarisation,serviceId,name\n1,10729,V(R),4444,X\n") << "gone.csv"
            << false;
        QTest::newRow("long name")
            << QByteArray("satellite,frequency,polarisation,serviceId,name\n1,10729,V(R),100,Nineteen characters\n")
            << "long.csv" << false;
        QJsonObject root = QJsonDocument::fromJson(databaseToJson(*demo_)).object();
        QJsonArray channels = root["channels"].toArray();
        QJsonObject c = channels[3].toObject();
        c["name"] = QStringLiteral("From JSON");
        channels[3] = c;
        root["channels"] = channels;
        QTest::newRow("json") << QJsonDocument(root).toJson() << "good.json" << true;
        c.remove("frequency");
        c.remove("polarisation");
        c["transponder"] = 1999;
        channels[3] = c;
        root["channels"] = channels;
        QTest::newRow("json unsavable") << QJsonDocument(root).toJson() << "unsavable.json" << false;
    }
    void windowAndCommandLineAgree() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        const QString file = write(name, bytes);

        ScriptedPrompts prompts;
        EditorWindow session(*demo_, prompts);
        const QString out = dir_.filePath(name + QStringLiteral(".irz"));
        QFile::remove(out);
        QVERIFY(QFile::copy(session.path(), out));
        const CliOutcome cli = runImport(file, out);
        QCOMPARE(cli.status == 0, accepted);

        auto& w = session.dialog();
        const auto before = packed(session.database());
        prompts.files = {file};
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        if (accepted) {
            QVERIFY(!cli.payload.empty());
            QVERIFY(packed(session.database()) == cli.payload);
            QCOMPARE(prompts.messages.isEmpty() ? QStringList() : prompts.messages.last().split(QLatin1Char('\n')),
                     cli.report);
            QVERIFY(w.saveButton()->isEnabled());
        } else {
            QVERIFY(!cli.refusal.isEmpty());
            QCOMPARE(prompts.messages, QStringList{QStringLiteral("Nothing was imported: ") + cli.refusal});
            QVERIFY(packed(session.database()) == before);
            QVERIFY(!w.saveButton()->isEnabled());
            QVERIFY(!w.undoButton()->isEnabled());
        }
    }
};

QTEST_MAIN(ImportParityTest)
#include "import_parity_test.moc"
