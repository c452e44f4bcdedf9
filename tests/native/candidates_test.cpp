// The initial seed candidate search: where its raw seeds come from, the
// twenty-entry cap, repeated frames, and a whole-window model cross-check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/native/seed_reference.h"
#include "tests/native/seed_tools_fixture.h"
#include "tests/native/straight_search.h"
#include "tools/candidates.h"

namespace {

// The sanitized build skips the slow whole-window model comparisons.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

using Candidates = SeedToolDir;

// The standard MT19937 tempering.
uint32_t full_temper(uint32_t x) {
    x ^= x >> 11;
    x ^= (x << 7) & 0x9D2C5680u;
    x ^= (x << 15) & 0xEFC60000u;
    return x ^ (x >> 18);
}

std::vector<uint32_t> found() {
    return std::vector<uint32_t>(g_app.candidate_seeds, g_app.candidate_seeds + g_app.candidate_count);
}

void set_switch_on(int month, int day, int hour, int minute) {
    g_app.switch_on_month = month;
    g_app.switch_on_day = day;
    g_app.switch_on_hour = hour;
    g_app.switch_on_minute = minute;
}

// Known IVs taken from one raw seed of the window are found as that raw seed.
TEST_F(Candidates, FindsTheRawSeedOfTheKnownIvs) {
    struct {
        const char* what;
        int month, day, hour, minute;
        uint32_t raw;  // top byte (month * day + minute + second) mod 256, hour, low value
        int frame;
        bool roaming;
        uint32_t mac;
    } const cases[] = {
        {"12/31 59 min, second 0: top byte 175", 12, 31, 10, 59, 0xAF0A0300u, 0, false, 0},
        {"12/31 59 min, second 59: top byte 234", 12, 31, 10, 59, 0xEA0A1000u, 3, false, 0},
        {"1/1 0 min, second 0: top byte 1", 1, 1, 0, 0, 0x01000555u, 0, true, 0},
        {"1/1 0 min, second 59: top byte 60", 1, 1, 0, 0, 0x3C000FFFu, 2, false, 0},
        {"hour 24 is the third byte 0x18", 6, 15, 24, 30, 0x9C180A00u, 1, false, 0},
        {"MacOffset is never part of a candidate", 3, 3, 23, 1, 0x0A170800u, 0, false, 0x1B2C3D},
        {"MacOffset with roaming", 3, 3, 23, 1, 0x0B170801u, 4, true, 0xFFFFFF},
    };
    for (const auto& k : cases) {
        set_switch_on(k.month, k.day, k.hour, k.minute);
        const reference::Frame f = reference::frame_ivs(reference::output_ivs(k.raw, k.mac), k.frame, k.roaming);
        set_ivs(f.iv);
        g_app.frame_limit = k.frame;
        g_app.roaming = k.roaming;
        g_app.mac_offset = static_cast<int32_t>(k.mac);
        search_candidate_seeds();
        // six equal IVs at one of a few frames of 199,740 seeds: no other seed matches by chance
        EXPECT_EQ(found(), std::vector<uint32_t>{k.raw}) << k.what;
    }
}

// Raw seed 20070463 gives the same IvSet at two frames (8 and 316; roaming 7
// and 315): listed twice when the limit reaches the second, else once.
TEST_F(Candidates, SeedMatchingAtTwoFramesIsListedTwice) {
    struct {
        bool roaming;
        int limit;
        int iv[6];
        size_t times;
        bool whole_model;  // also compare the whole list with the model (slow)
    } const cases[] = {
        {false, 316, {17, 12, 18, 12, 4, 0}, 2, true},
        {false, 315, {17, 12, 18, 12, 4, 0}, 1, false},
        {true, 315, {17, 12, 18, 0, 12, 4}, 2, false},
        {true, 314, {17, 12, 18, 0, 12, 4}, 1, true},
    };
    for (const auto& k : cases) {
        set_switch_on(4, 5, 7, 6);
        set_ivs(k.iv);
        g_app.frame_limit = k.limit;
        g_app.roaming = k.roaming;
        search_candidate_seeds();
        const std::vector<uint32_t> got = found();
        EXPECT_EQ(static_cast<size_t>(std::count(got.begin(), got.end(), 0x20070463u)), k.times)
            << "roaming " << k.roaming << " limit " << k.limit;
        if (k.whole_model && !kSanitized) {
            EXPECT_EQ(got, reference::candidates(4, 5, 7, 6, k.limit, k.roaming, 0, k.iv));
        }
    }
}

TEST_F(Candidates, NoMatchEmptiesThePreviousList) {
    set_switch_on(2, 14, 9, 45);
    g_app.candidate_count = 7;
    const int known[6] = {31, 0, 31, 0, 31, 0};
    set_ivs(known);
    g_app.frame_limit = 0;
    search_candidate_seeds();
    EXPECT_EQ(g_app.candidate_count, 0);
    if (!kSanitized) {
        EXPECT_TRUE(reference::candidates(2, 14, 9, 45, 0, false, 0, known).empty());
    }
}

// A state whose every output gives IV 7 matches at every frame: the list
// stops at twenty, later matches are dropped, and the walk still ends safely.
TEST_F(Candidates, ListHoldsTwentyInLoopOrder) {
    uint32_t word = 0;
    while (full_temper(word) >> 27 != 7) ++word;
    struct {
        int start_count;
        int32_t limit;
        bool roaming;
        size_t from_r2, from_r3;
    } const cases[] = {{0, 616, false, 20, 0}, {0, 9999, true, 20, 0}, {0, 5, false, 6, 6}, {18, 0, false, 1, 1},
                       {19, 3, true, 1, 0}, {20, 3, false, 0, 0}};
    for (const auto& k : cases) {
        for (uint32_t& w : g_app.mt) w = word;
        const int sevens[6] = {7, 7, 7, 7, 7, 7};
        set_ivs(sevens);
        g_app.frame_limit = k.limit;
        g_app.roaming = k.roaming;
        g_app.candidate_count = k.start_count;
        for (int n = 0; n < k.start_count; ++n) g_app.candidate_seeds[n] = 0x11111111u;
        collect_candidate_matches(0x22222222u);
        collect_candidate_matches(0x33333333u);
        std::vector<uint32_t> want(static_cast<size_t>(k.start_count), 0x11111111u);
        want.insert(want.end(), k.from_r2, 0x22222222u);
        want.insert(want.end(), k.from_r3, 0x33333333u);
        EXPECT_EQ(found(), want) << "start " << k.start_count << " limit " << k.limit;
    }
}

}  // namespace
