// "OK" in an edit dialog without a change changes nothing: not a byte of
// any record (carried bytes, name tails, bytes no list entry names), no
// edit to undo, Save stays off. Tried on every satellite, transponder and
// channel of the demo and the full database, and of a database whose
// records hold the odd bytes files do hold.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

std::vector<std::uint8_t> packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 53736) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

// The demo database with the bytes the dialogs used to change on "OK":
// DiSEqC off with port 0, a Single LNB whose position byte names another
// frequency, list bytes without an entry, names that fill their field or
// carry bytes behind their NUL, carried bytes.
std::unique_ptr<ReceiverDatabase> oddDatabase() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    for (int s = 0; s < kEditableSatellites; ++s) {
        SatelliteRecord& r = db->satellite(s);
        if (!satelliteInUse(r)) continue;
        r.carried18 = 0x18;
        r.carried20 = 0x20;
        r.carried30[0] = 0x30;
        r.channelMark = 0xF0;
        switch (s % 4) {
            case 0:
                r.diseqcType = 0;
                r.diseqcPort = 0;
                break;
            case 1:
                r.lnbType = 1;
                r.lnbFrequency = 10750;
                r.lnbFrequencyChoice = 0;
                break;
            case 2:
                r.diseqcType = 9;
                r.diseqcPort = 200;
                r.lnbPower = 7;
                r.tone22k = 5;
                r.lnbType = 3;
                break;
            default:
                std::memcpy(r.name, "Sixteen chars!!!", 16);
                r.lnbFrequencyChoice = 77;
                break;
        }
    }
    if (satelliteInUse(db->satellite(1))) std::memcpy(db->satellite(1).name, "Ab\0tail\0\0x", 10);
    int odd = 0;
    for (int t = 0; t < kTransponderSlots; ++t) {
        TransponderRecord& r = db->transponder(t);
        if (transponderFree(r)) continue;
        r.carried6 = 6;
        r.carried12[3] = 0x12;
        switch (odd++ % 4) {
            case 0:
                r.polarisation = 2;
                r.fec = 13;
                break;
            case 1:
                r.transmission = 0;
                r.modulation = 1;
                break;
            case 2:
                r.transmission = 3;
                r.modulation = 3;
                r.fec = 200;
                break;
            default: break;
        }
    }
    for (int n = 0; n < kChannelSlots; ++n) {
        ChannelRecord& c = db->channel(n);
        if (channelFree(c)) continue;
        c.carried30 = 0x30;
        c.carried34 = 0x3434;
        c.word20 = static_cast<std::uint16_t>(n);
        if (n % 3 == 0) std::memcpy(c.name, "Nineteen characters", 19);
        if (n % 3 == 1) std::memcpy(c.name, "A\0hidden\0bytes", 14);
    }
    return db;
}

std::unique_ptr<ReceiverDatabase> database(int which) {
    if (which == 1) return makeFullDatabase();
    if (which == 2) return oddDatabase();
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    return db;
}

// The database as a file gives it back.
std::unique_ptr<ReceiverDatabase> reopened(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 53736) != PackResult::Ok) return nullptr;
    auto result = std::make_unique<ReceiverDatabase>();
    if (unpackBackup(*result, *buffer) != UnpackResult::Ok) return nullptr;
    return result;
}

// Shows the dialog and presses Enter, as an operator who only looks.
int pressEnter(QDialog& dialog) {
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    return dialog.result();
}

