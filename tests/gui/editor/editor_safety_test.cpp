// The editor never loses or changes data the operator did not touch: adds
// that are cancelled, moves that are abandoned, saves that would drop
// channels, records that the file cannot tell apart, and the exchange of
// the database as JSON and CSV.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/database/backup_blob.h"
#include "core/database/demo_data.h"
#include "editor_test_support.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/record_list_model.h"
#include "qtcore/exchange/channel_table_csv.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<std::uint8_t> tables(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 1) != PackResult::Ok) return {};
    return {buffer->contents().begin(), buffer->contents().end()};
}

std::unique_ptr<ReceiverDatabase> demo() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    return db;
}

void chooseView(CReceiverDataDialog& w, int view) {
    w.viewCombo()->setCurrentIndex(view);
    emit w.viewCombo()->activated(view);
}

// Accepts the edit dialog of the given type after `edit` changed it.
template <typename Dialog, typename Edit>
std::function<int(QDialog&)> accepting(Edit edit) {
    return [edit](QDialog& d) {
        auto* dialog = qobject_cast<Dialog*>(&d);
        if (!dialog) return int(QDialog::Rejected);
        edit(*dialog);
        dialog->accept();
        return dialog->result();
    };
}

bool listed(ReportListView* list, int id) { return list->listModel()->rowOf(id) >= 0; }

}  // namespace

class EditorSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void addedSatelliteIsListedAndTakesATransponder() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        clickRadio(w.allSatButton());
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        prompts.onDialog = accepting<CEditSatelliteDialog>(
            [](CEditSatelliteDialog& d) { d.locationEdit()->setText(QStringLiteral("45")); });
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        const int slot = 6;  // the demo uses slots 0..5
        QCOMPARE(int(db.satellite(slot).location), 450);
        QVERIFY(db.satelliteOrderPosition(slot) >= 0);
        // Listed again from the tables, it is still there.
        clickRadio(w.searchedSatButton());
        clickRadio(w.allSatButton());
        QVERIFY(listed(w.leftList(), slot));

        // A transponder on it: the middle list is empty, "Add" makes one.
        selectRows(w.leftList(), {w.leftList()->listModel()->rowOf(slot)});
        clickList(w.leftList());
        QCOMPARE(w.middleList()->listModel()->rowCount(), 0);
        clickList(w.middleList());
        QVERIFY(w.addButton()->isEnabled());
        prompts.onDialog =
            accepting<CEditTpDialog>([](CEditTpDialog& d) { d.frequencyEdit()->setText(QStringLiteral("11222")); });
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.middleList()->listModel()->rowCount(), 1);
        const int tp = w.middleList()->listModel()->idAt(0);
        QCOMPARE(int(db.transponder(tp).satellite), slot + 1);
        QCOMPARE(int(db.transponder(tp).frequency), 11222);

        // Saved and opened again, the satellite and its transponder stay.
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QVERIFY(!w.isDirty());
        session.reopen();
        QCOMPARE(int(session.database().transponder(tp).satellite), slot + 1);
        QVERIFY(session.database().satelliteOrderPosition(slot) >= 0);
    }

    void cancelledAddsLeaveNothingBehind() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        const auto before = tables(db);

        clickRadio(w.allSatButton());
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        const int satelliteRows = w.leftList()->listModel()->rowCount();
        QTest::mouseClick(w.addButton(), Qt::LeftButton);  // the dialog is cancelled
        QCOMPARE(w.leftList()->listModel()->rowCount(), satelliteRows);

        selectRows(w.middleList(), {0});
        clickList(w.middleList());
        const int transponderRows = w.middleList()->listModel()->rowCount();
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.middleList()->listModel()->rowCount(), transponderRows);

        w.middleList()->selectAllRows();
        clickList(w.middleList());
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        const int channelRows = w.channelList()->listModel()->rowCount();
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.channelList()->listModel()->rowCount(), channelRows);

        QCOMPARE(prompts.dialogsRun, 3);
        QVERIFY(tables(db) == before);
        QVERIFY(!w.isDirty() && !w.saveButton()->isEnabled());
    }

    void editChannelOntoAnotherSatelliteListsTheChannelsAgain() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        const int rows = w.channelList()->listModel()->rowCount();
        const int onSatellite = w.counterValue(1022);
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        const int channel = w.channelList()->listModel()->idAt(0);
        const int other = w.leftList()->listModel()->idAt(1);
        prompts.onDialog = accepting<CEditChannelDialog>(
            [other](CEditChannelDialog& d) { d.satelliteList()->setCurrentIndex(d.satelliteList()->findData(other)); });
        emit w.channelList()->doubleClicked(w.channelList()->model()->index(0, 0));
        QCOMPARE(int(db.channel(channel).satellite), other);
        QCOMPARE(w.channelList()->listModel()->rowCount(), rows - 1);
        QVERIFY(!listed(w.channelList(), channel));
        QCOMPARE(w.counterValue(1036), rows - 1);
        QCOMPARE(w.counterValue(1022), onSatellite - 1);
    }

    void aSaveThatWouldDropChannelsIsRefused() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        const QByteArray original = fileBytes(session.path());
        // A transponder of 0 MHz: its channels would not be written.
        const int tp = db.channel(0).transponder;
        int onIt = 0;
        for (int n = 0; n < kChannelSlots; ++n) onIt += !channelFree(db.channel(n)) && db.channel(n).transponder == tp;
        db.transponder(tp).frequency = 0;
        selectRows(w.channelList(), {w.channelList()->listModel()->rowCount() - 1});
        clickList(w.channelList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QVERIFY(prompts.messages.last().startsWith(
            QStringLiteral(
                "%1 channels would be lost on saving: the transponder is missing or has no frequency (0 MHz). "
                "Not saved.")
                .arg(onIt)));
        QVERIFY(w.isDirty());
        QCOMPARE(fileBytes(session.path()), original);
        QVERIFY(!QFile::exists(session.path() + QStringLiteral(".bak")));
    }

    void findingsOfTheCheckAreShownAndTheOperatorDecides() {
        ScriptedPrompts prompts;
        auto source = demo();
        // Channel 1 becomes a twin of channel 0: same transponder and service id.
        source->channel(1).transponder = source->channel(0).transponder;
        source->channel(1).satellite = source->channel(0).satellite;
        source->channel(1).serviceId = source->channel(0).serviceId;
        EditorWindow session(*source, prompts);
        auto& w = session.dialog();
        const QByteArray original = fileBytes(session.path());
        selectRows(w.channelList(), {w.channelList()->listModel()->rowCount() - 1});
        clickList(w.channelList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        prompts.answers = {false};  // Cancel
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QVERIFY(prompts.questions.last().startsWith(QStringLiteral("The check before saving found:\n- channel 1")));
        QVERIFY(w.isDirty());
        QCOMPARE(fileBytes(session.path()), original);
        prompts.answers = {true};  // Save anyway
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QVERIFY(!w.isDirty());
        QVERIFY(fileBytes(session.path()) != original);
        QCOMPARE(fileBytes(session.path() + QStringLiteral(".bak")), original);
    }

    void aPendingFavouriteMoveKeepsItsGroupAndCanBeCancelled() {
        ScriptedPrompts prompts;
        EditorWindow session(*makeFullDatabase(), prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        chooseView(w, CReceiverDataDialog::FavTvView);
        // An edit before the move: a member removed from group 0.
        selectRows(w.middleList(), {0});
        clickList(w.middleList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        std::vector<int> group0;
        for (int s = 0; s < kGroupSlots; ++s) group0.push_back(db.groupSlot(0, s));

        selectRows(w.middleList(), {1, 3});
        clickList(w.middleList());
        QTest::mouseClick(w.moveButton(), Qt::LeftButton);
        QVERIFY(w.isMovePending());
        QVERIFY(!w.cancelMoveButton()->isHidden());
        // Another group clicked: ignored, the marks stay with group 0.
        selectRows(w.leftList(), {4});
        clickList(w.leftList());
        QCOMPARE(w.currentGroup(), 0);
        QVERIFY(!w.saveButton()->isEnabled() && !w.exitButton()->isEnabled());

        QTest::mouseClick(w.cancelMoveButton(), Qt::LeftButton);
        QVERIFY(!w.isMovePending());
        QVERIFY(w.cancelMoveButton()->isHidden() && w.selectDestinationButton()->isHidden());
        QVERIFY(w.saveButton()->isEnabled() && w.exitButton()->isEnabled());
        QVERIFY(w.leftList()->isEnabled());
        for (int n = 0; n < kChannelSlots; ++n) QVERIFY(!(db.channel(n).flags & kFlagMoveMark));
        for (int s = 0; s < kGroupSlots; ++s) QCOMPARE(int(db.groupSlot(0, s)), group0[static_cast<std::size_t>(s)]);
        QVERIFY(w.isDirty());  // the earlier edit stays
        // Groups can be chosen again.
        selectRows(w.leftList(), {4});
        clickList(w.leftList());
        QCOMPARE(w.currentGroup(), 4);
    }

    void addingAFavouriteThatTheFileCannotTellApartWarns() {
        ScriptedPrompts prompts;
        auto source = demo();
        source->channel(1).transponder = source->channel(0).transponder;
        source->channel(1).satellite = source->channel(0).satellite;
        source->channel(1).serviceId = source->channel(0).serviceId;
        EditorWindow session(*source, prompts);
        auto& w = session.dialog();
        chooseView(w, CReceiverDataDialog::FavTvView);
        selectRows(w.leftList(), {7});
        clickList(w.leftList());
        selectRows(w.channelList(), {w.channelList()->listModel()->rowOf(1)});
        clickList(w.channelList());
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(int(session.database().groupSlot(7, 0)), 1);
        QVERIFY(prompts.messages.last().contains(QStringLiteral("(channel 1) has the transponder and service id of")));
    }

    void aFileThatCannotBeWrittenBackIsNotSaved() {
        ScriptedPrompts prompts;
        auto db = demo();
        auto buffer = std::make_unique<ChannelDataBuffer>();
        QCOMPARE(packBackup(*db, *buffer, 1), PackResult::Ok);
        EditorWindow session(*db, prompts);
        session.dialog().close();
        BackupHeader h;
        std::memcpy(&h, buffer->data(), sizeof h);
        h.channelRecordSize = 40;  // records of another size: the sections still fit, the channels are not read
        std::memcpy(buffer->data(), &h, sizeof h);
        QFile file(session.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(buffer->data()), buffer->length());
        file.close();
        const QByteArray original = fileBytes(session.path());
        session.reopen();
        QVERIFY(session.opened());
        auto& w = session.dialog();
        QVERIFY(w.windowTitle().endsWith(QStringLiteral("(read-only)")));
        clickRadio(w.allSatButton());
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QVERIFY(w.isDirty());
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QVERIFY(!prompts.messages.isEmpty());
        QVERIFY(prompts.messages.last().contains(QStringLiteral("channel records are 40 bytes, not 44")));
        QCOMPARE(fileBytes(session.path()), original);
    }

    void exportAndImportInTheEditor() {
        ScriptedPrompts prompts;
        EditorWindow session(*demo(), prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("list.json"));
        const QString csv = dir.filePath(QStringLiteral("list.csv"));
        prompts.files = {json, csv};
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QTest::mouseClick(w.exportButton(), Qt::LeftButton);
        QVERIFY(fileBytes(json).startsWith("{"));
        QCOMPARE(fileBytes(csv), channelTableCsv(db));

        // A CSV that renames channel 0 (found by what it is); the window
        // says what it took and what it left.
        QFile table(csv);
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("number,name,satellite,frequency,polarisation,serviceId\r\n0,Renamed,1,10729,V(R),100\r\n");
        table.close();
        prompts.files = {csv};
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(fixedText(db.channel(0).name), std::string("Renamed"));
        QVERIFY(w.isDirty());
        QVERIFY(
            prompts.messages.last().startsWith(QStringLiteral("Applied: 1 of 1 rows changed a channel (name 1)\n")));

        // The JSON brings the whole database back as it was exported.
        prompts.files = {json};
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(fixedText(db.channel(0).name), std::string("Nova TV"));

        // Bad input changes nothing and says where.
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("number,videoPid,satellite,frequency,polarisation,serviceId\r\n0,99999,1,10729,V(R),100\r\n");
        table.close();
        const auto before = tables(db);
        prompts.files = {csv};
        QTest::mouseClick(w.importButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.last(),
                 QStringLiteral("Nothing was imported: line 2, videoPid: expected an integer 0..65535"));
        QVERIFY(tables(db) == before);
    }
};

QTEST_MAIN(EditorSafetyTest)
#include "editor_safety_test.moc"
