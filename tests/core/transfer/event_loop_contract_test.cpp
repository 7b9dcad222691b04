#include <gtest/gtest.h>

#include "support/event_loop_contract.h"
#include "support/virtual_event_loop.h"

namespace dorvane::test {
namespace {

// The tests' virtual clock keeps the contract the engine relies on; Qt's
// loop runs the same cases in qt_event_loop_test.
class VirtualDriver : public LoopDriver {
public:
    EventLoop& loop() override { return loop_; }
    void runFor(Millis ms) override { loop_.advance(ms); }
    Millis slack() const override { return 0; }

private:
    VirtualEventLoop loop_;
};

void PrintTo(const LoopContractCase& c, std::ostream* os) { *os << c.name; }

class VirtualEventLoopContract : public ::testing::TestWithParam<LoopContractCase> {};

TEST_P(VirtualEventLoopContract, Holds) {
    VirtualDriver driver;
    EXPECT_EQ(GetParam().check(driver), "");
}

INSTANTIATE_TEST_SUITE_P(EventLoop, VirtualEventLoopContract, ::testing::ValuesIn(eventLoopContract()),
                         [](const ::testing::TestParamInfo<LoopContractCase>& info) { return info.param.name; });

}  // namespace
}  // namespace dorvane::test
