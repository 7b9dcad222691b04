// Renders the Edit Receiver Data window on the demo database in each of its
// three views, with a search active and with a drag in progress, and its
// three edit dialogs, a second file in the side panel and the print
// preview, into PNG files:
//   dorvane-editor-screenshots OUTPUT_DIRECTORY
// With "scaled" as a second argument only the window is rendered, as
// "editor_200_percent.png" (run it with QT_SCALE_FACTOR=2 on a small screen).

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "gui/app/app_language.h"
#include "gui/app/dialog_prompts.h"
#include "gui/editor/copy_clean_tools.h"
#include "gui/editor/copy_source_panel.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/reference_preview_dialog.h"
#include "gui/editor/report_list_view.h"

namespace dorvane {
// editor_history_screenshot.cpp
bool saveHistoryScreenshot(const ReceiverDatabase& demo, const QDir& dir,
                           const std::function<bool(QWidget&, const char*)>& save);
}  // namespace dorvane

namespace {

// The real boxes, but a dialog the editor runs goes to `onRun` when one is
// set (the print preview is pictured, not run).
class ShotPrompts : public dorvane::DialogPrompts {
public:
    std::function<int(QDialog&)> onRun;
    int run(QDialog& dialog) override { return onRun ? onRun(dialog) : DialogPrompts::run(dialog); }
};

// The widget under a caption bar with its window title (the virtual screen
// has no window manager to draw one).
QPixmap withCaption(QWidget& widget) {
    const QPixmap content = widget.grab();
    const int bar = widget.fontMetrics().height() + 10;
    QPixmap shot(content.width(), content.height() + bar);
    shot.fill(QColor(60, 90, 140));
    QPainter painter(&shot);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 0, shot.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft, widget.windowTitle());
    painter.drawPixmap(0, bar, content);
    painter.end();
    return shot;
}

bool save(QWidget& widget, const QDir& dir, const char* name) {
    widget.show();
    widget.raise();
    QApplication::processEvents();
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!withCaption(widget).save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

// Three channels picked up and held over the channel list: the rows that go
// along drawn by the pointer, the line where they would land.
bool saveDrag(dorvane::CReceiverDataDialog& editor, const QDir& dir) {
    using namespace dorvane;
    ReportListView* list = editor.channelList();
    editor.leftList()->selectRow(0, true);
    editor.leftListClicked();
    list->clearRowSelection();
    for (int row : {1, 2, 3}) list->selectRow(row, false);
    editor.channelListClicked();
    list->setDropTarget(7);
    editor.show();
    QApplication::processEvents();
    QPixmap content = editor.grab();
    const QRect rows = list->visualRect(list->model()->index(1, 0))
                           .united(list->visualRect(list->model()->index(3, list->model()->columnCount() - 1)));
    const QPixmap dragged =
        list->viewport()->grab(QRect(rows.topLeft(), QSize(std::min(rows.width(), 420), rows.height())));
    const QPoint target =
        list->viewport()->mapTo(&editor, list->visualRect(list->model()->index(7, 0)).topLeft()) + QPoint(60, 6);
    QPainter painter(&content);
    painter.setOpacity(0.7);
    painter.drawPixmap(target, dragged);
    painter.end();
    list->setDropTarget(-1);
    const QPixmap shot = content;
    const QString path = dir.filePath(QStringLiteral("editor_drag.png"));
    if (!shot.save(path)) return false;
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

// Three channels marked for a move, waiting for their destination; then the
// move made, which the title marks as an unsaved edit.
bool saveMove(dorvane::CReceiverDataDialog& editor, const QDir& dir) {
    using namespace dorvane;
    ReportListView* list = editor.channelList();
    editor.leftList()->selectRow(0, true);
    editor.leftListClicked();
    list->clearRowSelection();
    for (int row : {1, 2, 3}) list->selectRow(row, false);
    editor.channelListClicked();
    editor.moveClicked();
    list->selectRow(9, true);
    bool ok = save(editor, dir, "editor_move_pending.png");
    editor.selectDestinationClicked();
    ok = save(editor, dir, "editor_moved.png") && ok;
    editor.undoClicked();
    return ok;
}

// A second file beside the demo in the side panel, a satellite of it open
// and chosen; then the print preview of the channel list.
bool saveSidePanelAndPrint(dorvane::CReceiverDataDialog& editor, ShotPrompts& prompts, const QDir& dir) {
    using namespace dorvane;
    auto second = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*second, 5);
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(*second, *buffer) != PackResult::Ok) return false;
    QFile file(dir.filePath(QStringLiteral("second_list.irz")));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(reinterpret_cast<const char*>(buffer->data()), static_cast<qsizetype>(buffer->length()));
    file.close();
    CopyCleanTools* tools = editor.copyCleanTools();
    if (!tools->openSecondFile(file.fileName())) return false;
    QTreeWidget* tree = tools->sidePanel()->tree();
    QTreeWidgetItem* satellite = tree->topLevelItem(2);
    satellite->setExpanded(true);
    tree->setCurrentItem(satellite);
    bool ok = save(editor, dir, "editor_side_panel.png");
    file.remove();
    tools->sidePanel()->closeButton()->click();

    prompts.onRun = [&dir, &ok](QDialog& dialog) {
        dialog.resize(900, 700);
        ok = save(dialog, dir, "editor_print_preview.png") && ok;
        return 0;
    };
    tools->printClicked();
    prompts.onRun = nullptr;
    return ok;
}

