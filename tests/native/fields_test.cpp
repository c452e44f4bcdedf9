// Every command's fields, as the window hands them over, to the values it
// stores: the byte limit of each field, the number conversions and the clamps.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/config.h"
#include "core/fields.h"
#include "tests/native/temp_dir.h"
#include "tools/candidates.h"
#include "tools/confirmation_list.h"
#include "tools/frame_list.h"
#include "tools/seed_search.h"

namespace {

using Fields = TempDirTest;

std::vector<int32_t> ivs(const int32_t* v) { return std::vector<int32_t>(v, v + kStatCount); }

TEST_F(Fields, CutNeverSplitsADoubleByteCharacter) {
    const struct {
        const char* text;
        size_t chars;
        const char* kept;
    } cases[] = {
        {"1FF", 2, "1F"},
        {"\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45\x83\x41", 10, "\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45"},
        {"A\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45", 10, "A\x83\x73\x83\x4a\x83\x60\x83\x85"},  // no half character
        {"\xe0\x40X", 1, ""},
        {"\x81", 2, "\x81"},  // a lone lead byte at the end is one byte
        {"", 4, ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(take_field(c.text, c.chars).text, c.kept) << c.text;
}

TEST_F(Fields, SeedSearchClampsWhatItReads) {
    const struct {
        SeedSearchTexts typed;
        std::vector<int32_t> ivs;
        int32_t low_min, low_max, last_frame, type_filter, min_power;
    } cases[] = {
        {{{"31", "31", "31", "0", "31", "31"}, "600", "1000", "30", 0, "30"}, {31, 31, 31, 0, 31, 31}, 0x600, 0x1000, 30, -1, 30},
        {{{"99", "-4", "", "x", "1234", "31"}, "0x10", "FFFF", "1000", 16, "71"}, {31, 0, 0, 0, 31, 31}, 0x10, 0xFFFF, 616, 15, 70},
        {{{"0", "0", "0", "0", "0", "0"}, "10000", "-1", "-5", 1, "29"}, {0, 0, 0, 0, 0, 0}, 0x1000, 0, 0, 0, 30},
    };
    for (const auto& c : cases) {
        const SeedSearchInputs in = read_seed_search_inputs(c.typed, {0x123456, true});
        EXPECT_EQ(ivs(in.iv_minimums), c.ivs);
        EXPECT_EQ((std::vector<int32_t>{in.low_min, in.low_max, in.last_frame, in.hp_type_filter, in.hp_min_power}),
                  (std::vector<int32_t>{c.low_min, c.low_max, c.last_frame, c.type_filter, c.min_power}));
        EXPECT_TRUE(in.mac_offset == 0x123456 && in.roaming);
    }
}

TEST_F(Fields, FrameListClampsWhatItReads) {
    const struct {
        FrameListTexts typed;
        uint32_t seed;
        int32_t frame_count, min_power;
    } cases[] = {
        {{"c60c0600", {"0", "0", "0", "0", "0", "0"}, 0, "30", "100"}, 0xC60C0600u, 100, 30},
        {{"123456789", {"0", "0", "0", "0", "0", "0"}, 0, "7", "-3"}, 0x12345678u, 0, 30},  // eight digits taken
        {{"-1", {"0", "0", "0", "0", "0", "0"}, 0, "100", "99999"}, 0xFFFFFFFFu, 9999, 70},
        {{"", {"0", "0", "0", "0", "0", "0"}, 0, "", ""}, 0u, 0, 30},
    };
    for (const auto& c : cases) {
        const FrameListInputs in = read_frame_list_inputs(c.typed, {});
        EXPECT_EQ(in.raw_seed, c.seed);
        EXPECT_EQ(in.frame_count, c.frame_count);
        EXPECT_EQ(in.hp_min_power, c.min_power);
    }
}

TEST_F(Fields, CandidatesClampTheSwitchOnTime) {
    const struct {
        CandidateTexts typed;
        int32_t month, day, hour, minute, last_frame;
    } cases[] = {
        {{{"9", "12", "12", "55"}, {"31", "", "", "", "", ""}, "20"}, 9, 12, 12, 55, 20},
        {{{"", "", "", ""}, {"", "", "", "", "", ""}, ""}, 1, 1, 0, 0, 0},
        {{{"1234", "99", "25", "60"}, {"", "", "", "", "", ""}, "-7"}, 12, 31, 24, 59, 0},  // month takes 3 characters
        {{{"-3", "0", "-1", "-9"}, {"", "", "", "", "", ""}, "99999"}, 1, 1, 0, 0, 9999},
    };
    for (const auto& c : cases) {
        const CandidateInputs in = read_candidate_inputs(c.typed, {});
        EXPECT_EQ((std::vector<int32_t>{in.switch_on_month, in.switch_on_day, in.switch_on_hour, in.switch_on_minute,
                                        in.last_frame}),
                  (std::vector<int32_t>{c.month, c.day, c.hour, c.minute, c.last_frame}));
    }
}

TEST_F(Fields, ConfirmationTakesFramesAndLevelAsTyped) {
    static SpeciesRecord table[kSpeciesCount];
    std::string names[3] = {"\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45", "\x83\x7e\x83\x85\x83\x45", "XYZ"};
    for (SpeciesRecord& r : table) std::snprintf(r.name, 256, "%s", "?");
    for (int i = 0; i < 3; ++i) std::snprintf(table[i].name, 256, "%s", names[i].c_str());
    std::snprintf(table[3].name, 256, "%s", "");  // a record without a name
    const struct {
        ConfirmationTexts typed;
        int32_t index;  // -1: not found
        int32_t frames, level;
        uint32_t target;
    } cases[] = {
        {{"\x83\x7e\x83\x85\x83\x45", "5", "50", "C60C0600", 4}, 1, 5, 50, 0xC60C0600u},
        // the name field takes ten bytes: an eleventh is ignored
        {{"\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45!", "-999", "99999", "fffffffff", 0}, 0, -999, 9999, 0xFFFFFFFFu},
        // an unknown or empty name finds none
        {{"nothing", "", "", "", 0}, -1, 0, 0, 0u},
        {{"", "", "", "", 0}, -1, 0, 0, 0u},
    };
    for (const auto& c : cases) {
        const ConfirmationInputs in = read_confirmation_inputs(c.typed, table, {});
        EXPECT_EQ(in.species, c.index < 0 ? nullptr : &table[c.index]) << c.typed.species_name;
        EXPECT_EQ(in.nature_entry, c.typed.nature_entry);
        EXPECT_EQ((std::vector<int32_t>{in.frames_consumed, in.level}), (std::vector<int32_t>{c.frames, c.level}));
        EXPECT_EQ(in.target_seed, c.target);
    }
}

TEST_F(Fields, MacFieldsAndRoamingBox) {
    const struct {
        const char* mac[3];
        bool checked;
        int32_t offset;
    } cases[] = {
        {{"", "", ""}, false, 0}, {{"00", "1B", "2C"}, true, 0x001B2C}, {{"FF", "ff", "FF"}, false, 0xFFFFFF},
        {{"1FF", "-1", "G7"}, false, 0x1F0000}, {{" 7", "100", "1b"}, true, 0x07101B},
    };
    for (const auto& c : cases) {
        const GeneratorSetting g = read_generator_setting(c.mac, c.checked);
        EXPECT_EQ(g.mac_offset, c.offset);
        EXPECT_EQ(g.roaming, c.checked);
    }
}

}  // namespace
