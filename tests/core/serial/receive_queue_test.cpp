#include <gtest/gtest.h>

#include <vector>

#include "core/serial/receive_queue.h"

using dorvane::ReceiveQueue;

TEST(ReceiveQueue, HoldsAtMost4191BytesAndWraps) {
    ReceiveQueue q;
    for (int i = 0; i < ReceiveQueue::kCapacity; ++i) ASSERT_TRUE(q.push(static_cast<std::uint8_t>(i)));
    EXPECT_EQ(q.count(), 4191);
    EXPECT_FALSE(q.push(0xAA));
    std::uint8_t b = 0xFF;
    ASSERT_TRUE(q.pop(b));
    EXPECT_EQ(b, 0);
    EXPECT_TRUE(q.push(0xAB)) << "one pop frees one slot; head wraps to 0";
    EXPECT_EQ(q.count(), 4191);
    for (int i = 1; i < ReceiveQueue::kCapacity; ++i) {
        ASSERT_TRUE(q.pop(b));
        ASSERT_EQ(b, static_cast<std::uint8_t>(i));
    }
    ASSERT_TRUE(q.pop(b));
    EXPECT_EQ(b, 0xAB);
    EXPECT_FALSE(q.pop(b));
}

TEST(ReceiveQueue, ChunkThatDoesNotFitIsDroppedWhole) {
    ReceiveQueue q;
    std::vector<std::uint8_t> first(100, 1);
    ASSERT_TRUE(q.pushChunk(first));
    std::vector<std::uint8_t> tooBig(static_cast<std::size_t>(q.freeSlots() + 1), 2);
    EXPECT_FALSE(q.pushChunk(tooBig));
    EXPECT_EQ(q.count(), 100);
    std::vector<std::uint8_t> exact(static_cast<std::size_t>(q.freeSlots()), 3);
    EXPECT_TRUE(q.pushChunk(exact)) << "a chunk of exactly the free space fits";
    EXPECT_EQ(q.count(), 4191);
    EXPECT_EQ(q.drain(), 4191);
    EXPECT_TRUE(q.empty());
}
