// The "Fav TV" and "Fav Radio" views: groups, members, the pool of channels,
// add, delete and move of members.

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "editor_test_support.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

constexpr int kSmallGroup = 3;

std::vector<int> channelsOfKind(const ReceiverDatabase& db, ChannelKind kind) {
    std::vector<int> found;
    for (int n = 0; n < kChannelSlots; ++n) {
        if (db.channel(n).flags != 0 && channelKind(db.channel(n)) == kind) found.push_back(n);
    }
    return found;
}

// The full database with group 3 holding just two TV channels.
std::unique_ptr<ReceiverDatabase> makeTestDatabase() {
    auto db = makeFullDatabase();
    const auto tv = channelsOfKind(*db, kKindTv);
    for (int s = 0; s < kGroupSlots; ++s) db->groupSlot(kSmallGroup, s) = -1;
    db->groupSlot(kSmallGroup, 0) = static_cast<std::int16_t>(tv[10]);
    db->groupSlot(kSmallGroup, 1) = static_cast<std::int16_t>(tv[20]);
    return db;
}

void chooseView(CReceiverDataDialog& w, int view) {
    w.viewCombo()->setCurrentIndex(view);
    emit w.viewCombo()->activated(view);
}

void chooseGroup(CReceiverDataDialog& w, int group) {
    selectRows(w.leftList(), {group});
    clickList(w.leftList());
}

std::vector<int> groupMembers(const ReceiverDatabase& db, int group) {
    std::vector<int> members;
    for (int s = 0; s < kGroupSlots; ++s) members.push_back(db.groupSlot(group, s));
    return members;
}

// The channels of the member rows shown in the middle list.
std::vector<int> shownMembers(const ReceiverDatabase& db) {
    std::vector<int> members;
    for (const auto& entry : db.groupView()) members.push_back(entry.channel);
    return members;
}

}  // namespace

class FavouriteViewsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ReceiverDatabase> source_;

