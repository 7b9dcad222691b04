// The editor window's tools beyond editing, driven by keys and clicks: a
// second file in the side panel copied from by button and by drag and
// drop, the duplicates filter and the removal of unused transponders, the
// chosen rows to the clipboard, and the channel list as a PDF.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#if DORVANE_HAVE_PRINT
#include <QPrintPreviewWidget>
#endif
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

#include "core/database/backup_blob.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/copy_clean_tools.h"
#include "gui/editor/copy_source_panel.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

std::unique_ptr<ReceiverDatabase> demo() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    return db;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const ReceiverDatabase& db) {
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(db, *buffer, 1) != PackResult::Ok) return {};
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(reinterpret_cast<const char*>(buffer->data()), static_cast<qsizetype>(buffer->length()));
    return file.fileName();
}

int usedChannels(const ReceiverDatabase& db) {
    int used = 0;
    for (int n = 0; n < kChannelSlots; ++n) used += !channelFree(db.channel(n));
    return used;
}

QTreeWidgetItem* itemNamed(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

// The side panel open on the full demo file beside a window whose file
// lacks satellite 1 (Meridan 13E).
struct TwoFiles {
    explicit TwoFiles(Prompts& prompts) : target(demo()) {
        target->deleteSatellite(1);
        target->orderEntry(2) = 0;
        window = std::make_unique<EditorWindow>(*target, prompts);
        second = writeFile(dir, QStringLiteral("second.irz"), *demo());
    }
    QTemporaryDir dir;
    std::unique_ptr<ReceiverDatabase> target;
    std::unique_ptr<EditorWindow> window;
    QString second;
};

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-")) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(bytes).count(page));
}

}  // namespace

