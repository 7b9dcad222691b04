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
    std::vector<std::pair<int, int>> events;
    std::vector<std::pair<int, std::uint32_t>> infos;
    void onTransferEvent(int state, int code) override { events.emplace_back(state, code); }
    void onTransferInfo(int item, std::uint32_t value) override { infos.emplace_back(item, value); }

    int count(int state, int code) const {
        int n = 0;
        for (const auto& e : events) n += e == std::make_pair(state, code);
        return n;
    }
    bool has(int state, int code) const { return count(state, code) > 0; }
};

// An engine on a virtual clock with a scripted link.
struct EngineRig {
    EngineRig() { engine.attach(&listener); }

    void openImage(const std::string& name, const Bytes& bytes) {
        FileError error;
        ASSERT_TRUE(image.open(dir.write(name, bytes), error)) << error.message();
    }

    // Runs the loop until the engine is in state or limit ms passed.
    bool runUntilState(int state, Millis limit = 60000) {
        return loop.runUntil([&] { return engine.state() == state; }, limit);
    }
    bool runUntilEvent(int state, int code, Millis limit = 60000) {
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