private slots:
    void initTestCase() { source_ = makeTestDatabase(); }

    void listsGroupsMembersAndThePool() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        const ReceiverDatabase& db = session.database();
        chooseView(w, CReceiverDataDialog::FavRadioView);

        QCOMPARE(w.leftList()->listModel()->rowCount(), kFavoriteGroups);
        QCOMPARE(w.leftList()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Group Name"));
        QCOMPARE(w.leftList()->model()->index(11, 0).data().toString(), QStringLiteral("Night"));
        QCOMPARE(w.leftList()->model()->index(0, 0).data().toString(), QStringLiteral("Fav 1"));
        QCOMPARE(w.leftList()->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(w.middleList()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Channel."));

        const auto radio = channelsOfKind(*source_, kKindRadio);
        QCOMPARE(w.channelList()->listModel()->ids(), radio);
        QCOMPARE(w.counterValue(1036), int(radio.size()));
        QCOMPARE(w.counterValue(1029), int(radio.size()));
        QCOMPARE(w.counterValue(1028), 0);
        QCOMPARE(w.counterValue(1033), w.counterValue(1034) + w.counterValue(1035));
        for (int i = 0; i < 3; ++i) QVERIFY(!w.sortButton(i)->isEnabled() && !w.kindButton(i)->isEnabled());
        QVERIFY(!w.allSatButton()->isEnabled() && !w.counter(1023)->isEnabled());

        // Group 0's radio members in slot order, numbered from 1.
        std::vector<int> expected;
        for (int s = 0; s < kGroupSlots; ++s) {
            const int n = db.groupSlot(0, s);
            if (n >= 0 && channelKind(db.channel(n)) == kKindRadio) expected.push_back(n);
        }
        QVERIFY(!expected.empty());
        QCOMPARE(shownMembers(db), expected);
        QCOMPARE(w.counterValue(1024), int(expected.size()));
        QCOMPARE(w.middleList()->model()->index(1, 0).data().toString(), QStringLiteral("  2"));
        QCOMPARE(w.middleList()->model()->index(1, 1).data().toString(),
                 QString::fromStdString(fixedText(db.channel(expected[1]).name)));
        QCOMPARE(w.groupSize(), kGroupSlots);

        // Another group by its row.
        chooseGroup(w, kSmallGroup);
        QCOMPARE(w.currentGroup(), kSmallGroup);
        QCOMPARE(w.middleList()->listModel()->rowCount(), 0);
        QCOMPARE(w.groupSize(), 2);

        // Back to the satellite view.
        chooseView(w, CReceiverDataDialog::SatelliteView);
        QCOMPARE(w.leftList()->model()->columnCount(), 5);
        QCOMPARE(w.leftList()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(w.sortButton(2)->isEnabled() && w.allSatButton()->isEnabled());
        QCOMPARE(w.counterValue(1036), kChannelSlots);
    }

    void addStopsAt144MembersOfBothKinds() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        chooseView(w, CReceiverDataDialog::FavTvView);
        QCOMPARE(w.groupSize(), kGroupSlots);  // group 0 is full, radio members included

        const auto isMember = [&](int n) {
            const auto members = groupMembers(db, 0);
            return std::find(members.begin(), members.end(), n) != members.end();
        };
        std::vector<int> outsiders;
        for (int row = 0; row < w.channelList()->listModel()->rowCount() && outsiders.size() < 3; ++row) {
            if (!isMember(w.channelList()->listModel()->idAt(row))) outsiders.push_back(row);
        }
        selectRows(w.channelList(), outsiders);
        clickList(w.channelList());
        QVERIFY(w.addButton()->isEnabled() && !w.deleteButton()->isEnabled());
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("Max Favorite Count!!")});
        QCOMPARE(w.groupSize(), kGroupSlots);

        // One member less: one of three is taken, then the limit again.
        selectRows(w.middleList(), {0});
        clickList(w.middleList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(w.groupSize(), kGroupSlots - 1);
        const int shown = w.counterValue(1024);
        selectRows(w.channelList(), outsiders);
        clickList(w.channelList());
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.size(), 2);
        QCOMPARE(prompts.messages.last(), QStringLiteral("Max Favorite Count!!"));
        QCOMPARE(w.groupSize(), kGroupSlots);
        QCOMPARE(w.counterValue(1024), shown + 1);
        QCOMPARE(db.groupSlot(0, kGroupSlots - 1), w.channelList()->listModel()->idAt(outsiders[0]));
        QVERIFY(!isMember(w.channelList()->listModel()->idAt(outsiders[1])));
        QVERIFY(w.isDirty() && w.saveButton()->isEnabled());

        // A channel that is already a member is not added twice.
        chooseGroup(w, kSmallGroup);
        const int member = db.groupSlot(kSmallGroup, 0);
        selectRows(w.channelList(), {w.channelList()->listModel()->rowOf(member)});
        clickList(w.channelList());
        QTest::mouseClick(w.addButton(), Qt::LeftButton);
        QCOMPARE(w.groupSize(), 2);
        QCOMPARE(prompts.messages.size(), 2);
    }

    void deleteEmptiesAGroupAndSaysSo() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        chooseView(w, CReceiverDataDialog::FavTvView);
        chooseGroup(w, kSmallGroup);
        QCOMPARE(w.middleList()->listModel()->rowCount(), 2);
        selectRows(w.middleList(), {0, 1});
        clickList(w.middleList());
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("Favorite Group empty!!")});
        QVERIFY(prompts.questions.isEmpty());
        QCOMPARE(w.groupSize(), 0);
        QCOMPARE(w.middleList()->listModel()->rowCount(), 0);
        QCOMPARE(w.counterValue(1024), 0);
        for (int s = 0; s < kGroupSlots; ++s) QCOMPARE(int(db.groupSlot(kSmallGroup, s)), -1);
        QTest::mouseClick(w.deleteButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.size(), 2);

        // Saved and opened again, the group stays empty.
        QTest::mouseClick(w.saveButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.size(), 2);
        session.reopen();
        for (int s = 0; s < kGroupSlots; ++s) QCOMPARE(int(session.database().groupSlot(kSmallGroup, s)), -1);
        QCOMPARE(groupMembers(session.database(), 0), groupMembers(*source_, 0));
    }

    void movesMarkedMembersBehindTheDestination() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        chooseView(w, CReceiverDataDialog::FavTvView);
        const auto before = shownMembers(db);
        QVERIFY(before.size() >= 8);
        std::vector<int> radioSlots;
        for (int s = 0; s < kGroupSlots; ++s) {
            if (channelKind(db.channel(db.groupSlot(0, s))) == kKindRadio) radioSlots.push_back(s);
        }
        const auto radioBefore = groupMembers(db, 0);

        selectRows(w.middleList(), {1, 4, 7});
        clickList(w.middleList());
        QTest::mouseClick(w.moveButton(), Qt::LeftButton);
        QVERIFY(w.isMovePending());
        QVERIFY(!w.saveButton()->isEnabled() && !w.exitButton()->isEnabled());
        QVERIFY(!w.addButton()->isEnabled() && !w.deleteButton()->isEnabled());
        QVERIFY(w.moveButton()->isHidden() && !w.selectDestinationButton()->isHidden());

        // A marked member is no destination.
        selectRows(w.middleList(), {4});
        clickList(w.middleList());
        QTest::mouseClick(w.selectDestinationButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("You must select another destination")});
        QVERIFY(w.isMovePending());

        selectRows(w.middleList(), {5});
        clickList(w.middleList());
        QTest::mouseClick(w.selectDestinationButton(), Qt::LeftButton);
        QVERIFY(!w.isMovePending());
        std::vector<int> expected = {before[0], before[2], before[3], before[5],
                                     before[1], before[4], before[7], before[6]};
        expected.insert(expected.end(), before.begin() + 8, before.end());
        QCOMPARE(shownMembers(db), expected);
        // The other kind's members kept their slots.
        for (int s : radioSlots) QCOMPARE(db.groupSlot(0, s), radioBefore[static_cast<std::size_t>(s)]);
        for (int n : before) QVERIFY(!(db.channel(n).flags & kFlagMoveMark));
        QVERIFY(w.isDirty() && w.saveButton()->isEnabled() && w.exitButton()->isEnabled());
        QVERIFY(!w.moveButton()->isHidden() && w.moveButton()->isEnabled() && w.deleteButton()->isEnabled());
        QVERIFY(!w.addButton()->isEnabled());
        QCOMPARE(w.middleList()->selectedRowNumbers(), std::vector<int>{5});
    }

    void changingTheViewTakesBackAPendingMove() {
        ScriptedPrompts prompts;
        EditorWindow session(*source_, prompts);
        auto& w = session.dialog();
        ReceiverDatabase& db = session.database();
        chooseView(w, CReceiverDataDialog::FavTvView);
        const auto before = groupMembers(db, 0);
        selectRows(w.middleList(), {0, 2});
        clickList(w.middleList());
        QTest::mouseClick(w.moveButton(), Qt::LeftButton);
        QVERIFY(w.isMovePending());
        chooseView(w, CReceiverDataDialog::SatelliteView);
        QVERIFY(!w.isMovePending());
        QVERIFY(w.exitButton()->isEnabled());
        for (int n = 0; n < kChannelSlots; ++n) QVERIFY(!(db.channel(n).flags & kFlagMoveMark));
        QCOMPARE(groupMembers(db, 0), before);
        QVERIFY(!w.isDirty());
    }
};

QTEST_MAIN(FavouriteViewsTest)
#include "favourite_views_test.moc"
