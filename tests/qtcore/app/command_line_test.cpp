#include <QTest>

#include "qtcore/app/command_line.h"

using namespace dorvane;

// Options as the command line and the window declare them: parsing, the
// usage line and the help all come from the one list.
class CommandLineTest : public QObject {
    Q_OBJECT

    static QList<OptionSpec> transferLike() {
        return {
            {.name = "port", .valueName = "PORT", .needs = "a port name", .description = "the serial port"},
            {.name = "json", .description = "one JSON object a line\nper event"},
            {.name = "seed",
             .valueName = "N",
             .value = OptionValue::Number,
             .needs = "a number",
             .description = "the seed"},
        };
    }

private slots:
    void valuesInBothSpellingsAndSwitchesAnywhere() {
        for (const QStringList& words : {QStringList{"--port", "/dev/ttyUSB0", "a.img", "--json"},
                                         QStringList{"a.img", "--json", "--port=/dev/ttyUSB0"}}) {
            CommandLine line(transferLike());
            QVERIFY2(line.parse(words), qPrintable(line.error()));
            QCOMPARE(line.value("port"), QStringLiteral("/dev/ttyUSB0"));
            QVERIFY(line.isSet("json"));
            QVERIFY(!line.isSet("seed"));
            QCOMPARE(line.positional(), QStringList{"a.img"});
        }
        CommandLine line(transferLike());
        QVERIFY(line.parse({"--seed", "42", "--port", "COM1", "--port", "COM2"}));
        QCOMPARE(line.number("seed", 1), 42u);
        QCOMPARE(line.value("port"), QStringLiteral("COM2"));  // the last one counts
        CommandLine none(transferLike());
        QVERIFY(none.parse({}));
        QCOMPARE(none.number("seed", 7), 7u);
    }

    void aMissingOrBadValueNamesTheOptionAndWhatItNeeds_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("error");
        const QString port = QStringLiteral("--port needs a port name");
        const QString seed = QStringLiteral("--seed needs a number");
        QTest::newRow("port at the end") << QStringList{"a.img", "--port"} << port;
        QTest::newRow("port empty") << QStringList{"--port=", "a.img"} << port;
        QTest::newRow("port empty word") << QStringList{"--port", "", "a.img"} << port;
        // The parser takes the next word whatever it is: an option there
        // means the value was left out, not a port named "--json".
        QTest::newRow("port then option") << QStringList{"--port", "--json", "a.img"} << port;
        QTest::newRow("seed at the end") << QStringList{"a.irz", "--seed"} << seed;
        QTest::newRow("seed not a number") << QStringList{"--seed", "many", "a.irz"} << seed;
        QTest::newRow("seed negative") << QStringList{"--seed=-1", "a.irz"} << seed;
        QTest::newRow("seed with a unit") << QStringList{"--seed", "12k"} << seed;
        QTest::newRow("unknown long") << QStringList{"--bogus", "a.img"} << QStringLiteral("unknown option --bogus");
        QTest::newRow("unknown short") << QStringList{"-x", "a.img"} << QStringLiteral("unknown option -x");
        // An unknown option is named before a value that is missing.
        QTest::newRow("unknown and missing")
            << QStringList{"--bogus", "--port"} << QStringLiteral("unknown option --bogus");
    }

    void aMissingOrBadValueNamesTheOptionAndWhatItNeeds() {
        QFETCH(QStringList, words);
        QFETCH(QString, error);
        CommandLine line(transferLike());
        QVERIFY(!line.parse(words));
        QCOMPARE(line.error(), error);
    }

    void aSwitchTakesNoValue() {
        CommandLine line(transferLike());
        QVERIFY(!line.parse({"--json=yes", "a.img"}));
        QVERIFY(line.error().contains(QStringLiteral("--json")));
    }

    void doubleDashEndsTheOptions() {
        CommandLine line(transferLike());
        QVERIFY(line.parse({"--json", "--", "--port", "-x.img"}));
        QVERIFY(line.isSet("json"));
        QVERIFY(!line.isSet("port"));
        QCOMPARE(line.positional(), (QStringList{"--port", "-x.img"}));
        // A value option before "--" is given "--" and refused, not left
        // waiting at the end.
        CommandLine dash(transferLike());
        QVERIFY(!dash.parse({"--port", "--"}));
        QCOMPARE(dash.error(), QStringLiteral("--port needs a port name"));
    }

    void helpIsKnownEverywhereAndWinsOverErrors() {
        CommandLine line(transferLike());
        QVERIFY(line.parse({"-h"}));
        QVERIFY(line.helpAsked());
        CommandLine bad(transferLike());
        QVERIFY(!bad.parse({"--bogus", "--help"}));
        QVERIFY(bad.helpAsked());
        CommandLine plain(transferLike());
        QVERIFY(plain.parse({"a.img"}));
        QVERIFY(!plain.helpAsked());
    }

    void aProgramWithCommandsStopsAtTheCommandsName() {
        const QList<OptionSpec> program{{.name = "version", .description = "show the version"}};
        CommandLine line(program);
        line.stopAtFirstArgument();
        QVERIFY(line.parse({"download", "--port", "COM3", "--help", "a.img"}));
        QVERIFY(!line.helpAsked());
        QCOMPARE(line.positional(), (QStringList{"download", "--port", "COM3", "--help", "a.img"}));
        CommandLine version(program);
        version.stopAtFirstArgument();
        QVERIFY(version.parse({"--version"}));
        QVERIFY(version.isSet("version"));
        QVERIFY(version.positional().isEmpty());
    }

    void usageLineAndHelpListEveryOption() {
        QCOMPARE(optionSynopsis(transferLike()), QStringLiteral("[--port PORT] [--json] [--seed N]"));
        QCOMPARE(optionSynopsis({}), QString());
        CommandLine line(transferLike());
        QCOMPARE(line.options().size(), 4);  // and --help
        QCOMPARE(optionHelp(line.options()), QStringLiteral("  --port PORT  the serial port\n"
                                                            "  --json       one JSON object a line\n"
                                                            "               per event\n"
                                                            "  --seed N     the seed\n"
                                                            "  -h, --help   show this help\n"));
        QCOMPARE(optionHelp(QList<OptionSpec>{{.name = "full", .description = "every table"}}, 6),
                 QStringLiteral("      --full  every table\n"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
