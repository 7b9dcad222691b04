// `dorvane reorder`: the reference files the editor's window is tested with,
// a reference made from a shuffled export of the full made-up database
// (every channel back in that order), favourites taken along, and refusals.

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include "cli_run.h"

namespace {

QString reference(const char* name) {
    return QStringLiteral(DORVANE_SOURCE_DIR "/tests/data/reference/") + QLatin1String(name);
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// The rows of `channels --csv` without the number column (which is where
// a channel stands, not what it is).
QStringList rowsWithoutNumbers(const QString& csv) {
    QStringList rows = csv.split('\n', Qt::SkipEmptyParts);
    rows.removeFirst();
    for (QString& row : rows) row = row.section(',', 1);
    return rows;
}

}  // namespace

class ReorderCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList rowsOf(const QString& file) const {
        return rowsWithoutNumbers(runCli({"channels", "--csv", file}).out);
    }
    // Each favourite group's members as their channels' rows.
    QList<QStringList> favouriteRows(const QString& file) const {
        QMap<QString, QString> rowOf;
        const QStringList csv = runCli({"channels", "--csv", file}).out.split('\n', Qt::SkipEmptyParts);
        for (const QString& row : csv) rowOf[row.section(',', 0, 0)] = row.section(',', 1);
        QList<QStringList> groups;
        for (const QString& line : runCli({"channels", file}).outLines()) {
            if (!line.startsWith(QStringLiteral("  Group "))) continue;
            QStringList members;
            for (const QString& n : line.section(QStringLiteral("members:"), 1).split(' ', Qt::SkipEmptyParts))
                members << rowOf.value(n, QStringLiteral("?"));
            groups << members;
        }
        return groups;
    }

private slots:
    void initTestCase() {
        QCOMPARE(runCli({"demo-data", path("demo.irz")}).status, 0);
        QCOMPARE(runCli({"demo-data", path("full.irz"), "--full", "--seed", "4"}).status, 0);
    }

    void theWindowsReferenceFilesGiveTheirCounts_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("first");
        QTest::newRow("names") << "demo_names.txt"
                               << "3 of 108 channels matched (0 by identity, 3 by name); 105 not matched go to the end "
                                  "from number 3; 1 reference entry found no channel"
                               << QStringList{"Vista Radio", "Delta TV", "Nova TV", "Atlas News"};
        QTest::newRow("identity") << "demo_identity.txt"
                                  << "3 of 108 channels matched (3 by identity, 0 by name); 105 not matched go to the "
                                     "end from number 3; 1 reference entry found no channel"
                                  << QStringList{"Atlas Life", "Echo News", "Kappa TV", "Nova TV"};
    }
    void theWindowsReferenceFilesGiveTheirCounts() {
        QFETCH(QString, file);
        QFETCH(QString, summary);
        QFETCH(QStringList, first);
        const QString out = path(file + ".irz");
        const CliRun run =
            runCli({"reorder", "--reference", reference(file.toLatin1().constData()), path("demo.irz"), out});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.outLines().contains(summary), qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("Wrote ") + out));
        const QStringList rows = rowsOf(out);
        QCOMPARE(rows.size(), 108);
        for (int k = 0; k < first.size(); ++k) QCOMPARE(rows[k].section(',', 0, 0), first[k]);
        // Every channel is still there, with the same favourites.
        QStringList before = rowsOf(path("demo.irz")), after = rows;
        before.sort();
        after.sort();
        QCOMPARE(after, before);
        QCOMPARE(favouriteRows(out), favouriteRows(path("demo.irz")));
    }

    void aShuffledExportOfTheFullDatabasePutsEveryChannelBack() {
        const CliRun csv = runCli({"channels", "--csv", path("full.irz")});
        QCOMPARE(csv.status, 0);
        QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
        const QString header = lines.takeFirst();
        std::shuffle(lines.begin(), lines.end(), *QRandomGenerator::global());
        write(path("shuffled.csv"), (header + '\n' + lines.join('\n') + '\n').toUtf8());
        const CliRun run =
            runCli({"reorder", "--reference", path("shuffled.csv"), path("full.irz"), path("shuffled.irz")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.outLines().first(),
                 QStringLiteral("5000 of 5000 channels matched (5000 by identity, 0 by name); none left over"));
        QCOMPARE(rowsOf(path("shuffled.irz")), rowsWithoutNumbers(header + '\n' + lines.join('\n')));
        // And the full file as the reference (with its favourites) gives the
        // original back, listing and all.
        const CliRun back = runCli(
            {"reorder", "--favourites", "--reference", path("full.irz"), path("shuffled.irz"), path("back.irz")});
        QCOMPARE(back.status, 0);
        QVERIFY(back.out.contains(QStringLiteral("Favourite groups and their names taken from")));
        QCOMPARE(runCli({"channels", path("back.irz")}).out.section('\n', 2),
                 runCli({"channels", path("full.irz")}).out.section('\n', 2));
    }

    void refusalsWriteNothing() {
        const CliRun noReference = runCli({"reorder", path("demo.irz"), path("x.irz")});
        QCOMPARE(noReference.status, 2);
        QVERIFY(noReference.err.startsWith(QStringLiteral("dorvane: reorder needs --reference")));
        const CliRun missing = runCli({"reorder", "--reference", path("nothere.txt"), path("demo.irz"), path("x.irz")});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.contains(QStringLiteral("File open failed!")));
        write(path("empty.txt"), "# nothing\n\n");
        const CliRun empty = runCli({"reorder", "--reference", path("empty.txt"), path("demo.irz"), path("x.irz")});
        QCOMPARE(empty.status, 1);
        QVERIFY(empty.err.contains(QStringLiteral("names no channel")));
        QVERIFY(!QFile::exists(path("x.irz")));
    }
};

QTEST_GUILESS_MAIN(ReorderCliTest)
#include "reorder_cli_test.moc"
