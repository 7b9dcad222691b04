// The order of the whole table through the editor session on 5,000
// channels: a move of 500 channels across satellites, a reference applied
// (a shuffled copy of the same channels) and a sort kept by name, each
// beside a bare sort of the 5,000 channel numbers by name. Each operation
// includes what the session does around it: the undo state, the new lists.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <numeric>
#include <random>

#include "core/database/channel_data_document.h"
#include "core/database/channel_order.h"
#include "core/database/receiver_database.h"
#include "core/editor/editor_session.h"

namespace {

using Clock = std::chrono::steady_clock;

double millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class Silent : public dorvane::SessionQuestions {
public:
    bool confirm(const std::string&) override { return true; }
    bool ask(const std::string&, const std::string&, const std::string&) override { return true; }
    SaveChoice askToSave(const std::string&) override { return SaveChoice::DontSave; }
    void tell(const std::string&, bool) override {}
};

// The best of `rounds` runs of `work`, each followed by `reset` (untimed).
template <typename Work, typename Reset>
double bestOf(int rounds, Work work, Reset reset) {
    double best = 1e18;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, millis(Clock::now() - start));
        reset();
    }
    return best;
}

}  // namespace

// Prints the lines; the document holds the full database's blob.
void printOrderBenchmarks(dorvane::ChannelDataDocument& document, int rounds) {
    using namespace dorvane;
    Silent questions;
    EditorSession session(document, questions);
    if (!session.open().ok()) std::abort();
    const auto undo = [&] { session.undo(); };

    std::vector<int> every10th;
    for (int n = 0; n < kChannelSlots; n += 10) every10th.push_back(n);
    const double move = bestOf(
        rounds,
        [&] {
            session.selectLeft(session.leftRows());
            session.selectChannels(every10th);
            session.startMove();
            session.moveTo(2501);
            if (session.isMovePending()) std::abort();
        },
        undo);

    auto shuffled = std::make_unique<ReceiverDatabase>(session.database());
    ChannelOrder order = unchangedOrder();
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    reorderChannels(*shuffled, order);
    const ChannelReference reference = referenceFromDatabase(*shuffled);
    int matched = 0;
    const double apply = bestOf(
        rounds,
        [&] {
            ReferencePlan plan;
            session.applyReference(reference, false, &plan);
            matched = static_cast<int>(plan.matched.size());
        },
        undo);

    // The 5,000 rows chosen (untimed: a select-all of the window).
    const auto chooseAll = [&] { session.selectChannels(session.channelRows()); };
    chooseAll();
    const double sortKept = bestOf(
        rounds, [&] { session.sortAndKeep(ChannelSortKey::Name); },
        [&] {
            undo();
            chooseAll();
        });

    const ReceiverDatabase& db = session.database();
    std::vector<int> numbers(kChannelSlots);
    const double bare = bestOf(
        rounds,
        [&] {
            std::iota(numbers.begin(), numbers.end(), 0);
            std::sort(numbers.begin(), numbers.end(), [&](int a, int b) { return db.compareChannels(a, b, 2) < 0; });
        },
        [] {});

    auto verdict = [](double ms) { return ms < 50.0 ? "under" : "OVER"; };
    std::printf("bare std::sort of 5,000 by name:      %8.2f ms\n", bare);
    std::printf("move 500 channels across satellites:  %8.2f ms   ratio to bare sort %.2f   %s 50 ms\n", move,
                move / bare, verdict(move));
    std::printf("apply a reference (%d matched):     %8.2f ms   ratio to bare sort %.2f   %s 50 ms\n", matched, apply,
                apply / bare, verdict(apply));
    std::printf("sort 5,000 by name and keep it:       %8.2f ms   ratio to bare sort %.2f   %s 50 ms\n", sortKept,
                sortKept / bare, verdict(sortKept));
}
