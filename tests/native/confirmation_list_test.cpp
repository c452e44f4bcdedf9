// The seed confirmation list: zure.txt byte for byte against an independent
// MT19937 and stat formula, its range ends, its frame limits, and when the
// file is (not) handed to the viewer.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "tests/native/temp_dir.h"
#include "data/natures.h"
#include "data/stat_formula.h"
#include "tools/confirmation_list.h"

namespace {

namespace fs = std::filesystem;

const std::string kHeader = "raw\x8f\x89\x8a\xfa" "seed,H,A,B,C,D,S\r\n";

struct ListInputs {
    uint32_t target;
    int32_t frame;
    int32_t level;
    bool roaming;
    int32_t mac;
    std::array<int32_t, 6> base;  // H, A, B, C, D, S
};

// IvSet of a frame read straight from the standard library's MT19937 seeded
// with raw + MacOffset: normal order outputs c+2..c+7 as H,A,B,C,D,S; roaming
// c+3..c+8 as H,A,B,D,S,C.
std::array<int32_t, 6> reference_ivs(uint32_t raw, int32_t mac, int32_t frame, bool roaming) {
    std::mt19937 mt(raw + static_cast<uint32_t>(mac));
    std::vector<int32_t> iv(static_cast<size_t>(frame) + 9);
    for (auto& v : iv) v = static_cast<int32_t>(static_cast<uint32_t>(mt()) >> 27);
    const size_t c = static_cast<size_t>(frame);
    if (!roaming) return {iv[c + 2], iv[c + 3], iv[c + 4], iv[c + 5], iv[c + 6], iv[c + 7]};
    return {iv[c + 3], iv[c + 4], iv[c + 5], iv[c + 8], iv[c + 6], iv[c + 7]};
}

// Stats of the game's formula for sensible inputs (no overflow).
std::array<int64_t, 6> reference_stats(const std::array<int32_t, 6>& iv, const std::array<int32_t, 6>& base,
                                       int32_t level) {
    std::array<int64_t, 6> st;
    for (int i = 0; i < 6; ++i) {
        const int64_t q = (int64_t{iv[i]} + 2 * int64_t{base[i]}) * level / 100;
        st[i] = i == 0 ? q + level + 10 : q + 5;
    }
    return st;
}

std::string seed_text(uint32_t s) {
    char t[16];
    std::snprintf(t, sizeof t, "%08X", s);
    return t;
}

std::string stat_line(uint32_t s, const std::array<int64_t, 6>& st) {
    std::string line = seed_text(s);
    for (int64_t v : st) {
        line += ',';
        line += std::to_string(v);
    }
    return line + "\r\n";
}

std::string expected_list(const ListInputs& in) {
    std::string text = kHeader;
    const uint32_t first = in.target - 16;
    const uint32_t last = in.target + 16;
    if (first > last) return text;
    for (uint64_t s = first; s <= last; ++s) {
        const uint32_t raw = static_cast<uint32_t>(s);
        text += stat_line(raw, reference_stats(reference_ivs(raw, in.mac, in.frame, in.roaming), in.base, in.level));
    }
    return text;
}

std::string out_of_range_line(int32_t frame, int32_t last) {
    return std::string("\x8f\xc1\x94\xef\x90\x94") + std::to_string(frame) +
           "\x82\xcd\x94\xcd\x88\xcd\x8a\x4f\x82\xc5\x82\xb7(0\x82\xa9\x82\xe7" + std::to_string(last) +
           "\x82\xdc\x82\xc5)\r\n";
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// Runs each test in a fresh working directory; the species sits at index 7 of the table.
class ConfirmationList : public TempDirTest {
protected:
    // Writes the list of a species with the given base stats and returns zure.txt's bytes.
    static std::string run(const ListInputs& in, int32_t nature_entry = 0) {
        SpeciesRecord species{};
        for (int i = 0; i < kStatCount; ++i) species.base[i] = in.base[i];
        write_confirmation_list({in.target, in.frame, in.level, &species, "", nature_entry, in.mac, in.roaming});
        return file_bytes("zure.txt");
    }
};

const std::array<int32_t, 6> kMew = {100, 100, 100, 100, 100, 100};
const std::array<int32_t, 6> kPikachu = {35, 55, 30, 50, 40, 90};
// Base 0 at level 100: every stat shows its IV (H IV + 110, others IV + 5).
const std::array<int32_t, 6> kZero = {0, 0, 0, 0, 0, 0};

TEST(ConfirmationOracle, FormulaGivesTheWorkedExamples) {
    const auto fifty = reference_stats({31, 31, 31, 31, 31, 31}, kMew, 50);
    EXPECT_EQ(fifty[0], 175);
    EXPECT_EQ(fifty[1], 120);
    const auto minus_one = reference_stats({0, 0, 0, 0, 0, 0}, kMew, -1);
    EXPECT_EQ(minus_one[0], 7);
    EXPECT_EQ(minus_one[5], 3);
}

TEST_F(ConfirmationList, FilesMatchIndependentGeneratorByteForByte) {
    const struct {
        const char* what;
        ListInputs in;
        size_t lines;  // header included
        const char* first_seed;
        const char* last_seed;
    } cases[] = {
        {"target 10", {0x10, 0, 50, false, 0, kPikachu}, 34, "00000000", "00000020"},
        {"target F", {0xF, 0, 50, false, 0, kPikachu}, 1, nullptr, nullptr},
        {"empty target reads 0", {0, 3, 50, false, 0, kPikachu}, 1, nullptr, nullptr},
        {"target FFFFFFEF", {0xFFFFFFEFu, 5, 50, false, 0x123456, kPikachu}, 34, "FFFFFFDF", "FFFFFFFF"},
        {"target FFFFFFF0", {0xFFFFFFF0u, 5, 50, false, 0, kPikachu}, 1, nullptr, nullptr},
        {"mid range with MacOffset", {0x1234ABCDu, 12, 37, false, 0xFFFFFF, kPikachu}, 34, "1234ABBD", "1234ABDD"},
        {"normal order, IVs shown", {0x00C0FFEEu, 7, 100, false, 0x0A0B0C, kZero}, 34, "00C0FFDE", "00C0FFFE"},
        {"roaming order, IVs shown", {0x00C0FFEEu, 7, 100, true, 0x0A0B0C, kZero}, 34, "00C0FFDE", "00C0FFFE"},
        {"roaming, level 50", {0x8000000Fu, 30, 50, true, 0x55AA55, kMew}, 34, "7FFFFFFF", "8000001F"},
        {"last normal frame", {0x42u, 616, 100, false, 0, kZero}, 34, "00000032", "00000052"},
        {"last roaming frame", {0x42u, 615, 100, true, 0, kZero}, 34, "00000032", "00000052"},
        {"level 0", {0x99u, 20, 0, false, 0, kMew}, 34, "00000089", "000000A9"},
        {"level -1", {0x99u, 20, -1, true, 0, kMew}, 34, "00000089", "000000A9"},
        {"level 9999, frame 0", {0xDEADBEEFu, 0, 9999, false, 0, {255, 255, 255, 255, 255, 255}}, 34, "DEADBEDF", "DEADBEFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform_log().clear();
        const std::string file = run(c.in);
        EXPECT_EQ(file, expected_list(c.in));
        const auto lines = lines_of(file);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines[0] + "\r\n", kHeader);
        if (c.first_seed) {
            EXPECT_EQ(lines[1].substr(0, 8), c.first_seed);
            EXPECT_EQ(lines.back().substr(0, 8), c.last_seed);
        }
        // the header alone is still a finished list and is shown
        EXPECT_EQ(platform_log().opened, std::vector<std::string>{"zure.txt"});
    }
}

TEST_F(ConfirmationList, LevelZeroGivesTenAndFivesWhateverTheIvs) {
    const std::string file = run({0x10, 3, 0, false, 0, {200, 1, 77, 255, 0, 9}});
    const auto lines = lines_of(file);
    ASSERT_EQ(lines.size(), 34u);
    for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].substr(8), ",10,5,5,5,5,5") << lines[i];
}

