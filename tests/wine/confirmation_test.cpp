// The seed confirmation list as a player makes it: a species typed by its
// Japanese name, frames, level, target and MAC, button 213, and zure.txt
// checked byte for byte against an independent MT19937; and the message a
// program without pokemon.dat shows.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/ids.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

struct Inputs {
    const char* name_field;  // CP932, as typed
    std::array<int32_t, 6> base;  // of the species the name selects in pokemon.dat
    int32_t frame;
    int32_t level;
    uint32_t target;
    const char* target_field;
    const char* mac_fields[3];
    bool roaming;
    int nature_entry = 0;       // entry of the nature list
    int raised = -1, lowered = -1;  // the stats (H..S order) that nature changes
};

// zure.txt as it must be: 33 raw seeds around the target, each with the stats
// from the IVs that std::mt19937 seeded with raw + MacOffset gives at the frame.
std::string expected_list(const Inputs& in, uint32_t mac) {
    std::string text = "raw\x8f\x89\x8a\xfa" "seed,H,A,B,C,D,S\r\n";
    const uint32_t first = in.target - 16;
    const uint32_t last = in.target + 16;
    if (first > last) return text;
    for (uint64_t s = first; s <= last; ++s) {
        const uint32_t raw = static_cast<uint32_t>(s);
        std::mt19937 mt(raw + mac);
        std::vector<int32_t> o(static_cast<size_t>(in.frame) + 9);
        for (auto& v : o) v = static_cast<int32_t>(static_cast<uint32_t>(mt()) >> 27);
        const size_t c = static_cast<size_t>(in.frame);
        const std::array<int32_t, 6> iv = in.roaming
            ? std::array<int32_t, 6>{o[c + 3], o[c + 4], o[c + 5], o[c + 8], o[c + 6], o[c + 7]}
            : std::array<int32_t, 6>{o[c + 2], o[c + 3], o[c + 4], o[c + 5], o[c + 6], o[c + 7]};
        char line[128];
        int32_t st[6];
        for (int i = 0; i < 6; ++i) {
            const int32_t q = (iv[i] + 2 * in.base[i]) * in.level / 100;
            st[i] = i == 0 ? q + in.level + 10 : q + 5;
            if (i == in.raised) st[i] = st[i] * 110 / 100;
            if (i == in.lowered) st[i] = st[i] * 90 / 100;
        }
        std::snprintf(line, sizeof line, "%08X,%d,%d,%d,%d,%d,%d\r\n", static_cast<unsigned>(raw), st[0], st[1], st[2],
                      st[3], st[4], st[5]);
        text += line;
    }
    return text;
}

uint32_t mac_offset_of(const Inputs& in) {
    uint32_t mac = 0;
    for (const char* b : in.mac_fields) mac = mac * 256 + static_cast<uint32_t>(std::strtoul(b, nullptr, 16));
    return mac;
}

const char kPikachu[] = "\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45";
const char kMew[] = "\x83\x7e\x83\x85\x83\x45";
const char kGenesect[] = "\x83\x51\x83\x6d\x83\x5a\x83\x4e\x83\x67";

class Confirmation : public ::testing::TestWithParam<const char*> {};

