// The main window against a simulated STB on a pseudo-terminal: start-up
// and the port, the commands, downloads and uploads to their ends.

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include "core/app/version.h"
#include "core/database/backup_blob.h"
#include "core/database/channel_data_file.h"
#include "core/database/demo_data.h"
#include "core/flow/operator_advice.h"
#include "gui/app/connection_check_dialog.h"
#include "gui/app/main_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "gui/support/scripted_prompts.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/text_progress_bar.h"
#include "qtcore/app/settings.h"
#include "qtcore/bundle/transfer_history.h"
#include "sim/sim_process.h"
#include "support/channel_blob.h"
#include "support/image_builder.h"
#include "support/temp_dir.h"
#include "support/trace_scan.h"

using namespace dorvane;
using test::ScriptedPrompts;
namespace fs = std::filesystem;

namespace {

const QString kNoFile = QStringLiteral("Please, Open a File to be downloaded!");
const QString kPortClosed = QStringLiteral("Can't open Serial Port! Please, Check your Serial port setting!");
const QString kTurnOff = QStringLiteral("Before download start, You should turn off the Power of STB");
const QString kTurnOn = QStringLiteral(
    "Before upload start, You should turn on the Power of STB and activate 'PC COM' item in 'Software Transfer' menu");
const QString kEnqEnd = QStringLiteral("Downloading stopped successfully. \nYour STB will restart now!");
const QString kAckEnd = QStringLiteral(
    "Downloading stopped successfully. \nYou should Check LCD window whether STB has remain job or not!");
const QString kRefused = QStringLiteral("This image can't be downloaded your STB!");
const QString kRestartedLine =
    QStringLiteral("The STB restarted before it finished writing! The image was not written.");
const QString kRestartedBox =
    kRestartedLine + QStringLiteral(" \nPlease, Switch off the STB, start the download, then switch on the STB.");

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

// Records the progress bar's position at the moment a log line appears.
class ProgressAtLine : public QObject {
public:
    ProgressAtLine(CMainDialog& w, const QString& line) : line_(line) {
        auto* log = static_cast<QListWidget*>(w.control(CMainDialog::kLog));
        auto* bar = static_cast<CTextProgressBar*>(w.control(CMainDialog::kProgress));
        connect(log->model(), &QAbstractItemModel::rowsInserted, this,
                [this, log, bar](const QModelIndex&, int, int last) {
                    if (log->item(last)->text() == line_) position = bar->position();
                });
    }
    int position = -1;

private:
    QString line_;
};

// A timer that should run every 10 ms; records how late it came.
class StallProbe : public QObject {
public:
    StallProbe() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            const qint64 now = clock_.elapsed();
            maxLateness = std::max(maxLateness, now - last_ - 10);
            last_ = now;
        });
        clock_.start();
        timer_.start();
    }
    qint64 maxLateness = 0;

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
};

}  // namespace

static QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintCounter() override { widget_->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;

private:
    QWidget* widget_;
};

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> dir_;
    fs::path image_;       // 1 MiB application image, buyer "XY"
    fs::path smallImage_;  // 64 KiB
    fs::path irz_;         // a channel-data file

    std::unique_ptr<CMainDialog> window(const QString& port, ScriptedPrompts& prompts, Millis startTimeout = 30000,
                                        Millis replyTimeout = 15000) {
        CMainDialog::Options o;
        o.engineTimeouts.reply = replyTimeout;
        // A silent sender is asked again every uploadSilence, six times.
        o.engineTimeouts.uploadSilence = std::min<Millis>(replyTimeout, 3000);
        o.portName = port;
        o.settingsApplication = QStringLiteral("dorvane-window-test");
        o.flowTimes.startTimeout = startTimeout;
        o.transfersFolder = QString::fromStdString(dir_->file("transfers").string());
        auto w = std::make_unique<CMainDialog>(o, prompts);
        w->show();
        return w;
    }

    static CSkinButton* button(CMainDialog& w, int id) { return static_cast<CSkinButton*>(w.control(id)); }
    static CTextProgressBar* bar(CMainDialog& w) {
        return static_cast<CTextProgressBar*>(w.control(CMainDialog::kProgress));
    }

