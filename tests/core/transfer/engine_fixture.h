#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "core/database/channel_data_buffer.h"
#include "core/image/image_file.h"
#include "core/transfer/transfer_engine.h"
#include "support/scripted_link.h"
#include "support/temp_dir.h"
#include "support/virtual_event_loop.h"

namespace dorvane::test {

// Records the engine's reports in the order they are delivered; the idle
// link test's apart from the others.
struct RecordingListener : TransferListener {
    std::vector<EngineReport> events;
    std::vector<bool> links;  // LinkTested: the receiver answered
    void onTransferEvent(const EngineReport& report) override {
        if (const auto* link = report.as<LinkAnswer>())
            links.push_back(link->receiverOn);
        else
            events.push_back(report);
    }

    int count(EngineState state, EngineEvent event) const {
        int n = 0;
        for (const auto& e : events) n += e.state == state && e.event == event;
        return n;
    }
    bool has(EngineState state, EngineEvent event) const { return count(state, event) > 0; }
    bool any(EngineEvent event) const {
        for (const auto& e : events)
            if (e.event == event) return true;
        return false;
    }
    EngineEvent last() const { return events.empty() ? EngineEvent::Started : events.back().event; }

    // The reports as (state, event), without their details.
    std::vector<std::pair<EngineState, EngineEvent>> kinds() const {
        std::vector<std::pair<EngineState, EngineEvent>> out;
        for (const auto& e : events) out.emplace_back(e.state, e.event);
        return out;
    }
    // The details of one kind, in order.
    template <class T>
    std::vector<T> details() const {
        std::vector<T> out;
        for (const auto& e : events)
            if (const T* d = e.as<T>()) out.push_back(*d);
        return out;
    }
    std::vector<int> writingReports() const {
        std::vector<int> out;
        for (const auto& d : details<WritingReport>()) out.push_back(d.reported);
        return out;
    }
    std::vector<int> uploadPercents() const {
        std::vector<int> out;
        for (const auto& d : details<UploadedBytes>()) out.push_back(d.percent);
        return out;
    }
    bool wroteProgress(int reported) const {
        const auto all = writingReports();
        return std::find(all.begin(), all.end(), reported) != all.end();
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
