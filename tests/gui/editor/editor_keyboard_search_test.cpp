// The editor for daily work: the search box with the filters and sort
// orders, sorting by a column header, the keyboard, and a window that fits
// the screen.

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

std::vector<int> listedChannels(CReceiverDataDialog& w) { return w.channelList()->listModel()->ids(); }

QString nameOf(const ReceiverDatabase& db, int n) { return textFromField(db.channel(n).name); }

void clickHeader(ReportListView* list, int column) {
    QHeaderView* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
}

bool sortedBy(const ReceiverDatabase& db, const std::vector<int>& rows, int order, bool descending) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int c = db.compareChannels(rows[i - 1], rows[i], order);
        if (descending ? c < 0 : c > 0) return false;
    }
    return true;
}

}  // namespace

class EditorKeyboardSearchTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ReceiverDatabase> source_;

private slots:
    void initTestCase() {
        source_ = makeFullDatabase();
        setFixedText(source_->channel(10).name, "Sport Eins");
        setFixedText(source_->channel(11).name, "EUROSPORT");
        setFixedText(source_->channel(12).name, "Sp\xf6rt");  // not found by "sport"
        source_->channel(13).serviceId = 4242;
        source_->channel(14).teletextPid = 4242;
    }

    void searchNarrowsTogetherWithFiltersAndSorting() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const ReceiverDatabase& db = session.database();
        const int all = w.counterValue(1036);

        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(w.searchEdit()->hasFocus());
        QTest::keyClicks(w.searchEdit(), QStringLiteral("sport"));
        std::vector<int> rows = listedChannels(w);
        QVERIFY(std::find(rows.begin(), rows.end(), 10) != rows.end());
        QVERIFY(std::find(rows.begin(), rows.end(), 11) != rows.end());
        QVERIFY(std::find(rows.begin(), rows.end(), 12) == rows.end());
        int tv = 0, scrambled = 0;
        for (int n : rows) {
            QVERIFY(nameOf(db, n).contains(QStringLiteral("sport"), Qt::CaseInsensitive));
            tv += (db.channel(n).flags & kFlagTv) != 0;
            scrambled += (db.channel(n).flags & kFlagScrambled) != 0;
        }
        // The counters show what the search lets through.
        QCOMPARE(w.counterValue(1036), int(rows.size()));
        QCOMPARE(w.counterValue(1027), int(rows.size()));
        QCOMPARE(w.counterValue(1028), tv);
        QCOMPARE(w.counterValue(1035), scrambled);

        // With each filter: the search's channels of that kind or access.
        for (int filter : {1, 2}) {
            clickRadio(w.kindButton(filter));
            for (int n : listedChannels(w)) QCOMPARE((db.channel(n).flags & kFlagTv) != 0, filter == 1);
            QCOMPARE(w.counterValue(1036), filter == 1 ? tv : int(rows.size()) - tv);
            clickRadio(w.kindButton(0));
            clickRadio(w.accessButton(filter));
            for (int n : listedChannels(w)) QCOMPARE((db.channel(n).flags & kFlagScrambled) != 0, filter == 2);
            QCOMPARE(w.counterValue(1036), filter == 2 ? scrambled : int(rows.size()) - scrambled);
            clickRadio(w.accessButton(0));
        }
        // With each sort order.
        for (int order : {2, 1, 0}) {
            clickRadio(w.sortButton(order));
            QVERIFY(sortedBy(db, listedChannels(w), order, false));
            QCOMPARE(int(listedChannels(w).size()), int(rows.size()));
        }

        // A number finds a service id or any PID.
        w.searchEdit()->setText(QStringLiteral("4242"));
        rows = listedChannels(w);
        QVERIFY(std::find(rows.begin(), rows.end(), 13) != rows.end());
        QVERIFY(std::find(rows.begin(), rows.end(), 14) != rows.end());
        // Accents as typed.
        w.searchEdit()->setText(QStringLiteral("SP\xd6RT"));
        QCOMPARE(listedChannels(w), std::vector<int>{12});
        w.searchEdit()->clear();
        QCOMPARE(w.counterValue(1036), all);

        // While a move waits, the search finds the destination; the marks stay.
        selectRows(w.leftList(), {0});
        clickList(w.leftList());
        const int moving = listedChannels(w)[0];
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        w.moveButton()->click();
        QVERIFY(w.isMovePending());
        w.searchEdit()->setText(nameOf(db, listedChannels(w)[5]));
        const int destination = listedChannels(w)[0];
        // The mark is the session's; the record's bytes stay as they are.
        QVERIFY(w.session().isMarkedForMove(moving));
        QCOMPARE(db.channel(moving).flags, source_->channel(moving).flags);
        selectRows(w.channelList(), {0});
        w.selectDestinationButton()->click();
        QVERIFY(!w.isMovePending());
        QCOMPARE(textFromField(db.channel(destination - 1).name), textFromField(source_->channel(moving).name));
        w.searchEdit()->clear();

        // In a favourite view the pool is narrowed.
        w.viewCombo()->setCurrentIndex(CReceiverDataDialog::FavTvView);
        emit w.viewCombo()->activated(CReceiverDataDialog::FavTvView);
        w.searchEdit()->setText(QStringLiteral("sport"));
        for (int n : listedChannels(w)) {
            QVERIFY(nameOf(db, n).contains(QStringLiteral("sport"), Qt::CaseInsensitive));
            QVERIFY((db.channel(n).flags & kFlagTv) != 0);
        }
        QCOMPARE(w.counterValue(1036), int(listedChannels(w).size()));
    }

    void headersSortInStepWithTheSortButtons() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const ReceiverDatabase& db = session.database();
        QHeaderView* header = w.channelList()->horizontalHeader();

        clickHeader(w.channelList(), 0);  // "Channel"
        QVERIFY(w.sortButton(2)->isChecked());
        QVERIFY(sortedBy(db, listedChannels(w), 2, false));
        clickHeader(w.channelList(), 0);
        QVERIFY(w.channelSortDescending());
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QVERIFY(sortedBy(db, listedChannels(w), 2, true));
        // A column without a button: numbers by value, no button checked.
        clickHeader(w.channelList(), 2);  // "VPid"
        for (int order = 0; order < 3; ++order) QVERIFY(!w.sortButton(order)->isChecked());
        const std::vector<int> rows = listedChannels(w);
        for (std::size_t i = 1; i < rows.size(); ++i)
            QVERIFY(db.channel(rows[i - 1]).videoPid <= db.channel(rows[i]).videoPid);
        // A button puts its column's indicator up.
        clickRadio(w.sortButton(1));
        QCOMPARE(header->sortIndicatorSection(), 8);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QVERIFY(sortedBy(db, listedChannels(w), 1, false));
        // The other lists sort by their headers too, keeping the selection.
        selectRows(w.leftList(), {0, 1});
        const std::vector<int> chosen = w.leftList()->listModel()->idsOf({0, 1});
        clickHeader(w.leftList(), 0);
        clickHeader(w.leftList(), 0);
        const auto& sats = w.leftList()->listModel()->ids();
        for (std::size_t i = 1; i < sats.size(); ++i)
            QVERIFY(QString::compare(textFromField(db.satellite(sats[i - 1]).name),
                                     textFromField(db.satellite(sats[i]).name), Qt::CaseInsensitive) >= 0);
        QCOMPARE(w.leftList()->listModel()->idsOf(w.leftList()->selectedRowNumbers()).size(), chosen.size());
    }

    void keyboardDoesWhatTheMouseDoes() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const ReceiverDatabase& db = session.database();

        // Arrow keys in the satellite list list that satellite's transponders.
        w.leftList()->setFocus();
        selectRows(w.leftList(), {0});
        w.leftList()->setCurrentIndex(w.leftList()->listModel()->index(0, 0));
        QTest::keyClick(w.leftList(), Qt::Key_Down);
        const int slot = w.leftList()->listModel()->idAt(1);
        QCOMPARE(w.leftList()->selectedRowNumbers(), std::vector<int>{1});
        QVERIFY(w.middleList()->listModel()->rowCount() > 0);
        for (int t : w.middleList()->listModel()->ids()) QCOMPARE(int(db.transponder(t).satellite), slot + 1);
        // ... and in the transponder list the channels.
        w.middleList()->setFocus();
        w.middleList()->setCurrentIndex(w.middleList()->listModel()->index(0, 0));
        QTest::keyClick(w.middleList(), Qt::Key_Down);
        const int tp = w.middleList()->listModel()->idAt(1);
        QCOMPARE(w.middleList()->selectedRowNumbers(), std::vector<int>{1});
        for (int n : listedChannels(w)) QCOMPARE(int(db.channel(n).transponder), tp);

        // F2 and Enter edit, Delete deletes, Insert adds, in the focused list.
        w.channelList()->setFocus();
        selectRows(w.channelList(), {0});
        QTest::keyClick(w.channelList(), Qt::Key_F2);
        QCOMPARE(prompts.dialogsRun, 1);
        QTest::keyClick(w.channelList(), Qt::Key_Return);
        QCOMPARE(prompts.dialogsRun, 2);
        QVERIFY(w.isVisible());  // Enter did not reach "Exit"
        const int gone = listedChannels(w)[0];
        QTest::keyClick(w.channelList(), Qt::Key_Delete);
        QVERIFY2(prompts.questions.last().startsWith(QStringLiteral("Delete 1 channel")),
                 qPrintable(prompts.questions.last()));
        QCOMPARE(db.channel(gone).flags, std::uint16_t(0));
        selectRows(w.channelList(), {0});
        QTest::keyClick(w.channelList(), Qt::Key_Insert);
        QCOMPARE(prompts.dialogsRun, 3);  // the new channel's Edit Channel (cancelled)

        // Esc cancels a pending move, and only that.
        selectRows(w.channelList(), {0});
        clickList(w.channelList());
        w.moveButton()->click();
        QVERIFY(w.isMovePending());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isMovePending());
        QVERIFY(w.isVisible());
        for (int n = 0; n < kChannelSlots; ++n) QCOMPARE(db.channel(n).flags & kFlagMoveMark, 0);

        // The focused list shows it: a frame in the selection colour.
        w.activateWindow();
        w.middleList()->setFocus();
        QTRY_VERIFY(w.middleList()->hasFocus());
        const QColor frame = w.middleList()->palette().color(QPalette::Highlight);
        const QImage focused = w.middleList()->grab().toImage();
        QCOMPARE(QColor(focused.pixel(0, focused.height() / 2)).rgb(), frame.rgb());
        w.channelList()->setFocus();
        QTRY_VERIFY(!w.middleList()->hasFocus());
        const QImage unfocused = w.middleList()->grab().toImage();
        QVERIFY(QColor(unfocused.pixel(0, unfocused.height() / 2)).rgb() != frame.rgb());

        // Every push button has a mnemonic.
        for (QPushButton* b : w.findChildren<QPushButton*>())
            QVERIFY2(b->text().contains(QLatin1Char('&')), qPrintable(b->text()));
    }

    void columnWidthsAndSortAreRemembered() {
        QStandardPaths::setTestModeEnabled(true);
        ScriptedPrompts prompts;
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavro Technology, Inc."),
                  QCoreApplication::applicationName())
            .remove(QStringLiteral("Editor"));
        EditorWindow session(*source_, prompts, EditorOptions{.rememberLayout = true});
        auto& w = session.dialog();
        clickHeader(w.channelList(), 1);  // "PPid"
        clickHeader(w.channelList(), 1);
        w.channelList()->setColumnWidth(0, 222);
        w.exitButton()->click();
        QVERIFY(w.isHidden());

        session.reopen();
        auto& again = session.dialog();
        QCOMPARE(again.channelSortColumn(), 1);
        QVERIFY(again.channelSortDescending());
        QCOMPARE(again.channelList()->columnWidth(0), 222);
        const std::vector<int> rows = listedChannels(again);
        for (std::size_t i = 1; i < rows.size(); ++i)
            QVERIFY(session.database().channel(rows[i - 1]).pcrPid >= session.database().channel(rows[i]).pcrPid);
        for (int order = 0; order < 3; ++order) QVERIFY(!again.sortButton(order)->isChecked());
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavro Technology, Inc."),
                  QCoreApplication::applicationName())
            .remove(QStringLiteral("Editor"));
    }

    void fitsTheScreen() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const QRect available = w.screen()->availableGeometry();
        w.hide();
        w.resize(available.width() + 600, available.height() + 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.width() <= available.width());
        QVERIFY(w.height() <= available.height());
        // Save and Exit inside the window, whatever scrolls.
        for (QWidget* b : {static_cast<QWidget*>(w.saveButton()), static_cast<QWidget*>(w.exitButton())}) {
            const QRect at(b->mapTo(&w, QPoint(0, 0)), b->size());
            QVERIFY(w.rect().contains(at));
        }
        // On a small screen (1366 x 768 at 200 %: 683 x 384) too.
        w.resize(683, 384);
        QApplication::processEvents();
        for (QWidget* b : {static_cast<QWidget*>(w.saveButton()), static_cast<QWidget*>(w.exitButton())}) {
            const QRect at(b->mapTo(&w, QPoint(0, 0)), b->size());
            QVERIFY(w.rect().contains(at));
        }
        QVERIFY(w.minimumSizeHint().width() <= 683 && w.minimumSizeHint().height() <= 384);
    }
};

QTEST_MAIN(EditorKeyboardSearchTest)
#include "editor_keyboard_search_test.moc"
