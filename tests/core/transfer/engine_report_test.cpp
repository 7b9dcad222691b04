// What the engine's reports promise, whatever the receiver does: every
// fault of the simulated receiver at every point of a download or an upload,
// with both kinds of boot loader. The receiver is identified once per
// transfer (again after it restarted, never twice within one), before any
// data; blocks are reported in order; a report that ends the transfer is the
// last one; every report that has a detail carries it.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "support/image_builder.h"
#include "support/simulated_stb.h"
#include "transfer/engine_fixture.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

const char* const kKinds[] = {"silent", "noise", "close", "restart"};
const char* const kDownloadPoints[] = {"on",      "header",      "info",        "info:1",   "block:1",
                                       "block:3", "block-ack:2", "block-nak:2", "eot",      "second-eot",
                                       "batch",   "before-vt",   "after-vt",    "writing:1"};
const char* const kUploadPoints[] = {"upload-header", "upload-block:1", "upload-block:2", "upload-eot"};

bool endsTransfer(EngineEvent e) {
    switch (e) {
        case EngineEvent::ReceiverSilent:
        case EngineEvent::PortFailed:
        case EngineEvent::TooManyErrors:
        case EngineEvent::WritingSilent:
        case EngineEvent::SourceFailed:
        case EngineEvent::ReceiverRestarted:
        case EngineEvent::BuyerRefused:
        case EngineEvent::WritingEnded:
        case EngineEvent::UploadEnded: return true;
        default: return false;
    }
}

// The detail a report of this kind must carry, checked by type.
bool carriesItsDetail(const EngineReport& r) {
    switch (r.event) {
        case EngineEvent::ReceiverIdentified: return r.as<ReceiverAnswer>() != nullptr;
        case EngineEvent::BlockAcked: return r.as<AckedBlock>() != nullptr;
        case EngineEvent::UploadProgress: return r.as<UploadedBytes>() != nullptr;
        case EngineEvent::WritingProgress: return r.as<WritingReport>() != nullptr;
        case EngineEvent::UploadEnded: return r.as<UploadOutcome>() != nullptr;
        default: return true;
    }
}

// The reports of one download, from..to in the listener's list.
// dialect: the answer the boot loader gives, or nothing where noise may
// stand for it.
void checkDownloadReports(const std::vector<EngineReport>& all, std::size_t from,
                          std::optional<ReceiverDialect> dialect) {
    int identified = 0;
    int lastBlock = 0;
    bool ended = false;
    for (std::size_t i = from; i < all.size(); ++i) {
        const EngineReport& r = all[i];
        SCOPED_TRACE(std::string("report ") + std::to_string(i) + " " + eventName(r.event));
        EXPECT_FALSE(ended) << "a report after the end";
        EXPECT_TRUE(carriesItsDetail(r));
        if (const auto* answer = r.as<ReceiverAnswer>()) {
            ++identified;
            const bool enq = answer->dialect == ReceiverDialect::InfoRecord;
            if (dialect) EXPECT_EQ(answer->dialect, *dialect);
            if (dialect) EXPECT_EQ(answer->record.has_value(), enq);
            EXPECT_TRUE(enq || !answer->record);
            EXPECT_EQ(answer->recordBytes.size(), enq ? 128u : 0u);
        }
        if (r.event == EngineEvent::DataStarted || r.event == EngineEvent::BlockAcked ||
            r.event == EngineEvent::BuyerRefused)
            EXPECT_EQ(identified, 1) << "data before the receiver was identified";
        if (const auto* block = r.as<AckedBlock>()) {
            EXPECT_EQ(block->block, lastBlock + 1);
            EXPECT_EQ(block->bytes, 1024);
            lastBlock = block->block;
        }
        ended = endsTransfer(r.event);
    }
    EXPECT_LE(identified, 1);
}

struct DownloadRun {
    std::size_t from = 0;
    bool ended = false;
};

// One download of five blocks until it ended (or the engine rests).
DownloadRun download(EngineRig& rig) {
    DownloadRun run{rig.listener.events.size(), false};
    rig.engine.setState(EngineState::WaitStart);
    run.ended = rig.loop.runUntil(
        [&] {
            for (std::size_t i = run.from; i < rig.listener.events.size(); ++i)
                if (endsTransfer(rig.listener.events[i].event)) return true;
            return false;
        },
        rig.engine.timeouts().writing + 60000);
    rig.loop.advance(0);
    return run;
}

}  // namespace

