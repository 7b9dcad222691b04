// The controls of the Edit Receiver Data window and their places.

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/editor/cell_texts.h"
#include "gui/editor/channel_order_actions.h"
#include "gui/editor/copy_clean_tools.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"

namespace dorvane {

namespace {

// The counters' labels by their places in the window.
constexpr std::pair<int, Counter> kCounterPlaces[] = {{1023, Counter::Transponders},
                                                      {1022, Counter::SatelliteChannels},
                                                      {1024, Counter::SelectedChannels},
                                                      {1027, Counter::AllKinds},
                                                      {1028, Counter::Tv},
                                                      {1029, Counter::Radio},
                                                      {1033, Counter::AllAccess},
                                                      {1034, Counter::FreeToAir},
                                                      {1035, Counter::Scrambled},
                                                      {1036, Counter::Listed}};

QRadioButton* addRadio(QButtonGroup* group, QGridLayout* grid, const QString& text, int id, int row) {
    auto* button = new QRadioButton(text);
    group->addButton(button, id);
    grid->addWidget(button, row, 0);
    return button;
}

QSettings editorSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavro Technology, Inc."),
                     QCoreApplication::applicationName());
}

}  // namespace

void CReceiverDataDialog::buildControls() {
    viewCombo_ = new QComboBox;
    viewCombo_->addItems({tr("Satellite"), tr("Fav TV"), tr("Fav Radio")});
    connect(viewCombo_, &QComboBox::activated, this, &CReceiverDataDialog::switchView);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("statusLine"));
    leftModel_ = new RecordListModel(this);
    middleModel_ = new RecordListModel(this);
    channelModel_ = new RecordListModel(this);
    leftModel_->setObjectName(QStringLiteral("leftList"));
    middleModel_->setObjectName(QStringLiteral("middleList"));
    channelModel_->setObjectName(QStringLiteral("channelList"));
    leftList_ = new ReportListView(leftModel_);
    middleList_ = new ReportListView(middleModel_);
    channelList_ = new ReportListView(channelModel_);
    leftList_->setAccessibleName(tr("Satellites or groups"));
    middleList_->setAccessibleName(tr("Transponders or group members"));
    channelList_->setAccessibleName(tr("Channels"));
    connectLists();
    for (const auto& place : kCounterPlaces) {
        const int id = place.first;
        auto* label = new QLabel(counterText(0));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(52);
        label->setObjectName(QStringLiteral("counter%1").arg(id));
        counters_.emplace_back(id, label);
    }
    search_ = new QLineEdit;
    search_->setPlaceholderText(tr("Search channels by name, service id or PID (Ctrl+F)"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, this, &CReceiverDataDialog::setSearchText);
    // Enter goes to the first hit; the window has no default button that
    // Enter could press by accident.
    connect(search_, &QLineEdit::returnPressed, this, &CReceiverDataDialog::searchEntered);
    search_->installEventFilter(this);
    createButtons();
    buildLayout();
    addShortcuts();
    resize(1180, 760);
}

void CReceiverDataDialog::buildLayout() {
    // Everything but the bottom row scrolls when the screen is too small,
    // so "Save" and "Exit" stay reachable at any scale.
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addLayout(buildTopLayout(), 2);
    auto* searchRow = new QHBoxLayout;
    auto* searchLabel = new QLabel(tr("&Find:"));
    searchLabel->setBuddy(search_);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(makeHistoryButton());
    contentLayout->addLayout(searchRow);
    auto* bottom = new QHBoxLayout;
    auto* channelBox = new QVBoxLayout;
    channelBox->addWidget(channelList_, 1);
    channelBox->addWidget(status_);
    bottom->addLayout(channelBox, 1);
    bottom->addLayout(buildChoicesLayout());
    contentLayout->addLayout(bottom, 3);
    scroll_ = new QScrollArea;
    scroll_->setWidget(content);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setAccessibleName(tr("Receiver data"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buildButtonLayout());
}

void CReceiverDataDialog::connectList(ReportListView* list, EditorList which) {
    connect(list, &ReportListView::deletePressed, this, [this, which] {
        activateList(which);
        deleteClicked();
    });
    connect(list, &ReportListView::insertPressed, this, [this, which] {
        activateList(which);
        addClicked();
    });
    connect(list, &ReportListView::editPressed, this, [this, which] { editFocusedRow(which); });
    connect(list, &ReportListView::rowsDropped, this, [this, which](const QString& source, int row) {
        const EditorList from = source == QLatin1String("leftList")      ? EditorList::Left
                                : source == QLatin1String("middleList")  ? EditorList::Middle
                                : source == QLatin1String("channelList") ? EditorList::Channels
                                                                         : EditorList::None;
        dropRows(static_cast<int>(which), static_cast<int>(from), row);
    });
    list->horizontalHeader()->setSectionsClickable(true);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list, which](const QPoint& at) {
        // A right click acts on the list as a left click does first.
        activateList(which);
        std::unique_ptr<QMenu> menu(contextMenuFor(static_cast<int>(which)));
        menu->exec(list->viewport()->mapToGlobal(at));
    });
}

