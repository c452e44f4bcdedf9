// Possible IVs from the window's fields: the published vector, every message, brute force; the characteristics.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <ranges>
#include <vector>

#include "data/characteristics.h"
#include "data/natures.h"
#include "data/stat_formula.h"
#include "rng/hidden_power.h"
#include "tools/possible_ivs.h"

namespace {

// Nature n is allowed and gives stat s of every counted row from IV v.
bool gives(const StatsQuery& q, Stat s, int32_t v, int32_t n) {
    for (const StatRow& row : std::span(q.rows, static_cast<size_t>(q.row_count)))
        if (row.typed[s] && stat_with_nature(neutral_stat(s, q.base[s], v, row.level), s, n) != row.stat[s]) return false;
    return q.nature < 0 || n == q.nature;
}

bool reference_fits(const StatsQuery& q, const IvSet& v) {
    const int32_t k = q.characteristic, top = k < 0 ? 0 : characteristic_stat(k);
    const bool nature = std::ranges::any_of(std::views::iota(0, kNatureCount), [&](int32_t n) {
        return std::ranges::all_of(std::views::iota(0, kStatCount), [&](int32_t s) { return gives(q, Stat(s), v.iv[s], n); });
    });
    const bool highest = k < 0 || (std::ranges::max(v.iv) == v.iv[top] && v.iv[top] % 5 == characteristic_remainder(k));
    return nature && highest &&
           (q.hp_type < 0 || hidden_power_type_of_bits(hidden_power_bits<0>(v.iv[kH], v.iv[kA], v.iv[kB], v.iv[kS], v.iv[kC], v.iv[kD])) == q.hp_type);
}

using Row = std::vector<const char*>;  // the fields level, H, A, B, C, D, S; missing ones empty

// The seven texts, "|" between, that the window shows for its fields.
std::string shown(const char* name, const SpeciesRecord* found, std::vector<Row> rows, int32_t n, int32_t k, int32_t t) {
    StatsTexts fields{name, {}, {}, n, k, t};
    for (size_t r = 0; r < kStatRows; ++r)
        for (size_t f = 0; f <= kStatCount; ++f)
            (f ? fields.stat[r][f - 1] : fields.level[r]) = r < rows.size() && f < rows[r].size() ? rows[r][f] : "";
    StatsQuery q = read_stats_query(fields);
    set_query_species(&q, found);
    const PossibleIvsTexts texts = possible_ivs_texts(q, possible_ivs(q));
    std::string joined;
    for (const char* text : texts.ivs) joined += std::string(text) + "|";
    return joined + texts.status;
}

}  // namespace

// Level 6 アチャモ, のんき (entry 8), かんがえごとが　おおい (24), くさ (11); then the
// characteristics' CP932 bytes, stat and remainder, one row of each stat's five.
TEST(PossibleIvs, WindowTextsAndCharacteristics) {
    const SpeciesRecord torchic = {{45, 60, 40, 70, 50, 45}, "アチャモ"}, shedinja = {{1, 90, 45, 30, 30, 40}, "ヌケニン"};
    const Row v = {"6", "22", "12", "12", "15", "11", "9"};
    const std::string odd_d_s = "1,3,5,7,9,11,13,15|1,3,5,7,9,11,13,15,17,19,21,23,25|";
    const std::string none = "なし|なし|なし|なし|なし|なし|当てはまる個体値がありません", no_stats = "||||||レベルと実数値を入れて下さい";
    EXPECT_EQ(shown("アチャモ", &torchic, {v}, 8, 0, 0), "10-26|0-13|20-31|27-31|0-16|0-26|");
    EXPECT_EQ(shown("アチャモ", &torchic, {v}, 8, 24, 0), "10-26|0-13|20-28|28|0-16|0-26|");
    EXPECT_EQ(shown("アチャモ", &torchic, {v}, 8, 0, 11), "10-26|0-13|20-31|28,30|" + odd_d_s);
    EXPECT_EQ(shown("アチャモ", &torchic, {v}, 0, 24, 11), "10-26|0-13|20-28|28|" + odd_d_s);  // only のんき fits
    EXPECT_EQ(shown("ヌケニン", &shedinja, {{"50", "1"}}, 0, 0, 0), "0-31|0-31|0-31|0-31|0-31|0-31|");
    EXPECT_EQ(shown("ヌケニン", &shedinja, {{"50", "2"}}, 0, 0, 0), none);
    EXPECT_EQ(shown("aアチャモアチャモ", nullptr, {{"0"}}, 0, 0, 0), "||||||ポケモン名「aアチャモ」はpokemon.datにありません");
    EXPECT_EQ(shown("", &torchic, {v}, 0, 0, 0), "||||||ポケモン名「」はpokemon.datにありません");
    EXPECT_EQ(shown("アチャモ", &torchic, {{"0"}}, 0, 0, 0), "||||||レベルは1から100で入れて下さい");
    EXPECT_EQ(shown("アチャモ", &torchic, {v, {}, {"101"}}, 0, 0, 0), "||||||レベルは1から100で入れて下さい");
    EXPECT_EQ(shown("アチャモ", &torchic, {}, 0, 0, 0), no_stats);
    EXPECT_EQ(shown("アチャモ", &torchic, {{"6"}, {"", "22", "12", "12", "15", "11", "9"}}, 0, 0, 0), no_stats);
    const struct { int32_t k; std::string text; Stat stat; int32_t remainder; } characteristics[] = {
        {0, "\x82\xbd\x82\xd7\x82\xe9\x82\xcc\x82\xaa\x81\x40\x82\xbe\x82\xa2\x82\xb7\x82\xab", kH, 0},
        {8, "\x83\x50\x83\x93\x83\x4a\x82\xf0\x81\x40\x82\xb7\x82\xe9\x82\xcc\x82\xaa\x81\x40\x82\xb7\x82\xab", kA, 3},
        {13, "\x82\xb5\x82\xf1\x82\xda\x82\xa4\x81\x40\x82\xc3\x82\xe6\x82\xa2", kB, 3},
        {17, "\x82\xa8\x82\xc1\x82\xbf\x82\xe5\x82\xb1\x82\xbf\x82\xe5\x82\xa2", kS, 2},
        {23, "\x82\xa9\x82\xf1\x82\xaa\x82\xa6\x82\xb2\x82\xc6\x82\xaa\x81\x40\x82\xa8\x82\xa8\x82\xa2", kC, 3},
        {29, "\x82\xbf\x82\xe5\x82\xc1\x82\xd2\x82\xe8\x81\x40\x82\xb2\x82\xa4\x82\xb6\x82\xe5\x82\xa4", kD, 4},
    };
    for (const auto& [k, text, stat, r] : characteristics)
        EXPECT_TRUE(characteristic_text(k) == text && characteristic_stat(k) == stat && characteristic_remainder(k) == r) << k;
}

