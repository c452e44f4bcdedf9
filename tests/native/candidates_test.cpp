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

std::vector<uint32_t> seeds_of(const CandidateList& list) {
    return std::vector<uint32_t>(list.seeds, list.seeds + list.count);
}

// A search for exactly these IVs at frames 0..last_frame.
CandidateInputs inputs(int month, int day, int hour, int minute, const int* ivs, int last_frame, bool roaming = false,
                       uint32_t mac = 0) {
    CandidateInputs in{month, day, hour, minute, {}, last_frame, static_cast<int32_t>(mac), roaming, {}};
    for (int i = 0; i < kStatCount; ++i) in.match.allowed[i] = uint32_t{1} << ivs[i];
    return in;
}

std::vector<uint32_t> found(int month, int day, int hour, int minute, const int* ivs, int last_frame,
                            bool roaming = false, uint32_t mac = 0) {
    return seeds_of(search_candidate_seeds(inputs(month, day, hour, minute, ivs, last_frame, roaming, mac)));
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
        const reference::Frame f = reference::frame_ivs(reference::output_ivs(k.raw, k.mac), k.frame, k.roaming);
        // six equal IVs at one of a few frames of 199,740 seeds: no other seed matches by chance
        EXPECT_EQ(found(k.month, k.day, k.hour, k.minute, f.iv, k.frame, k.roaming, k.mac),
                  std::vector<uint32_t>{k.raw})
            << k.what;
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
        const std::vector<uint32_t> got = found(4, 5, 7, 6, k.iv, k.limit, k.roaming);
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
    // 26: second 6 gives top byte 0x20
    const std::vector<uint32_t> want = found(4, 5, 7, 6, known, 8);
    ASSERT_FALSE(want.empty());
    // 0x7FFFFFFF x 2 + 0x7FFFFFFF is 0x7FFFFFFD modulo 2^32: top bytes 0xFD, 0xFE, .., 0x20 at second 35
    EXPECT_EQ(found(INT32_MAX, 2, 7, INT32_MAX, known, 8), want);
    // low byte 0x21: the top bytes 0x21..0x5C pass 0x20 by
    EXPECT_TRUE(found(INT32_MAX, 2, 7, INT32_MAX - 0xDC, known, 8).empty());
}

TEST_F(Candidates, NoMatchGivesAnEmptySearchedList) {
    const int known[6] = {31, 0, 31, 0, 31, 0};
    const CandidateList list = search_candidate_seeds(inputs(2, 14, 9, 45, known, 0));
    EXPECT_EQ(list.count, 0);
    EXPECT_TRUE(list.searched);
    if (!kSanitized) {
        EXPECT_TRUE(reference::candidates(2, 14, 9, 45, 0, false, 0, known).empty());
    }
}

// The list keeps the first twenty seeds found, in loop order (second, then low
// value), a seed once per matching frame; later ones are dropped.
TEST_F(Candidates, ListHoldsTwentyInLoopOrder) {
    for (const int last_frame : {0, 5, 6, 19, 20, 616}) {
        CandidateInputs every{1, 2, 3, 4, {}, last_frame, 0, false, {}};  // top byte 1 x 2 + 4 + second
        for (uint32_t& allowed : every.match.allowed) allowed = ~uint32_t{0};
        std::vector<uint32_t> want;
        for (uint32_t low = 0x300; want.size() < static_cast<size_t>(kMaxCandidates); ++low)
            for (int f = 0; f <= last_frame && want.size() < static_cast<size_t>(kMaxCandidates); ++f)
                want.push_back(0x06030000u | low);
        EXPECT_EQ(seeds_of(search_candidate_seeds(every)), want) << "last frame " << last_frame;
    }
}

}  // namespace
