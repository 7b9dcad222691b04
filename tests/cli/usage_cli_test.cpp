#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "cli_run.h"

// What each command takes and how bad usage is answered, as a user (and the
// shell completion, which reads the help) meets it.
class UsageCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Every command with its options, value options with their value's name.
    static const QMap<QString, QStringList>& inventory() {
        static const QMap<QString, QStringList> all{
            {"inspect", {"--json"}},
            {"ports", {"--json"}},
            {"port", {}},
            {"doctor", {"--port PORT", "--json", "--loopback", "--power-cycle-wait SECONDS"}},
            {"bundle", {"--port PORT"}},
            {"download", {"--port PORT", "--forced", "--json", "--trace TRACE", "--verify"}},
            {"upload", {"--port PORT", "--force", "--json", "--trace TRACE"}},
            {"channels", {"--json", "--csv"}},
            {"repack", {}},
            {"reorder", {"--reference REF", "--favourites"}},
            {"check", {}},
            {"diff", {"--json"}},
            {"import", {}},
            {"demo-data", {"--full", "--seed N"}},
            {"station",
             {"--port PORT", "--ports KIND", "--repeat", "--report REPORT", "--csv", "--json", "--forced", "--verify"}},
        };
        return all;
    }

    // The option lines of a command's help: "--port PORT" from
    // "  --port PORT    the serial port ...".
    static QStringList optionLines(const QString& help) {
        QStringList found;
        static const QRegularExpression line(QStringLiteral("^  (-h, )?(--[a-z-]+(?: [A-Z]+)?)  +\\S"),
                                             QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(help); it.hasNext();) found << it.next().captured(2);
        return found;
    }

    static QString usageLine(const QString& command) { return runCli({command, "--help"}).out.section('\n', 0, 0); }