// Raw seed and frame (MacOffset 0) at which the given output of the frame
// gives the IV wanted, found with the standard library's generator.
bool find_frame_with_iv(int offset, int32_t iv, uint32_t* seed, int32_t* frame) {
    for (uint32_t s = 0x100; s < 0x200; ++s) {
        std::mt19937 mt(s);
        std::vector<int32_t> out(624);
        for (auto& v : out) v = static_cast<int32_t>(static_cast<uint32_t>(mt()) >> 27);
        for (int32_t k = 0; k + 7 < 624; ++k) {
            if (out[static_cast<size_t>(k + offset)] == iv) {
                *seed = s;
                *frame = k;
                return true;
            }
        }
    }
    return false;
}

TEST_F(ConfirmationList, WorkedStatExamplesOnTheTargetLine) {
    const struct {
        int32_t iv;
        int32_t level;
        int column;  // 1 = H (output c+2), 2 = A (output c+3), 6 = S (output c+7)
        const char* stat;
    } cases[] = {
        {31, 50, 1, "175"}, {31, 50, 2, "120"}, {31, 50, 6, "120"},
        {0, -1, 1, "7"},    {0, -1, 2, "3"},    {0, -1, 6, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "IV " << c.iv << " level " << c.level << " column " << c.column);
        uint32_t seed;
        int32_t frame;
        ASSERT_TRUE(find_frame_with_iv(c.column + 1, c.iv, &seed, &frame));
        const auto lines = lines_of(run({seed, frame, c.level, false, 0, kMew}));
        ASSERT_EQ(lines.size(), 34u);
        const std::string& target_line = lines[17];
        ASSERT_EQ(target_line.substr(0, 8), seed_text(seed));
        std::vector<std::string> fields;
        std::stringstream ss(target_line);
        for (std::string f; std::getline(ss, f, ',');) fields.push_back(f);
        ASSERT_EQ(fields.size(), 7u);
        EXPECT_EQ(fields[static_cast<size_t>(c.column)], c.stat);
    }
}

