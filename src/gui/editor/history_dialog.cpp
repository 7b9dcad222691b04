#include "gui/editor/history_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "qtcore/app/core_text.h"
#include "qtcore/app/path_text.h"

namespace dorvane {

HistoryDialog::HistoryDialog(const ListHistory& history, const ReceiverDatabase& open, QString openName,
                             QWidget* parent)
    : QDialog(parent), history_(history), open_(open), openName_(std::move(openName)) {
    setWindowTitle(tr("History"));
    model_.setEntries(history_.entries());

    list_ = new QTableView;
    list_->setModel(&model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->verticalHeader()->hide();
    list_->resizeColumnsToContents();
    list_->horizontalHeader()->setSectionResizeMode(HistoryListModel::File, QHeaderView::Stretch);
    // Uploads do not bring the STB's versions; the column shows only when
    // some entry has them.
    const auto& entries = model_.entries();
    list_->setColumnHidden(HistoryListModel::Versions,
                           std::none_of(entries.begin(), entries.end(), [](const HistoryEntry& e) {
                               return !e.bootVersion.empty() || !e.appVersion.empty();
                           }));

    title_ = new QLabel(model_.rowCount() == 0 ? tr("No lists are kept yet.")
                                               : tr("Select two lists, or one to compare with the open list."));
    title_->setWordWrap(true);
    text_ = new QPlainTextEdit;
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* where = new QLabel(tr("Kept in %1").arg(textFromPath(history_.folder())));
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    compare_ = buttons->addButton(tr("&Compare"), QDialogButtonBox::ActionRole);
    compareOpen_ = buttons->addButton(tr("Compare with &open list"), QDialogButtonBox::ActionRole);
    restore_ = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    restore_->setToolTip(tr("Open the selected list in the editor; the present one is kept first"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(compare_, &QPushButton::clicked, this, &HistoryDialog::compareClicked);
    connect(compareOpen_, &QPushButton::clicked, this, &HistoryDialog::compareWithOpenClicked);
    connect(restore_, &QPushButton::clicked, this, &HistoryDialog::restoreClicked);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HistoryDialog::updateButtons);

    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(title_);
    lowerLayout->addWidget(text_);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(list_);
    splitter->addWidget(lower);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(where);
    layout->addWidget(buttons);
    resize(820, 560);
    updateButtons();
}

std::vector<int> HistoryDialog::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void HistoryDialog::selectRows(const std::vector<int>& rows) {
    list_->clearSelection();
    for (int row : rows)
        list_->selectionModel()->select(model_.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void HistoryDialog::updateButtons() {
    const std::size_t n = selectedRows().size();
    compare_->setEnabled(n == 2);
    compareOpen_->setEnabled(n == 1);
    restore_->setEnabled(n == 1);
}

void HistoryDialog::showComparison(const Result<HistoryComparison>& comparison) {
    if (!comparison.ok()) {
        title_->setText(tr("Can't compare: %1").arg(coreText(comparison.message())));
        text_->clear();
        return;
    }
    title_->setText(comparison->title);
    text_->setPlainText(comparison->lines.join(QLatin1Char('\n')));
}

void HistoryDialog::compareClicked() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 2) return;
    showComparison(compareHistoryEntries(history_, model_.entry(rows[0]), model_.entry(rows[1])));
}

void HistoryDialog::compareWithOpenClicked() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1) return;
    showComparison(compareWithOpenList(history_, model_.entry(rows[0]), open_, openName_));
}

void HistoryDialog::restoreClicked() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1) return;
    chosen_ = model_.entry(rows[0]);
    accept();
}

}  // namespace dorvane