private slots:
    void theProgramsHelpListsEveryCommandWithItsUsageLine() {
        const CliRun help = runCli({"--help"});
        QCOMPARE(help.status, 0);
        QStringList listed;
        static const QRegularExpression command(QStringLiteral("^  dorvane ([a-z-]+).*$"),
                                                QRegularExpression::MultilineOption);
        for (auto it = command.globalMatch(help.out); it.hasNext();) {
            const auto m = it.next();
            listed << m.captured(1);
            // The same usage line as the command's own help.
            QCOMPARE(QStringLiteral("usage: ") + m.captured(0).trimmed(), usageLine(m.captured(1)));
        }
        QStringList known = inventory().keys();
        QStringList sorted = listed;
        sorted.sort();
        QCOMPARE(sorted, known);
        QCOMPARE(runCli({"help"}).out, help.out);
        QCOMPARE(runCli({"-h"}).out, help.out);
        QVERIFY(help.out.contains(QStringLiteral("  --version ")));
    }

    void eachCommandsHelpListsEveryOptionItTakes() {
        for (auto it = inventory().begin(); it != inventory().end(); ++it) {
            const QString& name = it.key();
            const CliRun help = runCli({name, "--help"});
            QCOMPARE(help.status, 0);
            QVERIFY2(help.err.isEmpty(), qPrintable(help.err));
            QCOMPARE(optionLines(help.out), it.value() + QStringList{"--help"});
            // The usage line names each option as its help does.
            const QString usage = help.out.section('\n', 0, 0);
            QVERIFY2(usage.startsWith(QStringLiteral("usage: dorvane ") + name), qPrintable(usage));
            for (const QString& option : it.value())
                QVERIFY2(usage.contains(QStringLiteral("[%1]").arg(option)), qPrintable(name + ": " + option));
            QCOMPARE(runCli({name, "-h"}).out, help.out);
            QCOMPARE(runCli({"help", name}).out, help.out);
            // --help anywhere, even behind a mistake, answers with the help.
            QCOMPARE(runCli({name, "--bogus", "x", "--help"}).out, help.out);
        }
    }

    void aMissingOrMalformedValueIsBadUsageWithTheUsageLine() {
        struct Case {
            QStringList args;
            QString message;
        };
        const QList<Case> cases{
            {{"download", "a.img", "--port"}, "--port needs a port name"},
            {{"download", "--port=", "a.img"}, "--port needs a port name"},
            {{"download", "--port", "--json", "a.img"}, "--port needs a port name"},
            {{"download", "a.img", "--trace"}, "--trace needs a file name"},
            {{"download", "--trace=", "a.img"}, "--trace needs a file name"},
            {{"upload", "x.irz", "--port"}, "--port needs a port name"},
            {{"upload", "x.irz", "--trace"}, "--trace needs a file name"},
            {{"demo-data", "x.irz", "--seed"}, "--seed needs a number"},
            {{"demo-data", "x.irz", "--seed=3x"}, "--seed needs a number"},
            {{"doctor", "--port"}, "--port needs a port name"},
            {{"doctor", "--json", "--power-cycle-wait"}, "--power-cycle-wait needs a number"},
            {{"doctor", "--power-cycle-wait=soon"}, "--power-cycle-wait needs a number"},
            {{"bundle", "x.zip", "--port"}, "--port needs a port name"},
            {{"station", "a.img", "--port"}, "--port needs a port name"},
            {{"station", "a.img", "--port", "p", "--report"}, "--report needs a file name"},
            {{"station", "a.img", "--ports"}, "--ports needs usb"},
            {{"reorder", "a.irz", "x.irz", "--reference"}, "--reference needs a channel-data file or a text list"},
        };
        for (const Case& c : cases) {
            const CliRun r = runCli(c.args);
            QCOMPARE(r.status, 2);
            const QStringList lines = r.err.split('\n');
            QCOMPARE(lines.value(0), QStringLiteral("dorvane: ") + c.message);
            QCOMPARE(lines.value(1), usageLine(c.args.first()));
            QVERIFY(r.out.isEmpty());
        }
        // Every value option of every command is among the cases.
        for (auto it = inventory().begin(); it != inventory().end(); ++it)
            for (const QString& option : it.value()) {
                if (!option.contains(' ')) continue;
                const QString name = option.section(' ', 0, 0);
                const bool covered = std::any_of(cases.begin(), cases.end(), [&](const Case& c) {
                    return c.args.first() == it.key() && c.args.last() == name;
                });
                QVERIFY2(covered, qPrintable(it.key() + " " + name));
            }
        QVERIFY(!QFile::exists(QStringLiteral("x.irz")));
    }

    void unknownOptionsAndCommandsAreBadUsage() {
        for (const QString& command : inventory().keys()) {
            const CliRun r = runCli({command, "--bogus", "x"});
            QCOMPARE(r.status, 2);
            QCOMPARE(r.err, QStringLiteral("dorvane: unknown option --bogus\n%1\n").arg(usageLine(command)));
        }
        const CliRun shortOption = runCli({"inspect", "-q", "x"});
        QCOMPARE(shortOption.status, 2);
        QVERIFY(shortOption.err.startsWith("dorvane: unknown option -q\nusage: dorvane inspect "));
        const CliRun flagWithValue = runCli({"ports", "--json=yes"});
        QCOMPARE(flagWithValue.status, 2);
        QVERIFY2(flagWithValue.err.startsWith("dorvane: ") && flagWithValue.err.contains("\nusage: dorvane ports"),
                 qPrintable(flagWithValue.err));
        // An option of another command is unknown here.
        QCOMPARE(runCli({"upload", "--forced", "x.irz"}).status, 2);
        QCOMPARE(runCli({"download", "--force", "a.img"}).status, 2);

        const CliRun unknown = runCli({"x"});
        QCOMPARE(unknown.status, 2);
        QCOMPARE(unknown.err, QStringLiteral("dorvane: unknown command 'x' (try dorvane --help)\n"));
        QCOMPARE(runCli({"help", "x"}).err, unknown.err);
        const CliRun before = runCli({"--bogus", "inspect"});
        QCOMPARE(before.status, 2);
        QCOMPARE(before.err, QStringLiteral("dorvane: unknown option --bogus\nusage: dorvane COMMAND [ARGUMENTS]\n"));
        const CliRun nothing = runCli({});
        QCOMPARE(nothing.status, 2);
        QVERIFY(nothing.out.isEmpty());
        QVERIFY(nothing.err.startsWith("usage: dorvane COMMAND [ARGUMENTS]\n"));
    }

    void portValueInBothSpellings() {
        QVERIFY(makeSamples(dir_.path()));
        const QString image = dir_.filePath("app.img");
        for (const QString& command : {QStringLiteral("download"), QStringLiteral("upload")}) {
            const QString file = command == QLatin1String("download") ? image : dir_.filePath("backup.irz");
            for (const QStringList& port :
                 {QStringList{"--port", "/dev/no-such-port"}, QStringList{"--port=/dev/no-such-port"}}) {
                const CliRun r = runCli(QStringList{command} + port + QStringList{file});
                QCOMPARE(r.status, 1);
                QVERIFY2(r.err.startsWith("dorvane: Port(/dev/no-such-port) open failed."), qPrintable(r.err));
            }
        }
        QVERIFY(!QFile::exists(dir_.filePath("backup.irz")));
    }

    void aFileAfterDoubleDashIsAFileEvenWhenItLooksLikeAnOption() {
        QVERIFY(makeSamples(dir_.path()));
        QVERIFY(QFile::copy(dir_.filePath("app.img"), dir_.filePath("--json")));
        QProcess p;
        p.setWorkingDirectory(dir_.path());
        p.start(QStringLiteral(DORVANE_BIN_DIR "/dorvane"), {"inspect", "--", "--json"});
        QVERIFY(p.waitForFinished(15000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains("Image Type"));
    }
};

QTEST_GUILESS_MAIN(UsageCliTest)
#include "usage_cli_test.moc"
