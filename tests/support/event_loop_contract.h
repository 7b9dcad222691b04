#pragma once

// The EventLoop contract, checked the same way against every loop: the
// virtual clock of the tests and Qt's loop of the programs. Each case gets a
// fresh driver and says what broke ("" when the loop kept the contract), so
// that GoogleTest and Qt Test suites can both run the list.

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/common/event_loop.h"

namespace dorvane::test {

// A loop and a way to let its time pass.
class LoopDriver {
public:
    virtual ~LoopDriver() = default;
    virtual EventLoop& loop() = 0;
    // Lets ms of the loop's time pass, running what falls due.
    virtual void runFor(Millis ms) = 0;
    // How late a real loop may run a call (0 on a virtual clock).
    virtual Millis slack() const = 0;
};

struct LoopContractCase {
    const char* name;
    std::function<std::string(LoopDriver&)> check;
};

namespace contract_detail {

inline std::string orderText(const std::vector<int>& order) {
    std::string s;
    for (const int n : order) s += (s.empty() ? "" : " ") + std::to_string(n);
    return "[" + s + "]";
}

inline std::string inOrder(LoopDriver& d) {
    EventLoop& loop = d.loop();
    std::vector<int> order;
    loop.schedule(60, [&] { order.push_back(5); });
    loop.schedule(0, [&] { order.push_back(1); });
    loop.schedule(20, [&] { order.push_back(3); });
    loop.schedule(0, [&] { order.push_back(2); });
    loop.schedule(40, [&] { order.push_back(4); });
    d.runFor(60 + d.slack());
    return order == std::vector<int>{1, 2, 3, 4, 5}
               ? ""
               : "calls ran as " + orderText(order) + ", not by due time and then scheduling order";
}

inline std::string nothingRunsInsideSchedule(LoopDriver& d) {
    EventLoop& loop = d.loop();
    std::vector<int> order;
    loop.schedule(0, [&] {
        order.push_back(1);
        // Scheduled from a call for now: runs after it, never inside.
        loop.schedule(0, [&] { order.push_back(3); });
        order.push_back(2);
    });
    if (!order.empty()) return "a call ran inside schedule()";
    d.runFor(d.slack());
    return order == std::vector<int>{1, 2, 3} ? "" : "nested calls ran as " + orderText(order);
}

inline std::string notBeforeItsTime(LoopDriver& d) {
    EventLoop& loop = d.loop();
    const Millis start = loop.now();
    Millis ranAt = -1;
    loop.schedule(80, [&] { ranAt = loop.now(); });
    d.runFor(40);
    if (ranAt >= 0 && ranAt - start < 80) return "a call for 80 ms ran after " + std::to_string(ranAt - start) + " ms";
    d.runFor(40 + d.slack());
    if (ranAt < 0) return "a call for 80 ms did not run within " + std::to_string(80 + d.slack()) + " ms";
    if (ranAt - start < 80) return "a call for 80 ms ran after " + std::to_string(ranAt - start) + " ms";
    // A virtual clock has no excuse for lateness.
    if (d.slack() == 0 && ranAt - start != 80)
        return "a call for 80 ms ran after " + std::to_string(ranAt - start) + " ms";
    return "";
}

inline std::string timeNeverGoesBack(LoopDriver& d) {
    EventLoop& loop = d.loop();
    std::vector<Millis> seen{loop.now()};
    for (int i = 1; i <= 5; ++i) loop.schedule(i * 7, [&] { seen.push_back(loop.now()); });
    d.runFor(35 + d.slack());
    seen.push_back(loop.now());
    if (seen.size() != 7) return "not every call ran";
    for (std::size_t i = 1; i < seen.size(); ++i)
        if (seen[i] < seen[i - 1]) return "now() went back from " + std::to_string(seen[i - 1]);
    return seen.back() - seen.front() >= 35 ? "" : "runFor(35) passed less than 35 ms of the loop's time";
}

inline std::string cancelledCallsNeverRun(LoopDriver& d) {
    EventLoop& loop = d.loop();
    int runs = 0;
    const auto soon = loop.schedule(0, [&] { runs += 100; });
    const auto later = loop.schedule(30, [&] { runs += 1000; });
    EventLoop::TimerId fromInside = 0;
    loop.schedule(10, [&] { loop.cancel(later); });
    loop.schedule(5, [&] {
        ++runs;
        fromInside = loop.schedule(20, [&] { runs += 10000; });
        loop.cancel(fromInside);
    });
    loop.cancel(soon);
    loop.cancel(soon);                 // twice is harmless
    loop.cancel(soon + later + 1000);  // an id never given out too
    d.runFor(40 + d.slack());
    loop.cancel(later);  // and one that already went
    d.runFor(d.slack());
    return runs == 1 ? "" : "the runs added up to " + std::to_string(runs) + ", not 1";
}

inline std::string cancellingARunCallIsHarmless(LoopDriver& d) {
    EventLoop& loop = d.loop();
    int first = 0;
    int second = 0;
    const auto done = loop.schedule(0, [&] { ++first; });
    d.runFor(d.slack());
    loop.cancel(done);
    loop.schedule(0, [&] { ++second; });
    d.runFor(d.slack());
    return first == 1 && second == 1 ? "" : "cancelling a call that ran touched another one";
}

inline std::string idsAreNeverZeroOrReused(LoopDriver& d) {
    EventLoop& loop = d.loop();
    std::set<EventLoop::TimerId> ids;
    for (int i = 0; i < 200; ++i) {
        const auto id = loop.schedule(i % 3, [] {});
        if (id == 0) return "an id was 0";
        if (!ids.insert(id).second) return "an id was given out twice";
        if (i % 2) loop.cancel(id);
    }
    d.runFor(2 + d.slack());
    for (int i = 0; i < 50; ++i)
        if (!ids.insert(loop.schedule(0, [] {})).second) return "an id was reused after its call ran";
    d.runFor(d.slack());
    return "";
}

}  // namespace contract_detail

inline const std::vector<LoopContractCase>& eventLoopContract() {
    using namespace contract_detail;
    static const std::vector<LoopContractCase> cases{
        {"CallsRunByDueTimeThenSchedulingOrder", inOrder},
        {"NothingRunsInsideSchedule", nothingRunsInsideSchedule},
        {"ACallRunsNotBeforeItsTime", notBeforeItsTime},
        {"TimeNeverGoesBack", timeNeverGoesBack},
        {"CancelledCallsNeverRun", cancelledCallsNeverRun},
        {"CancellingARunCallIsHarmless", cancellingARunCallIsHarmless},
        {"IdsAreNeverZeroOrReused", idsAreNeverZeroOrReused},
    };
    return cases;
}

}  // namespace dorvane::test