TEST_P(Confirmation, TypedSpeciesGivesTheListAndOpensIt) {
    const Inputs cases[] = {
        {kPikachu, {35, 55, 30, 50, 40, 90}, 5, 50, 0x1234ABCD, "1234abcd", {"12", "AB", "3F"}, false},
        {kMew, {100, 100, 100, 100, 100, 100}, 615, 100, 0x00000010, "10", {"0", "0", "1"}, true},
        {kGenesect, {71, 120, 95, 120, 95, 99}, 0, 1, 0xFFFFFFEF, "FFFFFFEF", {"FF", "FF", "FF"}, false},
        // いじっぱり raises attack and lowers special attack; おくびょう raises speed and lowers attack
        {kPikachu, {35, 55, 30, 50, 40, 90}, 5, 50, 0xC60C0600, "C60C0600", {"0", "0", "0"}, false, 4, 1, 3},
        {kMew, {100, 100, 100, 100, 100, 100}, 20, 77, 0x00ABCDEF, "abcdef", {"12", "34", "56"}, true, 11, 5, 1},
    };
    for (const auto& in : cases) {
        SCOPED_TRACE(in.target_field);
        Program p(GetParam());
        p.set_text(kIdSpeciesName, in.name_field);
        p.set_text(kIdConfirmFrames, std::to_string(in.frame));
        p.set_text(kIdLevel, std::to_string(in.level));
        p.set_text(kIdTargetSeed, in.target_field);
        for (int i = 0; i < 3; ++i) p.set_text(kIdMacByte1 + i, in.mac_fields[i]);
        if (in.roaming) p.click(kIdRoamingBox);
        p.select(kIdNatureList, in.nature_entry);
        p.press(kIdConfirmButton);
        EXPECT_EQ(p.file("zure.txt"), expected_list(in, mac_offset_of(in)));
        EXPECT_EQ(p.opened(), std::vector<std::string>{"/c zure.txt"});
        // pressed again with the same inputs: the same file, shown again
        p.press(kIdConfirmButton);
        EXPECT_EQ(p.file("zure.txt"), expected_list(in, mac_offset_of(in)));
        EXPECT_EQ(p.opened(), (std::vector<std::string>{"/c zure.txt", "/c zure.txt"}));
    }
}

TEST_P(Confirmation, UnknownNameIsSaidNotGuessed) {
    Program p(GetParam());
    p.set_text(kIdConfirmFrames, "10");
    p.set_text(kIdLevel, "30");
    p.set_text(kIdTargetSeed, "20");
    for (const std::string name : {"XYZ", ""}) {
        p.set_text(kIdSpeciesName, name);
        p.press(kIdConfirmButton);
        EXPECT_EQ(p.file("zure.txt"), "raw\x8f\x89\x8a\xfa" "seed,H,A,B,C,D,S\r\n"
                                      "\x83|\x83P\x83\x82\x83\x93\x96\xBC\x81u" + name + "\x81v\x82\xCDpokemon.dat\x82\xC9\x82\xA0"
                                      "\x82\xE8\x82\xDC\x82\xB9\x82\xF1\r\n") << name;
    }
    EXPECT_EQ(p.opened(), (std::vector<std::string>{"/c zure.txt", "/c zure.txt"}));
}

TEST_P(Confirmation, FramesPastTheGeneratorGiveTheRangeLine) {
    Program p(GetParam());
    p.set_text(kIdSpeciesName, kMew);
    p.set_text(kIdConfirmFrames, "617");
    p.set_text(kIdLevel, "50");
    p.set_text(kIdTargetSeed, "1000");
    p.press(kIdConfirmButton);
    EXPECT_EQ(p.file("zure.txt"), std::string("raw\x8f\x89\x8a\xfa" "seed,H,A,B,C,D,S\r\n"
                                              "\x8f\xc1\x94\xef\x90\x94" "617\x82\xcd\x94\xcd\x88\xcd\x8a\x4f\x82\xc5"
                                              "\x82\xb7(0\x82\xa9\x82\xe7" "616\x82\xdc\x82\xc5)\r\n"));
    EXPECT_EQ(p.opened(), std::vector<std::string>{"/c zure.txt"});
}

TEST_P(Confirmation, WithoutSpeciesFileTheProgramSaysSo) {
    Program p(GetParam(), {}, false);
    EXPECT_EQ(p.message_box_text(), "pokemon.dat\x82\xf0\x93\xc7\x82\xdd\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1"
                                    "\x82\xc5\x82\xb5\x82\xbd");
}

INSTANTIATE_TEST_SUITE_P(Builds, Confirmation, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