void CReceiverDataDialog::connectLists() {
    leftList_->setMinimumSize(260, 120);
    middleList_->setMinimumSize(280, 120);
    channelList_->setMinimumSize(360, 160);
    connectList(leftList_, EditorList::Left);
    connectList(middleList_, EditorList::Middle);
    connectList(channelList_, EditorList::Channels);
    connect(leftList_, &ReportListView::clickedAnywhere, this, &CReceiverDataDialog::leftListClicked);
    connect(middleList_, &ReportListView::clickedAnywhere, this, &CReceiverDataDialog::middleListClicked);
    connect(channelList_, &ReportListView::clickedAnywhere, this, &CReceiverDataDialog::channelListClicked);
    connect(leftList_, &QAbstractItemView::doubleClicked, this, &CReceiverDataDialog::leftListDoubleClicked);
    connect(middleList_, &QAbstractItemView::doubleClicked, this, &CReceiverDataDialog::middleListDoubleClicked);
    connect(channelList_, &QAbstractItemView::doubleClicked, this, &CReceiverDataDialog::channelListDoubleClicked);
    connect(leftList_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CReceiverDataDialog::leftHeaderClicked);
    connect(middleList_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CReceiverDataDialog::middleHeaderClicked);
    connect(channelList_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CReceiverDataDialog::channelHeaderClicked);
    connect(leftList_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (rendering_ || !session_.traits().favourite || session_.isMovePending()) return;
        if (leftList_->firstSelectedRow() >= 0) leftListClicked();
    });
}

QLayout* CReceiverDataDialog::buildTopLayout() {
    auto* leftBox = new QVBoxLayout;
    auto* viewRow = new QHBoxLayout;
    auto* viewLabel = new QLabel(tr("&View:"));
    viewLabel->setBuddy(viewCombo_);
    viewRow->addWidget(viewLabel);
    viewRow->addWidget(viewCombo_, 1);
    leftBox->addLayout(viewRow);
    leftBox->addWidget(leftList_, 1);
    auto* leftCounters = new QHBoxLayout;
    leftCounters->addWidget(new QLabel(tr("TPs:")));
    leftCounters->addWidget(counter(1023));
    leftCounters->addWidget(new QLabel(tr("CHs:")));
    leftCounters->addWidget(counter(1022));
    leftCounters->addStretch(1);
    leftCounters->addWidget(renameGroup_);
    leftBox->addLayout(leftCounters);

    auto* middleBox = new QVBoxLayout;
    middleBox->addSpacing(viewCombo_->sizeHint().height());
    middleBox->addWidget(middleList_, 1);
    auto* middleCounters = new QHBoxLayout;
    middleCounters->addWidget(new QLabel(tr("CHs:")));
    middleCounters->addWidget(counter(1024));
    middleCounters->addStretch(1);
    middleBox->addLayout(middleCounters);

    auto* top = new QHBoxLayout;
    top->addLayout(leftBox, 4);
    top->addLayout(middleBox, 5);
    return top;
}

