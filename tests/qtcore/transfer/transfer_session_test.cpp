#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>
#include <vector>

#include "qtcore/app/path_text.h"
#include "qtcore/transfer/transfer_session.h"
#include "sim/sim_process.h"
#include "support/image_builder.h"

using namespace dorvane;

namespace {

// Everything the session reports, in order.
struct Recorder : SessionObserver {
    QStringList log;
    std::vector<SessionNotice> notices;
    std::vector<TransferFigures> figureReports;
    std::vector<std::int64_t> begun;  // the total bytes of each begin
    std::vector<SessionOutcome> outcomes;
    SessionState state;

    void logLine(const std::string& line) override { log << QString::fromStdString(line); }
    void notice(const SessionNotice& notice) override { notices.push_back(notice); }
    void figures(const TransferFigures& figures) override { figureReports.push_back(figures); }
    std::int64_t fastestLine = 0;  // the line speed at its highest
    void stateChanged(const SessionState& s) override {
        state = s;
        if (s.lineRate) fastestLine = std::max(fastestLine, *s.lineRate);
    }
    void transferBegun(TransferMonitor::Kind, const std::filesystem::path&, std::int64_t total) override {
        begun.push_back(total);
    }
    void transferEnded(const SessionOutcome& outcome) override { outcomes.push_back(outcome); }
    std::optional<std::filesystem::path> chooseUploadTarget() override { return std::nullopt; }
};

TransferSession::Options quickOptions() {
    TransferSession::Options options;
    options.figuresPeriodMs = 20;
    options.flowTimes.startTimeout = 1500;
    options.flowTimes.commandPause = 50;
    return options;
}

}  // namespace