void doubleClickRow(ReportListView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class DialogNoChangeTest : public QObject {
    Q_OBJECT
private slots:
    void okWithoutAChangeKeepsEveryRecord_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("demo") << 0;
        QTest::newRow("full") << 1;
        QTest::newRow("odd bytes") << 2;
    }
    // Every record through its dialog, "OK" pressed at once.
    void okWithoutAChangeKeepsEveryRecord() {
        QFETCH(int, which);
        ScriptedPrompts prompts;
        const auto source = reopened(*database(which));
        QVERIFY(source);
        auto db = std::make_unique<ReceiverDatabase>(*source);
        const auto before = packed(*db);
        QVERIFY(!before.empty());
        int dialogs = 0;
        for (int s = 0; s < kEditableSatellites; ++s) {
            if (!satelliteInUse(db->satellite(s))) continue;
            const SatelliteRecord was = db->satellite(s);
            CEditSatelliteDialog dialog(satelliteDialogValues(db->satellite(s)), prompts);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            storeSatelliteDialogValues(dialog.values(), db->satellite(s));
            QVERIFY2(std::memcmp(&was, &db->satellite(s), sizeof was) == 0, qPrintable(QString::number(s)));
            ++dialogs;
        }
        for (int t = 0; t < kTransponderSlots; ++t) {
            if (transponderFree(db->transponder(t))) continue;
            const TransponderRecord was = db->transponder(t);
            CEditTpDialog dialog(transponderDialogValues(db->transponder(t)), prompts);
            dialog.useDatabase(*db, t);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            storeTransponderDialogValues(dialog.values(), db->transponder(t));
            QVERIFY2(std::memcmp(&was, &db->transponder(t), sizeof was) == 0, qPrintable(QString::number(t)));
            ++dialogs;
        }
        for (int n = 0; n < kChannelSlots; ++n) {
            if (channelFree(db->channel(n))) continue;
            const ChannelRecord was = db->channel(n);
            CEditChannelDialog dialog(*db, n, prompts);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY2(std::memcmp(&was, &db->channel(n), sizeof was) == 0, qPrintable(QString::number(n)));
            ++dialogs;
        }
        QVERIFY(dialogs > 100);
        QVERIFY(prompts.messages.isEmpty());
        QVERIFY(prompts.questions.isEmpty());
        QVERIFY(packed(*db) == before);
    }

    void okWithoutAChangeInTheWindowRecordsNoEdit_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("demo") << 0;
        QTest::newRow("odd bytes") << 2;
    }
    // The same through the window: double-click a row, Enter in the dialog.
    void okWithoutAChangeInTheWindowRecordsNoEdit() {
        QFETCH(int, which);
        ScriptedPrompts prompts;
        EditorWindow session(*database(which), prompts);
        auto& w = session.dialog();
        const auto opened = std::make_unique<ReceiverDatabase>(session.database());
        QStringList shownFrequencies;
        prompts.onDialog = [&](QDialog& d) {
            if (auto* sat = qobject_cast<CEditSatelliteDialog*>(&d))
                shownFrequencies << sat->frequencyList()->currentText();
            return pressEnter(d);
        };
        int edits = 0;
        auto everyRow = [&](ReportListView* list) {
            for (int row = 0; row < list->listModel()->rowCount(); ++row) {
                const int before = prompts.dialogsRun;
                doubleClickRow(list, row);
                QCOMPARE(prompts.dialogsRun, before + 1);
                ++edits;
                QVERIFY(!w.undoButton()->isEnabled());
                QVERIFY(!w.saveButton()->isEnabled());
            }
        };
        auto selectAll = [](ReportListView* list) {
            std::vector<int> all(static_cast<std::size_t>(list->listModel()->rowCount()));
            for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
            selectRows(list, all);
            clickList(list);
        };
        everyRow(w.leftList());
        selectAll(w.leftList());
        everyRow(w.middleList());
        selectAll(w.middleList());
        everyRow(w.channelList());
        QVERIFY2(edits > 100, qPrintable(QString::number(edits)));
        QVERIFY(!w.isDirty());
        QVERIFY(session.database().sameTables(*opened));
        QVERIFY(prompts.messages.isEmpty());
        // The list named each satellite's own frequency (or nothing).
        for (int row = 0; row < w.leftList()->listModel()->rowCount(); ++row) {
            const SatelliteRecord& r = opened->satellite(w.leftList()->listModel()->idAt(row));
            const QString stored = QString::number(r.lnbFrequency);
            QVERIFY(shownFrequencies[row] == stored || shownFrequencies[row].isEmpty());
            if (which == 2 && r.lnbType == 1 && r.lnbFrequency == 10750) QCOMPARE(shownFrequencies[row], stored);
        }

        // A real change is one edit, and undoing it leaves nothing to save.
        prompts.onDialog = [](QDialog& d) {
            if (auto* sat = qobject_cast<CEditSatelliteDialog*>(&d))
                sat->nameEdit()->setText(QStringLiteral("Renamed"));
            return pressEnter(d);
        };
        doubleClickRow(w.leftList(), 0);
        QVERIFY(w.saveButton()->isEnabled());
        QTest::mouseClick(w.undoButton(), Qt::LeftButton);
        QVERIFY(!w.saveButton()->isEnabled());
        QVERIFY(session.database().sameTables(*opened));
    }

    // Locations read as degrees and side in the list, and Edit Satellite
    // takes them so (typed, the side chosen with the keys).
    void locationsAsDegreesEastOrWest() {
        ScriptedPrompts prompts;
        EditorWindow session(*database(0), prompts);
        auto& w = session.dialog();
        auto* model = w.leftList()->listModel();
        QStringList shown;
        for (int row = 0; row < model->rowCount(); ++row) shown << model->index(row, 1).data().toString();
        QVERIFY2(shown.contains(QStringLiteral("19.2\u00B0E")) && shown.contains(QStringLiteral("30.0\u00B0W")),
                 qPrintable(shown.join(' ')));
        const int row = static_cast<int>(shown.indexOf(QStringLiteral("19.2\u00B0E")));
        const int slot = model->idAt(row);
        QStringList opened;
        prompts.onDialog = [&opened](QDialog& d) {
            auto* sat = qobject_cast<CEditSatelliteDialog*>(&d);
            if (!sat) return int(QDialog::Rejected);
            d.show();
            opened << sat->locationEdit()->text() << sat->sideList()->currentText();
            sat->locationEdit()->setFocus();
            sat->locationEdit()->selectAll();
            QTest::keyClicks(sat->locationEdit(), QStringLiteral("13.0"));
            sat->sideList()->setFocus();
            QTest::keyClick(sat->sideList(), Qt::Key_Down);
            QTest::keyClick(&d, Qt::Key_Return);
            return d.result();
        };
        doubleClickRow(w.leftList(), row);
        QCOMPARE(opened, (QStringList{QStringLiteral("19.2"), QStringLiteral("East")}));
        QCOMPARE(int(session.database().satellite(slot).location), 3470);
        QCOMPARE(model->index(model->rowOf(slot), 1).data().toString(), QStringLiteral("13.0\u00B0W"));
        QVERIFY(w.saveButton()->isEnabled());
    }

    // "Add" and "OK" without a change keeps the new record as one edit.
    void addedChannelKeptByOkWithoutAChange() {
        ScriptedPrompts prompts;
        EditorWindow session(*database(0), prompts);
        auto& w = session.dialog();
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        const int rows = w.channelList()->listModel()->rowCount();
        prompts.onDialog = pressEnter;
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.channelList()->listModel()->rowCount(), rows + 1);
        QVERIFY(w.saveButton()->isEnabled());
        QTest::mouseClick(w.undoButton(), Qt::LeftButton);
        QVERIFY(!w.saveButton()->isEnabled());
        QVERIFY(!w.undoButton()->isEnabled());
    }
};

QTEST_MAIN(DialogNoChangeTest)
#include "dialog_no_change_test.moc"
