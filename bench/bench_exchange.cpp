// JSON export and import of a full database (163 satellites, 2,000
// transponders, 5,000 channels, twelve full groups), and the CSV channel
// table both ways. Goal: JSON export + import below 200 ms.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "core/database/backup_blob.h"
#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "qtcore/exchange/channel_data_json.h"
#include "qtcore/exchange/channel_table_csv.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double bestOf(int rounds, Work work) {
    double best = 1e18;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main() {
    using namespace dorvane;
    constexpr int kRounds = 5;
    auto source = std::make_unique<ReceiverDatabase>();
    fillFullDatabase(*source, 1);
    auto target = std::make_unique<ReceiverDatabase>();

    QByteArray json;
    const double exportJson = bestOf(kRounds, [&] { json = databaseToJson(*source); });
    bool ok = true;
    const double importJson = bestOf(kRounds, [&] { ok = ok && databaseFromJson(json, *target).ok(); });
    QByteArray csv;
    const double exportCsv = bestOf(kRounds, [&] { csv = channelTableCsv(*source); });
    const double importCsv = bestOf(kRounds, [&] { ok = ok && applyChannelTableCsv(csv, *target).ok(); });
    if (!ok) {
        std::fprintf(stderr, "the import failed\n");
        return 1;
    }
    std::printf("full database: JSON %lld bytes, CSV %lld bytes\n", static_cast<long long>(json.size()),
                static_cast<long long>(csv.size()));
    std::printf("JSON export              : %8.1f ms\n", exportJson);
    std::printf("JSON import              : %8.1f ms\n", importJson);
    std::printf("JSON export + import     : %8.1f ms (goal < 200)\n", exportJson + importJson);
    std::printf("CSV export + import      : %8.1f ms\n", exportCsv + importCsv);
    return 0;
}
