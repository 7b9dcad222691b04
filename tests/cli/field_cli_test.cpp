#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "cli_run.h"
#include "sim/sim_process.h"

// What a technician sees of a transfer on the command line: the trace of
// the line, the progress report, the JSON events and the errors.
class FieldCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString image() const { return dir.filePath("app.img"); }

    // Every byte a trace shows in one direction ('>' or '<'), in order.
    static QByteArray traceBytes(const QString& path, QChar direction) {
        QByteArray bytes;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return bytes;
        while (!f.atEnd()) {
            const QString line = QString::fromLatin1(f.readLine());
            if (line.startsWith('#')) continue;
            const QStringList words = line.section(QStringLiteral(" ; "), 0, 0).split(' ', Qt::SkipEmptyParts);
            if (words.size() < 3 || words[1] != direction) continue;
            for (int i = 2; i < words.size(); ++i) bytes.append(static_cast<char>(words[i].toInt(nullptr, 16)));
        }
        return bytes;
    }

    // The command line started in the background: the STB is switched on
    // only once the program has its port, so that every byte the STB sends
    // reaches the program.
    struct Background {
        QProcess process;
        bool startOnceOpen(const QStringList& args, SimProcess& sim, const char* simCommand) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("DORVANE_TIMEOUTS"), QString::fromLatin1(kShortTimeouts));
            process.setProcessEnvironment(env);
            process.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"), args);
            QElapsedTimer t;
            t.start();
            QByteArray out;
            while (!out.contains("opened successfully") && t.elapsed() < 10000) {
                process.waitForReadyRead(50);
                out += process.peek(1 << 20);
            }
            if (!out.contains("opened successfully")) return false;
            if (simCommand) sim.command(simCommand);
            return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        }
    };

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeSamples(dir.path()));
    }

    void traceOfADownloadHoldsEveryByteInBothDirections() {
        const QString in = dir.filePath("d.in"), out = dir.filePath("d.out"), trace = dir.filePath("d.trace");
        SimProcess sim({"--rate", "0", "--buyer", "XY", "--write-ms", "200", "--capture-in", in, "--capture-out", out});
        QVERIFY(!sim.path().isEmpty());
        Background run;
        QVERIFY(run.startOnceOpen({"download", "--port", sim.path(), "--trace", trace, image()}, sim, "on"));
        QCOMPARE(run.process.exitCode(), 0);
        sim.process().terminate();
        sim.process().waitForFinished(3000);

        const QByteArray sent = traceBytes(trace, '>');
        const QByteArray received = traceBytes(trace, '<');
        QVERIFY(sent.size() > 150048);
        QCOMPARE(sent, fileBytes(in));
        // The STB may answer a last link test after the program let go of the port.
        const QByteArray stbSent = fileBytes(out);
        QVERIFY(stbSent.startsWith(received));
        QVERIFY2(stbSent.size() - received.size() <= 2, qPrintable(QString::number(stbSent.size() - received.size())));
        QVERIFY(received.size() > 128);

        const QString text = QString::fromLatin1(fileBytes(trace));
        QVERIFY(text.contains("STX block 0 (header \"app.img\", 150048 bytes), CRC ok"));
        QVERIFY(text.contains("STX block 147, CRC ok"));
        QVERIFY(text.contains("; ENQ, information record"));
        QVERIFY(text.contains("; VT"));
        QVERIFY(text.contains("; FF"));
        QVERIFY(!text.contains("CRC bad"));
    }

    void traceOfAnUploadHoldsEveryByteInBothDirections() {
        const QString in = dir.filePath("u.in"), out = dir.filePath("u.out"), trace = dir.filePath("u.trace");
        SimProcess sim({"--rate", "0", "--start", "app", "--capture-in", in, "--capture-out", out});
        QVERIFY(!sim.path().isEmpty());
        Background run;
        QVERIFY(run.startOnceOpen({"upload", "--port", sim.path(), "--trace", trace, dir.filePath("backup.irz")}, sim,
                                  nullptr));
        QCOMPARE(run.process.exitCode(), 0);
        sim.process().terminate();
        sim.process().waitForFinished(3000);
        const QByteArray received = traceBytes(trace, '<');
        QCOMPARE(traceBytes(trace, '>'), fileBytes(in));
        const QByteArray stbSent = fileBytes(out);
        QVERIFY(stbSent.startsWith(received));
        QVERIFY(stbSent.size() - received.size() <= 2);
        QVERIFY(received.size() > fileBytes(dir.filePath("backup.irz")).size());
        const QString text = QString::fromLatin1(fileBytes(trace));
        QVERIFY(text.contains("\"loadb up curdb y\""));
        QVERIFY(text.contains("block 1, CRC ok"));
    }

    void aTraceThatCannotBeWrittenIsAnError() {
        const CliRun r = runCli({"download", "--port", "/dev/null", "--trace", dir.filePath("no/such/dir/t"), image()});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.startsWith("dorvane: Can't write the trace to "));
        QCOMPARE(runCli({"download", "--trace"}).status, 2);
    }

    void pipedProgressIsAPlainLineEveryFiveSeconds() {
        // About seven seconds of transfer at 230,400 bit/s.
        SimProcess sim({"--rate", "230400", "--at", "300:on", "--write-ms", "100"});
        const CliRun r = runCli({"download", "--port", sim.path(), image()}, {}, 60000);
        QCOMPARE(r.status, 0);
        QVERIFY(!r.err.contains('\r'));
        QVERIFY(!r.err.contains("\033["));
        const QStringList lines = r.err.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(!lines.isEmpty() && lines.size() <= 3, qPrintable(r.err));
        static const QRegularExpression progress(
            QStringLiteral("^(transferring|writing)( \\d+%)? \\d+/147 blocks, \\d+/150048 bytes, \\d+ bytes/s, "
                           "ETA [-\\d:]+, 0 resent, 0 time-outs, \\d+:\\d\\d$"));
        for (const QString& line : lines) QVERIFY2(progress.match(line).hasMatch(), qPrintable(line));
        // One summary line at the end, with a believable rate (the line carries at most 23,040 bytes/s).
        static const QRegularExpression summary(QStringLiteral(
            "^Transfer succeeded: 150048 bytes in [\\d.]+ s \\((\\d+) bytes/s\\), 147 blocks, 0 resent, 0 time-outs$"));
        const QRegularExpressionMatch m = summary.match(r.outLines().last());
        QVERIFY2(m.hasMatch(), qPrintable(r.outLines().last()));
        QVERIFY(m.captured(1).toInt() > 10000 && m.captured(1).toInt() <= 23040);
    }

    void jsonEventsOfADownload() {
        // About three seconds of transfer: progress events every second.
        SimProcess sim({"--rate", "460800", "--at", "300:on", "--buyer", "XY", "--write-ms", "100"});
        const CliRun r = runCli({"download", "--json", "--port", sim.path(), image()});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        QList<QJsonObject> events;
        for (const QString& line : r.outLines()) {
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
            QVERIFY2(error.error == QJsonParseError::NoError && doc.isObject(), qPrintable(line));
            events.append(doc.object());
        }
        QVERIFY(events.size() > 5);
        QStringList logLines;
        int starts = 0;
        for (const QJsonObject& e : events) {
            if (e["event"] == "log") logLines << e["line"].toString();
            if (e["event"] == "start") {
                ++starts;
                QCOMPARE(e["command"].toString(), QStringLiteral("download"));
                QCOMPARE(e["port"].toString(), sim.path());
                QCOMPARE(e["totalBytes"].toInt(), 150048);
            }
        }
        QCOMPARE(starts, 1);
        int progress = 0;
        int lastBlocks = 0;
        for (const QJsonObject& e : events) {
            if (e["event"] != "progress") continue;
            ++progress;
            QVERIFY(e["blocks"].toInt() >= lastBlocks && e["blocks"].toInt() <= 147);
            lastBlocks = e["blocks"].toInt();
            QCOMPARE(e["totalBlocks"].toInt(), 147);
            QCOMPARE(e["totalBytes"].toInt(), 150048);
            QVERIFY(e["elapsedMs"].toInt() > 0);
            if (e["phase"] == "transferring") QVERIFY(e["rate"].toInt() > 0 && e["etaMs"].isDouble());
        }
        QVERIFY2(progress >= 2, qPrintable(r.out));
        QVERIFY(logLines.contains("Transferring started."));
        QVERIFY(logLines.contains("Downloading stopped successfully!"));
        const QJsonObject result = events.last();
        QCOMPARE(result["event"].toString(), QStringLiteral("result"));
        QCOMPARE(result["outcome"].toString(), QStringLiteral("succeeded"));
        QCOMPARE(result["success"].toBool(), true);
        QCOMPARE(result["bytes"].toInt(), 150048);
        QCOMPARE(result["blocks"].toInt(), 147);
        QCOMPARE(result["resent"].toInt(), 0);
        QVERIFY(result["rate"].toInt() > 0);
    }

    void jsonOfARefusalNamesTheBuyerCodes() {
        SimProcess sim({"--rate", "0", "--at", "300:on", "--buyer", "ZZ"});
        const CliRun r = runCli({"download", "--json", "--port", sim.path(), image()});
        QCOMPARE(r.status, 1);
        const QStringList lines = r.outLines();
        QJsonObject error;
        for (const QString& line : lines) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            if (o["event"] == "error") error = o;
        }
        const QString text = error["text"].toString();
        QCOMPARE(text, QStringLiteral("This image can't be downloaded your STB! The image's buyer code 0x00005958 "
                                      "(\"XY\") differs from the STB's 0x00005A5A (\"ZZ\"). \"Forced download\" "
                                      "(command line: --forced) downloads it anyway."));
        QCOMPARE(QJsonDocument::fromJson(lines.last().toUtf8()).object()["outcome"].toString(),
                 QStringLiteral("refused"));
    }

    void inspectJson() {
        const CliRun r = runCli({"inspect", "--json", image(), dir.filePath("missing.img")});
        QCOMPARE(r.status, 1);
        const QStringList lines = r.outLines();
        QCOMPARE(lines.size(), 2);
        const QJsonObject ok = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(ok["opened"].toBool(), true);
        QCOMPARE(ok["size"].toInt(), 150048);
        QCOMPARE(ok["version"].toString(), QStringLiteral("1.2.3"));
        QCOMPARE(ok["lines"].toArray().at(1).toString(), QStringLiteral("File Name : app.img"));
        const QJsonObject missing = QJsonDocument::fromJson(lines[1].toUtf8()).object();
        QCOMPARE(missing["opened"].toBool(), false);
        QVERIFY(!missing["error"].toString().isEmpty());
    }

    void jsonOfAPortThatWillNotOpenEndsWithAResult() {
        const CliRun r = runCli({"download", "--json", "--port", "/dev/no-such-port", image()});
        QCOMPARE(r.status, 1);
        const QStringList lines = r.outLines();
        QCOMPARE(lines.size(), 2);
        const QJsonObject error = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(error["event"].toString(), QStringLiteral("error"));
        QVERIFY(error["text"].toString().startsWith("Port(/dev/no-such-port) open failed. "));
        const QJsonObject result = QJsonDocument::fromJson(lines[1].toUtf8()).object();
        QCOMPARE(result["event"].toString(), QStringLiteral("result"));
        QCOMPARE(result["outcome"].toString(), QStringLiteral("not-started"));
        QCOMPARE(result["success"].toBool(), false);
    }

    void errorsArePrintedOnceWithWhatToDo() {
        const CliRun missing = runCli({"download", "--port", "/dev/no-such-port", image()});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.out.isEmpty());
        QCOMPARE(missing.err.count('\n'), 1);
        QVERIFY(
            missing.err.startsWith("dorvane: Port(/dev/no-such-port) open failed. /dev/no-such-port does not "
                                   "exist: the adapter is unplugged"));

        // Nothing ever answered: the time-out says so, naming the port.
        SimProcess sim({"--rate", "0"});
        const CliRun silent = runCli({"download", "--port", sim.path(), image()});
        QCOMPARE(silent.status, 1);
        QCOMPARE(silent.err, "dorvane: No receiver answered on " + sim.path() +
                                 ": check the cable and the port, and that the STB is switched on (for a download: "
                                 "after the start; for an upload: with its 'PC COM' item active). Timeout occurred! "
                                 "Please, Check your STB, And retry!\n");
        QVERIFY(
            QRegularExpression(QStringLiteral("^Transfer timed-out: 0 bytes in 2\\.\\d s \\(0 bytes/s\\), 0 blocks, 0 "
                                              "resent, 0 time-outs$"))
                .match(silent.outLines().last())
                .hasMatch());
    }

    void portsJsonIsAnArray() {
        const CliRun r = runCli({"ports", "--json"});
        QCOMPARE(r.status, 0);
        QVERIFY(QJsonDocument::fromJson(r.out.toUtf8()).isArray());
        QCOMPARE(runCli({"ports", "--bogus"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(FieldCliTest)
#include "field_cli_test.moc"
