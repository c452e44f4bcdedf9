// The initial seed candidate search: where its raw seeds come from, the
// twenty-entry cap, repeated frames, and a whole-window model cross-check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/native/reference.h"
#include "tests/native/temp_dir.h"
#include "tools/candidates.h"

namespace {

// The sanitized build skips the slow whole-window model comparisons.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

using Candidates = TempDirTest;

std::vector<uint32_t> found() {
    return std::vector<uint32_t>(g_app.candidates.seeds, g_app.candidates.seeds + g_app.candidates.count);
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
        for (int i = 0; i < kStatCount; ++i) g_app.known_ivs[i] = f.iv[i];
        g_app.last_frame = k.frame;
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
        for (int i = 0; i < kStatCount; ++i) g_app.known_ivs[i] = k.iv[i];
        g_app.last_frame = k.limit;
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

// Stored values the window would have clamped: only month x day + minute
// modulo 256 decides the top bytes, with no overflow on the way.
TEST_F(Candidates, UnclampedSwitchOnValuesGiveTheirLowByte) {
    const int known[6] = {17, 12, 18, 12, 4, 0};  // raw seed 20070463 at frame 8
    for (int i = 0; i < kStatCount; ++i) g_app.known_ivs[i] = known[i];
    g_app.last_frame = 8;
    set_switch_on(4, 5, 7, 6);  // 26: second 6 gives top byte 0x20
    search_candidate_seeds();
    const std::vector<uint32_t> want = found();
    ASSERT_FALSE(want.empty());
    // 0x7FFFFFFF x 2 + 0x7FFFFFFF is 0x7FFFFFFD modulo 2^32: top bytes 0xFD, 0xFE, .., 0x20 at second 35
    set_switch_on(INT32_MAX, 2, 7, INT32_MAX);
    search_candidate_seeds();
    EXPECT_EQ(found(), want);
    // low byte 0x21: the top bytes 0x21..0x5C pass 0x20 by
    set_switch_on(INT32_MAX, 2, 7, INT32_MAX - 0xDC);
    search_candidate_seeds();
    EXPECT_TRUE(found().empty());
}

TEST_F(Candidates, NoMatchEmptiesThePreviousList) {
    set_switch_on(2, 14, 9, 45);
    g_app.candidates.count = 7;
    const int known[6] = {31, 0, 31, 0, 31, 0};
    for (int i = 0; i < kStatCount; ++i) g_app.known_ivs[i] = known[i];
    g_app.last_frame = 0;
    search_candidate_seeds();
    EXPECT_EQ(g_app.candidates.count, 0);
    if (!kSanitized) {
        EXPECT_TRUE(reference::candidates(2, 14, 9, 45, 0, false, 0, known).empty());
    }
}

// The list keeps the first twenty seeds found, in the order found (a seed once
// per matching frame); later ones are dropped and the search may stop.
TEST_F(Candidates, ListHoldsTwentyInLoopOrder) {
    struct {
        int start_count;
        size_t found_r2, found_r3;  // matching frames of two raw seeds found one after the other
        size_t kept_r2, kept_r3;
    } const cases[] = {{0, 617, 0, 20, 0}, {0, 616, 616, 20, 0}, {0, 6, 6, 6, 6}, {18, 1, 1, 1, 1},
                       {19, 4, 4, 1, 0}, {20, 4, 0, 0, 0}};
    for (const auto& k : cases) {
        g_app.candidates.count = k.start_count;
        for (int n = 0; n < k.start_count; ++n) g_app.candidates.seeds[n] = 0x11111111u;
        bool room = k.start_count < kMaxCandidates;
        for (size_t n = 0; n < k.found_r2; ++n) room = add_candidate(&g_app.candidates, 0x22222222u);
        for (size_t n = 0; n < k.found_r3; ++n) room = add_candidate(&g_app.candidates, 0x33333333u);
        std::vector<uint32_t> want(static_cast<size_t>(k.start_count), 0x11111111u);
        want.insert(want.end(), k.kept_r2, 0x22222222u);
        want.insert(want.end(), k.kept_r3, 0x33333333u);
        EXPECT_EQ(found(), want) << "start " << k.start_count;
        EXPECT_EQ(room, want.size() < static_cast<size_t>(kMaxCandidates)) << "start " << k.start_count;
    }
}

}  // namespace