TEST(EngineReports, DownloadReportsKeepTheirPromisesAtEveryFaultPoint) {
    for (const bool enq : {true, false}) {
        for (const char* kind : kKinds) {
            for (const char* point : kDownloadPoints) {
                const std::string fault = std::string(kind) + "@" + point;
                SCOPED_TRACE(fault + (enq ? " (ENQ)" : " (ACK)"));
                EngineRig rig;
                ASSERT_TRUE(rig.image.open(rig.dir.write("fw.bin", patternBytes(5000))).ok());
                const std::vector<std::string> options{"--fault", fault};
                SimulatedStb stb(rig.link, enq ? enqBootLoader(options) : ackBootLoader(options));
                ASSERT_TRUE(stb.valid()) << stb.error();
                stb.command("on");
                const std::optional<ReceiverDialect> dialect =
                    std::string(kind) == "noise"
                        ? std::nullopt
                        : std::optional(enq ? ReceiverDialect::InfoRecord : ReceiverDialect::AckBootLoader);
                const DownloadRun first = download(rig);
                // A boot loader that never asks is waited for (the flow's start time-out ends that).
                EXPECT_EQ(first.ended, fault != "silent@on");
                checkDownloadReports(rig.listener.events, first.from, dialect);
                if (std::string(kind) != "restart") continue;
                // The receiver restarted (or the fault came too late to
                // matter): the next download identifies it again, once.
                rig.loop.advance(3000);
                const DownloadRun second = download(rig);
                ASSERT_TRUE(second.ended);
                checkDownloadReports(rig.listener.events, second.from, dialect);
                // Where the restarted simulated receiver fails at the same
                // point again, only the promises above hold.
                const std::string p = point;
                if (p == "info" || p == "info:1" || p == "block-nak:2") continue;
                EXPECT_EQ(rig.listener.last(), EngineEvent::WritingEnded);
                const auto answers = std::count_if(
                    rig.listener.events.begin() + static_cast<std::ptrdiff_t>(second.from), rig.listener.events.end(),
                    [](const EngineReport& r) { return r.as<ReceiverAnswer>() != nullptr; });
                EXPECT_EQ(answers, 1);
            }
        }
    }
}

// An upload ends with one report that carries its outcome, the same as the
// engine keeps; it is complete only when the file ended with every
// announced byte.
TEST(EngineReports, UploadEndsWithItsOutcomeAtEveryFaultPoint) {
    for (const char* kind : kKinds) {
        for (const char* point : kUploadPoints) {
            const std::string fault = std::string(kind) + "@" + point;
            SCOPED_TRACE(fault);
            EngineRig rig;
            const Bytes file = patternBytes(5000);
            SimulatedStb stb(rig.link, {"--start", "app", "--upload-file", rig.dir.write("stb.irz", file).string(),
                                        "--fault", fault});
            ASSERT_TRUE(stb.valid()) << stb.error();
            stb.command("upload");
            rig.engine.setState(EngineState::UploadArm);
            ASSERT_TRUE(rig.loop.runUntil([&] { return rig.engine.state() == EngineState::Idle; }, 300000));
            rig.loop.advance(0);
            const auto& events = rig.listener.events;
            ASSERT_FALSE(events.empty());
            for (const auto& r : events) EXPECT_TRUE(carriesItsDetail(r)) << eventName(r.event);
            EXPECT_TRUE(endsTransfer(events.back().event)) << eventName(events.back().event);
            const auto outcomes = rig.listener.details<UploadOutcome>();
            // A port that failed ends the upload without one (nothing of it is kept).
            if (events.back().event == EngineEvent::PortFailed) {
                EXPECT_TRUE(outcomes.empty());
                continue;
            }
            ASSERT_EQ(outcomes.size(), 1u) << "the end carries the outcome, once";
            const UploadOutcome& reported = outcomes[0];
            const UploadOutcome& kept = rig.engine.uploadOutcome();
            EXPECT_EQ(reported.end, kept.end);
            EXPECT_EQ(reported.completed, kept.completed);
            EXPECT_EQ(reported.stored, kept.stored);
            EXPECT_NE(reported.end, UploadEnd::None);
            if (reported.completed) {
                EXPECT_EQ(reported.end, UploadEnd::FileEnded);
                EXPECT_GE(reported.stored, reported.announced);
            }
            // Progress never goes back and stays within the whole.
            const auto percents = rig.listener.uploadPercents();
            EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
            for (const int p : percents) EXPECT_LE(p, 100 + 1024 * 100 / 5000);
        }
    }
}
