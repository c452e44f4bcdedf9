// The window's portable parts: config.txt as the fields receive it, the MAC
// byte of a field's text, the painted items and the formatted results.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/state.h"
#include "app/config.h"
#include "app/main_table.h"
#include "core/text_file.h"
#include "tests/native/temp_dir.h"

namespace {

namespace fs = std::filesystem;

using ConfigFile = TempDirTest;
using TextLine = TempDirTest;
using PaintedResults = TempDirTest;

struct ConfigCase {
    const char* name;
    std::string bytes;
    std::string text[5];
    bool present[5];
};

std::string repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

TEST_F(ConfigFile, LinesReachTheFieldsAsTheWindowAppliesThem) {
    const ConfigCase cases[] = {
        {"three MAC lines", "00\n1B\n2C\n", {"00", "1B", "2C", "", ""}, {true, true, true, false, false}},
        {"five lines, the last without a line feed",
         "00\n1B\n2C\n12.34\nABCD",
         {"00", "1B", "2C", "12.34", "ABCD"},
         {true, true, true, true, true}},
        {"fewer than three lines", "00\n1B", {"00", "1B", "", "", ""}, {true, true, true, false, false}},
        {"empty file", "", {"", "", "", "", ""}, {true, true, true, false, false}},
        {"CR LF line ends",
         "00\r\n1B\r\n2C\r\n5.5\r\nBEEF\r\n",
         {"00", "1B", "2C", "5.5", "BEEF"},
         {true, true, true, true, true}},
        // an empty fourth line still holds its line feed, so it is applied (as empty)
        {"empty fourth line", "00\n1B\n2C\n\nABCD\n", {"00", "1B", "2C", "", "ABCD"}, {true, true, true, true, true}},
        // 255 bytes fill the buffer; the rest of the line is read as the next line
        {"300-character first line",
         repeat('A', 300) + "\n1B\n2C\n7\n",
         {repeat('A', 255), repeat('A', 45), "1B", "2C", "7"},
         {true, true, true, true, true}},
        // a CR LF whose CR is the 255th byte still ends the line
        {"CR LF right at the buffer's end",
         repeat('B', 254) + "\r\n1B\r\n2C\r\n",
         {repeat('B', 254), "1B", "2C", "", ""},
         {true, true, true, false, false}},
        {"255 characters and CR LF",
         repeat('C', 255) + "\r\n1B\r\n2C\r\n",
         {repeat('C', 255), "", "1B", "2C", ""},
         {true, true, true, true, false}},
        {"lone CR kept", "0\r0\n1B\n2C\n", {"0\r0", "1B", "2C", "", ""}, {true, true, true, false, false}},
        // files saved by today's editors read as their text says
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" "1A\r\n1B\r\n2C\r\n", {"1A", "1B", "2C", "", ""}, {true, true, true, false, false}},
        {"UTF-16 little-endian", std::string("\xFF\xFE" "1\0A\0\r\0\n\0" "1\0B\0\n\0" "2\0C\0\n\0" "2\0" ".\0" "5\0", 28),
         {"1A", "1B", "2C", "2.5", ""}, {true, true, true, true, false}},
        {"UTF-16 big-endian", std::string("\xFE\xFF" "\0" "1\0A\0\n" "\0" "1\0B\0\n" "\0" "2\0C\0\n", 20),
         {"1A", "1B", "2C", "", ""}, {true, true, true, false, false}},
    };
    for (const ConfigCase& c : cases) {
        SCOPED_TRACE(c.name);
        write_file("config.txt", c.bytes);
        ConfigLines lines;
        std::memset(&lines, 0x5A, sizeof lines);
        ASSERT_TRUE(read_config_file("config.txt", &lines));
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            EXPECT_EQ(lines.present[i], c.present[i]);
            if (c.present[i]) {
                EXPECT_EQ(std::string(lines.text[i]), c.text[i]);
            }
        }
    }
}

TEST_F(ConfigFile, MissingFileIsReportedAndLeavesNothing) {
    ConfigLines lines = {};
    EXPECT_FALSE(read_config_file("config.txt", &lines));
}

TEST_F(TextLine, EndOfFileLeavesTheBufferAsItWas) {
    const std::string text = "x";
    TextReader reader{&text, 0};
    char buffer[256] = "";
    EXPECT_TRUE(read_text_line(&reader, buffer));
    EXPECT_STREQ(buffer, "x");
    EXPECT_FALSE(read_text_line(&reader, buffer));
    EXPECT_STREQ(buffer, "x");
}