QLayout* CReceiverDataDialog::buildChoicesLayout() {
    auto* satGroup = new QButtonGroup(this);
    allSat_ = new QRadioButton(tr("All Sat"));
    searchedSat_ = new QRadioButton(tr("Searched Sat"));
    satGroup->addButton(allSat_, 0);
    satGroup->addButton(searchedSat_, 1);
    searchedSat_->setChecked(true);
    connect(satGroup, &QButtonGroup::idClicked, this, &CReceiverDataDialog::setSearchedOnly);
    auto* satRow = new QHBoxLayout;
    satRow->addWidget(allSat_);
    satRow->addWidget(searchedSat_);

    // Three radio groups, each with its counters beside the buttons.
    auto makeGroup = [this](const QString& title, const QStringList& texts, const int* ids,
                            std::vector<QRadioButton*>& buttons, void (CReceiverDataDialog::*slot)(int)) {
        auto* box = new QGroupBox(title);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(6, 4, 6, 4);
        grid->setVerticalSpacing(2);
        auto* group = new QButtonGroup(this);
        buttons.clear();
        for (int i = 0; i < texts.size(); ++i) {
            buttons.push_back(addRadio(group, grid, texts[i], i, i));
            if (ids) grid->addWidget(counter(ids[i]), i, 1);
        }
        buttons[0]->setChecked(true);
        connect(group, &QButtonGroup::idClicked, this, slot);
        return box;
    };
    static constexpr int kKindIds[] = {1027, 1028, 1029};
    static constexpr int kAccessIds[] = {1033, 1034, 1035};
    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    side->addLayout(satRow);
    side->addWidget(
        makeGroup({}, {tr("All"), tr("TV"), tr("Radio")}, kKindIds, kindButtons_, &CReceiverDataDialog::setKindFilter));
    side->addWidget(makeGroup({}, {tr("All"), tr("FTA"), tr("CAS")}, kAccessIds, accessButtons_,
                              &CReceiverDataDialog::setAccessFilter));
    side->addWidget(makeGroup(tr("Sort by:"), {tr("Channel No"), tr("Sat/Tp"), tr("Name")}, nullptr, sortButtons_,
                              &CReceiverDataDialog::setSortOrder));
    auto* listedRow = new QHBoxLayout;
    listedRow->addWidget(new QLabel(tr("Listed channels:")));
    listedRow->addWidget(counter(1036));
    side->addLayout(listedRow);
    side->addStretch(1);
    auto* actions = new QGridLayout;
    actions->addWidget(add_, 0, 0);
    actions->addWidget(delete_, 0, 1);
    actions->addWidget(move_, 1, 0, 1, 2);
    actions->addWidget(selectDestination_, 2, 0);
    actions->addWidget(cancelMove_, 2, 1);
    side->addLayout(actions);
    return side;
}

void CReceiverDataDialog::createButtons() {
    auto make = [this](const QString& text, void (CReceiverDataDialog::*slot)()) {
        auto* button = new QPushButton(text);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    add_ = make(tr("&Add"), &CReceiverDataDialog::addClicked);
    delete_ = make(tr("&Delete"), &CReceiverDataDialog::deleteClicked);
    move_ = make(tr("&Move"), &CReceiverDataDialog::moveClicked);
    selectDestination_ = make(tr("Select Desti&nation"), &CReceiverDataDialog::selectDestinationClicked);
    cancelMove_ = make(tr("&Cancel Move"), &CReceiverDataDialog::cancelMoveClicked);
    save_ = make(tr("&Save"), &CReceiverDataDialog::saveClicked);
    saveAs_ = make(tr("Sav&e As..."), &CReceiverDataDialog::saveAsClicked);
    exit_ = make(tr("Exi&t"), &CReceiverDataDialog::exitClicked);
    export_ = make(tr("E&xport..."), &CReceiverDataDialog::exportClicked);
    import_ = make(tr("&Import..."), &CReceiverDataDialog::importClicked);
    undo_ = make(tr("&Undo"), &CReceiverDataDialog::undoClicked);
    redo_ = make(tr("&Redo"), &CReceiverDataDialog::redoClicked);
    renameGroup_ = make(tr("Rename &Group..."), &CReceiverDataDialog::renameGroupClicked);
    undo_->setToolTip(tr("Undo the last edit (Ctrl+Z)"));
    redo_->setToolTip(tr("Redo the edit undone last (Ctrl+Shift+Z, Ctrl+Y)"));
}

QLayout* CReceiverDataDialog::buildButtonLayout() {
    auto* row = new QHBoxLayout;
    row->addWidget(undo_);
    row->addWidget(redo_);
    row->addSpacing(16);
    row->addWidget(export_);
    row->addWidget(import_);
    row->addStretch(1);
    row->addWidget(save_);
    row->addWidget(saveAs_);
    row->addWidget(exit_);
    return row;
}

void CReceiverDataDialog::addShortcuts() {
    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Undo, &CReceiverDataDialog::undoClicked);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &CReceiverDataDialog::redoClicked);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &CReceiverDataDialog::redoClicked);
    shortcut(QKeySequence::Find, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
}

