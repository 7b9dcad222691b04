// Drag and drop in the Edit Receiver Data window gives the same tables as
// the buttons it stands for; a drop the rules refuse says why and changes
// nothing.

#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "core/database/backup_blob.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

QByteArray packed(const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 1) != PackResult::Ok) return {};
    return QByteArray(reinterpret_cast<const char*>(buffer->data()), static_cast<qsizetype>(buffer->length()));
}

// What the view receives when rows of `source` are let go over `row`.
void dropOn(ReportListView* onto, const char* source, int row) {
    onto->scrollTo(onto->model()->index(row, 0));
    QMimeData mime;
    mime.setData(QString::fromLatin1(kRowsMimeType), QByteArray(source));
    const QPoint at = onto->visualRect(onto->model()->index(row, 0)).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(onto->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(onto->viewport(), &move);
    QCOMPARE(onto->dropTarget(), row);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(onto->viewport(), &drop);
    QCOMPARE(drop.dropAction(), Qt::CopyAction);  // the view removes nothing itself
    QCOMPARE(onto->dropTarget(), -1);
}

void chooseView(CReceiverDataDialog& w, int view) {
    w.viewCombo()->setCurrentIndex(view);
    emit w.viewCombo()->activated(view);
}

}  // namespace

class EditorDragDropTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ReceiverDatabase> source_;

private slots:
    void initTestCase() { source_ = makeFullDatabase(); }

    void draggingChannelsIsMoveThenSelectDestination() {
        ScriptedPrompts prompts;
        EditorWindow byButtons(*source_, prompts);
        EditorWindow byDrag(*source_, prompts);
        for (EditorWindow* s : {&byButtons, &byDrag}) {
            auto& w = s->dialog();
            selectRows(w.leftList(), {1});
            clickList(w.leftList());
            selectRows(w.channelList(), {2, 5, 6});
            clickList(w.channelList());
        }
        auto& b = byButtons.dialog();
        const int destination = b.channelList()->listModel()->idAt(12);
        b.moveButton()->click();
        b.channelList()->selectIds({destination});
        clickList(b.channelList());
        b.selectDestinationButton()->click();
        dropOn(byDrag.dialog().channelList(), "channelList", 12);
        QVERIFY(!byDrag.dialog().isMovePending());
        QVERIFY(byDrag.dialog().isDirty());
        QCOMPARE(packed(byDrag.database()), packed(byButtons.database()));
        QVERIFY(packed(byDrag.database()) != packed(*source_));
        // One undo step.
        byDrag.dialog().undoButton()->click();
        QCOMPARE(packed(byDrag.database()), packed(*source_));

        // Onto one of the dragged channels: refused, nothing marked or moved.
        auto& d = byDrag.dialog();
        selectRows(d.channelList(), {3, 4});
        clickList(d.channelList());
        dropOn(d.channelList(), "channelList", 4);
        QCOMPARE(prompts.messages.last(), QStringLiteral("You must select another destination"));
        QVERIFY(!d.isMovePending());
        QCOMPARE(packed(byDrag.database()), packed(*source_));
        // With several satellites chosen Move is off, and so is the drop.
        selectRows(d.leftList(), {0, 1});
        clickList(d.leftList());
        selectRows(d.channelList(), {0});
        dropOn(d.channelList(), "channelList", 9);
        QCOMPARE(packed(byDrag.database()), packed(*source_));
    }

    void draggingIntoAndWithinFavouriteGroups() {
        ScriptedPrompts prompts;
        EditorWindow byButtons(*source_, prompts);
        EditorWindow byDrag(*source_, prompts);
        for (EditorWindow* s : {&byButtons, &byDrag}) chooseView(s->dialog(), CReceiverDataDialog::FavRadioView);

        // Reordering members: as Move, then Select Destination.
        for (EditorWindow* s : {&byButtons, &byDrag}) {
            s->dialog().leftList()->selectRow(1, true);
            selectRows(s->dialog().middleList(), {0, 3});
            clickList(s->dialog().middleList());
        }
        auto& b = byButtons.dialog();
        b.moveButton()->click();
        selectRows(b.middleList(), {6});
        b.selectDestinationButton()->click();
        auto& d = byDrag.dialog();
        dropOn(d.middleList(), "middleList", 6);
        QCOMPARE(packed(byDrag.database()), packed(byButtons.database()));
        QVERIFY(packed(byDrag.database()) != packed(*source_));

        // Onto a dragged member: the favourite rule's message, no move left pending.
        const QByteArray before = packed(byDrag.database());
        selectRows(d.middleList(), {2, 3});
        clickList(d.middleList());
        dropOn(d.middleList(), "middleList", 3);
        QCOMPARE(prompts.messages.last(), QStringLiteral("You must select another destination"));
        QVERIFY(!d.isMovePending());
        QCOMPARE(packed(byDrag.database()), before);

        // Channels into a group: as Add; onto a group name, into that group.
        auto small = std::make_unique<ReceiverDatabase>(*source_);
        for (int s = 0; s < kGroupSlots; ++s) small->groupSlot(5, s) = -1;
        EditorWindow addByButtons(*small, prompts);
        EditorWindow addByDrag(*small, prompts);
        for (EditorWindow* s : {&addByButtons, &addByDrag}) {
            chooseView(s->dialog(), CReceiverDataDialog::FavRadioView);
            s->dialog().leftList()->selectRow(5, true);
            selectRows(s->dialog().channelList(), {4, 9});
            clickList(s->dialog().channelList());
        }
        addByButtons.dialog().addButton()->click();
        dropOn(addByDrag.dialog().middleList(), "channelList", 0);
        QCOMPARE(packed(addByDrag.database()), packed(addByButtons.database()));
        QCOMPARE(addByDrag.dialog().counterValue(1024), 2);
        auto& g = addByDrag.dialog();
        g.leftList()->selectRow(0, true);
        selectRows(g.channelList(), {30});
        dropOn(g.leftList(), "channelList", 5);
        QCOMPARE(g.currentGroup(), 5);
        QCOMPARE(g.counterValue(1024), 3);
        // A full group: the message of Add.
        dropOn(g.leftList(), "channelList", 0);
        QCOMPARE(prompts.messages.last(), QStringLiteral("Max Favorite Count!!"));
    }
};

QTEST_MAIN(EditorDragDropTest)
#include "editor_drag_drop_test.moc"