TEST(MacField, TextGivesTheByte) {
    const struct {
        const char* text;
        int32_t byte;
    } cases[] = {
        {"", 0},     {"00", 0},    {"1B", 0x1B}, {"2C", 0x2C}, {"FF", 255}, {"ff", 255},
        {"1FF", 0x1F},  // only two characters are taken
        {"-1", 0},      // below 0 clamps to 0
        {"G7", 0},      // no hexadecimal digit
        {" 7", 7},      // leading white space skipped
        {"7G", 7},      {"0x", 0},    {"\x82\xa0", 0},
    };
    for (const auto& c : cases) {
        const char* const fields[3] = {"", c.text, ""};
        EXPECT_EQ(read_generator_setting(fields, false).mac_offset, c.byte << 8) << '"' << c.text << '"';
    }
}

struct ExpectedItem {
    PaintKind kind;
    int x, y, x2, y2;
    const char* text;
    int bytes;
};

// Every item of a paint, in drawing order, with the byte count of its text.
const ExpectedItem kExpected[] = {
    {PaintKind::kLine, 0, 30, 800, 30, nullptr, 0},
    {PaintKind::kText, 150, 3, 0, 0, "MACアドレス右側3つ:", 19},
    {PaintKind::kLine, 400, 30, 400, 800, nullptr, 0},
    {PaintKind::kText, 0, 31, 0, 0, "初期seed絞り込み", 16},
    {PaintKind::kText, 10, 65, 0, 0, "個体値:", 7},
    {PaintKind::kText, 66, 65, 0, 0, "H", 1},
    {PaintKind::kText, 106, 65, 0, 0, "A", 1},
    {PaintKind::kText, 146, 65, 0, 0, "B", 1},
    {PaintKind::kText, 186, 65, 0, 0, "C", 1},
    {PaintKind::kText, 226, 65, 0, 0, "D", 1},
    {PaintKind::kText, 266, 65, 0, 0, "S", 1},
    {PaintKind::kText, 306, 65, 0, 0, "以上", 4},
    {PaintKind::kText, 10, 145, 0, 0, "下位2byte:0x", 12},
    {PaintKind::kText, 150, 145, 0, 0, "\x81\x60", 2},  // the wave "～"
    {PaintKind::kText, 220, 145, 0, 0, "最大消費回数:", 13},
    {PaintKind::kText, 10, 105, 0, 0, "めざパ:", 7},
    {PaintKind::kText, 230, 105, 0, 0, "以上", 4},
    {PaintKind::kText, 401, 31, 0, 0, "リスト出力", 10},
    {PaintKind::kText, 410, 55, 0, 0, "raw初期seed:0x", 14},
    {PaintKind::kText, 410, 95, 0, 0, "個体値:", 7},
    {PaintKind::kText, 466, 95, 0, 0, "H", 1},
    {PaintKind::kText, 506, 95, 0, 0, "A", 1},
    {PaintKind::kText, 546, 95, 0, 0, "B", 1},
    {PaintKind::kText, 586, 95, 0, 0, "C", 1},
    {PaintKind::kText, 626, 95, 0, 0, "D", 1},
    {PaintKind::kText, 666, 95, 0, 0, "S", 1},
    {PaintKind::kText, 706, 95, 0, 0, "以上", 4},
    {PaintKind::kText, 450, 175, 0, 0, "回まで出力", 10},
    {PaintKind::kText, 410, 135, 0, 0, "めざパ:", 7},
    {PaintKind::kText, 630, 135, 0, 0, "以上", 4},
    {PaintKind::kLine, 0, 249, 800, 249, nullptr, 0},
    {PaintKind::kText, 0, 250, 0, 0, "起動→Cギアフレーム測定", 23},
    {PaintKind::kText, 10, 340, 0, 0, "個体値:", 7},
    {PaintKind::kText, 66, 340, 0, 0, "H", 1},
    {PaintKind::kText, 106, 340, 0, 0, "A", 1},
    {PaintKind::kText, 146, 340, 0, 0, "B", 1},
    {PaintKind::kText, 186, 340, 0, 0, "C", 1},
    {PaintKind::kText, 226, 340, 0, 0, "D", 1},
    {PaintKind::kText, 266, 340, 0, 0, "S", 1},
    {PaintKind::kText, 10, 310, 0, 0, "CギアON:", 8},
    {PaintKind::kText, 116, 310, 0, 0, "月", 2},
    {PaintKind::kText, 166, 310, 0, 0, "日", 2},
    {PaintKind::kText, 216, 310, 0, 0, "時", 2},
    {PaintKind::kText, 266, 310, 0, 0, "分", 2},
    {PaintKind::kText, 10, 405, 0, 0, "raw初期seed候補:", 16},
    {PaintKind::kText, 10, 370, 0, 0, "最大消費回数:", 13},
    {PaintKind::kCandidateRows, 144, 405, 0, 25, nullptr, 0},  // y2: the spacing of the rows
    {PaintKind::kText, 401, 250, 0, 0, "初期seed確認リスト", 18},
    {PaintKind::kText, 420, 280, 0, 0, "狙うraw初期seed:0x", 18},
    {PaintKind::kText, 520, 310, 0, 0, "月", 2},
    {PaintKind::kText, 570, 310, 0, 0, "日", 2},
    {PaintKind::kText, 520, 340, 0, 0, "秒で下位0x", 10},
    {PaintKind::kBootLine, 440, 380, 0, 0, nullptr, 0},
    {PaintKind::kCGearLine, 440, 410, 0, 0, nullptr, 0},
    {PaintKind::kClockLine, 440, 430, 0, 0, nullptr, 0},
    {PaintKind::kText, 460, 450, 0, 0, "個消費", 6},
    {PaintKind::kText, 650, 450, 0, 0, "Lv", 2},
    {PaintKind::kText, 595, 481, 0, 0, "性格:", 5},  // before the nature list
};

