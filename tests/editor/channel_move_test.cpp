// Renumbering along with a channel move.

#include <QTest>

#include "database/receiver_database.h"
#include "editor/channel_move.h"

using namespace dorvane;

class ChannelMoveTest : public QObject {
    Q_OBJECT
private slots:
    void mapFollowsTheTableMove() {
        std::vector<bool> marked(10, false);
        marked[2] = marked[7] = true;
        const std::vector<int> newNumber = channelMoveMap(marked, 5);
        // Positions 0..8 then hold the former 0, 1, 3, 4, 2, 7, 5, 6, 8.
        const std::vector<int> formerAt = {0, 1, 3, 4, 2, 7, 5, 6, 8, 9};
        for (int position = 0; position < 10; ++position) {
            QCOMPARE(newNumber[static_cast<std::size_t>(formerAt[static_cast<std::size_t>(position)])], position);
        }
        // In front of the end of the table, and nothing marked.
        marked.assign(10, false);
        marked[0] = true;
        const std::vector<int> toEnd = channelMoveMap(marked, 10);
        QCOMPARE(toEnd, (std::vector<int>{9, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
        marked.assign(10, false);
        QCOMPARE(channelMoveMap(marked, 3), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }

    void favouritesKeepTheirChannels() {
        auto db = std::make_unique<ReceiverDatabase>();
        db->setDefaultFavorites();
        for (int n = 0; n < 10; ++n) {
            db->channel(n).flags = kFlagTv;
            db->channel(n).serviceId = static_cast<std::uint16_t>(100 + n);
        }
        db->groupSlot(0, 0) = 2;
        db->groupSlot(0, 1) = 5;
        db->groupSlot(4, 0) = 7;
        db->groupSlot(4, 1) = 9;
        db->setMoveMark(2);
        db->setMoveMark(7);
        moveMarkedChannelsKeepingFavourites(*db, 5);
        QCOMPARE(int(db->channel(4).serviceId), 102);
        QCOMPARE(int(db->channel(5).serviceId), 107);
        QCOMPARE(int(db->channel(db->groupSlot(0, 0)).serviceId), 102);
        QCOMPARE(int(db->channel(db->groupSlot(0, 1)).serviceId), 105);
        QCOMPARE(int(db->channel(db->groupSlot(4, 0)).serviceId), 107);
        QCOMPARE(int(db->channel(db->groupSlot(4, 1)).serviceId), 109);
        QCOMPARE(int(db->groupSlot(0, 2)), -1);
    }
};

QTEST_MAIN(ChannelMoveTest)
#include "channel_move_test.moc"
