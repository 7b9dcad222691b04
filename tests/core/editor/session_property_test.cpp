// The session's property test with the driver's own import step (names
// changed in place, one import in three refused); the exchange's test runs
// the same with real JSON and CSV imports (session_import_property_test).

#include <random>

#include "editor/session_property.h"

namespace dorvane::test {
namespace {

TEST_P(SessionPropertyTest, LongRandomSequencesKeepEveryStateTrue) {
    std::mt19937 random(GetParam() ? 1234u : 99u);
    SessionDriver driver(session_, questions_, [&random](unsigned count) { return random() % count; });
    runSequences(driver);
    EXPECT_GT(copies_, 0) << "no copy from the second file was an edit";
    EXPECT_GT(cleanUps_, 0) << "no removal of unused transponders was an edit";
}

INSTANTIATE_TEST_SUITE_P(DemoAndFull, SessionPropertyTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Full" : "Demo"; });

}  // namespace
}  // namespace dorvane::test