TEST(PaintItems, EveryItemInDrawingOrder) {
    constexpr int kCount = static_cast<int>(sizeof kExpected / sizeof kExpected[0]);
    static_assert(kCount == 58);
    ASSERT_EQ(kMainWindowTable.item_count, kCount);
    for (int i = 0; i < kCount; ++i) {
        const ExpectedItem& want = kExpected[i];
        const PaintItem& got = kMainWindowTable.items[i];
        SCOPED_TRACE("item " + std::to_string(i + 1));
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        if (want.kind == PaintKind::kLine || want.kind == PaintKind::kCandidateRows) {
            EXPECT_EQ(got.x2, want.x2);
            EXPECT_EQ(got.y2, want.y2);
        }
        if (want.kind == PaintKind::kText) {
            EXPECT_EQ(std::string(tr(got.text)), std::string(want.text));
            EXPECT_EQ(static_cast<int>(std::strlen(tr(got.text))), want.bytes);
        }
    }
}

TEST(PaintItems, JapaneseLabelsAreCp932) {
    // "MACアドレス右側3つ:" and "起動→Cギアフレーム測定" byte for byte
    EXPECT_STREQ(tr(kMainWindowTable.items[1].text), "MAC\x83\x41\x83\x68\x83\x8C\x83\x58\x89\x45\x91\xA4" "3\x82\xC2:");
    EXPECT_STREQ(tr(kMainWindowTable.items[31].text), "\x8B\x4E\x93\xAE\x81\xA8" "C\x83\x4D\x83\x41\x83\x74\x83\x8C\x81\x5B\x83\x80"
                                       "\x91\xAA\x92\xE8");
}

TEST_F(PaintedResults, CandidateRowsAreEightUpperCaseHexDigits) {
    const struct {
        uint32_t seed;
        const char* text;
    } cases[] = {{0x0000ABCD, "0000ABCD"}, {0, "00000000"}, {0xFFFFFFFF, "FFFFFFFF"}, {0x1F2E3D4C, "1F2E3D4C"}};
    char buffer[256];
    for (int n = 0; n < 4; ++n) g_app.candidates.seeds[n + 16] = cases[n].seed;
    for (int n = 0; n < 4; ++n) {
        format_candidate_row(n + 16, buffer);
        EXPECT_STREQ(buffer, cases[n].text);
    }
}

TEST_F(PaintedResults, TimingLinesShowTheStoredValues) {
    const struct {
        int32_t month, day, hour, minute, second_or_centiseconds;
        const char* boot;
        const char* cgear;
    } cases[] = {
        {9, 12, 23, 59, 1234, "起動:9月12日23時59分1234秒", "Cギア:9月12日23時59分12.34秒"},
        {1, 1, 0, 0, 5, "起動:1月1日0時0分5秒", "Cギア:1月1日0時0分0.05秒"},
        {12, 31, 7, 30, 0, "起動:12月31日7時30分0秒", "Cギア:12月31日7時30分0.00秒"},
        {1, -3, -1, -5, -250, "起動:1月-3日-1時-5分-250秒", "Cギア:1月-3日-1時-5分-2.50秒"},
    };
    char buffer[256];
    for (const auto& c : cases) {
        g_app.timing.boot_month = g_app.timing.cgear_month = c.month;
        g_app.timing.boot_day = g_app.timing.cgear_day = c.day;
        g_app.timing.boot_hour = g_app.timing.cgear_hour = c.hour;
        g_app.timing.boot_minute = g_app.timing.cgear_minute = c.minute;
        g_app.timing.boot_second = g_app.timing.cgear_centiseconds = c.second_or_centiseconds;
        format_boot_line(buffer);
        EXPECT_STREQ(buffer, c.boot);
        format_cgear_line(buffer);
        EXPECT_STREQ(buffer, c.cgear);
    }
}

}  // namespace
