// The streamed sweep: rows in grid order whatever the threads and the
// window, the JSON laid out as the whole document, the shards covering the
// grid once, a cancel or a failing sink stopping the threads.
#include "program/batch/sweep_stream.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <stdexcept>

#include "program/batch/sweep_writers.h"
#include "program/session/starting_cases.h"

namespace hx {
namespace {

struct Grid {
    CaseValues values = *startingCase("shell-and-tube");
    std::vector<Variation> variations{parseVariation("tube_length_mm=300:4000:5", values),
                                      parseVariation("shell_flow_t_h=0.5,3,20", values),
                                      parseVariation("tube_count=60,150", values)};
    EnteredCase base = enteredCaseOf(values, "c");
};

std::string streamed(const Grid& g, StreamSettings settings, bool json) {
    std::ostringstream out;
    const auto writer = json ? jsonSweepWriter(out, g.variations, settings.p, true)
                             : csvSweepWriter(out, g.variations, settings.p);
    writer->begin();
    streamSweep(g.base, {}, g.variations, settings, [&](const SweepRow& r) { writer->row(r); });
    writer->end();
    return out.str();
}

TEST(SweepStream, StreamedTableEqualsTheOneOfCasesSolvedOneByOne) {
    const Grid g;
    std::vector<SweepRow> rows;
    for (std::size_t i = 0; i < gridCaseCount(g.variations); ++i)
        rows.push_back(solveSweepCase(g.base, {}, g.variations, i, LimitPolicy{},
                                      Presentation::EnglishEngineering));
    std::ostringstream buffered;
    writeSweepCsv(buffered, g.variations, rows, Presentation::EnglishEngineering);
    // Three threads through a window of two rows: the threads wait on the
    // sink and on each other, and the rows still come in grid order.
    StreamSettings settings;
    settings.jobs = 3;
    settings.window = 2;
    EXPECT_EQ(streamed(g, settings, false), buffered.str());
    const std::string json = streamed(g, settings, true);
    EXPECT_EQ(nlohmann::json::parse(json).dump(1) + "\n", json);
}

TEST(SweepStream, ShardsCoverTheGridOnceAndInterleave) {
    EXPECT_EQ(shardCaseCount(30, {1, 4}), 8u);
    EXPECT_EQ(shardCaseCount(30, {3, 4}), 7u);
    EXPECT_EQ(shardCaseCount(2, {4, 4}), 0u);
    const Grid g;
    std::set<std::vector<float>> seen;
    for (std::size_t k = 1; k <= 4; ++k) {
        StreamSettings settings;
        settings.shard = {k, 4};
        std::vector<float> first;
        streamSweep(g.base, {}, g.variations, settings, [&](const SweepRow& r) {
            if (first.empty()) first = r.varied;
            EXPECT_TRUE(seen.insert(r.varied).second);
        });
        // Shard k starts at case k-1 (the last input runs fastest).
        const SweepRow expected = solveSweepCase(g.base, {}, g.variations, k - 1, LimitPolicy{},
                                                 Presentation::EnglishEngineering);
        EXPECT_EQ(first, expected.varied);
    }
    EXPECT_EQ(seen.size(), 30u);
    for (const char* bad : {"0/4", "5/4", "4", "1/x", "-1/2", "1/2000000"})
        EXPECT_THROW(parseShard(bad), CaseFileError) << bad;
}

TEST(SweepStream, CancelAndAFailingSinkStopTheThreads) {
    const Grid g;
    std::atomic<bool> cancel{false};
    StreamSettings settings;
    settings.jobs = 2;
    settings.cancel = &cancel;
    std::size_t seen = 0;
    const std::size_t handed =
        streamSweep(g.base, {}, g.variations, settings, [&](const SweepRow&) {
            if (++seen == 3) cancel = true;
        });
    EXPECT_GE(handed, 3u);
    EXPECT_LT(handed, 30u);

    settings.cancel = nullptr;
    EXPECT_THROW(streamSweep(g.base, {}, g.variations, settings,
                             [](const SweepRow&) { throw std::runtime_error("disk full"); }),
                 std::runtime_error);
}

}  // namespace
}  // namespace hx
