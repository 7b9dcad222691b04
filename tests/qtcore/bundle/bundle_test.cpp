#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/common/crc32.h"
#include "qtcore/bundle/support_bundle.h"
#include "qtcore/bundle/transfer_history.h"
#include "qtcore/bundle/zip_writer.h"

using namespace dorvane;

namespace {

// What Python's zipfile reads back from an archive: "name<TAB>size<TAB>sha256" a line,
// after checking every entry's CRC.
QStringList pythonListing(const QString& zipPath) {
    QProcess p;
    p.start("python3",
            {"-c",
             "import sys, zipfile, hashlib\n"
             "z = zipfile.ZipFile(sys.argv[1])\n"
             "bad = z.testzip()\n"
             "if bad: print('BAD', bad); sys.exit(1)\n"
             "for i in z.infolist():\n"
             "    print('%s\\t%d\\t%s' % (i.filename, i.file_size, hashlib.sha256(z.read(i)).hexdigest()))\n",
             zipPath});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return {QStringLiteral("FAILED ") + p.readAllStandardError()};
    QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return lines;
}

QString sha256(const QByteArray& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

bool writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

TransferRecord record(int n, QByteArray trace = "0 > 07 ; BEL\n") {
    TransferRecord r;
    r.kind = n % 2 ? QStringLiteral("upload") : QStringLiteral("download");
    r.outcome = QStringLiteral("succeeded");
    r.ended = QDateTime(QDate(2026, 12, 1), QTime(10, 0, 0)).addSecs(n * 60);
    r.port = QStringLiteral("/dev/ttyUSB0");
    r.fileName = QStringLiteral("app%1.img").arg(n);
    r.fileSize = 1000 + n;
    r.summary = QStringLiteral("%1 bytes in 2 s").arg(n);
    r.log = {QStringLiteral("line %1").arg(n)};
    r.trace = std::move(trace);
    return r;
}

}  // namespace

class BundleTest : public QObject {
    Q_OBJECT
private slots:
    void crc32OfTheCheckString() {
        const QByteArray check("123456789");
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(check.constData()), 9);
        QCOMPARE(crc32(bytes), 0xCBF43926u);
        // A running sum gives the same as one pass.
        QCOMPARE(crc32(bytes.subspan(4), crc32(bytes.first(4))), 0xCBF43926u);
        QCOMPARE(crc32({}), 0u);
    }

    // Random entries, empty, compressible and not, come back byte for byte
    // through another program's zip reader.
    void zipEntriesReadBackElsewhere() {
        QTemporaryDir dir;
        for (int round = 0; round < 5; ++round) {
            QRandomGenerator rng(static_cast<quint32>(round + 1));
            ZipWriter zip;
            QStringList expected;
            for (int i = 0; i < 12; ++i) {
                QByteArray data;
                const int size = i == 0 ? 0 : rng.bounded(1, 70000);
                data.resize(size);
                const bool noisy = rng.bounded(2) == 1;
                for (int k = 0; k < size; ++k) data[k] = static_cast<char>(noisy ? rng.bounded(256) : "abcab\n"[k % 6]);
                const QString name = QStringLiteral("dir%1/entry-%2 é.txt").arg(i % 3).arg(i);
                zip.add(name, data);
                expected << QStringLiteral("%1\t%2\t%3").arg(name).arg(size).arg(sha256(data));
            }
            const QString path = dir.filePath(QStringLiteral("r%1.zip").arg(round));
            QVERIFY(writeFile(path, zip.finish()));
            QCOMPARE(pythonListing(path), expected);
        }
    }