// Random cases, each selection unknown, true or random; when few, every IvSet whose IVs give their stats under an
// allowed nature (every fitting one among them): fits agrees with the reference, the masks are their union.
TEST(PossibleIvs, EqualBruteForceOnRandomCases) {
    std::mt19937 rng(2011);
    auto pick = [&](int n) { return static_cast<int32_t>(rng() % static_cast<uint32_t>(n)); };
    auto choose = [&](int truth, int count) { return pick(3) == 0 ? -1 : pick(2) ? truth : pick(count); };
    for (int checked = 0; checked < 300;) {
        StatsQuery q{{"x"}, true, {}, 1 + pick(kStatRows), {}, -1, -1, -1};
        IvSet truth;
        for (int s = 0; s < kStatCount; ++s) q.base[s] = pick(8) ? 1 + pick(160) : 1, truth.iv[s] = pick(32);
        q.nature = pick(kNatureCount);  // the truth's, then chosen below
        for (StatRow& row : std::span(q.rows, static_cast<size_t>(q.row_count))) {
            row.level = 1 + pick(kMaxLevel);
            for (Stat s = kH; s < kStatCount; s = Stat(s + 1)) {
                row.typed[s] = pick(4) != 0 || (&row == q.rows && s == kH);
                row.stat[s] = stat_with_nature(neutral_stat(s, q.base[s], truth.iv[s], row.level), s, q.nature);
            }
        }
        for (q.characteristic = 0; !reference_fits(q, truth);) ++q.characteristic;  // one the truth shows
        q.characteristic = choose(q.characteristic, kCharacteristicCount);
        q.nature = choose(q.nature, kNatureCount);
        q.hp_type = choose(hidden_power_type_of(truth), kHiddenPowerTypes);
        std::vector<int32_t> box[kStatCount];
        int64_t volume = 1;
        for (int s = 0; s < kStatCount; volume *= std::ssize(box[s++]))
            for (int32_t v = 0; v <= kMaxIv; ++v)
                for (int32_t n = 0; n < kNatureCount && (box[s].empty() || box[s].back() != v); ++n)
                    if (gives(q, Stat(s), v, n)) box[s].push_back(v);
        if (volume > (1 << 15)) continue;
        uint32_t masks[kStatCount] = {};
        for (int64_t i = 0; i < volume; ++i) {
            IvSet v;
            for (int64_t s = 0, rest = i; s < kStatCount; rest /= std::ssize(box[s]), ++s)
                v.iv[s] = box[s][rest % std::ssize(box[s])];
            const bool ok = reference_fits(q, v);
            ASSERT_EQ(fits(q, v), ok) << "case " << checked;
            for (int s = 0; s < kStatCount && ok; ++s) masks[s] |= 1u << v.iv[s];
        }
        EXPECT_EQ(possible_ivs(q).status, masks[kH] ? kIvsFound : kNoIvSetFits);
        for (int s = 0; s < kStatCount; ++s) EXPECT_EQ(possible_ivs(q).mask[s], masks[s]) << "case " << checked << " stat " << s;
        ++checked;
    }
}
