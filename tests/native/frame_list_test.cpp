// The frame list: the worked examples for raw seed 0, the end of the walk at
// the last frame served, and a model cross-check.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tests/native/reference.h"
#include "tests/native/temp_dir.h"
#include "core/version.h"
#include "tools/frame_list.h"
#include "tools/seed_search.h"

namespace {

using FrameList = TempDirTest;

const std::string kHeader = "消費数,H,A,B,C,D,S,めざパ,威力\r\n";

struct ListCase {
    const char* what;
    uint32_t seed;
    int32_t mac;
    bool roaming;
    int min_iv[6];
    int32_t type_filter;
    int32_t min_power;
    int32_t frames;
    std::string lines;
};

TEST_F(FrameList, WorkedExamplesForRawSeedZero) {
    const ListCase cases[] = {
        {"three frames", 0, 0, false, {0, 0, 0, 0, 0, 0}, -1, 30, 3,
         "0,22,27,19,27,17,27,ドラゴン,49\r\n1,27,19,27,17,27,13,あく,54\r\n2,19,27,17,27,13,19,あく,47\r\n"},
        {"roaming", 0, 0, true, {0, 0, 0, 0, 0, 0}, -1, 30, 3,
         "0,27,19,27,13,17,27,あく,39\r\n1,19,27,17,19,27,13,あく,62\r\n2,27,17,27,20,13,19,でんき,38\r\n"},
        {"power 50", 0, 0, false, {0, 0, 0, 0, 0, 0}, -1, 50, 3, "1,27,19,27,17,27,13,あく,54\r\n"},
        {"type あく", 0, 0, false, {0, 0, 0, 0, 0, 0}, 15, 30, 3,
         "1,27,19,27,17,27,13,あく,54\r\n2,19,27,17,27,13,19,あく,47\r\n"},
        {"no frames", 0, 0, false, {0, 0, 0, 0, 0, 0}, -1, 30, 0, ""},
        {"one frame", 0, 0, false, {0, 0, 0, 0, 0, 0}, -1, 30, 1, "0,22,27,19,27,17,27,ドラゴン,49\r\n"},
        {"MacOffset wraps", 0xFFFFFFFFu, 1, false, {0, 0, 0, 0, 0, 0}, -1, 30, 3,
         "0,22,27,19,27,17,27,ドラゴン,49\r\n1,27,19,27,17,27,13,あく,54\r\n2,19,27,17,27,13,19,あく,47\r\n"},
        {"frame numbers keep their gaps", 0, 0, false, {0, 27, 0, 0, 0, 0}, -1, 30, 3,
         "0,22,27,19,27,17,27,ドラゴン,49\r\n2,19,27,17,27,13,19,あく,47\r\n"},
    };
    for (const ListCase& k : cases) {
        FrameListInputs in{k.seed, {}, k.type_filter, k.min_power, k.frames, k.mac, k.roaming};
        for (int i = 0; i < kStatCount; ++i) in.iv_minimums[i] = k.min_iv[i];
        platform_log().clear();
        write_frame_list(in);
        EXPECT_EQ(file_bytes("list.txt"), kHeader + k.lines) << k.what;
        EXPECT_EQ(platform_log().opened, std::vector<std::string>{"list.txt"}) << k.what;
        EXPECT_TRUE(platform_log().titles.empty()) << k.what;
    }
}

TEST_F(FrameList, EndsAfterTheLastFrameTheGeneratorServes) {
    struct {
        bool roaming;
        int32_t frames;
        size_t lines;
        std::string last_line;
    } const cases[] = {
        {false, 9999, 617, "616,0,17,24,9,4,28,いわ,30\r\n"},
        {true, 9999, 616, "615,0,17,24,28,9,4,ほのお,30\r\n"},
        {false, 617, 617, "616,0,17,24,9,4,28,いわ,30\r\n"},
        {true, 617, 616, "615,0,17,24,28,9,4,ほのお,30\r\n"},
    };
    for (const auto& k : cases) {
        write_frame_list({0, {}, -1, 30, k.frames, 0, k.roaming});
        const std::string text = file_bytes("list.txt");
        EXPECT_EQ(count_lines(text), k.lines + 1) << "roaming " << k.roaming;
        const size_t start = text.rfind('\n', text.size() - 2) + 1;
        EXPECT_EQ(text.substr(start), k.last_line) << "roaming " << k.roaming;
    }
}

TEST_F(FrameList, MatchesModel) {
    std::mt19937 pick(4242);
    for (int n = 0; n < 12; ++n) {
        const uint32_t seed = pick();
        const uint32_t mac = pick() & 0xFFFFFF;
        const bool roaming = (pick() & 1) != 0;
        const int frames = static_cast<int>(pick() % 700);
        reference::Conditions c{};
        for (int& v : c.min_iv) v = static_cast<int>(pick() % 20);
        c.type_filter = static_cast<int>(pick() % 17) - 1;
        c.min_power = 30 + static_cast<int>(pick() % 41);
        FrameListInputs in{seed, {}, c.type_filter, c.min_power, frames, static_cast<int32_t>(mac), roaming};
        for (int i = 0; i < kStatCount; ++i) in.iv_minimums[i] = c.min_iv[i];
        write_frame_list(in);
        EXPECT_EQ(file_bytes("list.txt"), reference::frame_list(seed, frames, roaming, mac, c))
            << "seed " << seed << " frames " << frames;
    }
}

}  // namespace
