#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/receiver_database.h"

namespace dorvane::test {

// Dates packing on 1 January 2006 for the time of a test; `sink` captures
// the diagnostic lines of the calls it is given to.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        setDateSource([] { return CalendarDate{2006, 1, 1}; });
    }
    void TearDown() override { setDateSource({}); }

    std::vector<std::string> diagnostics;
    DiagnosticSink sink = [this](std::string_view line) { diagnostics.emplace_back(line); };
    std::unique_ptr<ReceiverDatabase> db = std::make_unique<ReceiverDatabase>();
    std::unique_ptr<ChannelDataBuffer> buffer = std::make_unique<ChannelDataBuffer>();
};

// Every table of the database as bytes, for comparing two databases.
inline std::vector<std::uint8_t> tableBytes(const ReceiverDatabase& db) {
    std::vector<std::uint8_t> bytes;
    auto add = [&](const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        bytes.insert(bytes.end(), b, b + n);
    };
    add(&db.satellite(0), kSatelliteSlots * sizeof(SatelliteRecord));
    for (int i = 0; i < kSatelliteSlots; ++i) bytes.push_back(db.orderEntry(i));
    add(&db.transponder(0), kTransponderSlots * sizeof(TransponderRecord));
    add(&db.channel(0), kChannelSlots * sizeof(ChannelRecord));
    for (int g = 0; g < kFavoriteGroups; ++g)
        for (int s = 0; s < kGroupSlots; ++s) {
            const std::int16_t v = db.groupSlot(g, s);
            add(&v, 2);
        }
    add(db.groupNameBytes().data(), db.groupNameBytes().size());
    add(db.prefix().data(), db.prefix().size());
    return bytes;
}

}  // namespace dorvane::test
