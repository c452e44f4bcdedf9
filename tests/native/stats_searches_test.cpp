// The candidate search and the hit search with the IvSets that fit a query:
// exactly the reference model's seeds and frames, filtered by the fitting
// test, in the searches' own order (the hit search closest first, its low
// values wrapping past FFFF), on every kernel.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "engine/scan_settings.h"
#include "rng/hidden_power.h"
#include "tests/native/reference.h"
#include "tests/native/temp_dir.h"
#include "tools/candidates.h"
#include "tools/hit_search.h"
#include "data/stat_formula.h"
#include "tools/possible_ivs.h"

namespace {

using StatsSearches = TempDirTest;

IvSet iv_set_of(const reference::Frame& f) {
    IvSet v;
    for (int s = 0; s < kStatCount; ++s) v.iv[s] = f.iv[s];
    return v;
}

// A query whose rows say little (level 5: each stat allows several IVs), with
// the characteristic and Hidden Power type of a true IvSet, so that the masks
// pass many frames the fitting test then drops.
StatsQuery loose_query(const IvSet& truth, std::mt19937& pick) {
    StatsQuery q{};
    q.species_found = true;
    for (int32_t& b : q.base) b = 40 + static_cast<int32_t>(pick() % 60);
    q.row_count = 1;
    q.rows[0].level = 5;
    for (int s = 0; s < kStatCount; ++s) {
        q.rows[0].typed[s] = true;
        q.rows[0].stat[s] = neutral_stat(static_cast<Stat>(s), q.base[s], truth.iv[s], 5);
    }
    q.nature = 12;  // まじめ: no change
    int top = 0;
    for (int s = 1; s < kStatCount; ++s) top = truth.iv[s] > truth.iv[top] ? s : top;
    const Stat order[kStatCount] = {kH, kA, kB, kS, kC, kD};  // the characteristics' order
    q.characteristic = static_cast<int32_t>(std::find(order, order + kStatCount, top) - order) * 5 + truth.iv[top] % 5;
    q.hp_type = hidden_power_type_of(truth);
    return q;
}

TEST_F(StatsSearches, CandidatesAndHitsAreTheReferenceFramesThatFit) {
    std::mt19937 pick(20261209u);
    for (const ScanKernel kernel : {kKernelAutomatic, kKernelSse2}) {
        for (int trial = 0; trial < 3; ++trial) {
            SCOPED_TRACE(testing::Message() << "kernel " << kernel << " trial " << trial);
            g_scan_settings = {kernel, trial == 0 ? 1 : 0};
            const uint32_t mac = pick() & 0xFFFFFFu;
            const int last_frame = 3;
            // the true seed: switch-on 3/4 5:06, second 7, low value near the window's top
            const uint32_t target = ((3u * 4 + 6 + 7) << 24) | (5u << 16) | (0xFFFEu - static_cast<uint32_t>(trial));
            const std::vector<int> o = reference::output_ivs(target, mac);
            const StatsQuery q = loose_query(iv_set_of(reference::frame_ivs(o, 1, false)), pick);
            const PossibleIvs ivs = possible_ivs(q);
            ASSERT_EQ(ivs.status, kIvsFound);

            // around the target: second offsets to ±1, low offsets to ±4 (wrapping past FFFF)
            FrameMatch match{{}, fits_query, &q};
            std::copy(ivs.mask, ivs.mask + kStatCount, match.allowed);
            const HitSearchInputs in{target, 4, 1, last_frame, static_cast<int32_t>(mac), false, match, g_scan_settings};
            std::vector<Hit> want;
            const int closest_first[] = {0, -1, 1, -2, 2, -3, 3, -4, 4};
            for (int sr = 0; sr <= 2; ++sr) {
                for (int dr = 0; dr <= 8; ++dr) {
                    const int s = closest_first[sr], d = closest_first[dr];
                    const uint32_t raw = (((target >> 24) + static_cast<uint32_t>(s)) & 0xFFu) << 24 |
                                         (target & 0xFF0000u) | ((target + static_cast<uint32_t>(d)) & 0xFFFFu);
                    const std::vector<int> w = reference::output_ivs(raw, mac);
                    for (int f = 0; f <= last_frame; ++f)
                        if (fits(q, iv_set_of(reference::frame_ivs(w, f, false)))) want.push_back({raw, d, s, f});
                }
            }
            const std::vector<Hit> got = search_hits(in);
            ASSERT_EQ(got.size(), want.size());
            ASSERT_FALSE(got.empty());  // the true seed at least
            for (size_t i = 0; i < got.size(); ++i) {
                EXPECT_EQ(got[i].raw_seed, want[i].raw_seed) << i;
                EXPECT_EQ(got[i].low_offset, want[i].low_offset) << i;
                EXPECT_EQ(got[i].second_offset, want[i].second_offset) << i;
                EXPECT_EQ(got[i].frame, want[i].frame) << i;
            }

            // the candidate window of 3/4 5:06 at frames 0..1, the first twenty that fit
            const CandidateInputs c{3, 4, 5, 6, match, 1, static_cast<int32_t>(mac), false, g_scan_settings};
            std::vector<uint32_t> listed;
            for (int sec = 0; sec < 60 && listed.size() < 20; ++sec) {
                for (uint32_t low = 0x300; low <= 0x1000 && listed.size() < 20; ++low) {
                    const uint32_t raw = ((3u * 4 + 6 + static_cast<uint32_t>(sec)) & 0xFFu) << 24 | 5u << 16 | low;
                    const std::vector<int> w = reference::output_ivs(raw, mac, 12);
                    for (int f = 0; f <= 1 && listed.size() < 20; ++f)
                        if (fits(q, iv_set_of(reference::frame_ivs(w, f, false)))) listed.push_back(raw);
                }
            }
            const CandidateList found = search_candidate_seeds(c);
            EXPECT_EQ(std::vector<uint32_t>(found.seeds, found.seeds + found.count), listed);
        }
    }
}

TEST(HitLines, OffsetsRangesAndText) {
    char line[256];
    format_hit_line({0xC60C0603u, 3, 0, 21}, line);
    EXPECT_STREQ(line, "C60C0603 下位+3 秒+0 消費21");
    format_hit_line({0x0000FFFFu, -1000, -10, 0}, line);
    EXPECT_STREQ(line, "0000FFFF 下位-1000 秒-10 消費0");
    const struct {
        HitSearchTexts typed;  // target, low range, second range, last frame
        uint32_t target;
        int32_t low_range, second_range, last_frame;
    } fields[] = {
        {{"C60C0600", "100", "1", "20"}, 0xC60C0600u, 100, 1, 20},
        {{"", "", "", ""}, 0, 0, 0, 0},
        {{"-1", "-5", "-5", "-7"}, 0xFFFFFFFFu, 0, 0, 0},
        {{"123456789", "12345", "11", "99999"}, 0xFFFFFFFFu, 1000, 10, 9999},  // ranges take 4 characters
        {{"0x1f", "3x", "3x", "3x"}, 0x1F, 3, 3, 3},
    };
    for (const auto& f : fields) {
        const HitSearchInputs in = read_hit_search_inputs(f.typed, {7, true});
        EXPECT_EQ(in.target_seed, f.target) << f.typed.target_seed;
        EXPECT_EQ((std::vector<int32_t>{in.low_range, in.second_range, in.last_frame, in.mac_offset}),
                  (std::vector<int32_t>{f.low_range, f.second_range, f.last_frame, 7}));
    }
}

}  // namespace
