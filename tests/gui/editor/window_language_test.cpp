// The windows in every language: every text a person sees goes through the
// translations (shown under a pseudo-language that marks each translated
// text), the mnemonics of a window stay unique, and the editor and the
// dialogs mirror in the right-to-left languages.

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include "core/database/backup_blob.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/app/about_dialog.h"
#include "gui/app/connection_check_dialog.h"
#include "gui/app/main_dialog.h"
#include "gui/app/serial_config_dialog.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/history_dialog.h"
#include "gui/station/station_window.h"
#include "gui/ui/skin_button.h"
#include "qtcore/app/language.h"
#include "qtcore/doctor/connection_doctor.h"
#include "qtcore/doctor/doctor_shown_text.h"
#include "ui/test_languages.h"
#include "ui/visible_texts.h"

using namespace dorvane;

namespace {

// The texts of top that have words and did not go through a translation.
QStringList untranslated(QWidget& top) {
    QStringList bad;
    for (const test::ShownText& t : test::shownTexts(top))
        if (test::hasWords(t.text) && !t.text.contains(test::kPseudoOpen))
            bad << QStringLiteral("%1: \"%2\"").arg(t.where, t.text);
    return bad;
}

// The texts of top's controls that carry a mnemonic: buttons, labels of a
// box, and the actions of the buttons' menus.
QStringList mnemonicTexts(QWidget& top, bool withMenus) {
    QStringList texts;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&top)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            texts << l->text();
        if (auto* push = qobject_cast<QPushButton*>(w); withMenus && push && push->menu())
            for (const QAction* a : push->menu()->actions()) texts << a->text();
    }
    return texts;
}

// The mnemonics that two controls of top share.
QStringList sharedMnemonics(QWidget& top) {
    std::map<QString, QStringList> owners;
    for (const QString& text : mnemonicTexts(top, false)) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) owners[key.toString().toLower()] << text;
    }
    QStringList bad;
    for (const auto& [key, texts] : owners)
        if (texts.size() > 1) bad << QStringLiteral("%1: %2").arg(key, texts.join(QStringLiteral(", ")));
    return bad;
}

// In a right-to-left language, the mnemonics that underline a letter of a
// word (which breaks the joining of Arabic letters): each stands apart, a
// Latin letter in parentheses ("ملف (&F)").
QStringList mnemonicsInWords(QWidget& top) {
    static const QRegularExpression apart(QStringLiteral("\\(&[A-Z0-9]\\)"));
    QStringList bad;
    for (const QString& text : mnemonicTexts(top, true)) {
        const QString single = QString(text).remove(QStringLiteral("&&"));
        if (single.contains(QLatin1Char('&')) && (single.count(QLatin1Char('&')) > 1 || !single.contains(apart)))
            bad << text;
    }
    return bad;
}

// The check's dialog on a port that is not there, its steps all shown.
QString checkResult(const QString& port) {
    CConnectionCheckDialog check(port, {});
    QSignalSpy finished(&check, &CConnectionCheckDialog::checkFinished);
    check.startCheck();
    if (!finished.wait(10000)) return {};
    return check.resultText();
}

// The Station view with two ports, idle.
std::unique_ptr<StationWindow> stationView(QWidget* parent) {
    auto station = std::make_unique<StationWindow>(parent);
    station->addPort(QStringLiteral("/dev/ttyUSB7"));
    station->addPort(QStringLiteral("/dev/ttyUSB8"));
    return station;
}

std::unique_ptr<ReceiverDatabase> demoDatabase() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    return db;
}

// The dialogs of the editor, on the demo database's first records.
std::vector<std::unique_ptr<QDialog>> editDialogs(ReceiverDatabase& db, Prompts& prompts) {
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CEditSatelliteDialog>(satelliteDialogValues(db.satellite(0)), prompts));
    dialogs.push_back(std::make_unique<CEditTpDialog>(transponderDialogValues(db.transponder(0)), prompts));
    dialogs.push_back(std::make_unique<CEditChannelDialog>(db, 0, prompts));
    return dialogs;
}

std::vector<std::uint8_t> packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 20000) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