QMenu* CReceiverDataDialog::contextMenuFor(int list) {
    auto* menu = new QMenu(this);
    auto item = [this, menu](const QString& text, const QKeySequence& keys, bool enabled, auto slot) {
        QAction* action = menu->addAction(text, this, slot);
        action->setShortcut(keys);
        action->setEnabled(enabled);
    };
    const ButtonStates s = session_.buttons();
    item(tr("&Undo"), QKeySequence::Undo, s.undo, &CReceiverDataDialog::undoClicked);
    item(tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), s.redo, &CReceiverDataDialog::redoClicked);
    menu->addSeparator();
    const bool active = static_cast<int>(session_.activeList()) == list;
    item(tr("&Add"), QKeySequence(Qt::Key_Insert), active && s.add, &CReceiverDataDialog::addClicked);
    item(tr("&Delete"), QKeySequence(Qt::Key_Delete), active && s.remove, &CReceiverDataDialog::deleteClicked);
    item(tr("&Move"), QKeySequence(), active && s.move && s.moveShown, &CReceiverDataDialog::moveClicked);
    const bool editable =
        !session_.isMovePending() && (list == ChannelList || !session_.traits().favourite || list == LeftList);
    menu->addAction(tr("&Edit..."), this, [this, list] { editFocusedRow(static_cast<EditorList>(list)); })
        ->setEnabled(editable);
    copyClean_->addMenuEntries(menu, list);
    orderActions_->addTo(menu, list);
    return menu;
}

QLabel* CReceiverDataDialog::counter(int place) const {
    for (const auto& [counterPlace, label] : counters_) {
        if (counterPlace == place) return label;
    }
    return nullptr;
}

int CReceiverDataDialog::counterValue(int place) const {
    for (const auto& [counterPlace, which] : kCounterPlaces) {
        if (counterPlace == place) return session_.counts().value(which);
    }
    return 0;
}

void CReceiverDataDialog::drawCounts() {
    for (const auto& [place, label] : counters_) label->setText(counterText(counterValue(place)));
}

// Ctrl+Z in the search box takes back its typing, and when there is none
// the last edit.
bool CReceiverDataDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) && !search_->isUndoAvailable()) {
            undoClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- screen and remembered choices ------------------------------------------

void CReceiverDataDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Never larger than the screen's free area; the content scrolls inside.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize room = available.size() - frame;
    if (width() > room.width() || height() > room.height()) {
        resize(std::min(width(), room.width()), std::min(height(), room.height()));
        move(available.topLeft());
    }
}

void CReceiverDataDialog::restoreSettings() {
    if (!options_.rememberLayout) return;
    QSettings settings = editorSettings();
    settings.beginGroup(QStringLiteral("Editor"));
    session_.restoreSort(settings.value(QStringLiteral("SortColumn"), session_.sortColumn()).toInt(),
                         settings.value(QStringLiteral("SortDescending"), false).toBool());
    // The "Sort by" button of the remembered column, if it has one.
    checkSortButton(session_.sortOrder());
    const std::pair<ReportListView*, const char*> lists[] = {
        {leftList_, "LeftWidths"}, {middleList_, "MiddleWidths"}, {channelList_, "ChannelWidths"}};
    for (const auto& [list, key] : lists) {
        const QStringList widths = settings.value(QString::fromLatin1(key)).toStringList();
        list->setRememberedWidths(widths);
    }
}

void CReceiverDataDialog::storeSettings() const {
    if (!options_.rememberLayout) return;
    QSettings settings = editorSettings();
    settings.beginGroup(QStringLiteral("Editor"));
    settings.setValue(QStringLiteral("SortColumn"), session_.sortColumn());
    settings.setValue(QStringLiteral("SortDescending"), session_.sortDescending());
    if (session_.view() == EditorView::Satellites) {
        settings.setValue(QStringLiteral("LeftWidths"), leftList_->currentWidths());
        settings.setValue(QStringLiteral("MiddleWidths"), middleList_->currentWidths());
    }
    settings.setValue(QStringLiteral("ChannelWidths"), channelList_->currentWidths());
}

}  // namespace dorvane