class EditorCopyCleanTest : public QObject {
    Q_OBJECT
private slots:
    void secondFileCopiesBySideButtonInOneUndoStep() {
        ScriptedPrompts prompts;
        TwoFiles files(prompts);
        auto& w = files.window->dialog();
        CopySourcePanel* panel = w.copyCleanTools()->sidePanel();
        QVERIFY(!panel->isVisible());
        prompts.files = {files.second};
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(panel->isVisible());
        QVERIFY(!panel->copyButton()->isEnabled());  // nothing chosen yet

        QTreeWidgetItem* meridan = itemNamed(panel->tree(), QStringLiteral("Meridan 13E"));
        QVERIFY(meridan);
        QCOMPARE(meridan->childCount(), 5);
        panel->tree()->setCurrentItem(meridan);
        QVERIFY(panel->copyButton()->isEnabled());
        const int before = usedChannels(files.window->database());
        QTest::mouseClick(panel->copyButton(), Qt::LeftButton);
        QCOMPARE(usedChannels(files.window->database()), before + 20);
        QVERIFY(prompts.questions.isEmpty());
        QCOMPARE(w.statusLine()->text(), QStringLiteral("20 channels added; 5 transponders added; 1 satellite added."));
        QCOMPARE(w.channelList()->selectedRowCount(), 20);
        QVERIFY(w.windowTitle().endsWith(QLatin1String(" *")));

        // Copying it again: the channels are there now; the choice "Skip".
        prompts.choices = {0};
        QTest::mouseClick(panel->copyButton(), Qt::LeftButton);
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY(prompts.questions[0].startsWith(QLatin1String("20 of the channels to copy are already in this file")));
        QCOMPARE(usedChannels(files.window->database()), before + 20);
        QCOMPARE(w.statusLine()->text(), QStringLiteral("20 duplicates skipped."));

        QTest::mouseClick(w.undoButton(), Qt::LeftButton);
        QCOMPARE(usedChannels(files.window->database()), before);
        QVERIFY(!w.isDirty());
        QTest::mouseClick(panel->closeButton(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }

    void droppingTheSidePanelsChoiceOnAListCopiesIt() {
        ScriptedPrompts prompts;
        TwoFiles files(prompts);
        auto& w = files.window->dialog();
        QVERIFY(w.copyCleanTools()->openSecondFile(files.second));
        QTreeWidget* tree = w.copyCleanTools()->sidePanel()->tree();
        QTreeWidgetItem* groups = itemNamed(tree, QStringLiteral("Favourite groups"));
        QVERIFY(groups && groups->childCount() == 4);
        tree->setCurrentItem(groups->child(1));  // group 2: "Sport" / "Fav 2"
        const int before = usedChannels(files.window->database());

        std::unique_ptr<QMimeData> mime(new QMimeData);
        mime->setData(QString::fromLatin1(CopySourcePanel::kMimeType), "selection");
        ReportListView* onto = w.channelList();
        const QPoint at = onto->viewport()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(onto->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        prompts.choices = {0};  // Skip what is here
        QDropEvent drop(QPointF(at), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(onto->viewport(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        // Group 2's members on the lost satellite came back, and the group
        // is whole again.
        QVERIFY(usedChannels(files.window->database()) > before);
        QCOMPARE(files.window->database().groupSize(1), 12);
        QCOMPARE(w.history().undoDepth(), std::size_t{1});
    }

    void duplicatesAreListedAndChosenInOneStep() {
        ScriptedPrompts prompts;
        auto db = demo();
        db->channel(5).serviceId = db->channel(4).serviceId;
        EditorWindow window(*db, prompts);
        auto& w = window.dialog();
        QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w.copyCleanTools()->duplicatesAction()->isChecked());
        std::vector<int> chosen;
        for (int row : w.channelList()->selectedRowNumbers()) chosen.push_back(w.channelList()->listModel()->idAt(row));
        QCOMPARE(static_cast<int>(chosen.size()), w.channelList()->model()->rowCount());
        QVERIFY(std::find(chosen.begin(), chosen.end(), 4) != chosen.end());
        QVERIFY(std::find(chosen.begin(), chosen.end(), 5) != chosen.end());
        QVERIFY(w.statusLine()->text().endsWith(QLatin1String("duplicates chosen")));
        // Off again: every channel.
        w.copyCleanTools()->duplicatesAction()->trigger();
        QCOMPARE(w.channelList()->model()->rowCount(), 108);
    }

    void unusedTranspondersAreRemovedFromTheMenuWithTheirCount() {
        ScriptedPrompts prompts;
        auto db = demo();
        for (int n = 0; n < 4; ++n) db->deleteChannel(n);
        EditorWindow window(*db, prompts);
        auto& w = window.dialog();
        std::unique_ptr<QMenu> menu(w.contextMenuFor(CReceiverDataDialog::MiddleList));
        QAction* remove = nullptr;
        for (QAction* a : menu->actions())
            if (a->text() == QLatin1String("&Remove Unused Transponders...")) remove = a;
        QVERIFY(remove && remove->isEnabled());
        remove->trigger();
        QCOMPARE(prompts.questions, QStringList{QStringLiteral("Remove 1 transponder without a channel?")});
        QVERIFY(transponderFree(window.database().transponder(0)));
        QCOMPARE(w.statusLine()->text(), QStringLiteral("1 transponder removed"));
        QCOMPARE(w.counterValue(1023), 26);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!transponderFree(window.database().transponder(0)));
    }

    void ctrlCPutsTheChosenRowsOnTheClipboardWithTheirHeads() {
        ScriptedPrompts prompts;
        auto db = demo();
        setFixedText(db->channel(0).name, "Tab\there");
        EditorWindow window(*db, prompts);
        auto& w = window.dialog();
        ReportListView* list = w.channelList();
        const int first = list->listModel()->rowOf(0);
        const int second = list->listModel()->rowOf(7);
        selectRows(list, {first, second});
        list->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        const int columns = list->model()->columnCount();
        QStringList heads;
        for (int c = 0; c < columns; ++c) heads << list->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(lines[0], heads.join(QLatin1Char('\t')));
        for (const QString& line : lines) QCOMPARE(line.count(QLatin1Char('\t')), columns - 1);
        const QStringList firstCells = lines[first < second ? 1 : 2].split(QLatin1Char('\t'));
        QVERIFY(firstCells.contains(QStringLiteral("Tab here")));
        QCOMPARE(w.statusLine()->text(), QStringLiteral("2 rows copied to the clipboard"));

        // The satellites, when their list has the focus.
        w.leftList()->setFocus(Qt::OtherFocusReason);
        selectRows(w.leftList(), {0});
        QTest::keyClick(w.leftList(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(
            w.leftList()->model()->headerData(0, Qt::Horizontal).toString()));
        QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 2);
    }

    void thePdfHasAPageForEachPartOfTheList() {
        ScriptedPrompts prompts;
        QTemporaryDir dir;
        auto small = demo();
        EditorWindow window(*small, prompts);
        prompts.files = {dir.filePath(QStringLiteral("list"))};
        w(window).copyCleanTools()->exportPdfClicked();
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        QVERIFY(QFile::exists(pdf));
        const int smallPages = pdfPages(pdf);
        // The channels (108 rows on one to three pages), then one page for
        // each of the four groups.
        QVERIFY2(smallPages >= 5 && smallPages <= 7, qPrintable(QString::number(smallPages)));
        QVERIFY(w(window).statusLine()->text().startsWith(QStringLiteral("%1 pages written to").arg(smallPages)));

#if DORVANE_HAVE_PRINT
        // Ctrl+P: the preview shows the same pages.
        int previewed = -1;
        prompts.onDialog = [&previewed](QDialog& dialog) {
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            if (!preview) return 0;
            preview->updatePreview();
            previewed = preview->pageCount();
            return 0;
        };
        QTest::keyClick(&w(window), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(prompts.dialogsRun, 1);
        QCOMPARE(previewed, smallPages);
#endif

        EditorWindow full(*makeFullDatabase(), prompts);
        int pages = 0;
        QVERIFY(w(full).copyCleanTools()->exportPdf(dir.filePath(QStringLiteral("full.pdf")), &pages));
        QCOMPARE(pdfPages(dir.filePath(QStringLiteral("full.pdf"))), pages);
        // 5,000 channels take many pages; each of the 12 full groups at
        // least two (144 rows).
        QVERIFY(pages > 24 + 5000 / 80);
    }

private:
    static CReceiverDataDialog& w(EditorWindow& window) { return window.dialog(); }
};

QTEST_MAIN(EditorCopyCleanTest)
#include "editor_copy_clean_test.moc"