TEST_F(ConfirmationList, RoamingTakesSpecialAttackFromTheLastOutput) {
    // base 0 at level 100 shows the IVs: H + 110, the others + 5
    const ListInputs normal = {0x20, 4, 100, false, 0, kZero};
    ListInputs roaming = normal;
    roaming.roaming = true;
    const auto n = lines_of(run(normal));
    const auto r = lines_of(run(roaming));
    ASSERT_EQ(n.size(), 34u);
    ASSERT_EQ(r.size(), 34u);
    for (size_t i = 1; i < n.size(); ++i) {
        const uint32_t raw = 0x10 + static_cast<uint32_t>(i) - 1;
        std::mt19937 mt(raw);
        std::vector<int64_t> o(13);
        for (auto& v : o) v = static_cast<uint32_t>(mt()) >> 27;
        const int64_t c = 4;
        EXPECT_EQ(n[i], stat_line(raw, {o[c + 2] + 110, o[c + 3] + 5, o[c + 4] + 5, o[c + 5] + 5, o[c + 6] + 5, o[c + 7] + 5})
                            .substr(0, n[i].size()));
        EXPECT_EQ(r[i], stat_line(raw, {o[c + 3] + 110, o[c + 4] + 5, o[c + 5] + 5, o[c + 8] + 5, o[c + 6] + 5, o[c + 7] + 5})
                            .substr(0, r[i].size()));
    }
}

TEST_F(ConfirmationList, PressingTwiceWritesTheSameFile) {
    const ListInputs in = {0x7777, 9, 42, true, 0x010203, kPikachu};
    const std::string once = run(in);
    const std::string twice = run(in);
    EXPECT_EQ(once, twice);
    EXPECT_EQ(once, expected_list(in));
    EXPECT_EQ(platform_log().opened, (std::vector<std::string>{"zure.txt", "zure.txt"}));
}

TEST_F(ConfirmationList, FramesOutsideTheGeneratorGiveHeaderAndRangeLine) {
    const struct {
        int32_t frame;
        bool roaming;
        int32_t last;
    } cases[] = {
        {-1, false, 616}, {617, false, 616}, {-999, false, 616}, {9999, false, 616},
        {616, true, 615}, {-1, true, 615},   {9999, true, 615},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "frame " << c.frame << (c.roaming ? " roaming" : ""));
        platform_log().clear();
        // the target range alone would give 33 lines
        EXPECT_EQ(run({0x1000, c.frame, 50, c.roaming, 0, kMew}), kHeader + out_of_range_line(c.frame, c.last));
        EXPECT_EQ(platform_log().opened, std::vector<std::string>{"zure.txt"});
    }
}

TEST_F(ConfirmationList, ExtremeBaseStatsWrapIn32BitsWithoutUndefinedBehaviour) {
    const struct {
        int32_t base;
        int32_t level;
    } cases[] = {{INT32_MAX, 9999}, {INT32_MIN, 9999}, {INT32_MAX, -999}, {INT32_MIN, -999}, {1000000, 9999}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "base " << c.base << " level " << c.level);
        const ListInputs in = {0x5000, 2, c.level, false, 0, {c.base, c.base, c.base, c.base, c.base, c.base}};
        const auto lines = lines_of(run(in));
        ASSERT_EQ(lines.size(), 34u);
        // two's complement 32-bit arithmetic, done here in unsigned words
        for (size_t i = 1; i < lines.size(); ++i) {
            const uint32_t raw = 0x5000 - 16 + static_cast<uint32_t>(i) - 1;
            const auto iv = reference_ivs(raw, 0, 2, false);
            std::array<int64_t, 6> st;
            for (int j = 0; j < 6; ++j) {
                const uint32_t t = (static_cast<uint32_t>(iv[j]) + 2u * static_cast<uint32_t>(c.base)) *
                                   static_cast<uint32_t>(c.level);
                const int32_t q = static_cast<int32_t>(t) / 100;
                const uint32_t bonus = j == 0 ? static_cast<uint32_t>(c.level) + 10u : 5u;
                st[j] = static_cast<int32_t>(static_cast<uint32_t>(q) + bonus);
            }
            EXPECT_EQ(lines[i] + "\r\n", stat_line(raw, st));
        }
    }
}

}  // namespace