// A kept list of every origin, the later ones with a renamed channel, a
// changed transponder, a favourite group renamed and a channel deleted; the
// first has the STB's versions.
bool keepThreeLists(ListHistory& history, const ReceiverDatabase& first) {
    auto second = std::make_unique<ReceiverDatabase>(first);
    setFixedText(second->channel(4).name, "Moved Name");
    second->transponder(second->channel(4).transponder).symbolRate += 500;
    second->setTvGroupName(0, "Sports");
    const auto a = packed(first);
    const auto b = packed(*second);
    KeptList list;
    list.bytes = a;
    list.origin = "upload";
    list.bootVersion = 0x01020300;
    list.appVersion = 0x02000100;
    bool kept = history.keep(list, ListHistory::Clock::now() - std::chrono::hours(3)).ok();
    list.bytes = b;
    list.origin = "replaced";
    list.bootVersion.reset();
    list.appVersion.reset();
    kept = kept && history.keep(list, ListHistory::Clock::now() - std::chrono::hours(2)).ok();
    second->deleteChannel(7);
    const auto c = packed(*second);
    list.bytes = c;
    list.origin = "restore";
    return kept && history.keep(list, ListHistory::Clock::now() - std::chrono::hours(1)).ok();
}

}  // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::useLanguage(QStringLiteral("en")); }

    void everyShownTextIsTranslated() {
        QVERIFY(test::useLanguage(test::kPseudoLanguage));
        test::ScriptedPrompts prompts;
        CMainDialog::Options options;
        options.portName = QStringLiteral("/dev/ttyUSB0");
        options.settingsApplication = QStringLiteral("dorvane-window-language-test");
        CMainDialog window(options, prompts);
        window.control(CMainDialog::kEditor)->show();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList bad = untranslated(window);

        CAboutDialog about(&window);
        CSerialConfigDialog config(QList<SerialPortEntry>{}, &window);
        bad += untranslated(about) + untranslated(config);
        const auto station = stationView(&window);
        CConnectionCheckDialog check(QStringLiteral("/dev/ttyUSB0"), {}, &window);
        bad += untranslated(*station) + untranslated(check);

        test::EditorWindow editor(*demoDatabase(), prompts);
        QVERIFY(editor.opened());
        editor.dialog().show();
        bad += untranslated(editor.dialog());
        for (const auto& dialog : editDialogs(editor.database(), prompts)) bad += untranslated(*dialog);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void theHistoryWindowIsTranslated() {
        // Its list's headings and origins, the versions, and a comparison's
        // title and every line (what the core compared, said in the language).
        QTemporaryDir dir;
        ListHistory history(dir.filePath(QStringLiteral("history")).toStdString());
        const auto db = demoDatabase();
        QVERIFY(keepThreeLists(history, *db));
        QVERIFY(test::useLanguage(test::kPseudoLanguage));
        HistoryDialog dialog(history, *db, QStringLiteral("1.irz"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QStringList bad = untranslated(dialog);
        const QAbstractItemModel* rows = dialog.list()->model();
        QCOMPARE(rows->rowCount(), 3);
        for (int r = 0; r < rows->rowCount(); ++r) {
            for (int c : {HistoryListModel::Origin, HistoryListModel::Versions}) {
                const QString cell = rows->index(r, c).data().toString();
                if (test::leftInEnglish(cell)) bad << QStringLiteral("row %1: \"%2\"").arg(r).arg(cell);
            }
        }
        for (const std::vector<int>& pair : {std::vector<int>{0, 2}, std::vector<int>{1, 2}}) {
            dialog.selectRows(pair);
            QTest::mouseClick(dialog.compareButton(), Qt::LeftButton);
            const QString title = dialog.comparisonTitle()->text();
            const QStringList lines = dialog.comparisonText()->toPlainText().split(QLatin1Char('\n'));
            QVERIFY(lines.size() >= 3);
            for (const QString& line : QStringList{title} + lines)
                if (test::leftInEnglish(line)) bad << QStringLiteral("comparison: \"%1\"").arg(line);
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void theCheckFindsAPlainText() {
        // The check above is not blind: a label set without a translation
        // is caught, one through a translation is not.
        QVERIFY(test::useLanguage(test::kPseudoLanguage));
        QWidget top;
        auto* plain = new QLabel(QStringLiteral("Forced download"), &top);
        QCOMPARE(untranslated(top).size(), 1);
        plain->setText(QCoreApplication::translate("dorvane::CMainDialog", "Forced download"));
        QVERIFY(untranslated(top).isEmpty());
        plain->setText(QStringLiteral("STB 22KHz /dev/ttyUSB0"));
        QVERIFY(untranslated(top).isEmpty());
    }

    void theCheckFindsASharedMnemonic() {
        QWidget top;
        new QPushButton(QStringLiteral("&Add"), &top);
        new QPushButton(QStringLiteral("&Alpha"), &top);
        new QPushButton(QStringLiteral("&Beta"), &top);
        QCOMPARE(sharedMnemonics(top).size(), 1);
    }

    void configureOffersEveryLanguage() {
        CSerialConfigDialog config(QList<SerialPortEntry>{}, nullptr);
        QComboBox* box = config.languageBox();
        QCOMPARE(box->count(), 2 + shippedLanguages().size());  // the system's, English, the translations
        QCOMPARE(config.language(), QString());                 // the system's by default
        for (const QString& code : shippedLanguages() + QStringList{QStringLiteral("en")}) {
            config.setLanguage(code);
            QCOMPARE(config.language(), code);
        }
        config.setLanguage(QStringLiteral("auto"));
        QCOMPARE(config.language(), QString());
        config.setLanguage(QStringLiteral("xx"));
        QCOMPARE(config.language(), QString());
        // Each language by its own name.
        QCOMPARE(box->itemText(box->findData(QStringLiteral("de"))), QStringLiteral("Deutsch"));
        QCOMPARE(box->itemText(box->findData(QStringLiteral("ru"))), QStringLiteral("Русский"));
    }

    void mnemonicsAreUniquePerWindow_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : test::testLanguages()) QTest::newRow(qPrintable(language)) << language;
    }

    void mnemonicsAreUniquePerWindow() {
        QFETCH(QString, language);
        QVERIFY(test::useLanguage(language));
        test::ScriptedPrompts prompts;
        test::EditorWindow editor(*demoDatabase(), prompts);
        QVERIFY(editor.opened());
        editor.dialog().show();
        CSerialConfigDialog config(QList<SerialPortEntry>{}, nullptr);
        const auto station = stationView(nullptr);
        CConnectionCheckDialog check(QStringLiteral("/dev/ttyUSB0"), {});
        QTemporaryDir dir;
        const ListHistory history(dir.filePath(QStringLiteral("history")).toStdString());
        HistoryDialog historyDialog(history, editor.database(), QStringLiteral("1.irz"));
        std::vector<QWidget*> windows{&editor.dialog(), &config, station.get(), &check, &historyDialog};
        const auto dialogs = editDialogs(editor.database(), prompts);
        for (const auto& dialog : dialogs) windows.push_back(dialog.get());
        const bool rightToLeft = QApplication::layoutDirection() == Qt::RightToLeft;
        QStringList bad;
        for (QWidget* window : windows) {
            bad += sharedMnemonics(*window);
            if (rightToLeft) bad += mnemonicsInWords(*window);
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
    }

    void theCheckFindsAMnemonicInAWord() {
        QWidget top;
        auto* inWord = new QPushButton(QStringLiteral("ح&فظ"), &top);
        new QPushButton(QStringLiteral("فتح (&O)"), &top);
        new QPushButton(QStringLiteral("Drag && drop"), &top);
        QCOMPARE(mnemonicsInWords(top), QStringList{inWord->text()});
    }

    void theConnectionCheckSaysItsStepsInTheLanguage() {
        // In English the dialog shows the report "dorvane doctor" prints,
        // word for word.
        const QString port = QStringLiteral("/dev/dorvane-no-such-port");
        QVERIFY(test::useLanguage(QStringLiteral("en")));
        const QString english = checkResult(port);
        DoctorOptions options;
        options.port = port;
        options.loopbackHow = QStringLiteral("\"A loop-back plug is fitted\"");
        options.powerCycleHow = QStringLiteral("\"Switch the STB off and on during the check\"");
        ConnectionDoctor doctor(options);
        QSignalSpy done(&doctor, &ConnectionDoctor::finished);
        doctor.start();
        QVERIFY(done.count() == 1 || done.wait(10000));
        QCOMPARE(english, doctorText(doctor.report()).chopped(1));

        // In another language every step's name, finding, advice and the
        // verdict are translated: nothing with words is left over.
        QVERIFY(test::useLanguage(test::kPseudoLanguage));
        const QString shown = checkResult(port);
        QVERIFY(shown.count(QLatin1Char('\n')) >= english.count(QLatin1Char('\n')));
        QVERIFY2(!test::leftInEnglish(shown), qPrintable(shown));
        QVERIFY(test::useLanguage(QStringLiteral("de")));
        QVERIFY(!checkResult(port).contains(QStringLiteral("does not exist")));
    }

    void theCheckTranslatesFindingsPutTogether() {
        // A port's facts joined by commas, and an advice of two texts (the
        // causes of silence, then how to tell them apart).
        const DoctorStep port{
            QStringLiteral("port"),
            StepStatus::Ok,
            QStringLiteral("/dev/pts/3, a serial line the system lists as no adapter (a pseudo-terminal "
                           "or a port of its own)"),
            {}};
        DoctorOptions options;
        const DoctorStep link{
            QStringLiteral("link"), StepStatus::Problem,
            QStringLiteral("no answer to 3 link tests (BEL, waited 500 ms each)."),
            QStringLiteral(
                "Most likely, in this order: the STB is off; its application runs with \"PC COM\" off (an upload "
                "needs that menu item on); the cable lacks the right wires (the PC's TX must reach the STB's RX "
                "and the STB's TX the PC's RX, with ground joined: a null-modem cable). Switching the STB off "
                "and on during a check (%1) tells which.")
                .arg(options.powerCycleHow)};
        QVERIFY(test::useLanguage(QStringLiteral("en")));
        for (const DoctorStep& step : {port, link}) QCOMPARE(shownStepText(step), doctorStepText(step));
        QVERIFY(test::useLanguage(test::kPseudoLanguage));
        for (const DoctorStep& step : {port, link}) {
            const QString shown = shownStepText(step);
            QVERIFY2(!test::hasWords(test::withoutTranslatedParts(shown).remove(options.powerCycleHow)),
                     qPrintable(shown));
            // Every line after the first starts at the column of the first's text.
            const QStringList lines = shown.chopped(1).split(QLatin1Char('\n'));
            qsizetype column = lines[0].indexOf(QLatin1Char(']')) + 1;
            while (lines[0].at(column) == QLatin1Char(' ')) ++column;
            QVERIFY(lines.size() > 1);
            for (const QString& line : lines.mid(1)) {
                qsizetype indent = 0;
                while (line.at(indent) == QLatin1Char(' ')) ++indent;
                QVERIFY2(indent == column, qPrintable(shown));
            }
        }
    }

    void rightToLeftLanguagesMirror_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("mirrored");
        QTest::newRow("ar") << "ar" << true;
        QTest::newRow("fa") << "fa" << true;
        QTest::newRow("de") << "de" << false;
        QTest::newRow("en") << "en" << false;
    }

    void rightToLeftLanguagesMirror() {
        QFETCH(QString, language);
        QFETCH(bool, mirrored);
        QVERIFY(test::useLanguage(language));
        const Qt::LayoutDirection expected = mirrored ? Qt::RightToLeft : Qt::LeftToRight;
        QCOMPARE(QApplication::layoutDirection(), expected);

        // The port dialog: its label stands at the leading side of its box.
        CSerialConfigDialog config(QList<SerialPortEntry>{}, nullptr);
        config.show();
        QVERIFY(QTest::qWaitForWindowExposed(&config));
        QCOMPARE(config.layoutDirection(), expected);
        QLabel* portLabel = nullptr;
        for (QLabel* l : config.findChildren<QLabel*>())
            if (l->buddy() == nullptr && l->objectName().isEmpty()) portLabel = l;
        QVERIFY(portLabel);
        const bool labelRight = portLabel->geometry().center().x() > config.portBox()->geometry().center().x();
        QCOMPARE(labelRight, mirrored);

        // The editor: its buttons' column sits on the other side of its lists.
        test::ScriptedPrompts prompts;
        test::EditorWindow editor(*demoDatabase(), prompts);
        QVERIFY(editor.opened());
        editor.dialog().show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor.dialog()));
        QCOMPARE(editor.dialog().layoutDirection(), expected);
        QWidget* save = nullptr;
        for (QPushButton* b : editor.dialog().findChildren<QPushButton*>())
            if (b->text() == QCoreApplication::translate("dorvane::CReceiverDataDialog", "&Save")) save = b;
        QVERIFY(save);
        const bool saveLeft = save->mapTo(&editor.dialog(), QPoint(0, 0)).x() < editor.dialog().width() / 2;
        QCOMPARE(saveLeft, mirrored);
        for (const auto& dialog : editDialogs(editor.database(), prompts))
            QCOMPARE(dialog->layoutDirection(), expected);
    }
};

QTEST_MAIN(WindowLanguageTest)
#include "window_language_test.moc"