private slots:
    void initTestCase() {
        dir_ = std::make_unique<test::TempDir>();
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir_->file("config").string()));
        test::XprFields fields;
        image_ = dir_->write("app.img", test::xprImage(fields, test::patternBytes(1 << 20)));
        smallImage_ = dir_->write("small.img", test::xprImage(fields, test::patternBytes(64 << 10, 7)));
        test::Bytes irz(160, 0);
        irz[0] = 'I';
        irz[1] = 'R';
        irz[2] = 'Z';
        for (std::size_t i = 3; i < irz.size(); ++i) irz[i] = static_cast<std::uint8_t>(i * 7);
        irz_ = dir_->write("data.irz", irz);
    }

    void cleanupTestCase() { dir_.reset(); }

    // ------------------------------------------------------------ the port

    void startupWithAnExistingPort() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        QCOMPARE(w->logLines().value(0), sim.path() + QStringLiteral(" port was opened successfully!"));
        QVERIFY(w->portLampOn());
        QVERIFY(prompts.messages.isEmpty());
        QVERIFY(!w->portRetryRunning());
        const auto* label = static_cast<QLabel*>(w->control(CMainDialog::kPortName));
        QCOMPARE(label->text(), sim.path().mid(5));  // "pts/N"
    }

    // An idle window with its link poll running paints nothing: the poll's
    // state, the same every half second, changes no control.
    void anIdleWindowDoesNotRepaint() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        QTest::qWait(1200);  // the first polls and the paints of the start
        PaintCounter bar(w->control(CMainDialog::kProgress));
        PaintCounter lamp(w->control(CMainDialog::kPowerLamp));
        QTest::qWait(2500);
        QCOMPARE(bar.paints, 0);
        QCOMPARE(lamp.paints, 0);
        QVERIFY(w->engine().linkPollRunning());
    }

    void startupWithAMissingPortRetriesSilentlyUntilItAppears() {
        const fs::path link = dir_->file("ttyLATER");
        fs::remove(link);
        ScriptedPrompts prompts;
        auto w = window(qpath(link), prompts);
        const QString failed = QStringLiteral("Port(%1) open failed.").arg(qpath(link));
        const QString advice = qpath(link) + QStringLiteral(
                                                 " does not exist: the adapter is unplugged or the name is "
                                                 "wrong. Plug it in, or choose one of the ports that "
                                                 "Configure or 'dorvane ports' lists.");
        // A missing adapter is a log line, not a box, while nothing needs it.
        QVERIFY(prompts.messages.isEmpty());
        QCOMPARE(w->logLines(), (QStringList{failed, advice}));
        QVERIFY(!w->portLampOn());
        QVERIFY(w->portRetryRunning());
        QTest::qWait(1200);  // two retries and more
        QVERIFY(prompts.messages.isEmpty());
        QCOMPARE(w->logLines().size(), 2);
        // A transfer needs it: now the box, with the reason.
        prompts.openFile = qpath(smallImage_);
        button(*w, CMainDialog::kOpen)->click();
        button(*w, CMainDialog::kDownload)->click();
        QCOMPARE(prompts.messages, QStringList{kPortClosed + "\n" + failed + "\n" + advice});

        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        fs::create_symlink(sim.path().toStdString(), link);
        QTRY_VERIFY_WITH_TIMEOUT(w->portLampOn(), 2000);
        QCOMPARE(w->logLines().last(), qpath(link) + QStringLiteral(" port was opened successfully!"));
        QVERIFY(!w->portRetryRunning());
        QCOMPARE(prompts.messages.size(), 1);
        w.reset();
        fs::remove(link);
    }

    // "Dorvane_QX --edit FILE": the editor first, no port in its way; the
    // port opens when the operator is back in the window, or for a transfer.
    void deferredPortOpensAfterTheEditorOrForATransfer() {
        auto demo = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*demo);
        auto packed = std::make_unique<ChannelDataBuffer>();
        QCOMPARE(packBackup(*demo, *packed), PackResult::Ok);
        const fs::path demoFile = dir_->file("deferred.irz");
        QVERIFY(writeChannelDataFile(*packed, demoFile).ok());
        auto deferred = [&](const QString& port, ScriptedPrompts& prompts) {
            CMainDialog::Options o;
            o.portName = port;
            o.settingsApplication = QStringLiteral("dorvane-window-test");
            o.deferPort = true;
            auto w = std::make_unique<CMainDialog>(o, prompts);
            w->show();
            return w;
        };
        const fs::path missing = dir_->file("ttyNONE");
        fs::remove(missing);
        {
            ScriptedPrompts prompts;
            auto w = deferred(qpath(missing), prompts);
            QVERIFY(w->logLines().isEmpty());
            QVERIFY(!w->portRetryRunning());
            bool portTriedDuringEditor = true;
            prompts.onDialog = [&](QDialog&) {
                portTriedDuringEditor = !w->logLines().filter(QStringLiteral("Port(")).isEmpty();
                return int(QDialog::Rejected);
            };
            w->openFileForEditing(qpath(demoFile));
            QVERIFY(!portTriedDuringEditor);
            // Back in the window: tried, said in the log, no box.
            QVERIFY(prompts.messages.isEmpty());
            QVERIFY(w->logLines().contains(QStringLiteral("Port(%1) open failed.").arg(qpath(missing))));
            QVERIFY(w->portRetryRunning());
        }
        {
            SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
            ScriptedPrompts prompts;
            auto w = deferred(sim.path(), prompts);
            QVERIFY(!w->port().isOpen());
            // Download before any editor: the port opens for it.
            prompts.openFile = qpath(smallImage_);
            button(*w, CMainDialog::kOpen)->click();
            button(*w, CMainDialog::kDownload)->click();
            QVERIFY(w->port().isOpen());
            QVERIFY(w->logLines().contains(sim.path() + QStringLiteral(" port was opened successfully!")));
            QVERIFY(!prompts.messages.contains(kPortClosed));
            QTRY_VERIFY_WITH_TIMEOUT(w->busy(), 3000);
            button(*w, CMainDialog::kDownload)->click();  // stop
        }
    }

    void portLampDisconnectsAndConnects() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        button(*w, CMainDialog::kPortLamp)->click();
        QCOMPARE(w->logLines().last(), sim.path() + QStringLiteral(" disconnected."));
        QVERIFY(!w->portLampOn());
        QVERIFY(!w->port().isOpen());
        QTest::qWait(700);
        QVERIFY(!w->port().isOpen());  // no retry after a disconnect by hand
        button(*w, CMainDialog::kPortLamp)->click();
        QCOMPARE(w->logLines().last(), sim.path() + QStringLiteral(" connected."));
        QVERIFY(w->portLampOn());
        QVERIFY(w->port().isOpen());
        // Bytes lost to a full receive queue are said in the log.
        emit w->port().bufferFull();
        QCOMPARE(w->logLines().last(), QStringLiteral("buff full"));
    }

    void configureChoosesAnotherPortAndStoresIt() {
        SimProcess first({QStringLiteral("--start"), QStringLiteral("off")});
        SimProcess second({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(first.path(), prompts);
        prompts.port = second.path();
        button(*w, CMainDialog::kConfigure)->click();
        QCOMPARE(w->portName(), second.path());
        QCOMPARE(w->logLines().last(), second.path() + QStringLiteral(" port was opened successfully!"));
        QCOMPARE(Settings(QStringLiteral("dorvane-window-test")).portName(), second.path());
        // Cancelled: nothing changes.
        prompts.port.reset();
        const int lines = static_cast<int>(w->logLines().size());
        button(*w, CMainDialog::kConfigure)->click();
        QCOMPARE(w->portName(), second.path());
        QCOMPARE(w->logLines().size(), lines);
    }

    void adapterUnpluggedMidTransferEndsItAndThePortComesBack() {
        const fs::path link = dir_->file("ttyUNPLUG");
        fs::remove(link);
        auto sim = std::make_unique<SimProcess>(
            QStringList{QStringLiteral("--start"), QStringLiteral("off"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--fault"), QStringLiteral("close@block:20")});
        fs::create_symlink(sim->path().toStdString(), link);
        ScriptedPrompts prompts;
        auto w = window(qpath(link), prompts);
        QVERIFY(w->portLampOn());
        w->openFile(qpath(image_));
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        sim->command("on");
        QTRY_VERIFY_WITH_TIMEOUT(!w->busy(), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->portLampOn(), 2000);
        const QStringList log = w->logLines();
        QVERIFY2(log.contains(QStringLiteral("Serial Port Error! The port stopped working.")),
                 qPrintable(log.join('|')));
        // Where the system tells, the line says what happened and what to do.
        const QString unplugged = qpath(link) + QStringLiteral(
                                                    " has gone away: the adapter was unplugged. Plug it "
                                                    "back in and retry.");
        QVERIFY2(log.contains(QStringLiteral("Port(%1) failed: %2").arg(qpath(link), unplugged)),
                 qPrintable(log.join('|')));
        QVERIFY2(
            prompts.messages.contains(
                QStringLiteral("Serial Port Error! Please, Check your Serial port and STB, And retry!\n") + unplugged),
            qPrintable(prompts.messages.join('|')));
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Download"));
        QVERIFY(w->portRetryRunning());

        // The adapter comes back (another terminal behind the same name).
        sim.reset();
        fs::remove(link);
        SimProcess again({QStringLiteral("--start"), QStringLiteral("off")});
        fs::create_symlink(again.path().toStdString(), link);
        QTRY_VERIFY_WITH_TIMEOUT(w->portLampOn(), 3000);
        QCOMPARE(w->logLines().last(), qpath(link) + QStringLiteral(" port was opened successfully!"));
        w.reset();
        fs::remove(link);
    }

    // ------------------------------------------------------------ files and refusals

    // "Dorvane_QX --edit FILE": the file is opened and, being channel data,
    // the editor comes up on it at once; an image opens without an editor.
    void editOptionOpensTheEditorOnChannelData() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        QStringList shown;
        prompts.onDialog = [&shown](QDialog& dialog) {
            shown << dialog.windowTitle();
            return int(QDialog::Accepted);
        };
        // A real channel-data file, so that the editor opens on it.
        auto demo = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*demo);
        auto packed = std::make_unique<ChannelDataBuffer>();
        QCOMPARE(packBackup(*demo, *packed), PackResult::Ok);
        const fs::path demoFile = dir_->file("demo.irz");
        QVERIFY(writeChannelDataFile(*packed, demoFile).ok());
        w->openFileForEditing(qpath(demoFile));
        QVERIFY(prompts.messages.isEmpty());
        // The editor's title names the file it edits.
        QCOMPARE(shown, QStringList{QStringLiteral("Edit Receiver Data - demo.irz")});
        QCOMPARE(static_cast<QLineEdit*>(w->control(CMainDialog::kFilePath))->text(), qpath(demoFile));
        w->openFileForEditing(qpath(smallImage_));
        QCOMPARE(shown.size(), 1);
    }

    void openingChannelDataShowsEditAndAnImageHidesIt() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        QWidget* edit = w->control(CMainDialog::kEditor);
        auto* forced = static_cast<QCheckBox*>(w->control(CMainDialog::kForced));
        QVERIFY(!edit->isVisible());
        QVERIFY(!forced->isEnabled());

        prompts.openFile = qpath(irz_);
        button(*w, CMainDialog::kOpen)->click();
        QVERIFY(edit->isVisible());
        QVERIFY(!forced->isEnabled());  // disabled until the first other file
        QCOMPARE(static_cast<QLineEdit*>(w->control(CMainDialog::kFilePath))->text(), qpath(irz_));
        QVERIFY(w->logLines().contains(QStringLiteral("Image Type : IRZ Data.")));

        prompts.openFile = qpath(smallImage_);
        button(*w, CMainDialog::kOpen)->click();
        QVERIFY(!edit->isVisible());
        QVERIFY(forced->isEnabled());
        forced->click();
        QVERIFY(w->flow().forcedDownload());
        // Opening again turns the option off.
        button(*w, CMainDialog::kOpen)->click();
        QVERIFY(!forced->isChecked());
        QVERIFY(!w->flow().forcedDownload());

        // Cancelled: nothing changes.
        prompts.openFile.clear();
        const auto lines = w->logLines().size();
        button(*w, CMainDialog::kOpen)->click();
        QCOMPARE(w->logLines().size(), lines);
    }

    // "Check connection" in Configure borrows the window's port while it
    // runs, shows each step without blocking, and gives the port back.
    void theConnectionCheckBorrowsTheWindowsPort() {
        SimProcess app({QStringLiteral("--start"), QStringLiteral("app")});
        ScriptedPrompts prompts;
        auto w = window(app.path(), prompts);
        QVERIFY(w->port().isOpen());
        QStringList lent;
        CSerialConfigDialog config(QList<SerialPortEntry>{}, w.get());
        config.setPortLender([&](const QString& port, bool lend) {
            lent << QStringLiteral("%1 %2").arg(port).arg(lend);
            w->lendPort(port, lend);
        });
        config.setPortName(app.path());
        config.checkConnection();
        auto* check = config.findChild<CConnectionCheckDialog*>();
        QVERIFY(check);
        QSignalSpy finished(check, &CConnectionCheckDialog::checkFinished);
        QVERIFY(check->checking());    // the STB's steps wait on the event loop
        QVERIFY(!w->port().isOpen());  // lent
        QVERIFY(!w->portLampOn());
        QVERIFY(finished.wait(10000));
        QVERIFY2(check->resultText().contains("[ok]       link: the STB's application answered"),
                 qPrintable(check->resultText()));
        QVERIFY(check->resultText().contains("A transfer can start"));
        QCOMPARE(lent, (QStringList{app.path() + " 1", app.path() + " 0"}));
        QVERIFY(w->port().isOpen());
        QVERIFY(w->portLampOn());
        // Closing the dialog in the middle of a check gives the port back too.
        check->startCheck();
        QVERIFY(!w->port().isOpen());
        check->close();
        QVERIFY(w->port().isOpen());
    }

    void downloadPreconditions() {
        SimProcess app({QStringLiteral("--start"), QStringLiteral("app")});
        ScriptedPrompts prompts;
        auto w = window(app.path(), prompts);
        button(*w, CMainDialog::kDownload)->click();
        QCOMPARE(prompts.messages, QStringList{kNoFile});

        w->openFile(qpath(smallImage_));
        // The receiver's application answers: it must be switched off first.
        button(*w, CMainDialog::kDownload)->click();
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages.size(), 2, 2000);
        QCOMPARE(prompts.messages.last(), kTurnOff);
        QVERIFY(!w->busy());
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Download"));

        button(*w, CMainDialog::kPortLamp)->click();  // disconnect
        button(*w, CMainDialog::kDownload)->click();
        QCOMPARE(prompts.messages.last(), kPortClosed);
        QVERIFY(!w->busy());
    }

    void uploadPreconditionsAndTheCancelledSaveDialog() {
        SimProcess off({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(off.path(), prompts);
        w->openFile(qpath(smallImage_));
        const auto before = test::readFile(smallImage_);
        const QStringList lines = w->logLines();

        // The save dialog dismissed: the command ends there, nothing is written.
        prompts.saveFile.clear();
        button(*w, CMainDialog::kUpload)->click();
        QCOMPARE(prompts.saveDialogs, 1);
        QTest::qWait(600);
        QVERIFY(!w->busy());
        QVERIFY(prompts.messages.isEmpty());
        QCOMPARE(w->logLines(), lines);
        QCOMPARE(static_cast<QLineEdit*>(w->control(CMainDialog::kFilePath))->text(), qpath(smallImage_));
        QCOMPARE(test::readFile(smallImage_), before);

        // The receiver is off: the save dialog first, then the refusal.
        const fs::path target = dir_->file("never.irz");
        prompts.saveFile = qpath(target);
        button(*w, CMainDialog::kUpload)->click();
        QCOMPARE(prompts.saveDialogs, 2);
        QTRY_COMPARE_WITH_TIMEOUT(prompts.messages.size(), 1, 2000);
        QCOMPARE(prompts.messages.last(), kTurnOn);
        QVERIFY(!w->busy());
        QVERIFY(!fs::exists(target));

        button(*w, CMainDialog::kPortLamp)->click();  // disconnect
        button(*w, CMainDialog::kUpload)->click();
        QCOMPARE(prompts.messages.last(), kPortClosed);
        QCOMPARE(prompts.saveDialogs, 2);
    }

    // ------------------------------------------------------------ downloads

    void downloadEnqAnswerEndsAtItsBoxWith68PercentAtTheLastAck() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--answer"), QStringLiteral("enq"), QStringLiteral("--write-ms"),
                        QStringLiteral("500"), QStringLiteral("--app-version"), QStringLiteral("0x01020300")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        w->openFile(qpath(smallImage_));
        ProgressAtLine atEnd(*w, QStringLiteral("Transferring ended."));
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Stop"));
        QCOMPARE(bar(*w)->text(), QStringLiteral("Waiting Turning on STB..."));
        sim.command("on");
        QTRY_VERIFY_WITH_TIMEOUT(prompts.messages.contains(kEnqEnd), 60000);
        QCOMPARE(atEnd.position, 68);
        QCOMPARE(bar(*w)->position(), 100);
        QVERIFY(!w->busy());
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Download"));
        const QStringList log = w->logLines();
        const auto order = {QStringLiteral("Downloading process started."),
                            QStringLiteral("STB App Ver : 1.2.3"),
                            QStringLiteral("Transferring started."),
                            QStringLiteral("Transferring ended."),
                            QStringLiteral("Writing Image started."),
                            QStringLiteral("Writing Image stopped."),
                            QStringLiteral("Downloading stopped successfully!")};
        qsizetype at = -1;
        for (const QString& line : order) {
            const qsizetype found = log.indexOf(line, at + 1);
            QVERIFY2(found > at, qPrintable(line));
            at = found;
        }
        QCOMPARE(prompts.messages, QStringList{kEnqEnd});
    }

    // An STB that reports more than 100 % while it writes: the bar and its
    // text stay at 100 %; the Elapsed field counts the download's seconds.
    void writingPercentBeyond100StaysInTheBarAndElapsedCounts() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--answer"), QStringLiteral("enq"), QStringLiteral("--write-ms"),
                        QStringLiteral("1600"), QStringLiteral("--write-progress"), QStringLiteral("40,250,100")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        w->openFile(qpath(smallImage_));
        QSet<QString> texts;
        int highest = 0;
        QTimer sample;
        connect(&sample, &QTimer::timeout, [&] {
            texts.insert(bar(*w)->text());
            highest = std::max(highest, bar(*w)->position());
        });
        sample.start(5);
        auto* elapsed = static_cast<QLabel*>(w->control(CMainDialog::kElapsed));
        QTRY_VERIFY_WITH_TIMEOUT(w->portLampOn(), 2000);
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        sim.command("on");
        QTRY_VERIFY_WITH_TIMEOUT(prompts.messages.contains(kEnqEnd), 20000);
        sample.stop();
        QVERIFY2(texts.contains(QStringLiteral("Downloading 40% ...")), qPrintable(texts.values().join('|')));
        QVERIFY2(texts.contains(QStringLiteral("Downloading 100% ...")), qPrintable(texts.values().join('|')));
        for (const QString& text : texts) QVERIFY2(!text.contains(QStringLiteral("250")), qPrintable(text));
        QCOMPARE(highest, 100);
        // Two seconds of writing: the field shows minutes and seconds.
        QVERIFY2(QRegularExpression(QStringLiteral("^00:0[1-9]$")).match(elapsed->text()).hasMatch(),
                 qPrintable(elapsed->text()));
    }

    // The STB is switched off and on at each point of a download (inside its
    // information record, at a data block, at the EOT, at the end of the
    // batch, before and after the VT that starts its writing): the window
    // ends the download at once with the restart box (never the writing wait,
    // never the cable), its log stops at the phase the STB had reached, and
    // its lamps follow the STB through its restart.
    void restartEndsTheDownloadAndTheLampsFollow_data() {
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("reached");     // the last phase line before the restart line
        QTest::addColumn<QString>("notReached");  // the next phase line, never shown
        const QString started = QStringLiteral("Downloading process started.");
        const QString data = QStringLiteral("Transferring started.");
        const QString ended = QStringLiteral("Transferring ended.");
        const QString writing = QStringLiteral("Writing Image started.");
        QTest::newRow("inside the information record") << QStringLiteral("info") << started << data;
        QTest::newRow("at a data block") << QStringLiteral("block:3") << data << ended;
        QTest::newRow("at the EOT") << QStringLiteral("eot") << data << ended;
        QTest::newRow("at the end of the batch") << QStringLiteral("batch") << data << ended;
        QTest::newRow("before the VT") << QStringLiteral("before-vt") << ended << writing;
        QTest::newRow("after the VT") << QStringLiteral("after-vt") << writing
                                      << QStringLiteral("Writing Image stopped.");
        // A boot loader that answers with ACK and 'C': its second 'C' after
        // the restart tells it from a receiver asking for a bad end-of-batch
        // block again.
        QTest::newRow("at the end of the batch, ACK and 'C'")
            << QStringLiteral("batch --answer ack") << QStringLiteral("Transferring started!") << ended;
    }
    void restartEndsTheDownloadAndTheLampsFollow() {
        QFETCH(QString, point);
        QFETCH(QString, reached);
        QFETCH(QString, notReached);
        SimProcess sim(QStringList{QStringLiteral("--start"), QStringLiteral("off"), QStringLiteral("--rate"),
                                   QStringLiteral("0"), QStringLiteral("--answer"), QStringLiteral("enq"),
                                   QStringLiteral("--write-ms"), QStringLiteral("2000"), QStringLiteral("--boot-ms"),
                                   QStringLiteral("1000"), QStringLiteral("--fault")} +
                       (QStringLiteral("restart@") + point).split(QLatin1Char(' ')));
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        w->openFile(qpath(smallImage_));
        QTRY_VERIFY_WITH_TIMEOUT(w->portLampOn(), 2000);
        QVERIFY(!w->powerLampOn());
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        QElapsedTimer clock;
        sim.command("on");
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(!prompts.messages.isEmpty(), 20000);
        // The restart comes 200 ms after the fault; the 64 KiB image takes
        // a few milliseconds on this line (and a boot loader that answers
        // with ACK and 'C' is known by its second 'C', a second later).
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(prompts.messages, QStringList{kRestartedBox});
        QVERIFY(!w->busy());
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Download"));
        const QString at = point.section(QLatin1Char(' '), 0, 0);
        const QString simPoint = at == QStringLiteral("before-vt")  ? QStringLiteral("write-start")
                                 : at == QStringLiteral("after-vt") ? QStringLiteral("writing")
                                                                    : at;
        QVERIFY(!sim.waitEvent(QStringLiteral("fault restart at ") + simPoint, 1000).isEmpty());
        const QStringList log = w->logLines();
        const qsizetype phase = log.indexOf(reached);
        const qsizetype restarted = log.indexOf(kRestartedLine);
        QVERIFY2(phase >= 0 && restarted > phase, qPrintable(log.join('|')));
        QCOMPARE(log.count(kRestartedLine), 1);
        QVERIFY2(!log.contains(notReached), qPrintable(log.join('|')));
        for (const QString& line : log) {
            QVERIFY2(!line.contains(QStringLiteral("cable")), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("Timeout occurred")), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("stopped reporting while writing")), qPrintable(line));
        }
        // The boot loader asks for a file for a second, then the application
        // answers the link test again: the power lamp comes on, the port lamp
        // stayed on throughout.
        QVERIFY(!w->powerLampOn());
        QVERIFY(w->portLampOn());
        QVERIFY(!sim.waitEvent(QStringLiteral("application"), 5000).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(w->powerLampOn(), 3000);
        QVERIFY(w->portLampOn());
        // The restarted boot loader was sent nothing it could take for a file.
        sim.waitEvent(QStringLiteral("no such event"), 200);
        QCOMPARE(sim.events().filter(QStringLiteral(" header ")).size(), 1);
    }

    void downloadAckAnswerReaches100Percent() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--answer"), QStringLiteral("ack")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        w->openFile(qpath(smallImage_));
        ProgressAtLine atEnd(*w, QStringLiteral("Transferring ended."));
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        sim.command("on");
        QTRY_VERIFY_WITH_TIMEOUT(prompts.messages.contains(kAckEnd), 60000);
        QCOMPARE(atEnd.position, 100);
        QVERIFY(w->logLines().contains(QStringLiteral("Transferring started!")));
        QVERIFY(!w->busy());
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Download"));
        // Good news comes with the information icon.
        QCOMPARE(prompts.informations, QStringList{kAckEnd});

        // One summary line, also the bar's tooltip.
        const int blocks = static_cast<int>((fs::file_size(smallImage_) + 1023) / 1024);
        const QString summary = w->logLines().last();
        QVERIFY2(summary.startsWith(QStringLiteral("Transfer summary: %1 bytes in ").arg(fs::file_size(smallImage_))) &&
                     summary.endsWith(QStringLiteral(", %1 blocks, 0 resent, 0 time-outs").arg(blocks)),
                 qPrintable(summary));
        QCOMPARE(QStringLiteral("Transfer summary: ") + bar(*w)->toolTip(), summary);

        // The trace of the transfer holds every block that went out.
        const TraceRecorder& trace = w->trace();
        std::size_t out = 0;
        for (const LineBurst& b : trace.bursts())
            if (b.direction == LineDirection::ToReceiver) out += b.bytes.size();
        QVERIFY(out >= static_cast<std::size_t>(blocks) * 1029 + 1029);
        prompts.saveFile = qpath(dir_->file("window.trace"));
        w->saveTrace();
        QFile traceFile(prompts.saveFile);
        QVERIFY(traceFile.open(QIODevice::ReadOnly));
        const QByteArray traceText = traceFile.readAll();
        QVERIFY(traceText.startsWith("# line trace"));
        QVERIFY(traceText.contains(QStringLiteral("STX block %1, CRC ok").arg(blocks % 256).toLatin1()));
        prompts.saveFile = qpath(dir_->file("window.log"));
        w->saveLog();
        QFile logFile(prompts.saveFile);
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(logFile.readAll()), w->logLines().join('\n') + '\n');
    }

    void escapeOnTheIdleWindowAsksFirst() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        w->show();
        prompts.answers = {false};
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QCOMPARE(prompts.questions, QStringList{QStringLiteral("Do you want to close Dorvane_QX?")});
        QVERIFY(w->isVisible());
        prompts.answers = {true};
        QTest::keyClick(w.get(), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void openOffersChannelDataAndAllFiles() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        button(*w, CMainDialog::kOpen)->click();
        QCOMPARE(prompts.openFilter,
                 QStringLiteral("Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)"));
    }

    void stopAnsweredNoGoesOnAndYesCancels() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        w->openFile(qpath(smallImage_));
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);

        // Configure and Open are refused while it runs.
        button(*w, CMainDialog::kConfigure)->click();
        QCOMPARE(prompts.messages.last(), QStringLiteral("You can't configure Serial port on downloading..."));
        // Nor does the port lamp close the port under it.
        button(*w, CMainDialog::kPortLamp)->click();
        QCOMPARE(prompts.messages.last(), QStringLiteral("You can't disconnect Serial port on downloading..."));
        QVERIFY(w->port().isOpen());
        QVERIFY(w->portLampOn());
        prompts.openFile = qpath(irz_);
        button(*w, CMainDialog::kOpen)->click();
        QCOMPARE(prompts.messages.last(), QStringLiteral("You can't open a file on downloading..."));
        QVERIFY(!w->control(CMainDialog::kEditor)->isVisible());

        prompts.answers = {false};
        button(*w, CMainDialog::kDownload)->click();
        QCOMPARE(prompts.questions.last(), QStringLiteral("Do you want to stop the downloading?"));
        QVERIFY(w->busy());
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Stop"));
        QVERIFY(!w->engine().stopRequested());

        prompts.answers = {true};
        button(*w, CMainDialog::kUpload)->click();  // either button stops, with its own question
        QCOMPARE(prompts.questions.last(), QStringLiteral("Do you want to stop the uploading?"));
        QVERIFY(!w->busy());
        QCOMPARE(w->logLines().value(w->logLines().size() - 2), QStringLiteral("Transferring canceled!"));
        QVERIFY(w->logLines().last().startsWith("Transfer summary: 0 bytes in "));
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Download"));
        QVERIFY(bar(*w)->text().isEmpty());
    }

    void startTimeOut() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts, 1500);
        w->openFile(qpath(smallImage_));
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->busy(), 4000);
        QCOMPARE(w->logLines().value(w->logLines().size() - 2), QStringLiteral("Transferring timeout occurred!"));
        // Nothing came back at all: the box says where nothing answered.
        QCOMPARE(prompts.messages,
                 QStringList{QString::fromStdString(noReceiverAdvice(sim.path().toStdString())) +
                             QStringLiteral("\nTimeout occurred! Please, Check your STB, And retry!")});
        QCOMPARE(button(*w, CMainDialog::kDownload)->text(), QStringLiteral("Download"));
    }

    void refusedImage() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--buyer"), QStringLiteral("AB")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        w->openFile(qpath(smallImage_));  // buyer "XY"
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        sim.command("on");
        QTRY_VERIFY_WITH_TIMEOUT(!w->busy(), 15000);
        QCOMPARE(prompts.messages, QStringList{kRefused});
        const QStringList lines = w->logLines();
        QCOMPARE(
            lines.mid(lines.size() - 3, 2),
            (QStringList{kRefused, QStringLiteral("The image's buyer code 0x00005958 (\"XY\") differs from the STB's "
                                                  "0x00004241 (\"AB\"). \"Forced download\" (command line: "
                                                  "--forced) downloads it anyway.")}));
        QVERIFY(lines.last().startsWith("Transfer summary: 0 bytes in "));
    }

    // ------------------------------------------------------------ upload

    void uploadIsSavedIntoTheChosenFile() {
        const fs::path served = dir_->write("served.irz", test::channelDataBlob(20000, 3));
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("app"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--upload-file"), qpath(served)});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        const fs::path target = dir_->file("backup.irz");
        { std::ofstream(target) << "old contents"; }
        prompts.saveFile = qpath(target);
        button(*w, CMainDialog::kUpload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 3000);
        QCOMPARE(button(*w, CMainDialog::kUpload)->text(), QStringLiteral("Stop"));
        QTRY_VERIFY_WITH_TIMEOUT(w->logLines().contains(QStringLiteral("Uploading finished successfully!")), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(w->logLines().contains(QStringLiteral(" ") + qpath(target)), 3000);
        QVERIFY(!w->busy());
        QCOMPARE(test::readFile(target), test::readFile(served));
        QTRY_VERIFY_WITH_TIMEOUT(w->logLines().last().startsWith(
                                     QStringLiteral("Transfer summary: %1 bytes in ").arg(fs::file_size(served))),
                                 5000);
        QCOMPARE(bar(*w)->position(), 100);
        QCOMPARE(button(*w, CMainDialog::kUpload)->text(), QStringLiteral("Upload"));
        QVERIFY(w->control(CMainDialog::kEditor)->isVisible());
        QCOMPARE(static_cast<QLineEdit*>(w->control(CMainDialog::kFilePath))->text(), qpath(target));
        QVERIFY(prompts.messages.isEmpty());

        // The transfer is kept for a support bundle: receipt, log and trace.
        const QStringList kept = TransferHistory(w->transfersFolder()).entries();
        QVERIFY(!kept.isEmpty());
        QVERIFY2(kept.first().endsWith("-upload"), qPrintable(kept.first()));
        const QString entry = QDir(w->transfersFolder()).filePath(kept.first());
        QVERIFY(fileText(entry + "/receipt.txt").contains("Outcome: succeeded"));
        QVERIFY(fileText(entry + "/log.txt").contains("Uploading finished successfully!"));
        QVERIFY(fileText(entry + "/trace.txt").contains("loadb up curdb y"));
        // ...and the window's "Save support bundle..." takes it in.
        prompts.saveFile = qpath(dir_->file("support.zip"));
        w->saveSupportBundle();
        QVERIFY(prompts.messages.isEmpty());
        QVERIFY(w->port().isOpen());  // lent for the port check, and back
        QProcess list;
        list.start("python3", {"-c", "import sys, zipfile; print('\\n'.join(zipfile.ZipFile(sys.argv[1]).namelist()))",
                               prompts.saveFile});
        QVERIFY(list.waitForFinished(10000));
        const QString names = QString::fromUtf8(list.readAllStandardOutput());
        for (const QString& name : {QStringLiteral("window-log.txt"), QStringLiteral("doctor.txt"),
                                    QStringLiteral("transfers/%1/receipt.txt").arg(kept.first())})
            QVERIFY2(names.contains(name), qPrintable(names));
        // The channel data received are in the trace the user saves, in
        // none of the bundle's.
        const QString bundle = prompts.saveFile;
        prompts.saveFile = qpath(dir_->file("asked.trace"));
        w->saveTrace();
        const QStringList counts = dorvane::test::scanTracesForFile(bundle, qpath(served), 0, prompts.saveFile, 60000);
        QCOMPARE(counts.size(), 4);
        QVERIFY2(counts[0].toInt() > 1000 && counts[1].toInt() >= 2, qPrintable(counts.join(' ')));
        QCOMPARE(counts[2].toInt(), 0);
        QVERIFY2(counts[3].toInt() >= 10, qPrintable(counts.join(' ')));
    }

    void failedUploadLeavesTheTargetAsItWas() {
        const fs::path served = dir_->write("long.irz", [] {
            test::Bytes b = test::patternBytes(20000, 9);
            b[0] = 'I';
            b[1] = 'R';
            b[2] = 'Z';
            return b;
        }());
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("app"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--upload-file"), qpath(served), QStringLiteral("--fault"),
                        QStringLiteral("silent@upload-block:3")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts, 30000, 300);
        const fs::path target = dir_->file("kept.irz");
        { std::ofstream(target) << "the previous backup"; }
        const auto before = test::readFile(target);
        prompts.saveFile = qpath(target);
        button(*w, CMainDialog::kUpload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->flow().busy(), 20000);
        const QStringList log = w->logLines();
        QVERIFY2(!log.contains(QStringLiteral("Uploading finished successfully!")), qPrintable(log.join('|')));
        // A sender that falls silent is a time-out of the upload.
        QVERIFY2(log.contains(QStringLiteral("Transferring timeout occurred!")), qPrintable(log.join('|')));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(test::readFile(target), before);
        QCOMPARE(button(*w, CMainDialog::kUpload)->text(), QStringLiteral("Upload"));
    }

    // The STB restarts after its last block, before its EOT: the window
    // keeps the data in a recovery file, says so, and leaves the target.
    void uploadWhoseEndOfFileNeverCameIsKeptAside() {
        const fs::path served = dir_->write("restarting.irz", test::channelDataBlob(20000, 8));
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("app"), QStringLiteral("--rate"), QStringLiteral("0"),
                        QStringLiteral("--upload-file"), qpath(served), QStringLiteral("--fault"),
                        QStringLiteral("restart@upload-eot")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts, 30000, 300);
        const fs::path target = dir_->file("kept-aside.irz");
        { std::ofstream(target) << "the previous backup"; }
        prompts.saveFile = qpath(target);
        button(*w, CMainDialog::kUpload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!w->flow().busy(), 30000);
        const QStringList log = w->logLines();
        QVERIFY2(log.contains(
                     QStringLiteral("All the data arrived, but the STB did not end the file (it may have restarted).")),
                 qPrintable(log.join('|')));
        QVERIFY(!log.contains(QStringLiteral("Uploading finished successfully!")));
        QVERIFY(!log.contains(QStringLiteral("Transferring timeout occurred!")));
        const int at = static_cast<int>(log.indexOf(QStringLiteral("Uploading data is kept in")));
        QVERIFY(at >= 0 && at + 1 < log.size());
        const fs::path kept = fs::path(log.at(at + 1).mid(1).toStdString());
        QCOMPARE(test::readFile(kept), test::readFile(served));
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().startsWith(QStringLiteral("Uploading failed! All the data arrived")));
        const std::string previous = "the previous backup";
        QCOMPARE(test::readFile(target), test::Bytes(previous.begin(), previous.end()));
        QCOMPARE(button(*w, CMainDialog::kUpload)->text(), QStringLiteral("Upload"));
        // The STB's application answers again: the lamp says it is on.
        QTRY_VERIFY_WITH_TIMEOUT(w->powerLampOn(), 5000);
    }

    // ------------------------------------------------------------ never frozen

    void userInterfaceNeverStallsDuringPacedTransfers() {
        const fs::path served = dir_->write("paced.irz", test::channelDataBlob(16 * 1024, 5));
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off"), QStringLiteral("--answer"),
                        QStringLiteral("enq"), QStringLiteral("--write-ms"), QStringLiteral("300"),
                        QStringLiteral("--boot-ms"), QStringLiteral("500"), QStringLiteral("--upload-file"),
                        qpath(served)});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        // Long enough at 115200 bit/s for the figures, which come each second.
        const fs::path pacedImage =
            dir_->write("paced.img", test::xprImage(test::XprFields{}, test::patternBytes(24 << 10, 3)));
        w->openFile(qpath(pacedImage));

        // What the line-speed field shows, sampled all along.
        auto* throughput = static_cast<QLabel*>(w->control(CMainDialog::kThroughput));
        QList<int> speeds;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            const int bps = throughput->text().section(' ', 0, 0).toInt();
            if (speeds.isEmpty() || speeds.last() != bps) speeds.append(bps);
        });
        sampler.start(20);

        StallProbe downloadProbe;
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        sim.command("on");
        // While the blocks go, the bar's tooltip has the figures behind it.
        QTRY_VERIFY_WITH_TIMEOUT(bar(*w)->toolTip().startsWith(QStringLiteral("transferring ")), 10000);
        const QString figures = bar(*w)->toolTip();
        QVERIFY2(QRegularExpression(QStringLiteral("^transferring \\d+/\\d+ blocks, \\d+/\\d+ bytes, \\d+ bytes/s, "
                                                   "ETA [\\d:-]+, 0 resent, 0 time-outs, \\d+:\\d\\d$"))
                     .match(figures)
                     .hasMatch(),
                 qPrintable(figures));
        QTRY_VERIFY_WITH_TIMEOUT(prompts.messages.contains(kEnqEnd), 30000);
        const qint64 downloadLateness = downloadProbe.maxLateness;
        // A whole second of a 115,200 bit/s line at most (x9), and nothing
        // once the data has ended and the STB writes.
        const auto fastest = [&] { return *std::max_element(speeds.begin(), speeds.end()); };
        QVERIFY2(fastest() > 50000 && fastest() <= 11520 * 9, qPrintable(throughput->text()));
        QCOMPARE(throughput->text(), QStringLiteral("0 bps"));
        speeds.clear();

        // The receiver restarts into its application; then the upload.
        QTRY_VERIFY_WITH_TIMEOUT(w->powerLampOn(), 10000);
        const fs::path target = dir_->file("paced-backup.irz");
        prompts.saveFile = qpath(target);
        StallProbe uploadProbe;
        button(*w, CMainDialog::kUpload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->logLines().contains(QStringLiteral("Uploading finished successfully!")), 30000);
        const qint64 uploadLateness = uploadProbe.maxLateness;
        // The upload's data moves the line speed too.
        QVERIFY2(!speeds.isEmpty() && fastest() > 20000 && fastest() <= 11520 * 9, qPrintable(throughput->text()));
        QCOMPARE(test::readFile(target), test::readFile(served));
        QTRY_VERIFY_WITH_TIMEOUT(w->logLines().last().startsWith(
                                     QStringLiteral("Transfer summary: %1 bytes in ").arg(fs::file_size(served))),
                                 5000);

        qInfo("UI stall probe (10 ms timer): max lateness %lld ms during the download, %lld ms during the upload",
              static_cast<long long>(downloadLateness), static_cast<long long>(uploadLateness));
        // A blocking pause of the old kind (200 or 400 ms) would show here.
        QVERIFY2(downloadLateness < 100, qPrintable(QString::number(downloadLateness)));
        QVERIFY2(uploadLateness < 100, qPrintable(QString::number(uploadLateness)));
    }

    // ------------------------------------------------------------ the rest of the window

    void titleOpensAboutAndCloseAsksWhileBusy() {
        SimProcess sim({QStringLiteral("--start"), QStringLiteral("off")});
        ScriptedPrompts prompts;
        auto w = window(sim.path(), prompts);
        button(*w, CMainDialog::kTitle)->click();
        QCOMPARE(prompts.aboutBoxes, 1);
        QCOMPARE(button(*w, CMainDialog::kTitle)->text(), QString::fromStdString(dorvane::titleText()));
        QVERIFY(!w->mask().isEmpty());
        QVERIFY(!w->mask().contains(QPoint(0, 0)));

        w->openFile(qpath(smallImage_));
        button(*w, CMainDialog::kDownload)->click();
        QTRY_VERIFY_WITH_TIMEOUT(w->flow().busy(), 2000);
        prompts.answers = {false};
        button(*w, CMainDialog::kClose)->click();
        QCOMPARE(prompts.questions.last(),
                 QStringLiteral("Downloading process is in progress, Do you want to stop the downloading?"));
        QVERIFY(w->isVisible());
        QVERIFY(w->busy());
        prompts.answers = {true};
        button(*w, CMainDialog::kClose)->click();
        QVERIFY(!w->isVisible());
        QVERIFY(!w->busy());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
