// The seed search against a separately written model: result.txt byte for
// byte, the progress titles and the hand-over to the viewer.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tests/native/reference.h"
#include "tests/native/search_case.h"
#include "tests/native/temp_dir.h"
#include "core/version.h"
#include "tools/seed_search.h"

namespace {

using SeedSearch = TempDirTest;



// A search that asks for nothing (every frame a hit) over one range of low values.
SeedSearchInputs everything(int low_min, int low_max, int last_frame, bool roaming = false, uint32_t mac = 0) {
    return inputs_of({"everything", low_min, low_max, last_frame, roaming, static_cast<int32_t>(mac), {{0, 0, 0, 0, 0, 0}, -1, 30}});
}

// Random searches (the engine's own table holds the chosen edge cases).
std::vector<SearchCase> search_cases() {
    std::vector<SearchCase> cases;
    std::mt19937 pick(20261208);
    for (int n = 0; n < 6; ++n) {
        SearchCase k{};
        k.low_min = static_cast<int>(pick() % 0x10000);
        k.low_max = k.low_min + static_cast<int>(pick() % 2);
        if (k.low_max > 0xFFFF) k.low_max = 0xFFFF;
        k.last_frame = n == 0 ? 616 : static_cast<int>(pick() % 60);
        k.roaming = (pick() & 1) != 0;
        k.mac = static_cast<int32_t>(pick() & 0xFFFFFF);
        for (int& v : k.c.min_iv) v = static_cast<int>(pick() % 26);
        k.c.type_filter = static_cast<int>(pick() % 17) - 1;
        k.c.min_power = 30 + static_cast<int>(pick() % 41);
        cases.push_back(k);
    }
    return cases;
}

TEST_F(SeedSearch, MatchesModelFileAndTitles) {
    for (const SearchCase& k : search_cases()) {
        SCOPED_TRACE(testing::Message() << std::hex << "low " << k.low_min << ".." << k.low_max << std::dec
                                        << " limit " << k.last_frame << " roaming " << k.roaming << " mac " << k.mac);
        platform_log().clear();
        run_seed_search(inputs_of(k));
        const reference::SearchResult want =
            reference::seed_search(k.low_min, k.low_max, k.last_frame, k.roaming, k.mac, k.c);
        EXPECT_TRUE(file_bytes("result.txt") == want.file) << "result.txt differs from the model";
        EXPECT_EQ(platform_log().titles, want.titles);
        EXPECT_EQ(platform_log().opened, std::vector<std::string>{"result.txt"});
    }
}

TEST_F(SeedSearch, EveryFrameIsAHitWhenNothingIsAsked) {
    struct {
        int last_frame;
        bool roaming;
        size_t lines;
    } const cases[] = {{0, false, 6144 + 1}, {3, false, 6144 * 4 + 1}, {40, true, 6144 * 41 + 1}};
    for (const auto& k : cases) {
        run_seed_search(everything(0x0ABC, 0x0ABC, k.last_frame, k.roaming));
        const std::string text = file_bytes("result.txt");
        EXPECT_EQ(count_lines(text), k.lines) << "limit " << k.last_frame;
    }
}

TEST_F(SeedSearch, EmptyRangeGivesHeaderAndStepsThroughTheHours) {
    run_seed_search(everything(0x1001, 0x1000, 0));
    EXPECT_EQ(file_bytes("result.txt"), "raw初期seed,消費数,H,A,B,C,D,S,めざパ,威力\r\n");
    std::vector<std::string> titles;
    for (int h = 0; h < 24; ++h) titles.push_back(std::to_string(h) + "時計算中 候補:0個");
    titles.push_back(kMainTitle);
    EXPECT_EQ(platform_log().titles, titles);
    EXPECT_EQ(platform_log().opened, std::vector<std::string>{"result.txt"});
}

TEST_F(SeedSearch, LinesShowTheRawSeedWithoutMacOffset) {
    // line 1 + 5 * 256 + 0x3A is top byte 0x3A of hour 5 (one low value, frame 0 only)
    for (uint32_t mac : {0u, 0x000001u, 0x123456u, 0xFFFFFFu}) {
        run_seed_search(everything(0x600, 0x600, 0, false, mac));
        const std::string text = file_bytes("result.txt");
        size_t at = 0;
        for (int n = 0; n < 1 + 5 * 256 + 0x3A; ++n) at = text.find('\n', at) + 1;
        const std::string line = text.substr(at, text.find('\n', at) + 1 - at);
        const reference::Frame f = reference::frame_ivs(reference::output_ivs(0x3A050600u, mac), 0, false);
        EXPECT_EQ(line, "3A050600,0," + reference::frame_fields(f)) << "mac " << mac;
    }
}

}  // namespace
