#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "database/channel_data_buffer.h"
#include "image/image_file.h"
#include "support/scripted_link.h"
#include "support/temp_dir.h"
#include "support/virtual_event_loop.h"
#include "transfer/transfer_engine.h"

namespace dorvane::test {

// Records the engine's notifications in the order they are delivered.
struct RecordingListener : TransferListener {
    std::vector<std::pair<EngineState, int>> events;
    std::vector<std::pair<EngineInfo, std::uint32_t>> infos;
    void onTransferEvent(EngineState state, int code) override { events.emplace_back(state, code); }
    void onTransferInfo(EngineInfo item, std::uint32_t value) override { infos.emplace_back(item, value); }

    int count(EngineState state, int code) const {
        int n = 0;
        for (const auto& e : events) n += e == std::make_pair(state, code);
        return n;
    }
    int count(EngineState state, EngineEvent event) const { return count(state, number(event)); }
    bool has(EngineState state, int code) const { return count(state, code) > 0; }
    bool has(EngineState state, EngineEvent event) const { return count(state, event) > 0; }

    // The notifications as the numbers they carry.
    std::vector<std::pair<int, int>> numbers() const {
        std::vector<std::pair<int, int>> out;
        for (const auto& [state, code] : events) out.emplace_back(number(state), code);
        return out;
    }
    std::vector<std::pair<int, std::uint32_t>> infoNumbers() const {
        std::vector<std::pair<int, std::uint32_t>> out;
        for (const auto& [item, value] : infos) out.emplace_back(static_cast<int>(item), value);
        return out;
    }
};

// An engine on a virtual clock with a scripted link.
struct EngineRig {
    EngineRig() { engine.attach(&listener); }

    void openImage(const std::string& name, const Bytes& bytes) {
        const Status opened = image.open(dir.write(name, bytes));
        ASSERT_TRUE(opened.ok()) << opened.message();
    }

    // Runs the loop until the engine is in state or limit ms passed.
    bool runUntilState(EngineState state, Millis limit = 60000) {
        return loop.runUntil([&] { return engine.state() == state; }, limit);
    }
    bool runUntilEvent(EngineState state, EngineEvent event, Millis limit = 60000) {
        return loop.runUntil([&] { return listener.has(state, event); }, limit);
    }
    bool runUntilEvent(EngineState state, int code, Millis limit = 60000) {
        return loop.runUntil([&] { return listener.has(state, code); }, limit);
    }

    TempDir dir;
    VirtualEventLoop loop;
    ScriptedLink link{loop};
    CImageFile image;
    std::unique_ptr<ChannelDataBuffer> buffer = std::make_unique<ChannelDataBuffer>();
    CTransferEngine engine{loop, link, image, *buffer};
    RecordingListener listener;
};

class EngineTest : public ::testing::Test, public EngineRig {};

}  // namespace dorvane::test
