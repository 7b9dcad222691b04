// Undo and redo of every kind of edit in the Edit Receiver Data window: each
// must bring back exactly the records that were there (the packed payload
// is compared), and undoing back to the saved state makes the window clean.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/database/backup_blob.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/record_list_model.h"
#include "qtcore/exchange/channel_data_json.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

QByteArray packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 1) != PackResult::Ok) return {};
    return QByteArray(reinterpret_cast<const char*>(buffer->data()), static_cast<qsizetype>(buffer->length()));
}

// Makes one edit, then checks that Ctrl+Z restores the payload from before
// it and Ctrl+Shift+Z (and Ctrl+Y) the one after it. The edit stays made.
void checkUndoRedo(EditorWindow& session, const char* what, const std::function<void()>& edit) {
    auto& w = session.dialog();
    const bool wasDirty = w.isDirty();
    const QByteArray before = packed(session.database());
    edit();
    const QByteArray after = packed(session.database());
    QVERIFY(!before.isEmpty());
    QVERIFY2(after != before, what);
    QVERIFY(w.isDirty());
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(packed(session.database()), before);
    QCOMPARE(w.isDirty(), wasDirty);
    QCOMPARE(w.saveButton()->isEnabled(), wasDirty);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(packed(session.database()), after);
    w.undoButton()->click();
    QCOMPARE(packed(session.database()), before);
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(packed(session.database()), after);
    QVERIFY(w.isDirty());
}

template <typename Dialog>
std::function<int(QDialog&)> answer(std::function<void(Dialog&)> fill) {
    return [fill](QDialog& d) {
        auto* dialog = qobject_cast<Dialog*>(&d);
        if (!dialog) return int(QDialog::Rejected);
        fill(*dialog);
        dialog->accept();
        return dialog->result();
    };
}

void chooseView(CReceiverDataDialog& w, int view) {
    w.viewCombo()->setCurrentIndex(view);
    emit w.viewCombo()->activated(view);
}

}  // namespace

class EditorUndoTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ReceiverDatabase> source_;