// The session against dorvane-sim on a pseudo-terminal: what the front ends
// get is typed (kind, text, advice), the figures and the end come once.
class TransferSessionTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString image;
    qint64 imageLength = 0;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        image = dir.filePath("app.img");
        const auto bytes = test::xprImage({}, test::patternBytes(40000));
        QFile f(image);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        imageLength = static_cast<qint64>(bytes.size());
    }

    void downloadEndsOnceWithTheMonitorsFigures() {
        SimProcess sim({"--rate", "57600", "--at", "300:on", "--buyer", "XY", "--write-ms", "300", "--store",
                        dir.filePath("stored.bin")});
        QVERIFY(!sim.path().isEmpty());
        Recorder r;
        TransferSession session(r, quickOptions());
        QVERIFY(!session.openPort(sim.path()));
        QCOMPARE(r.log.value(0), sim.path() + " port was opened successfully!");
        session.start();
        QVERIFY(session.openFile(pathFromText(image)).ok());
        session.download();
        QVERIFY(session.busy());
        QTRY_VERIFY_WITH_TIMEOUT(r.state.running == FlowDisplay::Running::Download, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!r.outcomes.empty(), 20000);
        QTest::qWait(100);  // nothing comes after the end

        QCOMPARE(r.outcomes.size(), std::size_t{1});
        const SessionOutcome& end = r.outcomes.front();
        QCOMPARE(end.outcome, TransferOutcome::Succeeded);
        QCOMPARE(end.figures.bytes, imageLength);
        QCOMPARE(end.figures.resent, 0);
        QCOMPARE(end.infoRecord.size(), std::size_t{128});
        QCOMPARE(end.infoRecord[20], std::uint8_t('X'));
        // The engine's report of the STB, and no upload.
        QVERIFY(end.dialect == ReceiverDialect::InfoRecord);
        QVERIFY(!end.upload);
        QCOMPARE(r.begun, std::vector<std::int64_t>{imageLength});
        QCOMPARE(QFile(dir.filePath("stored.bin")).size(), imageLength);

        QCOMPARE(r.notices.size(), std::size_t{1});
        QCOMPARE(r.notices.front().kind, SessionNotice::Kind::Succeeded);
        QVERIFY(r.notices.front().advice.empty());

        // The figures grow and never claim more than the image.
        QVERIFY(r.figureReports.size() >= 3);
        std::int64_t before = 0;
        for (const TransferFigures& f : r.figureReports) {
            QVERIFY(f.bytes >= before);
            QVERIFY(f.bytes <= imageLength);
            QCOMPARE(f.totalBytes, imageLength);
            before = f.bytes;
        }
        QVERIFY(!session.busy());
        QVERIFY(r.state.running == FlowDisplay::Running::None);
        // The line speed comes from the same figures: within what 57,600
        // bit/s carry (x9), and nothing once the transfer has ended.
        QVERIFY2(r.fastestLine > 0 && r.fastestLine <= 5760 * 9, qPrintable(QString::number(r.fastestLine)));
        QCOMPARE(r.state.lineRate, std::optional<std::int64_t>(0));
    }

    void refusedBuyerCodeIsARefusalWithBothCodes() {
        SimProcess sim({"--rate", "0", "--at", "300:on", "--buyer", "ZZ"});
        Recorder r;
        TransferSession session(r, quickOptions());
        QVERIFY(!session.openPort(sim.path()));
        session.start();
        QVERIFY(session.openFile(pathFromText(image)).ok());
        session.download();
        QTRY_VERIFY_WITH_TIMEOUT(!r.outcomes.empty(), 10000);
        QCOMPARE(r.outcomes.front().outcome, TransferOutcome::Refused);
        QCOMPARE(r.notices.size(), std::size_t{1});
        const SessionNotice& n = r.notices.front();
        QCOMPARE(n.kind, SessionNotice::Kind::Refused);
        QCOMPARE(n.text, std::string("This image can't be downloaded your STB!"));
        QVERIFY2(n.advice.find("0x00005958 (\"XY\") differs from the STB's 0x00005A5A (\"ZZ\")") != std::string::npos,
                 n.advice.c_str());
        QCOMPARE(n.joined(" ").rfind(n.text, 0), std::size_t{0});
    }

    void silentLineTimesOutWithWhereNothingAnswered() {
        SimProcess sim({"--rate", "0"});  // switched off, never on
        Recorder r;
        TransferSession session(r, quickOptions());
        QVERIFY(!session.openPort(sim.path()));
        session.start();
        QVERIFY(session.openFile(pathFromText(image)).ok());
        session.download();
        QTRY_VERIFY_WITH_TIMEOUT(!r.outcomes.empty(), 10000);
        QCOMPARE(r.outcomes.front().outcome, TransferOutcome::TimedOut);
        QCOMPARE(r.notices.size(), std::size_t{1});
        const SessionNotice& n = r.notices.front();
        QCOMPARE(n.kind, SessionNotice::Kind::TimedOut);
        QVERIFY(n.advice.rfind("No receiver answered on " + sim.path().toStdString(), 0) == 0);
        // The advice goes first: where nothing answered, then the box's text.
        QCOMPARE(n.joined("\n"), n.advice + "\n" + n.text);
    }

    void aStartThePreconditionsRefuseEndsNotStarted() {
        SimProcess sim({"--rate", "0", "--start", "app"});  // the application answers: the STB is on
        Recorder r;
        TransferSession session(r, quickOptions());
        QVERIFY(!session.openPort(sim.path()));
        session.start();
        QVERIFY(session.openFile(pathFromText(image)).ok());
        QTest::qWait(1200);  // the link test sees the application
        session.download();
        QTRY_VERIFY_WITH_TIMEOUT(!r.outcomes.empty(), 5000);
        QCOMPARE(r.outcomes.front().outcome, TransferOutcome::NotStarted);
        QCOMPARE(r.notices.size(), std::size_t{1});
        QCOMPARE(r.notices.front().kind, SessionNotice::Kind::Refusal);
        QVERIFY(r.notices.front().advice.empty());
        QVERIFY(!session.busy());
    }

    void aPortThatDidNotOpenIsNamedWhenATransferNeedsIt() {
        Recorder r;
        TransferSession session(r, quickOptions());
        const auto failure = session.openPort(QStringLiteral("/dev/no-such-port"));
        QVERIFY(failure);
        QCOMPARE(failure->text, std::string("Port(/dev/no-such-port) open failed."));
        QVERIFY(!failure->advice.empty());
        QVERIFY(r.log.isEmpty());
        session.start();
        QVERIFY(session.openFile(pathFromText(image)).ok());
        session.download();
        QCOMPARE(r.outcomes.size(), std::size_t{1});
        QCOMPARE(r.outcomes.front().outcome, TransferOutcome::NotStarted);
        QCOMPARE(r.notices.size(), std::size_t{1});
        QCOMPARE(r.notices.front().kind, SessionNotice::Kind::PortClosed);
        QCOMPARE(r.notices.front().advice, failure->text + "\n" + failure->advice);
    }

    void interruptEndsARunningTransferOnce() {
        SimProcess sim({"--rate", "9600", "--at", "300:on", "--buyer", "XY"});
        Recorder r;
        TransferSession session(r, quickOptions());
        QVERIFY(!session.openPort(sim.path()));
        session.start();
        QVERIFY(session.openFile(pathFromText(image)).ok());
        session.download();
        QTRY_VERIFY_WITH_TIMEOUT(!r.figureReports.empty() && r.figureReports.back().bytes > 0, 10000);
        QVERIFY(session.interrupt());
        QCOMPARE(r.outcomes.size(), std::size_t{1});
        QCOMPARE(r.outcomes.front().outcome, TransferOutcome::Canceled);
        QVERIFY(r.outcomes.front().figures.bytes < imageLength);
        const auto reported = r.figureReports.size();
        QTest::qWait(200);
        QCOMPARE(r.outcomes.size(), std::size_t{1});
        QCOMPARE(r.figureReports.size(), reported);  // the figures stop with the end
        QVERIFY(!session.busy());
    }
};

QTEST_GUILESS_MAIN(TransferSessionTest)
#include "transfer_session_test.moc"
