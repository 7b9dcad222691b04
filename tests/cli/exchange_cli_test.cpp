// The command line's channel-data commands: check, import, --csv, the JSON
// round trip through files, NAME.bak, and files that cannot be written back.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <lzo/lzo1x.h>

#include <cstring>
#include <vector>

#include "cli_run.h"

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// The blob with its payload changed by `edit` (header and payload bytes),
// compressed again.
QByteArray rebuilt(const QByteArray& blob,
                   void (*edit)(std::vector<unsigned char>& header, std::vector<unsigned char>& payload)) {
    if (lzo_init() != LZO_E_OK) return {};
    std::vector<unsigned char> header(blob.begin(), blob.begin() + 32);
    std::uint32_t payloadSize = 0;
    std::memcpy(&payloadSize, header.data() + 4, 4);
    std::vector<unsigned char> payload(payloadSize);
    lzo_uint produced = payloadSize;
    lzo1x_decompress_safe(reinterpret_cast<const unsigned char*>(blob.constData()) + 36,
                          static_cast<lzo_uint>(blob.size() - 36), payload.data(), &produced, nullptr);
    edit(header, payload);
    payloadSize = static_cast<std::uint32_t>(payload.size());
    std::memcpy(header.data() + 4, &payloadSize, 4);
    std::vector<unsigned char> packed(payload.size() + payload.size() / 16 + 67);
    std::vector<lzo_align_t> work(LZO1X_1_MEM_COMPRESS / sizeof(lzo_align_t) + 1);
    lzo_uint packedSize = 0;
    lzo1x_1_compress(payload.data(), payload.size(), packed.data(), &packedSize, work.data());
    QByteArray out(reinterpret_cast<const char*>(header.data()), 32);
    const auto size = static_cast<std::uint32_t>(packedSize);
    out.append(reinterpret_cast<const char*>(&size), 4);
    out.append(reinterpret_cast<const char*>(packed.data()), static_cast<qsizetype>(packedSize));
    return out;
}

}  // namespace

class ExchangeCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    void initTestCase() {
        QCOMPARE(runCli({"demo-data", path("demo.irz")}).status, 0);
        QCOMPARE(runCli({"demo-data", path("full.irz"), "--full", "--seed", "4"}).status, 0);
    }

    void jsonImportWritesTheRepackedFile_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("demo") << "demo";
        QTest::newRow("full") << "full";
    }
    void jsonImportWritesTheRepackedFile() {
        QFETCH(QString, file);
        const QString irz = dir.filePath(file + ".irz");
        const CliRun json = runCli({"channels", irz, "--json"});
        QCOMPARE(json.status, 0);
        write(dir.filePath(file + ".json"), json.out.toUtf8());
        QCOMPARE(runCli({"import", dir.filePath(file + ".json"), dir.filePath(file + "-imported.irz")}).status, 0);
        QCOMPARE(runCli({"repack", irz, dir.filePath(file + "-repacked.irz")}).status, 0);
        QByteArray imported = contents(dir.filePath(file + "-imported.irz"));
        QByteArray repacked = contents(dir.filePath(file + "-repacked.irz"));
        QVERIFY(!imported.isEmpty());
        QCOMPARE(imported, repacked);
        QVERIFY(!QFile::exists(dir.filePath(file + "-imported.irz.bak")));  // nothing was there before
    }

    void importRefusesBadJsonAndWritesNothing() {
        write(path("bad.json"), "{\"header\": {\"prefixKind\": 0, \"satelliteCount\": 3}, \"prefix\": \"00\"}");
        write(path("kept.irz"), "old");
        const CliRun r = runCli({"import", path("bad.json"), path("kept.irz")});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("$.prefix: expected 96 bytes"), qPrintable(r.err));
        QCOMPARE(contents(path("kept.irz")), QByteArray("old"));
        QVERIFY(!QFile::exists(path("kept.irz.bak")));
        QCOMPARE(runCli({"import", path("bad.json")}).status, 2);
    }

    void csvExportAndUpdateKeepThePreviousFile() {
        QVERIFY(QFile::copy(path("demo.irz"), path("csv.irz")));
        const CliRun table = runCli({"channels", path("csv.irz"), "--csv"});
        QCOMPARE(table.status, 0);
        QVERIFY(table.out.indexOf(QStringLiteral("number,name,satellite,")) <= 1);  // behind the byte-order mark
        write(path("names.csv"),
              "number;name;videoPid;satellite;frequency;polarisation;serviceId\r\n"
              "0;Renamed \xC3\xA9;4000;1;10729;V(R);100\r\n");
        const QByteArray before = contents(path("csv.irz"));
        const CliRun r = runCli({"import", path("names.csv"), path("csv.irz")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("1 channels changed"));
        QVERIFY(r.outLines().contains(QStringLiteral("Applied: 1 of 1 rows changed a channel (name 1, videoPid 1)")));
        QVERIFY(r.outLines().contains(QStringLiteral(
            "Ignored column: satellite, frequency, polarisation, serviceId (they find the channel; not changed)")));
        QCOMPARE(contents(path("csv.irz.bak")), before);
        const CliRun after = runCli({"channels", path("csv.irz"), "--csv"});
        QVERIFY(after.out.contains(QStringLiteral("\r\n0,Renamed \u00e9,1,")));
        QVERIFY(after.out.contains(QStringLiteral(",4000,")));
        QCOMPARE(runCli({"channels", path("csv.irz"), "--csv", "--json"}).status, 2);
    }

    void checkListsFindingsAndSaysWhatWasNotRead() {
        const CliRun clean = runCli({"check", path("demo.irz")});
        QCOMPARE(clean.status, 0);
        QVERIFY(clean.out.contains("no problems found"));

        // Channel record 1 gets channel 0's service id (both on one
        // transponder in the demo); a channel record names a transponder
        // that does not exist.
        const QByteArray odd = rebuilt(contents(path("demo.irz")), [](auto&, auto& payload) {
            const std::size_t channels = 96 + 164 * 33 + 2000 * 16;
            std::memcpy(payload.data() + channels + 44 + 32, payload.data() + channels + 32, 2);
            const std::uint16_t nowhere = 9999;
            std::memcpy(payload.data() + channels + 2 * 44 + 40, &nowhere, 2);
        });
        write(path("odd.irz"), odd);
        const CliRun r = runCli({"check", path("odd.irz")});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.out.contains("not read: 1 channel record(s) name a transponder the file does not hold"),
                 qPrintable(r.out));
        QVERIFY(r.out.contains("has the transponder (0) and service id (100) of channel 0"));

        // Such a file is listed (saying on stderr what was not read) but not
        // repacked.
        const CliRun listing = runCli({"channels", path("odd.irz")});
        QCOMPARE(listing.status, 0);
        QVERIFY(listing.err.contains("not read: 1 channel record(s)"));
        const CliRun repack = runCli({"repack", path("odd.irz"), path("odd-out.irz")});
        QCOMPARE(repack.status, 1);
        QVERIFY(repack.err.contains("not written"));
        QVERIFY(!QFile::exists(path("odd-out.irz")));
    }

    void unwritableShapesAreRefused_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QString>("reason");
        QTest::newRow("channel records") << 0 << "channel records are 48 bytes, not 44";
        QTest::newRow("prefix") << 1 << "the prefix is 100 bytes, not 96";
        QTest::newRow("too many channels") << 2 << "the file declares 5001 channels";
        QTest::newRow("bytes behind") << 3 << "the payload holds 5 byte(s) behind its sections";
    }
    void unwritableShapesAreRefused() {
        QFETCH(int, shape);
        QFETCH(QString, reason);
        using Edit = void (*)(std::vector<unsigned char>&, std::vector<unsigned char>&);
        const Edit edits[] = {
            [](auto& h, auto& p) {  // 48-byte channel records: 4 more bytes behind each
                const std::size_t at = 96 + 164 * 33 + 2000 * 16;
                std::vector<unsigned char> out(p.begin(), p.begin() + static_cast<long>(at));
                for (int n = 0; n < 5000; ++n) {
                    out.insert(out.end(), p.begin() + static_cast<long>(at + n * 44u),
                               p.begin() + static_cast<long>(at + n * 44u + 44));
                    out.insert(out.end(), 4, 0xAB);
                }
                out.insert(out.end(), p.begin() + static_cast<long>(at + 5000 * 44), p.end());
                p = out;
                h[24] = 48;
            },
            [](auto& h, auto& p) {  // a kind-0 prefix of 100 bytes
                p.insert(p.begin(), 4, 0x11);
                h[8] = 100;
            },
            [](auto& h, auto& p) {  // 5001 channels
                const std::size_t at = 96 + 164 * 33 + 2000 * 16 + 5000 * 44;
                p.insert(p.begin() + static_cast<long>(at), 44, 0);
                const std::uint16_t count = 5001;
                std::memcpy(h.data() + 26, &count, 2);
            },
            [](auto&, auto& p) { p.insert(p.end(), 5, 0xEE); },
        };
        const QString file = dir.filePath(QStringLiteral("shape%1.irz").arg(shape));
        write(file, rebuilt(contents(path("demo.irz")), edits[shape]));
        const CliRun listing = runCli({"channels", file});
        QCOMPARE(listing.status, 0);
        QVERIFY2(listing.err.contains(reason), qPrintable(listing.err));
        const QString out = dir.filePath(QStringLiteral("shape%1-out.irz").arg(shape));
        const CliRun repack = runCli({"repack", file, out});
        QCOMPARE(repack.status, 1);
        QVERIFY2(repack.err.contains(reason), qPrintable(repack.err));
        QVERIFY(!QFile::exists(out));
        // Its JSON is refused by import as well, unless the shape is one the
        // header tells (it then names the shape).
        const CliRun json = runCli({"channels", file, "--json"});
        write(dir.filePath(QStringLiteral("shape%1.json").arg(shape)), json.out.toUtf8());
        const CliRun imported = runCli({"import", dir.filePath(QStringLiteral("shape%1.json").arg(shape)), out});
        if (shape != 3) {
            QCOMPARE(imported.status, 1);
            QVERIFY(!QFile::exists(out));
        }
    }

    void repackKeepsThePreviousOutputAsBak() {
        QCOMPARE(runCli({"repack", path("demo.irz"), path("twice.irz")}).status, 0);
        const QByteArray first = contents(path("twice.irz"));
        QCOMPARE(runCli({"repack", path("full.irz"), path("twice.irz")}).status, 0);
        QCOMPARE(contents(path("twice.irz.bak")), first);
    }
};

QTEST_GUILESS_MAIN(ExchangeCliTest)
#include "exchange_cli_test.moc"
