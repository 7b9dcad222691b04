#include "gui/editor/copy_clean_tools.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#if DORVANE_HAVE_PRINT
#include <QPrintPreviewDialog>
#include <QPrinter>
#endif
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>

#include "core/database/channel_data_document.h"
#include "gui/editor/channel_list_print.h"
#include "gui/editor/copy_source_panel.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"
#include "gui/ui/prompts.h"
#include "qtcore/app/core_text.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

namespace {

// The core's texts, in the language installed.
QString q(const std::string& text) { return coreText(text); }

QString cellText(const QVariant& value) {
    QString text = value.toString();
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

}  // namespace

QString rowsAsTabText(const QAbstractItemModel& model, const std::vector<int>& rows) {
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c) cells << cellText(model.headerData(c, Qt::Horizontal));
    lines << cells.join(QLatin1Char('\t'));
    for (int row : rows) {
        cells.clear();
        for (int c = 0; c < model.columnCount(); ++c) cells << cellText(model.data(model.index(row, c)));
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

CopyCleanTools::CopyCleanTools(CReceiverDataDialog& window, Prompts& prompts)
    : QObject(&window), window_(window), prompts_(prompts) {
    createActions();
    attachSidePanel();
    for (ReportListView* list : {window_.leftList_, window_.middleList_, window_.channelList_})
        list->viewport()->installEventFilter(this);
}

void CopyCleanTools::createActions() {
    auto action = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* a = new QAction(text, &window_);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        window_.addAction(a);
        return a;
    };
    openSecond_ = action(tr("&Open Second File..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                         &CopyCleanTools::openSecondFileClicked);
    copyRows_ = action(tr("&Copy Rows"), QKeySequence::Copy, [this] { copyRows(); });
    duplicates_ = action(tr("Show D&uplicates Only"), QKeySequence(), &CopyCleanTools::setDuplicatesOnly);
    duplicates_->setCheckable(true);
    selectDuplicates_ = action(tr("Select &All Duplicates"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
                               &CopyCleanTools::selectAllDuplicates);
    removeUnused_ =
        action(tr("&Remove Unused Transponders..."), QKeySequence(), &CopyCleanTools::removeUnusedTransponders);
    print_ = action(tr("&Print..."), QKeySequence::Print, &CopyCleanTools::printClicked);
    exportPdf_ = action(tr("Export to P&DF..."), QKeySequence(), &CopyCleanTools::exportPdfClicked);
}

// The side panel stands right of everything that scrolls.
void CopyCleanTools::attachSidePanel() {
    auto* layout = qobject_cast<QBoxLayout*>(window_.layout());
    panel_ = new CopySourcePanel;
    panel_->setObjectName(QStringLiteral("copySourcePanel"));
    panel_->setMinimumWidth(220);
    panel_->hide();
    connect(panel_, &CopySourcePanel::copyRequested, this, &CopyCleanTools::copyFromSidePanel);
    connect(panel_, &CopySourcePanel::closeRequested, this, &CopyCleanTools::closeSidePanel);
    tools_ = new QPushButton(tr("T&ools"));
    tools_->setObjectName(QStringLiteral("toolsButton"));
    tools_->setAutoDefault(false);
    tools_->setMenu(toolsMenu());
    if (!layout) return;
    splitter_ = new QSplitter(Qt::Horizontal);
    delete layout->replaceWidget(window_.scroll_, splitter_);
    splitter_->addWidget(window_.scroll_);
    splitter_->addWidget(panel_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
    // Beside the search box, in the part that scrolls, so that the button
    // row keeps its width on a small screen.
    QLayout* content = window_.scroll_->widget() ? window_.scroll_->widget()->layout() : nullptr;
    for (int i = 0; content && i < content->count(); ++i) {
        auto* row = qobject_cast<QBoxLayout*>(content->itemAt(i)->layout());
        if (row && row->indexOf(static_cast<QWidget*>(window_.search_)) >= 0) {
            row->addWidget(tools_);
            return;
        }
    }
    layout->addWidget(tools_);
}

QMenu* CopyCleanTools::toolsMenu() {
    auto* menu = new QMenu(tools_);
    menu->addAction(openSecond_);
    menu->addSeparator();
    menu->addAction(duplicates_);
    menu->addAction(selectDuplicates_);
    menu->addAction(removeUnused_);
    menu->addSeparator();
    menu->addAction(copyRows_);
    menu->addAction(print_);
    menu->addAction(exportPdf_);
    connect(menu, &QMenu::aboutToShow, this, [this] { addMenuEntries(nullptr, 0); });
    return menu;
}

// With a menu: its entries; always: the entries' states.
void CopyCleanTools::addMenuEntries(QMenu* menu, int list) {
    const bool free = editing();
    const bool satellites = !window_.session_.traits().favourite;
    openSecond_->setEnabled(free);
    duplicates_->setEnabled(free && satellites);
    duplicates_->setChecked(window_.session_.duplicatesOnly());
    selectDuplicates_->setEnabled(free);
    removeUnused_->setEnabled(free);
    print_->setEnabled(free);
    exportPdf_->setEnabled(free);
    if (!menu) return;
    menu->addSeparator();
    menu->addAction(copyRows_);
    if (list == CReceiverDataDialog::ChannelList) {
        menu->addAction(duplicates_);
        menu->addAction(selectDuplicates_);
    }
    if (list == CReceiverDataDialog::MiddleList && satellites) menu->addAction(removeUnused_);
    if (panel_->database() && panel_->isVisible()) {
        QAction* copy = menu->addAction(tr("Copy from Second &File"), this, &CopyCleanTools::copyFromSidePanel);
        copy->setEnabled(free && !panel_->selection().empty());
    }
}

bool CopyCleanTools::editing() const { return !window_.session_.isMovePending() && !window_.session_.isAddOpen(); }

// ---- second file -------------------------------------------------------------------------

void CopyCleanTools::openSecondFileClicked() {
    if (!editing()) return;
    const QString file =
        prompts_.openFileName(&window_, tr("Open Second File"), tr("Channel data (*.irz);;All files (*)"));
    if (!file.isEmpty()) openSecondFile(file);
}

bool CopyCleanTools::openSecondFile(const QString& file) {
    if (const Status opened = panel_->open(pathFromText(file)); !opened.ok()) {
        prompts_.message(&window_, q(opened.message()), PromptIcon::Exclamation);
        return false;
    }
    if (!panel_->isVisible()) {
        panel_->show();
        // A third of the width, the lists keep the rest.
        const int width = splitter_ ? splitter_->width() : 0;
        if (splitter_ && width > 0) splitter_->setSizes({width - std::max(width / 3, 240), std::max(width / 3, 240)});
    }
    return true;
}

void CopyCleanTools::closeSidePanel() { panel_->hide(); }

void CopyCleanTools::copyFromSidePanel() {
    const ReceiverDatabase* source = panel_->database();
    if (!source || !editing()) return;
    const CopySelection selection = panel_->selection();
    if (selection.empty()) {
        window_.status_->setText(tr("Choose satellites, transponders, channels or groups of the second file"));
        return;
    }
    CopyReport report;
    const std::size_t depth = window_.session_.history().undoDepth();
    window_.render(window_.session_.copyFrom(*source, selection, std::nullopt, &report));
    if (window_.session_.history().undoDepth() != depth || report.duplicatesSkipped > 0 || report.notCopied > 0)
        window_.status_->setText(q(report.summary()));
}

bool CopyCleanTools::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasFormat(QString::fromLatin1(CopySourcePanel::kMimeType))) return false;
    if (!editing()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) copyFromSidePanel();
    (void)watched;
    return true;
}

// ---- duplicates, clean-up -------------------------------------------------------------------

void CopyCleanTools::setDuplicatesOnly(bool on) {
    window_.render(window_.session_.setDuplicatesOnly(on));
    duplicates_->setChecked(window_.session_.duplicatesOnly());
}

void CopyCleanTools::selectAllDuplicates() {
    window_.render(window_.session_.selectAllDuplicates());
    window_.viewCombo_->setCurrentIndex(static_cast<int>(window_.session_.view()));
    duplicates_->setChecked(window_.session_.duplicatesOnly());
    const auto found = window_.session_.selectedChannels().size();
    window_.status_->setText(found == 0 ? tr("No duplicates") : tr("%1 duplicates chosen").arg(found));
    window_.channelList_->setFocus(Qt::OtherFocusReason);
}

void CopyCleanTools::removeUnusedTransponders() {
    if (!editing()) return;
    int removed = 0;
    window_.render(window_.session_.removeUnusedTransponders(&removed));
    if (removed > 0)
        window_.status_->setText(removed == 1 ? tr("1 transponder removed")
                                              : tr("%1 transponders removed").arg(removed));
}

// ---- for people -------------------------------------------------------------------------------

void CopyCleanTools::copyRows(ReportListView* list) {
    if (!list) {
        list = window_.channelList_;
        const QWidget* focus = QApplication::focusWidget();
        for (ReportListView* l : {window_.leftList_, window_.middleList_, window_.channelList_}) {
            if (focus && (focus == l || l->isAncestorOf(focus))) list = l;
        }
    }
    const std::vector<int> rows = list->selectedRowNumbers();
    if (rows.empty()) {
        window_.status_->setText(tr("No rows chosen to copy"));
        return;
    }
    QApplication::clipboard()->setText(rowsAsTabText(*list->model(), rows));
    window_.status_->setText(rows.size() == 1 ? tr("1 row copied to the clipboard")
                                              : tr("%1 rows copied to the clipboard").arg(rows.size()));
}

void CopyCleanTools::printClicked() {
    if (!editing()) return;
#if DORVANE_HAVE_PRINT
    // The PDF's paper and margins to start with; the preview can change them.
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setObjectName(QStringLiteral("printPreview"));
    preview.setWindowTitle(tr("Print Preview"));
    const QString name = textFromPath(window_.session_.document().path().filename());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &name](QPrinter* printer) {
        printer->setDocName(name);
        printChannelList(*printer, window_.session_.database(), name, QDate::currentDate());
    });
    prompts_.run(preview);
#else
    prompts_.message(&window_, tr("This build cannot print: use \"Export to PDF...\" and print the PDF."),
                     PromptIcon::None);
#endif
}

void CopyCleanTools::exportPdfClicked() {
    if (!editing()) return;
    const QString suggested = textFromPath(window_.session_.document().path().stem()) + QStringLiteral(".pdf");
    QString file = prompts_.saveFileName(&window_, tr("Export to PDF"), suggested, tr("PDF (*.pdf)"));
    if (file.isEmpty()) return;
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
    exportPdf(file);
}

bool CopyCleanTools::exportPdf(const QString& file, int* pages) {
    int written = 0;
    const QString name = textFromPath(window_.session_.document().path().filename());
    const Status status = exportChannelListPdf(file, window_.session_.database(), name, QDate::currentDate(), &written);
    if (pages) *pages = written;
    if (!status.ok()) {
        prompts_.message(&window_, tr("File write failed!"), PromptIcon::Exclamation);
        return false;
    }
    window_.status_->setText(tr("%1 pages written to %2").arg(written).arg(file));
    return true;
}

}  // namespace dorvane
