// The stopwatch, the adopt buttons and the C-Gear timing lines of both builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/wine/driver.h"

using driver::Program;

namespace {

constexpr int kTarget = 140, kMonth = 142, kDay = 143, kSeconds = 144, kObtained = 145;
constexpr int kDisplay = 930, kStopwatch = 210, kTiming = 212;
constexpr int kBootX = 440, kBootY = 380, kCGearX = 440, kCGearY = 410;

// Text of a control, asked from the control itself (edit fields keep theirs).
std::string field_text(const Program& p, int id) {
    HWND w = p.control(id);
    const LRESULT n = SendMessageW(w, WM_GETTEXTLENGTH, 0, 0);
    std::wstring s(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    const LRESULT got = SendMessageW(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(static_cast<size_t>(got > 0 ? got : 0));
    return driver::to_cp932(s);
}

// Lets the program handle what is queued and paint.
void settle(const Program& p) {
    for (int i = 0; i < 3; ++i) {
        SendMessageA(p.window(), WM_NULL, 0, 0);
        Sleep(30);
    }
}

// Waits up to two seconds for the text to be painted at (x, y).
bool painted(const Program& p, int x, int y, const std::string& cp932) {
    for (int i = 0; i < 50; ++i) {
        if (driver::shows_text(p.capture(), x, y, cp932)) return true;
        Sleep(40);
    }
    return false;
}

bool area_is_white(const driver::Pixels& px, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (px.at(x, y) != 0xFFFFFFu) return false;
    return true;
}

// "%.2f" seconds: digits, a point, two digits.
bool is_reading(const std::string& s) {
    const size_t dot = s.find('.');
    if (dot == std::string::npos || dot == 0 || s.size() != dot + 3) return false;
    for (size_t i = 0; i < s.size(); ++i)
        if (i != dot && (s[i] < '0' || s[i] > '9')) return false;
    return true;
}

int32_t hundredths_of(const std::string& reading) {
    return static_cast<int32_t>(std::strtod(reading.c_str(), nullptr) * 100.0 + 0.5);
}

struct Row {
    const char* target;
    const char* seconds;
    const char* obtained;
    const char* month;
    const char* day;
    const char* boot;
    const char* cgear;
};

// Rows that do not depend on an earlier calculation, so one program runs them all.
const Row kRows[] = {
    {"C60C0600", "20.50", "05F0", "9", "12", "起動:9月12日12時55分15秒", "Cギア:9月12日12時55分35.76秒"},
    {"760C0600", "20.50", "05F0", "9", "12", "起動:9月12日11時59分50秒", "Cギア:9月12日12時0分10.76秒"},
    {"D00C0600", "20.50", "05F0", "9", "12", "起動:9月12日12時59分21秒", "Cギア:9月12日12時59分41.76秒"},
    {"100C0600", "20.50", "05F0", "9", "12", "起動:9月18日12時59分31秒", "Cギア:9月18日12時59分51.76秒"},
    {"350C0600", "20.50", "05F0", "2", "28", "起動:3月1日12時15分15秒", "Cギア:3月1日12時15分35.76秒"},
    {"2D0C0600", "20.50", "05F0", "4", "31", "起動:5月1日12時5分15秒", "Cギア:5月1日12時5分35.76秒"},
    {"C60C0600", "4.56", "0600", "9", "12", "起動:9月12日12時59分27秒", "Cギア:9月12日12時59分31.55秒"},
    {"71000600", "30.00", "0600", "9", "12", "起動:9月28日0時59分28秒", "Cギア:9月28日0時59分58.00秒"},
    {"C6200600", "20.50", "05F0", "9", "12", "起動:9月12日32時55分15秒", "Cギア:9月12日32時55分35.76秒"},
    {"C60C05F0", "20.50", "0600", "9", "12", "起動:9月12日12時55分15秒", "Cギア:9月12日12時55分35.24秒"},
};

void type_row(Program& p, const Row& r) {
    p.set_text(kTarget, r.target);
    p.set_text(kSeconds, r.seconds);
    p.set_text(kObtained, r.obtained);
    p.set_text(kMonth, r.month);
    p.set_text(kDay, r.day);
}

void expect_lines(const Program& p, const char* boot, const char* cgear) {
    EXPECT_TRUE(painted(p, kBootX, kBootY, boot)) << boot;
    EXPECT_TRUE(painted(p, kCGearX, kCGearY, cgear)) << cgear;
}

class Timing : public ::testing::TestWithParam<const char*> {};

TEST_P(Timing, LinesAppearWithFirstCalculationAndShowEachResult) {
    Program p(GetParam());
    ASSERT_TRUE(painted(p, 520, 340, "秒で下位0x"));
    settle(p);
    EXPECT_TRUE(area_is_white(p.capture(), kBootX, kBootY, 790, kCGearY + 16));

    // month 13 first: no search, month and minute of a fresh program
    type_row(p, {"C60C0600", "20.50", "05F0", "13", "1", "", ""});
    p.press(kTiming);
    expect_lines(p, "起動:0月-1日11時59分40秒", "Cギア:0月-1日12時0分0.00秒");
    for (const Row& r : kRows) {
        type_row(p, r);
        p.press(kTiming);
        expect_lines(p, r.boot, r.cgear);
    }
    // month 13 after a success keeps month, minute and hundredths
    type_row(p, kRows[0]);
    p.press(kTiming);
    p.set_text(kMonth, "13");
    p.press(kTiming);
    expect_lines(p, "起動:9月-1日12時55分15秒", "Cギア:9月-1日12時55分35.76秒");
    // an interval the program cannot hold: day -1 and no boot time
    type_row(p, kRows[0]);
    p.set_text(kSeconds, "1e300");
    p.press(kTiming);
    expect_lines(p, "起動:9月-1日-1時-1分-1秒", "Cギア:9月-1日12時55分35.76秒");

    // the lines stay through a repaint of the whole window
    InvalidateRect(p.window(), nullptr, TRUE);
    settle(p);
    expect_lines(p, "起動:9月-1日-1時-1分-1秒", "Cギア:9月-1日12時55分35.76秒");

    // with no entry of the date list selected nothing is calculated; only the
    // target's hour and the day -1 reach the C-Gear line
    type_row(p, kRows[0]);
    p.press(kTiming);
    p.select(311, -1);
    p.set_text(kTarget, "C6200600");
    p.press(kTiming);
    expect_lines(p, "起動:9月12日12時55分15秒", "Cギア:9月-1日32時55分35.76秒");
}

TEST_P(Timing, NoLinesWhileTheDateListHasNoSelection) {
    Program p(GetParam());
    ASSERT_TRUE(painted(p, 520, 340, "秒で下位0x"));
    p.select(311, -1);
    type_row(p, kRows[0]);
    p.press(kTiming);
    settle(p);
    EXPECT_TRUE(area_is_white(p.capture(), kBootX, kBootY, 790, kCGearY + 16));
}

TEST_P(Timing, StopwatchCountsFreezesAndRestarts) {
    Program p(GetParam());
    EXPECT_EQ(field_text(p, kDisplay), "0");
    EXPECT_EQ(field_text(p, kStopwatch), "起動");
    // an adopt press before any count copies the display's "0"
    p.press(1001);
    EXPECT_EQ(field_text(p, kSeconds), "0");
    EXPECT_EQ(field_text(p, kObtained), "0000");

    p.press(kStopwatch);
    EXPECT_EQ(field_text(p, kStopwatch), "Cギア起動");
    Sleep(300);
    const std::string early = field_text(p, kDisplay);
    EXPECT_TRUE(is_reading(early)) << early;
    Sleep(400);
    const std::string later = field_text(p, kDisplay);
    EXPECT_TRUE(is_reading(later)) << later;
    EXPECT_GT(hundredths_of(later), hundredths_of(early));

    p.press(kStopwatch);
    EXPECT_EQ(field_text(p, kStopwatch), "起動");
    Sleep(50);  // a pass already past its state check may show one more reading
    const std::string frozen = field_text(p, kDisplay);
    Sleep(400);
    EXPECT_EQ(field_text(p, kDisplay), frozen);
    EXPECT_GE(hundredths_of(frozen), hundredths_of(later));

    // a new count starts again from zero
    p.press(kStopwatch);
    Sleep(200);
    const std::string again = field_text(p, kDisplay);
    EXPECT_TRUE(is_reading(again)) << again;
    EXPECT_LT(hundredths_of(again), hundredths_of(frozen));
    p.press(kStopwatch);
    EXPECT_EQ(field_text(p, kStopwatch), "起動");
}

// IVs of frame 0 of a raw seed, from the frame list the program writes.
std::vector<std::string> frame0_ivs(Program& p, const std::string& seed) {
    p.set_text(119, seed);
    for (int id = 112; id <= 117; ++id) p.set_text(id, "0");
    p.set_text(118, "1");
    p.press(202);
    std::istringstream in(p.file("list.txt"));
    std::string header, line;
    std::getline(in, header);
    std::getline(in, line);
    std::vector<std::string> fields;
    std::istringstream cols(line);
    for (std::string f; std::getline(cols, f, ',');) fields.push_back(f);
    if (fields.size() < 7 || fields[0] != "0") return {};
    return {fields.begin() + 1, fields.begin() + 7};
}

TEST_P(Timing, AdoptCopiesReadingAndCandidateLowBits) {
    Program p(GetParam());
    // C-Gear on 9/12 12:30 at second 0 gives top byte 9 * 12 + 30 = 0x8A
    const std::string seed = "8A0C05F0";
    const std::vector<std::string> ivs = frame0_ivs(p, seed);
    ASSERT_EQ(ivs.size(), 6u);
    const char* when[] = {"9", "12", "12", "30"};
    for (int i = 0; i < 4; ++i) p.set_text(130 + i, when[i]);
    for (int i = 0; i < 6; ++i) p.set_text(134 + i, ivs[static_cast<size_t>(i)]);
    p.set_text(154, "0");
    p.press(211);
    int row = -1;
    for (int n = 0; n < 10 && row < 0; ++n)
        if (painted(p, 144, 405 + 25 * n, seed)) row = n;
    ASSERT_GE(row, 0) << "candidate " << seed << " not listed";
    ASSERT_NE(p.control(1001 + row), nullptr);

    // the display's initial text, then a running reading
    p.click(1001 + row);
    EXPECT_EQ(field_text(p, kSeconds), "0");
    EXPECT_EQ(field_text(p, kObtained), "05F0");
    // only 1001..1010 adopt; every other command leaves the fields alone
    p.set_text(kSeconds, "x");
    p.set_text(kObtained, "y");
    for (int id : {1000, 1011, 0xFFFF, kTiming}) p.press(id);
    EXPECT_EQ(field_text(p, kSeconds), "x");
    EXPECT_EQ(field_text(p, kObtained), "y");
    p.set_text(kObtained, "");
    p.press(kStopwatch);
    Sleep(300);
    p.click(1001 + row);
    const std::string adopted = field_text(p, kSeconds);
    EXPECT_TRUE(is_reading(adopted)) << adopted;
    EXPECT_EQ(field_text(p, kObtained), "05F0");
    Sleep(200);  // the count goes on
    EXPECT_GT(hundredths_of(field_text(p, kDisplay)), hundredths_of(adopted));
    p.press(kStopwatch);
    Sleep(50);
    const std::string stopped = field_text(p, kDisplay);
    p.click(1001 + row);
    EXPECT_EQ(field_text(p, kSeconds), stopped);

    // the adopted values give the timing lines as typed ones do
    p.set_text(kSeconds, "20.50");
    p.set_text(kTarget, "C60C0600");
    p.set_text(kMonth, "9");
    p.set_text(kDay, "12");
    p.press(kTiming);
    expect_lines(p, "起動:9月12日12時55分15秒", "Cギア:9月12日12時55分35.76秒");
}

INSTANTIATE_TEST_SUITE_P(Builds, Timing, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

double now_ms() {
    LARGE_INTEGER c, f;
    QueryPerformanceCounter(&c);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// The display's stored caption, read without waiting for the program.
std::string display_caption(const Program& p) {
    wchar_t text[64];
    const int n = GetWindowTextW(p.control(kDisplay), text, 64);
    return driver::to_cp932(std::wstring(text, static_cast<size_t>(n > 0 ? n : 0)));
}

// Accuracy, measured and printed, not asserted: the reading frozen by the stop
// press against the time between the two presses by this driver's clock, and
// how late each new hundredth reached the display.
TEST(StopwatchAccuracy, FrozenReadingAgainstDriverClock) {
    Program p("Kivrel.exe");
    const int intervals_ms[] = {1000, 1000, 1000, 5000, 5000, 5000, 20000};
    for (int interval : intervals_ms) {
        std::string last = display_caption(p);
        const double s0 = now_ms();
        p.press(kStopwatch);
        const double s1 = now_ms();
        // reading r shows at the first pass at least 10 r ms after the start:
        // the least (time seen - 10 r) is the start as the program took it
        double start = 1e300, latest = -1e300;
        std::vector<std::pair<double, int32_t>> seen;
        while (now_ms() - s0 < interval - 15) {
            const std::string text = display_caption(p);
            const double t = now_ms();
            if (text != last && is_reading(text)) {
                seen.emplace_back(t, hundredths_of(text));
                last = text;
            }
            Sleep(1);
        }
        while (now_ms() - s0 < interval) {
        }
        const double e0 = now_ms();
        p.press(kStopwatch);
        const double e1 = now_ms();
        Sleep(60);
        const std::string shown = field_text(p, kDisplay);
        ASSERT_TRUE(is_reading(shown)) << shown;
        ASSERT_FALSE(seen.empty());
        for (const auto& [t, r] : seen) start = std::min(start, t - 10.0 * r);
        for (const auto& [t, r] : seen) latest = std::max(latest, t - 10.0 * r - start);
        // the presses take effect somewhere inside their round trips
        const double elapsed = (e0 + e1) / 2 - (s0 + s1) / 2;
        const double error = hundredths_of(shown) * 10.0 - elapsed;
        std::printf("stopwatch accuracy: interval %5d ms: shown %s s, elapsed by driver %.2f ms, error %+.2f ms "
                    "(press round trips %.2f and %.2f ms); start taken %.2f ms after the start press midpoint; "
                    "new hundredths shown up to %.2f ms late (%zu seen)\n",
                    interval, shown.c_str(), elapsed, error, s1 - s0, e1 - e0, start - (s0 + s1) / 2, latest,
                    seen.size());
        ::testing::Test::RecordProperty("error_ms_" + std::to_string(interval), std::to_string(error));
        // a gross fault, not a timing bound: the reading belongs to this count
        EXPECT_LT(std::abs(error), 1000.0);
    }
}

}  // namespace