namespace {

// The natures as the maintained data package gives them, in the game's order.
struct PackageNature {
    const char* name;
    const char* raised;  // "atk", "def", "spa", "spd", "spe"; null for a neutral nature
    const char* lowered;
};
const PackageNature kPackageNatures[kNatureCount] = {
#include "tests/native/natures_pkmn.inc"
};

// Index into H, A, B, C, D, S of a package stat name.
int stat_of(const char* id) {
    const std::string s = id;
    return s == "atk" ? 1 : s == "def" ? 2 : s == "spa" ? 3 : s == "spd" ? 4 : 5;
}

TEST(Natures, RaiseAndLowerWhatTheDataPackageSays) {
    for (int32_t n = 0; n < kNatureCount; ++n) {
        const PackageNature& p = kPackageNatures[n];
        if (p.raised == nullptr) {
            EXPECT_EQ(nature_raised_stat(n), nature_lowered_stat(n)) << p.name;
        } else {
            EXPECT_EQ(nature_raised_stat(n), stat_of(p.raised)) << p.name;
            EXPECT_EQ(nature_lowered_stat(n), stat_of(p.lowered)) << p.name;
        }
    }
}

// Every nature on the target line at a few levels and base stats: the two
// stats it changes by a tenth, truncated; H never.
TEST_F(ConfirmationList, NaturesChangeTheirTwoStatsOnEveryLine) {
    const ListInputs inputs[] = {
        {0xC60C0600u, 5, 50, false, 0, kPikachu},
        {0x10, 0, 100, false, 0x1B2C, kZero},  // base 0 at level 100: the IV shows through
        {0xFFFFFFEFu, 615, 1, true, 0xFFFFFF, kMew},
    };
    for (const ListInputs& in : inputs) {
        const std::vector<std::string> neutral = lines_of(run(in));
        for (int32_t n = 0; n < kNatureCount; ++n) {
            const std::vector<std::string> lines = lines_of(run(in, n + 1));
            ASSERT_EQ(lines.size(), neutral.size());
            for (size_t i = 1; i < lines.size(); ++i) {
                // the neutral line, with the package's two stats changed
                std::vector<int64_t> st;
                std::stringstream fields(neutral[i].substr(9));
                for (std::string v; std::getline(fields, v, ',');) st.push_back(std::stoll(v));
                const PackageNature& p = kPackageNatures[n];
                if (p.raised) {
                    st[static_cast<size_t>(stat_of(p.raised))] = st[static_cast<size_t>(stat_of(p.raised))] * 110 / 100;
                    st[static_cast<size_t>(stat_of(p.lowered))] = st[static_cast<size_t>(stat_of(p.lowered))] * 90 / 100;
                }
                const uint32_t raw = static_cast<uint32_t>(std::stoul(neutral[i].substr(0, 8), nullptr, 16));
                ASSERT_EQ(lines[i] + "\r\n", stat_line(raw, {st[0], st[1], st[2], st[3], st[4], st[5]})) << p.name;
            }
        }
    }
}

TEST_F(ConfirmationList, WorkedExampleWithANature) {
    // Pikachu, level 50, frame 5, target C60C0600: neutral 107,68,36,55,50,106;
    // いじっぱり raises attack (74.8 shows as 74) and lowers special attack (49.5 as 49)
    const ListInputs pikachu = {0xC60C0600u, 5, 50, false, 0, kPikachu};
    EXPECT_EQ(lines_of(run(pikachu))[17], "C60C0600,107,68,36,55,50,106");
    EXPECT_EQ(lines_of(run(pikachu, 4))[17], "C60C0600,107,74,36,49,50,106");
}

TEST_F(ConfirmationList, UnknownOrEmptyNameIsSaidInsteadOfStats) {
    static SpeciesRecord table[kSpeciesCount];
    std::snprintf(table[0].name, 256, "%s", "\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45");
    for (int i = 1; i < kSpeciesCount; ++i) std::snprintf(table[i].name, 256, "%s", "");
    const struct {
        const char* typed;
        std::string line;
    } cases[] = {
        {"XYZ", "\x83|\x83P\x83\x82\x83\x93\x96\xBC\x81uXYZ\x81v\x82\xCDpokemon.dat\x82\xC9\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1"},
        {"", "\x83|\x83P\x83\x82\x83\x93\x96\xBC\x81u\x81v\x82\xCDpokemon.dat\x82\xC9\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1"},
    };
    for (const auto& c : cases) {
        write_confirmation_list(read_confirmation_inputs({c.typed, "0", "50", "1000", 0}, table, {}));
        EXPECT_EQ(file_bytes("zure.txt"), kHeader + c.line + "\r\n") << c.typed;
        EXPECT_EQ(platform_log().opened.back(), "zure.txt");
    }
}

}  // namespace
