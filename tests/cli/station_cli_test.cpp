#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <vector>

#include "cli_run.h"
#include "sim/sim_process.h"

// dorvane station: several simulated STBs on pseudo-terminals at once, one
// receipt per box in the report, none "ok" that is not.
class StationCliTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString image() const { return dir.filePath("app.img"); }
    QString imageHash() const {
        return QString::fromLatin1(QCryptographicHash::hash(fileBytes(image()), QCryptographicHash::Sha256).toHex());
    }

    static QStringList lines(const QString& path) {
        QStringList all = QString::fromUtf8(fileBytes(path)).split('\n');
        if (!all.isEmpty() && all.last().isEmpty()) all.removeLast();
        return all;
    }

    // The report's receipts by port.
    static QMap<QString, QJsonObject> receipts(const QString& path) {
        QMap<QString, QJsonObject> byPort;
        for (const QString& line : lines(path)) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            byPort.insert(o.value("port").toString(), o);
        }
        return byPort;
    }

    static bool waitFor(const std::function<bool()>& done, int ms) {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > ms) return false;
            QTest::qWait(50);
        }
        return true;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(makeSamples(dir.path()));
    }

    void everyBoxGetsOneTrueReceipt() {
        const QStringList common{"--rate", "0", "--at", "400:on", "--no-stdin"};
        SimProcess good(common + QStringList{"--buyer", "XY", "--boot-version", "0x02010000", "--app-version",
                                             "0x01020300", "--write-ms", "300", "--store", dir.filePath("good.bin")});
        SimProcess refusing(common + QStringList{"--buyer", "ZZ", "--store", dir.filePath("refusing.bin")});
        SimProcess lost(common + QStringList{"--buyer", "XY", "--fault", "close@block:20"});
        SimProcess offWhileWriting(common +
                                   QStringList{"--buyer", "XY", "--write-ms", "3000", "--fault", "silent@writing:2"});
        SimProcess ackBox(common + QStringList{"--answer", "ack", "--store", dir.filePath("ack.bin")});
        for (SimProcess* sim : {&good, &refusing, &lost, &offWhileWriting, &ackBox}) QVERIFY(!sim->path().isEmpty());

        const QString report = dir.filePath("report.jsonl");
        const CliRun r =
            runCli({"station", image(), "--port", good.path(), "--port", refusing.path(), "--port", lost.path(),
                    "--port", offWhileWriting.path(), "--port", ackBox.path(), "--report", report},
                   {}, 40000);
        QCOMPARE(r.status, 1);  // not every box is ok
        QCOMPARE(lines(report).size(), 5);
        const auto byPort = receipts(report);
        QCOMPARE(byPort.size(), 5);
        for (const QJsonObject& o : byPort) {
            QCOMPARE(o.value("file").toString(), QStringLiteral("app.img"));
            QCOMPARE(o.value("sha256").toString(), imageHash());
            QVERIFY(!o.value("start").toString().isEmpty());
            QVERIFY(o.value("start").toString() <= o.value("end").toString());
            // Only the box that wrote the image to its end is ok.
            QCOMPARE(o.value("result").toString() == "ok", o.value("port").toString() == good.path());
            QCOMPARE(o.value("reason").toString().isEmpty(), o.value("result").toString() == "ok");
        }

        const QJsonObject ok = byPort.value(good.path());
        QCOMPARE(ok.value("bytes").toInteger(), 150048);
        QCOMPARE(ok.value("bootVersion").toString(), QStringLiteral("2.1.0"));
        QCOMPARE(ok.value("appVersion").toString(), QStringLiteral("1.2.3"));
        QCOMPARE(ok.value("buyer").toString(), QStringLiteral("0x00005958 (\"XY\")"));
        QCOMPARE(ok.value("resent").toInt(), 0);
        QCOMPARE(fileBytes(dir.filePath("good.bin")), fileBytes(image()));

        const QJsonObject refused = byPort.value(refusing.path());
        QCOMPARE(refused.value("result").toString(), QStringLiteral("refused"));
        QCOMPARE(refused.value("bytes").toInteger(), 0);
        QCOMPARE(refused.value("buyer").toString(), QStringLiteral("0x00005A5A (\"ZZ\")"));
        QVERIFY(refused.value("reason").toString().contains("differs from the STB's 0x00005A5A"));
        QVERIFY(!QFile::exists(dir.filePath("refusing.bin")));

        const QJsonObject gone = byPort.value(lost.path());
        QCOMPARE(gone.value("result").toString(), QStringLiteral("port-error"));
        QVERIFY(gone.value("bytes").toInteger() > 0);
        QVERIFY(gone.value("bytes").toInteger() < 150048);
        QVERIFY(gone.value("reason").toString().startsWith("Serial Port Error!"));

        const QJsonObject silent = byPort.value(offWhileWriting.path());
        QCOMPARE(silent.value("result").toString(), QStringLiteral("timed-out"));
        QCOMPARE(silent.value("bytes").toInteger(), 150048);
        QVERIFY(silent.value("reason").toString().startsWith("The STB stopped reporting while writing its memory!"));

        // A boot loader that answers with ACK reports no writing and no record.
        const QJsonObject ack = byPort.value(ackBox.path());
        QCOMPARE(ack.value("result").toString(), QStringLiteral("unconfirmed"));
        QVERIFY(ack.value("bootVersion").isNull());
        QVERIFY(ack.value("buyer").isNull());
        QCOMPARE(fileBytes(dir.filePath("ack.bin")), fileBytes(image()));

        QVERIFY2(r.out.contains(good.path() + ": Box 1: ok ("), qPrintable(r.out));
        QVERIFY2(r.err.contains("dorvane: " + refusing.path() + ": This image can't be downloaded your STB!"),
                 qPrintable(r.err));
    }

    // A station process with short waits, its output kept.
    static void startStation(QProcess& station, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DORVANE_TIMEOUTS", kShortTimeouts);
        station.setProcessEnvironment(env);
        station.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"), QStringList{"station"} + args);
    }

    static QDateTime when(const QJsonObject& o, const char* field) {
        return QDateTime::fromString(o.value(QLatin1String(field)).toString(), Qt::ISODateWithMs);
    }

    // Four boxes of one simulated bench: one writes the image, one refuses
    // the buyer code, one loses its line mid-download, one is switched off
    // while writing. Every field of every receipt is what happened.
    void aBenchOfFourBoxesGetsOneTrueLineEach() {
        SimProcess bench({"--boxes",        "4",
                          "--rate",         "0",
                          "--buyer",        "XY",
                          "--boot-version", "0x02010000",
                          "--write-ms",     "300",
                          "--on-after",     "300-1200",
                          "--fault-seed",   "7",
                          "--store",        dir.filePath("bench-good.bin"),
                          "--box",          "2",
                          "--buyer",        "ZZ",
                          "--store",        dir.filePath("bench-refused.bin"),
                          "--box",          "3",
                          "--fault",        "close@block:20",
                          "--box",          "4",
                          "--write-ms",     "5000",
                          "--app-version",  "0x01020400"},
                         4);
        QCOMPARE(bench.boxes(), 4);
        const QString report = dir.filePath("bench.jsonl");
        const QDateTime began = QDateTime::currentDateTimeUtc().addMSecs(-1);
        QProcess station;
        QStringList args{image(), "--report", report};
        for (int k = 0; k < 4; ++k) args << "--port" << bench.path(k);
        startStation(station, args);
        QVERIFY(station.waitForStarted(5000));
        QVERIFY(!bench.waitEvent("4 writing", 15000).isEmpty());
        QTest::qWait(300);
        bench.command("4 off");  // mid-write
        QVERIFY(station.waitForFinished(30000));
        const QDateTime ended = QDateTime::currentDateTimeUtc().addMSecs(1);
        QCOMPARE(station.exitCode(), 1);

        QCOMPARE(lines(report).size(), 4);
        const auto byPort = receipts(report);
        QCOMPARE(byPort.size(), 4);
        const QStringList results{"ok", "refused", "port-error", "timed-out"};
        const QList<qint64> bytes{150048, 0, 19 * 1024, 150048};
        for (int k = 0; k < 4; ++k) {
            const QJsonObject o = byPort.value(bench.path(k));
            const QString what = QString::number(k + 1) + ": " + QJsonDocument(o).toJson(QJsonDocument::Compact);
            QCOMPARE(o.size(), 15);                                  // every field, no other
            QVERIFY(o.value("verify").isNull());                     // not asked for
            QVERIFY2(o.value("serial").isNull(), qPrintable(what));  // a pseudo-terminal has no adapter
            QVERIFY2(when(o, "start").isValid() && when(o, "end").isValid(), qPrintable(what));
            QVERIFY2(began <= when(o, "start") && when(o, "start") <= when(o, "end") && when(o, "end") <= ended,
                     qPrintable(what));
            QCOMPARE(o.value("file").toString(), QStringLiteral("app.img"));
            QCOMPARE(o.value("sha256").toString(), imageHash());
            QCOMPARE(o.value("bootVersion").toString(), QStringLiteral("2.1.0"));
            QCOMPARE(o.value("appVersion").toString(), k == 3 ? QStringLiteral("1.2.4") : QStringLiteral("1.2.3"));
            QCOMPARE(o.value("buyer").toString(),
                     k == 1 ? QStringLiteral("0x00005A5A (\"ZZ\")") : QStringLiteral("0x00005958 (\"XY\")"));
            QVERIFY2(o.value("bytes").toInteger() == bytes[k], qPrintable(what));
            QCOMPARE(o.value("resent").toInt(), 0);
            QCOMPARE(o.value("timeouts").toInt(), k == 3 ? 1 : 0);  // the wait for its writing ran out
            QCOMPARE(o.value("result").toString(), results[k]);
            QCOMPARE(o.value("reason").toString().isEmpty(), k == 0);
        }
        QVERIFY(byPort.value(bench.path(1)).value("reason").toString().contains("differs from the STB's 0x00005A5A"));
        QVERIFY(byPort.value(bench.path(2)).value("reason").toString().startsWith("Serial Port Error!"));
        QVERIFY(byPort.value(bench.path(3))
                    .value("reason")
                    .toString()
                    .startsWith("The STB stopped reporting while writing its memory!"));
        QCOMPARE(fileBytes(dir.filePath("bench-good.bin")), fileBytes(image()));
        QVERIFY(!QFile::exists(dir.filePath("bench-refused.bin")));
    }

    // --repeat: three boxes in a row on each of four ports, each one ok, in
    // the order they came, none served twice.
    void repeatServesThreeBoxesInARowOnEachPort() {
        // Boot loaders that ask often: a box switched on before the station
        // listens is still heard.
        SimProcess bench({"--boxes", "4", "--rate", "0", "--buyer", "XY", "--boot-ms", "800", "--c-interval", "200",
                          "--write-ms", "200", "--on-after", "200-900"},
                         4);
        QCOMPARE(bench.boxes(), 4);
        const QString report = dir.filePath("bench-repeat.jsonl");
        QProcess station;
        QStringList args{image(), "--repeat", "--report", report};
        for (int k = 0; k < 4; ++k) args << "--port" << bench.path(k);
        startStation(station, args);
        QVERIFY(station.waitForStarted(5000));
        for (int box = 1; box <= 3; ++box) {
            QVERIFY2(waitFor([&] { return lines(report).size() == 4 * box; }, 20000), qPrintable(QString::number(box)));
            QTest::qWait(1000);
            QCOMPARE(lines(report).size(), 4 * box);  // restarted into its application: not served again
            if (box == 3) break;
            bench.command("off");
            QTest::qWait(3500);
            for (int k = 1; k <= 4; ++k) bench.command(QByteArray::number(k).append(" on").constData());
        }
        ::kill(static_cast<pid_t>(station.processId()), SIGINT);
        QVERIFY(station.waitForFinished(10000));
        QCOMPARE(station.exitCode(), 0);
        QMap<QString, QList<QJsonObject>> perPort;
        for (const QString& line : lines(report)) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            QCOMPARE(o.value("result").toString(), QStringLiteral("ok"));
            QCOMPARE(o.value("bytes").toInteger(), 150048);
            perPort[o.value("port").toString()].append(o);
        }
        QCOMPARE(perPort.size(), 4);
        for (const auto& boxes : perPort) {
            QCOMPARE(boxes.size(), 3);
            for (int i = 1; i < 3; ++i) QVERIFY(when(boxes[i - 1], "end") < when(boxes[i], "start"));
        }
    }

    QString channelData() {
        const QString path = dir.filePath("demo.irz");
        if (!QFile::exists(path) && runCli({"demo-data", path}).status != 0) return {};
        return path;
    }

    // --verify: a box that keeps the channel data whole, one that changes a
    // byte of it, one whose application never answers. Only the first is ok.
    void verifyReadsTheChannelDataBackFromEveryBox() {
        const QString data = channelData();
        QVERIFY(!data.isEmpty());
        SimProcess bench({"--boxes",
                          "3",
                          "--rate",
                          "0",
                          "--no-stdin",
                          "--boot-ms",
                          "1000",
                          "--c-interval",
                          "200",
                          "--write-ms",
                          "300",
                          "--on-after",
                          "300",
                          "--keep-channels",
                          "--box",
                          "2",
                          "--upload-fault",
                          "changed-byte",
                          "--box",
                          "3",
                          "--boot-ms",
                          "600000"},
                         3);
        QCOMPARE(bench.boxes(), 3);
        const QString report = dir.filePath("verify.csv");
        QProcessEnvironment env;
        env.insert("DORVANE_TIMEOUTS", QString(kShortTimeouts) + ",verify=6000");
        const CliRun r = runCli({"station", data, "--verify", "--report", report, "--csv", "--port", bench.path(0),
                                 "--port", bench.path(1), "--port", bench.path(2)},
                                env, 40000);
        QCOMPARE(r.status, 1);
        const QStringList rows = lines(report);
        QCOMPARE(rows.size(), 4);
        QMap<QString, QString> byPort;
        for (const QString& row : rows.mid(1)) byPort.insert(row.section(',', 0, 0), row);
        QVERIFY2(byPort.value(bench.path(0)).endsWith(",4618,0,0,verified,ok,"),
                 qPrintable(byPort.value(bench.path(0))));
        const QString changed = byPort.value(bench.path(1));
        QVERIFY2(changed.contains(",4618,0,0,\"differs: Renamed channel 0 \"\"Nova TV\"\"") &&
                     changed.contains("\",verify-failed,\"differs: Renamed channel 0 "),
                 qPrintable(changed));
        QVERIFY2(byPort.value(bench.path(2))
                     .endsWith(",not verified: the application did not answer,verify-failed,"
                               "not verified: the application did not answer"),
                 qPrintable(byPort.value(bench.path(2))));
        QVERIFY2(r.out.contains(bench.path(0) + ": Box 1: ok ("), qPrintable(r.out));
    }

    // dorvane download --verify: the same for one box, in the exit status.
    void downloadVerifyReadsTheChannelDataBack() {
        const QString data = channelData();
        QVERIFY(!data.isEmpty());
        QProcessEnvironment env;
        env.insert("DORVANE_TIMEOUTS", QString(kShortTimeouts) + ",verify=5000");
        const QStringList common{"--rate", "0",          "--no-stdin", "--boot-ms", "800",    "--c-interval",
                                 "200",    "--write-ms", "200",        "--at",      "300:on", "--keep-channels"};
        struct Case {
            QStringList options;
            int status;
            QString said;
        };
        for (const Case& c :
             {Case{{}, 0, "Verify: verified"},
              Case{{"--upload-fault", "changed-byte"}, 1, "dorvane: Verify: differs: Renamed channel 0 \"Nova TV\""},
              Case{{"--boot-ms", "600000"}, 1, "dorvane: Verify: not verified: the application did not answer"}}) {
            SimProcess sim(common + c.options);
            QVERIFY(!sim.path().isEmpty());
            const CliRun r = runCli({"download", data, "--port", sim.path(), "--verify"}, env, 30000);
            QVERIFY2(r.status == c.status, qPrintable(r.out + r.err));
            QVERIFY2((r.out + r.err).contains(c.said), qPrintable(r.out + r.err));
            QVERIFY2(r.out.contains("Transfer succeeded: 4618 bytes"), qPrintable(r.out));
        }
        // Only channel data can be compared; the image is refused before the port.
        const CliRun image = runCli({"download", this->image(), "--port", "/dev/no-such-port", "--verify"});
        QCOMPARE(image.status, 1);
        QVERIFY2(image.err.contains("--verify is for channel data"), qPrintable(image.err));
        QCOMPARE(runCli({"station", this->image(), "--port", "x", "--verify"}).status, 2);
    }

    // --json: every event one object on its own line, each with its port.
    void jsonEventsCarryTheirPort() {
        SimProcess bench({"--boxes", "2", "--rate", "0", "--no-stdin", "--buyer", "XY", "--write-ms", "300",
                          "--on-after", "300", "--box", "2", "--buyer", "ZZ"},
                         2);
        QCOMPARE(bench.boxes(), 2);
        const CliRun r =
            runCli({"station", image(), "--json", "--port", bench.path(0), "--port", bench.path(1)}, {}, 30000);
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));  // errors are events too
        QMap<QString, QStringList> eventsByPort;
        for (const QString& line : r.outLines()) {
            QJsonParseError error{};
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8(), &error).object();
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
            const QString port = o.value("port").toString();
            QVERIFY2(port == bench.path(0) || port == bench.path(1), qPrintable(line));
            QString event = o.value("event").toString();
            if (event == "state") event += ":" + o.value("state").toString();
            if (event == "receipt") event += ":" + o.value("result").toString();
            eventsByPort[port].append(event);
        }
        const QStringList good = eventsByPort.value(bench.path(0));
        const QStringList refused = eventsByPort.value(bench.path(1));
        for (const QString& e : QStringList{"log", "state:waiting", "state:transferring", "state:writing", "receipt:ok",
                                            "state:stopped", "finished"})
            QVERIFY2(good.contains(e), qPrintable(e + ": " + good.join(' ')));
        for (const QString& e : QStringList{"error", "receipt:refused", "finished"})
            QVERIFY2(refused.contains(e), qPrintable(e + ": " + refused.join(' ')));
        QVERIFY(!refused.contains("state:writing"));
        QCOMPARE(good.last(), QStringLiteral("finished"));
    }

    // On a terminal a table of the ports is drawn under the log and redrawn
    // in place; its last state stays.
    void aTerminalGetsATableRedrawnInPlace() {
        SimProcess sim({"--rate", "0", "--no-stdin", "--buyer", "XY", "--write-ms", "1500", "--at", "300:on"});
        QVERIFY(!sim.path().isEmpty());
        const QString command = QStringLiteral("DORVANE_TIMEOUTS=%1 %2/dorvane station %3 --port %4")
                                    .arg(kShortTimeouts, DORVANE_BIN_DIR, image(), sim.path());
        QProcess terminal;
        terminal.start("script", {"-qec", command, "/dev/null"});
        QVERIFY(terminal.waitForFinished(30000));
        const QString out = QString::fromUtf8(terminal.readAllStandardOutput());
        QCOMPARE(terminal.exitCode(), 0);
        QVERIFY2(out.contains("\033[") && out.contains("A\033[J"), qPrintable(out));  // up, and clear below
        QVERIFY2(out.contains("PORT") && out.contains("STATE") && out.contains("writing"), qPrintable(out));
        const QString last = out.mid(out.lastIndexOf("PORT"));
        QVERIFY2(last.contains("stopped") && last.contains("ok (1/1 ok)") && last.contains("done 1, failed 0"),
                 qPrintable(last));
        QVERIFY2(out.contains(sim.path() + ": Box 1: ok ("), qPrintable(out));
    }

    // Every USB adapter: none here, so the station waits for one to be
    // plugged in until Ctrl-C.
    void portsUsbWaitsForAdaptersAndTakesNoOtherPorts() {
        QCOMPARE(runCli({"station", image(), "--ports", "serial"}).status, 2);
        QCOMPARE(runCli({"station", image(), "--ports", "usb", "--port", "/dev/null"}).status, 2);
        QProcess station;
        startStation(station, {image(), "--ports", "usb"});
        QVERIFY(station.waitForStarted(5000));
        QTest::qWait(2500);  // listed again meanwhile
        QCOMPARE(station.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(station.processId()), SIGINT);
        QVERIFY(station.waitForFinished(10000));
        QCOMPARE(station.exitCode(), 0);
    }

    // The process named `name` among the descendants of pid (0: none).
    static pid_t descendant(pid_t pid, const QByteArray& name) {
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
        if (!children.open(QIODevice::ReadOnly)) return 0;
        for (const QByteArray& child : children.readAll().split(' ')) {
            const pid_t c = child.trimmed().toInt();
            if (c <= 0) continue;
            QFile comm(QStringLiteral("/proc/%1/comm").arg(c));
            if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name) return c;
            if (const pid_t found = descendant(c, name)) return found;
        }
        return 0;
    }

    // On a terminal a second Ctrl-C while an STB writes asks first: "n"
    // goes on and the STB is served to its end; "y" leaves it (exit 130).
    void aSecondCtrlCWhileWritingAsksAtTheTerminal() {
        for (const bool leave : {false, true}) {
            SimProcess sim({"--rate", "0", "--no-stdin", "--buyer", "XY", "--write-ms", "5000", "--at", "300:on"});
            QVERIFY(!sim.path().isEmpty());
            const QString report = dir.filePath(leave ? "ask-y.jsonl" : "ask-n.jsonl");
            QProcess terminal;
            terminal.start("script", {"-qec",
                                      QStringLiteral("DORVANE_TIMEOUTS=%1 %2/dorvane station %3 --port %4 --report %5")
                                          .arg(kShortTimeouts, DORVANE_BIN_DIR, image(), sim.path(), report),
                                      "/dev/null"});
            QVERIFY(terminal.waitForStarted(5000));
            QString out;
            QVERIFY(waitFor(
                [&] {
                    out += QString::fromUtf8(terminal.readAllStandardOutput());
                    return out.contains("Writing Image started.");
                },
                15000));
            const pid_t station = descendant(static_cast<pid_t>(terminal.processId()), "dorvane");
            QVERIFY(station > 0);
            ::kill(station, SIGINT);
            QTest::qWait(300);
            ::kill(station, SIGINT);
            QVERIFY(waitFor(
                [&] {
                    out += QString::fromUtf8(terminal.readAllStandardOutput());
                    return out.contains("Stop anyway and leave it mid-write? [y/N]");
                },
                5000));
            terminal.write(leave ? "y\n" : "n\n");
            QVERIFY(terminal.waitForFinished(20000));
            out += QString::fromUtf8(terminal.readAllStandardOutput());
            const QJsonObject receipt = receipts(report).value(sim.path());
            if (leave) {
                QCOMPARE(terminal.exitCode(), 130);
                QVERIFY2(out.contains("Do not switch it off"), qPrintable(out));
                QVERIFY(receipt.value("result").toString() != "ok");
            } else {
                QCOMPARE(terminal.exitCode(), 0);
                QVERIFY2(out.contains("Going on: the boxes on the line are served to their end."), qPrintable(out));
                QCOMPARE(receipt.value("result").toString(), QStringLiteral("ok"));
            }
        }
    }

    void allSucceedAndTheCsvReportGrows() {
        const QString report = dir.filePath("report.csv");
        for (int round = 0; round < 2; ++round) {
            std::vector<std::unique_ptr<SimProcess>> sims;
            QStringList args{"station", image(), "--report", report, "--csv"};
            for (int i = 0; i < (round == 0 ? 3 : 1); ++i) {
                sims.push_back(std::make_unique<SimProcess>(
                    QStringList{"--rate", "0", "--at", QString::number(300 + 100 * i) + ":on", "--no-stdin", "--buyer",
                                "XY", "--write-ms", "200"}));
                args << "--port" << sims.back()->path();
            }
            const CliRun r = runCli(args, {}, 30000);
            QCOMPARE(r.status, 0);
        }
        const QStringList rows = lines(report);
        QCOMPARE(rows.size(), 5);  // one header, four boxes
        QCOMPARE(rows.first(), QStringLiteral("port,serial,start,end,file,sha256,bootVersion,appVersion,buyer,bytes,"
                                              "resent,timeouts,verify,result,reason"));
        for (const QString& row : rows.mid(1)) {
            QVERIFY2(row.contains(",app.img," + imageHash() + ","), qPrintable(row));
            QVERIFY2(row.endsWith(",150048,0,0,,ok,"), qPrintable(row));
            QVERIFY2(row.contains(",\"0x00005958 (\"\"XY\"\")\","), qPrintable(row));
        }
    }

    void repeatServesOneBoxAfterAnotherUntilCtrlC() {
        SimProcess sim({"--rate", "0", "--at", "300:on", "--buyer", "XY", "--boot-ms", "300", "--write-ms", "200",
                        "--store", dir.filePath("repeat.bin")});
        QVERIFY(!sim.path().isEmpty());
        const QString report = dir.filePath("repeat.jsonl");
        QProcess station;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DORVANE_TIMEOUTS", kShortTimeouts);
        station.setProcessEnvironment(env);
        station.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                      {"station", image(), "--repeat", "--port", sim.path(), "--report", report});
        QVERIFY(station.waitForStarted(5000));

        for (int box = 1; box <= 3; ++box) {
            QVERIFY2(waitFor([&] { return lines(report).size() == box; }, 15000), qPrintable(QString::number(box)));
            // The box restarts into its application: it is not served twice.
            QTest::qWait(1500);
            QCOMPARE(lines(report).size(), box);
            if (box == 3) break;
            sim.command("off");
            QTest::qWait(3500);  // the station sees it gone and arms again
            sim.command("on");
        }
        ::kill(static_cast<pid_t>(station.processId()), SIGINT);
        QVERIFY(station.waitForFinished(10000));
        QCOMPARE(station.exitStatus(), QProcess::NormalExit);
        QCOMPARE(station.exitCode(), 0);
        const QStringList receipts = lines(report);
        QCOMPARE(receipts.size(), 3);
        for (const QString& line : receipts)
            QCOMPARE(QJsonDocument::fromJson(line.toUtf8()).object().value("result").toString(), QStringLiteral("ok"));
        const QString out = QString::fromUtf8(station.readAllStandardOutput());
        QVERIFY2(out.contains(sim.path() + ": Box 3: ok"), qPrintable(out));
        QVERIFY2(out.contains(sim.path() + ": Waiting for the STB to be switched off."), qPrintable(out));
    }

    void aBoxSilentWhileWritingIsNotServedAgainWhenItRestarts() {
        SimProcess sim({"--rate", "0", "--at", "300:on", "--buyer", "XY", "--boot-ms", "300", "--write-ms", "3000",
                        "--fault", "silent@writing:2"});
        QVERIFY(!sim.path().isEmpty());
        const QString report = dir.filePath("silent.jsonl");
        QProcess station;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DORVANE_TIMEOUTS", kShortTimeouts);
        station.setProcessEnvironment(env);
        station.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                      {"station", image(), "--repeat", "--port", sim.path(), "--report", report});
        QVERIFY(station.waitForStarted(5000));
        QVERIFY(waitFor([&] { return lines(report).size() == 1; }, 15000));
        // Long silent: the box may still be writing. It restarts later.
        QTest::qWait(3500);
        sim.command("off");
        sim.command("on");
        QTest::qWait(4000);
        QCOMPARE(lines(report).size(), 1);  // not flashed a second time
        ::kill(static_cast<pid_t>(station.processId()), SIGINT);
        QVERIFY(station.waitForFinished(10000));
        QCOMPARE(station.exitCode(), 1);  // its one box was not ok
        QCOMPARE(QJsonDocument::fromJson(lines(report).value(0).toUtf8()).object().value("result").toString(),
                 QStringLiteral("timed-out"));
    }

    void ctrlCWaitsForTheBoxOnTheLineAndASecondStopsIt() {
        // One port with a box mid-transfer (a slow line), one still waiting.
        SimProcess empty({"--rate", "0", "--no-stdin"});
        const QString report = dir.filePath("signals.jsonl");
        for (const bool second : {false, true}) {
            QFile::remove(report);
            SimProcess slow({"--rate", "115200", "--at", "300:on", "--buyer", "XY", "--no-stdin", "--write-ms", "300"});
            QProcess station;
            station.start(
                QStringLiteral(DORVANE_BIN_DIR "/dorvane"),
                {"station", image(), "--repeat", "--port", slow.path(), "--port", empty.path(), "--report", report});
            QVERIFY(station.waitForStarted(5000));
            QString out;
            QVERIFY(waitFor(
                [&] {
                    out += QString::fromUtf8(station.readAllStandardOutput());
                    return out.contains(slow.path() + ": Transferring started.");
                },
                10000));
            ::kill(static_cast<pid_t>(station.processId()), SIGINT);
            if (second) {
                QTest::qWait(500);
                QCOMPARE(station.state(), QProcess::Running);  // the box on the line goes on
                ::kill(static_cast<pid_t>(station.processId()), SIGINT);
            }
            QVERIFY(station.waitForFinished(30000));
            const QJsonObject receipt = receipts(report).value(slow.path());
            QCOMPARE(lines(report).size(), 1);  // the port without a box has none
            if (second) {
                QCOMPARE(station.exitCode(), 130);
                QCOMPARE(receipt.value("result").toString(), QStringLiteral("canceled"));
                QVERIFY(receipt.value("bytes").toInteger() < 150048);
            } else {
                QCOMPARE(station.exitCode(), 0);
                QCOMPARE(receipt.value("result").toString(), QStringLiteral("ok"));
                QCOMPARE(receipt.value("bytes").toInteger(), 150048);
            }
        }
    }

    void badUsageAndAPortThatDoesNotOpen() {
        QCOMPARE(runCli({"station", image()}).status, 2);
        QCOMPARE(runCli({"station", "--port", "x"}).status, 2);
        QCOMPARE(runCli({"station", image(), "--port", "x", "--csv"}).status, 2);
        const CliRun r = runCli({"station", image(), "--port", "/dev/no-such-port"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith("dorvane: /dev/no-such-port: Port(/dev/no-such-port) open failed. "),
                 qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(StationCliTest)
#include "station_cli_test.moc"