    void theRingKeepsTheNewestWithinItsBounds() {
        QTemporaryDir dir;
        TransferHistory history(dir.filePath("h"), 10, 1 << 20);
        for (int n = 0; n < 12; ++n) QVERIFY(history.record(record(n)));
        QStringList kept = history.entries();
        QCOMPARE(kept.size(), 10);
        QVERIFY(kept.first().startsWith("20261201-101100-upload"));   // n = 11, newest first
        QVERIFY(kept.last().startsWith("20261201-100200-download"));  // n = 2
        QFile receipt(QDir(history.folder()).filePath(kept.first() + "/receipt.txt"));
        QVERIFY(receipt.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(receipt.readAll());
        QVERIFY(text.contains("File: app11.img\nFile size: 1011\n"));

        // 400 KiB traces in a ring of 1 MiB: two of them fit.
        TransferHistory big(dir.filePath("b"), 10, 1 << 20);
        for (int n = 0; n < 5; ++n) QVERIFY(big.record(record(n, QByteArray(400 << 10, 'x'))));
        QCOMPARE(big.entries().size(), 2);
        QVERIFY(big.entries().first().startsWith("20261201-100400"));
        // Two transfers in the same second keep both.
        TransferHistory same(dir.filePath("s"));
        QVERIFY(same.record(record(1)) && same.record(record(1)));
        QCOMPARE(same.entries().size(), 2);
    }

    // A script's transfers come many to the second: the ring still keeps
    // the newest ten ("-10" is newer than "-9", and than the first one).
    void manyTransfersInOneSecondKeepTheNewest() {
        QTemporaryDir dir;
        TransferHistory history(dir.filePath("h"));
        for (int n = 0; n < 12; ++n) {
            TransferRecord r = record(0);
            r.fileName = QStringLiteral("run%1.img").arg(n + 1);
            QVERIFY(history.record(r));
        }
        const QStringList kept = history.entries();
        QCOMPARE(kept.size(), 10);
        QCOMPARE(kept.first(), QStringLiteral("20261201-100000-download-12"));
        QCOMPARE(kept.last(), QStringLiteral("20261201-100000-download-3"));
        QFile receipt(QDir(history.folder()).filePath(kept.first() + "/receipt.txt"));
        QVERIFY(receipt.open(QIODevice::ReadOnly));
        QVERIFY(receipt.readAll().contains("File: run12.img\n"));
    }

    // Where the transfers are kept: the variable's folder; set empty,
    // nowhere (never the working folder); unset, the user's data folder.
    void theFolderFollowsTheVariable() {
        const QByteArray saved = qgetenv(TransferHistory::kFolderVariable);
        QTemporaryDir dir;
        qputenv(TransferHistory::kFolderVariable, dir.filePath("t").toLocal8Bit());
        QCOMPARE(TransferHistory::defaultFolder(), dir.filePath("t"));
        qputenv(TransferHistory::kFolderVariable, QByteArray());
        QCOMPARE(TransferHistory::defaultFolder(), QString());
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(QDir().mkpath("not-a-transfer"));
        QVERIFY(writeFile(dir.filePath("not-a-transfer/secret.txt"), "the user's"));
        TransferHistory nowhere(TransferHistory::defaultFolder());
        QVERIFY(!nowhere.record(record(1)));
        QVERIFY(nowhere.entries().isEmpty());
        BundleInputs in;
        in.transfersFolder = TransferHistory::defaultFolder();
        for (const BundleEntry& e : supportBundleEntries(in))
            QVERIFY2(!e.name.startsWith("transfers/"), qPrintable(e.name));
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"not-a-transfer"});
        QVERIFY(QDir::setCurrent(cwd));
        qunsetenv(TransferHistory::kFolderVariable);
        QVERIFY(TransferHistory::defaultFolder().endsWith("/Dorvane_QX/transfers"));
        if (!saved.isNull()) qputenv(TransferHistory::kFolderVariable, saved);
    }

    // The bundle lists what it holds; of the user's files it has names
    // and sizes only; it stays within its bound, the oldest transfers left
    // out first.
    void theBundleHoldsWhatItSaysAndNoUserContent() {
        QTemporaryDir dir;
        const QByteArray secret = "SECRET-IMAGE-CONTENT-7f3a";
        const QString userFile = dir.filePath("customer image.img");
        QVERIFY(writeFile(userFile, secret + QByteArray(1000, 'z')));
        TransferHistory history(dir.filePath("h"), 10, 64 << 20);
        for (int n = 0; n < 6; ++n) QVERIFY(history.record(record(n, QByteArray(100 << 10, char('a' + n)))));

        BundleInputs in;
        in.port = QStringLiteral("/dev/ttyNOWHERE3");
        in.settingsApplication = QStringLiteral("dorvane-bundle-test");
        in.transfersFolder = history.folder();
        in.windowLog = {QStringLiteral("File Name : customer image.img")};
        in.userFiles = {userFile};
        in.limitBytes = 350 << 10;
        const QList<BundleEntry> entries = supportBundleEntries(in);

        QStringList names;
        qint64 total = 0;
        for (const BundleEntry& e : entries) {
            names << e.name;
            total += e.data.size();
            QVERIFY2(!e.data.contains(secret), qPrintable(e.name));
        }
        QVERIFY(total <= in.limitBytes + 4096);  // contents.txt comes on top
        for (const char* name : {"contents.txt", "version.txt", "system.txt", "ports.json", "settings.txt", "files.txt",
                                 "doctor.txt", "doctor.json", "window-log.txt"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
        // Three of six 100 KiB transfers fit: the newest.
        QStringList transfers = names.filter("/receipt.txt");
        QCOMPARE(transfers.size(), 3);
        QVERIFY(transfers.first().startsWith("transfers/20261201-100500-upload/"));
        QVERIFY(transfers.last().startsWith("transfers/20261201-100300-upload/"));
        const QByteArray contents = entries.first().data;
        QVERIFY(contents.contains("transfers/20261201-100000-download\tleft out: over the bound"));
        for (const BundleEntry& e : entries) {
            if (e.name == "files.txt") QCOMPARE(e.data, QByteArray("customer image.img\t1025 bytes\n"));
            if (e.name == "doctor.txt") QVERIFY(e.data.contains("[problem]  port: /dev/ttyNOWHERE3 does not exist."));
            if (e.name == "doctor.json") QVERIFY(!e.data.contains("\"link\""));  // never the STB's steps
            if (e.name == "contents.txt") continue;
            QVERIFY2(contents.contains(QStringLiteral("%1\t%2 bytes").arg(e.name).arg(e.data.size()).toUtf8()),
                     qPrintable(e.name));
        }

        // The zip holds the same entries, readable elsewhere.
        const QString zipPath = dir.filePath("bundle.zip");
        QVERIFY(writeSupportBundle(zipPath, in).ok());
        const QStringList listing = pythonListing(zipPath);
        QCOMPARE(listing.size(), entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i)
            QVERIFY2(listing[i].startsWith(entries[i].name + '\t'), qPrintable(listing[i]));
        QVERIFY(QFileInfo(zipPath).size() <= in.limitBytes + 8192);
        // A bundle that cannot be written says so and leaves nothing.
        QVERIFY(!writeSupportBundle(dir.filePath("no/such/folder/b.zip"), in).ok());
    }
};

QTEST_GUILESS_MAIN(BundleTest)
#include "bundle_test.moc"