// "Apply order from...": the preview of a reference that has the channels
// sorted by name, some by name only, misses every ninth one and names one
// that is gone.
bool saveReferencePreview(dorvane::CReceiverDataDialog& editor, const QDir& dir) {
    using namespace dorvane;
    const ReceiverDatabase& db = editor.session().database();
    auto sorted = std::make_unique<ReceiverDatabase>(db);
    std::vector<int> all;
    for (int n = 0; n < kChannelSlots; ++n) {
        if (!channelFree(db.channel(n))) all.push_back(n);
    }
    reorderChannels(*sorted, orderSortingKept(*sorted, all, ChannelSortKey::Name));
    ChannelReference reference = referenceFromDatabase(*sorted);
    std::vector<ReferenceChannel> kept;
    for (std::size_t k = 0; k < reference.channels.size(); ++k) {
        if (k % 9 == 4) continue;
        if (k % 7 == 2) reference.channels[k].serviceId = -1;  // a list of names, in part
        kept.push_back(reference.channels[k]);
    }
    ReferenceChannel gone;
    gone.name = "Old Music Channel";
    kept.insert(kept.begin() + 3, gone);
    reference.channels = kept;
    reference.hasFavourites = false;
    CReferencePreviewDialog preview(db, reference, editor.session().planReference(reference),
                                    QStringLiteral("customer-order.txt"), &editor);
    return save(preview, dir, "editor_reference_preview.png");
}

}  // namespace

namespace {

// A dark desktop palette (DORVANE_SCREENSHOT_PALETTE=dark).
QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x30));
    p.setColor(QPalette::WindowText, QColor(0xe8, 0xea, 0xed));
    p.setColor(QPalette::Base, QColor(0x1f, 0x20, 0x22));
    p.setColor(QPalette::AlternateBase, QColor(0x30, 0x32, 0x36));
    p.setColor(QPalette::Text, QColor(0xe8, 0xea, 0xed));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3c, 0x40));
    p.setColor(QPalette::ButtonText, QColor(0xe8, 0xea, 0xed));
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x6f, 0xc4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x2b, 0x2d, 0x30));
    p.setColor(QPalette::ToolTipText, QColor(0xe8, 0xea, 0xed));
    p.setColor(QPalette::PlaceholderText, QColor(0x9a, 0xa0, 0xa6));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x84, 0x8a));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x84, 0x8a));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x84, 0x8a));
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using namespace dorvane;
    // The language (DORVANE_SCREENSHOT_LANG=de) and palette of the pictures.
    if (const QByteArray language = qgetenv("DORVANE_SCREENSHOT_LANG"); !language.isEmpty())
        applyLanguage(QString::fromLatin1(language));
    if (qgetenv("DORVANE_SCREENSHOT_PALETTE") == "dark") QApplication::setPalette(darkPalette());
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) return 1;

    auto demo = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*demo);
    ChannelDataDocument document;
    if (packBackup(*demo, document.buffer()) != PackResult::Ok) return 1;
    document.setPath(dir.filePath(QStringLiteral("stbdata.irz")).toStdString());
    ReceiverDatabase* db = &document.database();
    ShotPrompts prompts;
    CReceiverDataDialog editor(document, prompts);
    if (!editor.initialise()) return 1;
    if (argc > 2 && QByteArray(argv[2]) == "scaled") return save(editor, dir, "editor_200_percent.png") ? 0 : 1;
    // "window NAME.png": only the window, under that name.
    if (argc > 3 && QByteArray(argv[2]) == "window") return save(editor, dir, argv[3]) ? 0 : 1;
    bool ok = save(editor, dir, "editor_satellites.png");

    editor.searchEdit()->setText(QStringLiteral("sport"));
    ok = save(editor, dir, "editor_search.png") && ok;
    editor.searchEdit()->clear();
    ok = saveDrag(editor, dir) && ok;
    ok = saveMove(editor, dir) && ok;
    ok = saveReferencePreview(editor, dir) && ok;

    editor.viewCombo()->setCurrentIndex(CReceiverDataDialog::FavTvView);
    emit editor.viewCombo()->activated(CReceiverDataDialog::FavTvView);
    editor.leftList()->selectRow(0, true);
    ok = save(editor, dir, "editor_fav_tv.png") && ok;
    editor.viewCombo()->setCurrentIndex(CReceiverDataDialog::FavRadioView);
    emit editor.viewCombo()->activated(CReceiverDataDialog::FavRadioView);
    editor.leftList()->selectRow(0, true);
    ok = save(editor, dir, "editor_fav_radio.png") && ok;
    editor.viewCombo()->setCurrentIndex(CReceiverDataDialog::SatelliteView);
    emit editor.viewCombo()->activated(CReceiverDataDialog::SatelliteView);
    ok = saveSidePanelAndPrint(editor, prompts, dir) && ok;

    const int satellite = editor.leftList()->listModel()->idAt(0);
    CEditSatelliteDialog satelliteDialog(satelliteDialogValues(db->satellite(satellite)), prompts, &editor);
    ok = save(satelliteDialog, dir, "edit_satellite.png") && ok;
    const int transponder = editor.middleList()->listModel()->idAt(0);
    CEditTpDialog tpDialog(transponderDialogValues(db->transponder(transponder)), prompts, &editor);
    tpDialog.useDatabase(*db, transponder);
    ok = save(tpDialog, dir, "edit_tp.png") && ok;
    const int channel = editor.channelList()->listModel()->idAt(0);
    CEditChannelDialog channelDialog(*db, channel, prompts, &editor);
    ok = save(channelDialog, dir, "edit_channel.png") && ok;
    ok = saveHistoryScreenshot(*demo, dir, [&](QWidget& w, const char* name) { return save(w, dir, name); }) && ok;
    return ok ? 0 : 1;
}