private slots:
    void initTestCase() { source_ = makeFullDatabase(); }

    void editDialogsAddsAndDeletes() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        QVERIFY(!w.undoButton()->isEnabled());

        checkUndoRedo(session, "edit channel", [&] {
            prompts.onDialog = answer<CEditChannelDialog>([](CEditChannelDialog& d) {
                d.nameEdit()->setText(QStringLiteral("Renamed"));
                d.teletextPidEdit()->setText(QStringLiteral("321"));
            });
            selectRows(w.channelList(), {0});
            QMetaObject::invokeMethod(&w, "channelListDoubleClicked");
        });
        checkUndoRedo(session, "edit transponder", [&] {
            prompts.onDialog =
                answer<CEditTpDialog>([](CEditTpDialog& d) { d.symbolRateEdit()->setText(QStringLiteral("1234")); });
            selectRows(w.middleList(), {1});
            QMetaObject::invokeMethod(&w, "middleListDoubleClicked");
        });
        checkUndoRedo(session, "edit satellite", [&] {
            prompts.onDialog = answer<CEditSatelliteDialog>(
                [](CEditSatelliteDialog& d) { d.nameEdit()->setText(QStringLiteral("Moon")); });
            selectRows(w.leftList(), {2});
            QMetaObject::invokeMethod(&w, "leftListDoubleClicked");
        });
        // Deleting transponders takes their channels and favourites along.
        checkUndoRedo(session, "delete transponders", [&] {
            selectRows(w.middleList(), {0, 1});
            clickList(w.middleList());
            w.deleteButton()->click();
        });
        // An add and its dialog are one step (in a slot the delete freed).
        checkUndoRedo(session, "add channel", [&] {
            prompts.onDialog = answer<CEditChannelDialog>(
                [](CEditChannelDialog& d) { d.serviceIdEdit()->setText(QStringLiteral("65000")); });
            selectRows(w.leftList(), {0});
            clickList(w.leftList());
            selectRows(w.channelList(), {0});
            clickList(w.channelList());
            w.addButton()->click();
        });
        checkUndoRedo(session, "delete satellites", [&] {
            clickRadio(w.allSatButton());
            selectRows(w.leftList(), {3, 4});
            clickList(w.leftList());
            w.deleteButton()->click();
        });
        // 5,000 channels at once.
        checkUndoRedo(session, "delete every channel", [&] {
            w.leftList()->selectAllRows();
            clickList(w.leftList());
            w.channelList()->selectAllRows();
            clickList(w.channelList());
            w.deleteButton()->click();
            QCOMPARE(w.counterValue(1036), 0);
        });
    }

    void movesFavouritesRenamesAndImports() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        checkUndoRedo(session, "channel move", [&] {
            selectRows(w.leftList(), {0});
            clickList(w.leftList());
            selectRows(w.channelList(), {1, 3});
            clickList(w.channelList());
            w.moveButton()->click();
            QVERIFY(w.isMovePending());
            selectRows(w.channelList(), {7});
            clickList(w.channelList());
            w.selectDestinationButton()->click();
            QVERIFY(!w.isMovePending());
        });
        chooseView(w, CReceiverDataDialog::FavTvView);
        checkUndoRedo(session, "favourite delete", [&] {
            w.leftList()->selectRow(2, true);
            clickList(w.leftList());
            selectRows(w.middleList(), {0, 1});
            clickList(w.middleList());
            w.deleteButton()->click();
        });
        checkUndoRedo(session, "favourite move", [&] {
            w.leftList()->selectRow(2, true);
            selectRows(w.middleList(), {0, 2});
            clickList(w.middleList());
            w.moveButton()->click();
            selectRows(w.middleList(), {5});
            w.selectDestinationButton()->click();
        });
        checkUndoRedo(session, "favourite add", [&] {
            w.leftList()->selectRow(2, true);
            selectRows(w.channelList(), {0, 1, 2});
            clickList(w.channelList());
            w.addButton()->click();
        });
        checkUndoRedo(session, "rename group", [&] {
            prompts.onDialog = [](QDialog& d) {
                auto* name = d.findChild<QLineEdit*>(QStringLiteral("groupName"));
                if (!name) return int(QDialog::Rejected);
                // Longer than the stored 11 characters: kept to them.
                name->setText(QStringLiteral("Sports and news"));
                return int(QDialog::Accepted);
            };
            w.leftList()->selectRow(4, true);
            w.renameGroupButton()->click();
            QCOMPARE(QString::fromStdString(session.database().tvGroupName(4)), QStringLiteral("Sports and "));
        });
        chooseView(w, CReceiverDataDialog::SatelliteView);
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("other.json"));
        auto other = std::make_unique<ReceiverDatabase>(*source_);
        other->deleteSatellite(0);
        QFile file(json);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(databaseToJson(*other));
        file.close();
        checkUndoRedo(session, "import", [&] {
            prompts.files = {json};
            w.importButton()->click();
            QCOMPARE(packed(session.database()), packed(*other));
        });
    }

    void undoingToTheSavedStateIsClean() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        w.deleteButton()->click();
        w.saveButton()->click();
        QVERIFY(!w.isDirty());
        const QByteArray saved = packed(session.database());
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        w.deleteButton()->click();
        QVERIFY(w.isDirty() && w.saveButton()->isEnabled());
        // Undo from the list's context menu.
        std::unique_ptr<QMenu> menu(w.contextMenuFor(CReceiverDataDialog::ChannelList));
        auto action = [&menu](const QString& text) -> QAction* {
            for (QAction* a : menu->actions()) {
                if (a->text() == text) return a;
            }
            return nullptr;
        };
        QVERIFY(action(QStringLiteral("&Undo")) && action(QStringLiteral("&Undo"))->isEnabled());
        QVERIFY(!action(QStringLiteral("&Redo"))->isEnabled());
        QVERIFY(action(QStringLiteral("&Delete"))->isEnabled());
        QVERIFY(action(QStringLiteral("&Move"))->isEnabled());  // every satellite chosen: across them
        action(QStringLiteral("&Undo"))->trigger();
        QVERIFY(!w.isDirty() && !w.saveButton()->isEnabled());
        QCOMPARE(packed(session.database()), saved);
        // Before the save: dirty again, and Save takes it.
        w.undoButton()->click();
        QVERIFY(w.isDirty() && w.saveButton()->isEnabled());
        QVERIFY(!w.undoButton()->isEnabled());
        // A pending move holds undo back.
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        w.moveButton()->click();
        QVERIFY(!w.undoButton()->isEnabled() && !w.redoButton()->isEnabled());
        const QByteArray marked = packed(session.database());
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(packed(session.database()), marked);
        QVERIFY(w.isMovePending());
    }
};

QTEST_MAIN(EditorUndoTest)
#include "editor_undo_test.moc"
