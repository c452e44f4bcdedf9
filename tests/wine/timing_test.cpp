// The stopwatch, the adopt buttons, the C-Gear timing lines and the C-Gear
// timer of both builds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/ids.h"
#include "app/layout.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

constexpr int kBootX = 440, kBootY = 380, kCGearX = 440, kCGearY = 410, kClockX = 440, kClockY = 430;
// A pixel of the timer display's background, right of its longest text.
constexpr int kDisplayBackgroundX = 570, kDisplayBackgroundY = 520;

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

// Waits up to two seconds for the control to read text.
bool shows_within(const Program& p, int id, const std::string& text) {
    for (int i = 0; i < 100 && p.text(id) != text; ++i) Sleep(20);
    return p.text(id) == text;
}

bool area_is_white(const driver::Pixels& px, int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (px.at(x, y) != 0xFFFFFFu) return false;
    return true;
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
    p.set_text(kIdTargetSeed, r.target);
    p.set_text(kIdMeasuredSeconds, r.seconds);
    p.set_text(kIdObtainedLow, r.obtained);
    p.set_text(kIdTimingMonth, r.month);
    p.set_text(kIdTimingDay, r.day);
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
    p.press(kIdTimingButton);
    expect_lines(p, "起動:0月-1日11時59分40秒", "Cギア:0月-1日12時0分0.00秒");
    for (const Row& r : kRows) {
        type_row(p, r);
        p.press(kIdTimingButton);
        expect_lines(p, r.boot, r.cgear);
    }
    // month 13 after a success keeps month, minute and hundredths
    type_row(p, kRows[0]);
    p.press(kIdTimingButton);
    p.set_text(kIdTimingMonth, "13");
    p.press(kIdTimingButton);
    expect_lines(p, "起動:9月-1日12時55分15秒", "Cギア:9月-1日12時55分35.76秒");
    // an interval the program cannot hold: day -1 and no boot time
    type_row(p, kRows[0]);
    p.set_text(kIdMeasuredSeconds, "1e300");
    p.press(kIdTimingButton);
    expect_lines(p, "起動:9月-1日-1時-1分-1秒", "Cギア:9月-1日12時55分35.76秒");

    // the lines stay through a repaint of the whole window
    InvalidateRect(p.window(), nullptr, TRUE);
    settle(p);
    expect_lines(p, "起動:9月-1日-1時-1分-1秒", "Cギア:9月-1日12時55分35.76秒");

    // with no entry of the date list selected nothing is calculated; only the
    // target's hour and the day -1 reach the C-Gear line
    type_row(p, kRows[0]);
    p.press(kIdTimingButton);
    p.select(kIdDateModeList, -1);
    p.set_text(kIdTargetSeed, "C6200600");
    p.press(kIdTimingButton);
    expect_lines(p, "起動:9月12日12時55分15秒", "Cギア:9月-1日32時55分35.76秒");
}

TEST_P(Timing, NoLinesWhileTheDateListHasNoSelection) {
    Program p(GetParam());
    ASSERT_TRUE(painted(p, 520, 340, "秒で下位0x"));
    p.select(kIdDateModeList, -1);
    type_row(p, kRows[0]);
    p.press(kIdTimingButton);
    settle(p);
    EXPECT_TRUE(area_is_white(p.capture(), kBootX, kBootY, 790, kCGearY + 16));
}

TEST_P(Timing, StopwatchCountsFreezesAndRestarts) {
    Program p(GetParam());
    EXPECT_EQ(field_text(p, kIdStopwatchDisplay), "0");
    EXPECT_EQ(field_text(p, kIdStopwatchButton), "起動");
    // an adopt command without a candidate list changes nothing
    p.set_text(kIdMeasuredSeconds, "20.50");
    p.press(kIdFirstAdopt);
    EXPECT_EQ(field_text(p, kIdMeasuredSeconds), "20.50");
    EXPECT_EQ(field_text(p, kIdObtainedLow), "");

    p.press(kIdStopwatchButton);
    EXPECT_EQ(field_text(p, kIdStopwatchButton), "Cギア起動");
    Sleep(300);
    const std::string early = field_text(p, kIdStopwatchDisplay);
    EXPECT_TRUE(driver::is_reading(early)) << early;
    Sleep(400);
    const std::string later = field_text(p, kIdStopwatchDisplay);
    EXPECT_TRUE(driver::is_reading(later)) << later;
    EXPECT_GT(driver::hundredths_of(later), driver::hundredths_of(early));

    p.press(kIdStopwatchButton);
    EXPECT_EQ(field_text(p, kIdStopwatchButton), "起動");
    Sleep(50);  // a pass already past its state check may show one more reading
    const std::string frozen = field_text(p, kIdStopwatchDisplay);
    Sleep(400);
    EXPECT_EQ(field_text(p, kIdStopwatchDisplay), frozen);
    EXPECT_GE(driver::hundredths_of(frozen), driver::hundredths_of(later));

    // a new count starts again from zero
    p.press(kIdStopwatchButton);
    Sleep(200);
    const std::string again = field_text(p, kIdStopwatchDisplay);
    EXPECT_TRUE(driver::is_reading(again)) << again;
    EXPECT_LT(driver::hundredths_of(again), driver::hundredths_of(frozen));
    p.press(kIdStopwatchButton);
    EXPECT_EQ(field_text(p, kIdStopwatchButton), "起動");
}

TEST_P(Timing, AdoptCopiesReadingAndCandidateLowBits) {
    Program p(GetParam());
    // C-Gear on 9/12 12:30 at second 0 gives top byte 9 * 12 + 30 = 0x8A
    const std::string seed = "8A0C05F0";
    const std::vector<std::string> ivs = driver::frame0_ivs(p, seed);
    ASSERT_EQ(ivs.size(), 6u);
    const char* when[] = {"9", "12", "12", "30"};
    for (int i = 0; i < 4; ++i) p.set_text(kIdSwitchOnFirst + i, when[i]);
    for (int i = 0; i < 6; ++i) p.set_text(kIdKnownIvFirst + i, ivs[static_cast<size_t>(i)]);
    p.set_text(kIdCandidatesLastFrame, "0");
    p.press(kIdCandidatesButton);
    int row = -1;
    for (int n = 0; n < 10 && row < 0; ++n)
        if (painted(p, kCandidateRowX, kCandidateRowY + kCandidateRowSpacing * n, seed)) row = n;
    ASSERT_GE(row, 0) << "candidate " << seed << " not listed";
    ASSERT_NE(p.control(kIdFirstAdopt + row), nullptr);

    // while the display reads "0" nothing was measured: the typed interval stays
    p.set_text(kIdMeasuredSeconds, "20.50");
    p.click(kIdFirstAdopt + row);
    EXPECT_EQ(field_text(p, kIdMeasuredSeconds), "20.50");
    EXPECT_EQ(field_text(p, kIdObtainedLow), "05F0");
    // only 1001..1010 adopt; every other command leaves the fields alone
    p.set_text(kIdMeasuredSeconds, "x");
    p.set_text(kIdObtainedLow, "y");
    for (int id : {1000, 1011, 0xFFFF, int{kIdTimingButton}}) p.press(id);
    EXPECT_EQ(field_text(p, kIdMeasuredSeconds), "x");
    EXPECT_EQ(field_text(p, kIdObtainedLow), "y");
    p.set_text(kIdObtainedLow, "");
    p.press(kIdStopwatchButton);
    Sleep(300);
    // while the stopwatch counts the interval is not measured yet: the low bits only
    p.click(kIdFirstAdopt + row);
    EXPECT_EQ(field_text(p, kIdMeasuredSeconds), "x");
    EXPECT_EQ(field_text(p, kIdObtainedLow), "05F0");
    const std::string counting = field_text(p, kIdStopwatchDisplay);
    EXPECT_TRUE(driver::is_reading(counting)) << counting;
    Sleep(200);  // the count goes on
    EXPECT_GT(driver::hundredths_of(field_text(p, kIdStopwatchDisplay)), driver::hundredths_of(counting));
    p.press(kIdStopwatchButton);
    Sleep(50);
    const std::string stopped = field_text(p, kIdStopwatchDisplay);
    p.click(kIdFirstAdopt + row);
    EXPECT_EQ(field_text(p, kIdMeasuredSeconds), stopped);

    // the adopted values give the timing lines as typed ones do
    p.set_text(kIdMeasuredSeconds, "20.50");
    p.set_text(kIdTargetSeed, "C60C0600");
    p.set_text(kIdTimingMonth, "9");
    p.set_text(kIdTimingDay, "12");
    p.press(kIdTimingButton);
    expect_lines(p, "起動:9月12日12時55分15秒", "Cギア:9月12日12時55分35.76秒");
}

// The reading of a countdown text "PREFIX 12.34" in hundredths, or -1 when
// the text is not one of that phase.
int countdown_of(const std::string& text, const std::string& prefix) {
    if (text.compare(0, prefix.size() + 1, prefix + " ") != 0) return -1;
    const std::string reading = text.substr(prefix.size() + 1);
    return driver::is_reading(reading) ? driver::hundredths_of(reading) : -1;
}

// The flashes the watch saw: black readings more than 300 ms after the last
// black one (a repaint within a flash may show the light background for a moment).
int flashes_in(const std::vector<std::pair<DWORD, uint32_t>>& pixels) {
    int flashes = 0;
    DWORD last_black = 0;
    for (const auto& [ms, colour] : pixels) {
        if (colour != 0) continue;
        flashes += flashes == 0 || ms - last_black > 300;
        last_black = ms;
    }
    return flashes;
}

TEST_P(Timing, TimerCountsDownTheWorkedExampleAndLeavesDOnTheStopwatch) {
    Program p(GetParam());
    type_row(p, kRows[0]);
    p.press(kIdTimingButton);
    EXPECT_TRUE(painted(p, kClockX, kClockY, "時計合わせ:9月12日12時55分"));
    p.press(kIdTimerButton);
    // every new text of the display, sampled; the last seconds of phase 2
    // are watched for the flashes of the three short beeps and the long one
    std::vector<std::string> texts;
    std::vector<std::pair<DWORD, uint32_t>> pixels;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 45000) {
        const std::string t = p.text(kIdTimerDisplay);
        if (texts.empty() || t != texts.back()) texts.push_back(t);
        if (t == "完了") break;
        const int left = countdown_of(t, "Cギアまで");
        if (pixels.empty() && left >= 0 && left <= 450) pixels = p.watch_pixel(kDisplayBackgroundX, kDisplayBackgroundY, 5000);
        Sleep(40);
    }
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "完了");
    EXPECT_EQ(p.text(kIdStopwatchDisplay), "20.76");
    EXPECT_EQ(flashes_in(pixels), 4) << pixels.size() << " readings";

    // phase 1 from 15.00 down, then phase 2 from 20.76 down, never back up
    size_t i = texts.front().empty() ? 1 : 0;  // before the first text arrived
    std::vector<int> boot, cgear;
    for (; i < texts.size() && countdown_of(texts[i], "起動まで") >= 0; ++i) boot.push_back(countdown_of(texts[i], "起動まで"));
    for (; i < texts.size() && countdown_of(texts[i], "Cギアまで") >= 0; ++i) cgear.push_back(countdown_of(texts[i], "Cギアまで"));
    EXPECT_EQ(i + 1, texts.size()) << "unexpected text " << (i < texts.size() ? texts[i] : "");
    ASSERT_GE(boot.size(), 10u);
    ASSERT_GE(cgear.size(), 10u);
    EXPECT_LE(boot.front(), 1500);
    EXPECT_GE(boot.front(), 1400);
    EXPECT_LE(cgear.front(), 2076);
    EXPECT_GE(cgear.front(), 1976);
    EXPECT_TRUE(std::is_sorted(boot.rbegin(), boot.rend()));
    EXPECT_TRUE(std::is_sorted(cgear.rbegin(), cgear.rend()));
}

TEST_P(Timing, TimerNeedsADateAndStopsWhenPressedAgain) {
    Program p(GetParam());
    EXPECT_EQ(p.text(kIdTimerDisplay), "");
    p.press(kIdTimerButton);
    EXPECT_EQ(p.text(kIdTimerDisplay), "先に計算して下さい");
    // a boot second below 10: the minute before, across the hour
    type_row(p, {"740C0600", "4.00", "0600", "9", "12", "", ""});
    p.press(kIdTimingButton);
    EXPECT_TRUE(painted(p, kClockX, kClockY, "時計合わせ:9月12日11時59分"));
    // no date: no clock line and no countdown
    p.set_text(kIdTimingMonth, "13");
    p.press(kIdTimingButton);
    settle(p);
    EXPECT_TRUE(area_is_white(p.capture(), kClockX, kClockY, 790, kClockY + 18));
    p.set_text(kIdTimerDisplay, "");
    p.press(kIdTimerButton);
    EXPECT_EQ(p.text(kIdTimerDisplay), "先に計算して下さい");

    type_row(p, kRows[0]);
    p.press(kIdTimingButton);
    p.press(kIdTimerButton);
    Sleep(500);
    const int left = countdown_of(p.text(kIdTimerDisplay), "起動まで");
    EXPECT_GT(left, 1300);
    EXPECT_LT(left, 1500);
    p.press(kIdTimerButton);
    // said once the timing thread has taken the stop up and silenced the beeps
    EXPECT_TRUE(shows_within(p, kIdTimerDisplay, "中止"));
    Sleep(300);  // no late countdown text replaces it
    EXPECT_EQ(p.text(kIdTimerDisplay), "中止");
    EXPECT_EQ(p.text(kIdStopwatchDisplay), "0");
}

TEST_P(Timing, StopwatchAndTimerExcludeEachOther) {
    Program p(GetParam());
    type_row(p, kRows[0]);
    p.press(kIdTimingButton);
    p.press(kIdStopwatchButton);
    p.press(kIdTimerButton);  // the stopwatch counts: nothing
    Sleep(200);
    EXPECT_EQ(p.text(kIdTimerDisplay), "");
    EXPECT_TRUE(driver::is_reading(p.text(kIdStopwatchDisplay)));
    p.press(kIdStopwatchButton);
    Sleep(50);
    const std::string frozen = p.text(kIdStopwatchDisplay);

    p.press(kIdTimerButton);
    Sleep(200);
    EXPECT_GT(countdown_of(p.text(kIdTimerDisplay), "起動まで"), 0);
    p.press(kIdStopwatchButton);  // the timer counts: nothing
    EXPECT_EQ(p.text(kIdStopwatchButton), "起動");
    Sleep(200);
    EXPECT_EQ(p.text(kIdStopwatchDisplay), frozen);
    p.press(kIdTimerButton);
    EXPECT_TRUE(shows_within(p, kIdTimerDisplay, "中止"));  // once the timing thread has taken up the stop
    p.press(kIdStopwatchButton);  // free again
    EXPECT_EQ(p.text(kIdStopwatchButton), "Cギア起動");
    p.press(kIdStopwatchButton);
}

// A target no attempt can make: the two lines as calculated, the reason where
// the clock line stands, and a timer that refuses; a target that can be made
// brings the clock line and the countdown back.
TEST_P(Timing, UnmakeableTargetSaysWhyAndTheTimerRefuses) {
    Program p(GetParam());
    const struct {
        Row row;
        const char* reason;
    } cases[] = {
        {{"C6200600", "20.50", "05F0", "9", "12", "起動:9月12日32時55分15秒", "Cギア:9月12日32時55分35.76秒"},
         "このseedは作れません(時が32)"},
        {{"C60C0010", "20.50", "05F0", "9", "12", "起動:9月12日12時59分34秒", "Cギア:9月12日12時59分30.44秒"},
         "このseedは作れません(間隔が-4.56秒)"},
        {{"C60C0600", "0", "0600", "9", "12", "起動:9月12日12時59分31秒", "Cギア:9月12日12時59分31.00秒"},
         "このseedは作れません(間隔が0.00秒)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        type_row(p, c.row);
        p.press(kIdTimingButton);
        expect_lines(p, c.row.boot, c.row.cgear);
        EXPECT_TRUE(painted(p, kClockX, kClockY, c.reason));
        p.press(kIdTimerButton);
        EXPECT_EQ(p.text(kIdTimerDisplay), "このseedは作れません");
        Sleep(200);
        EXPECT_EQ(p.text(kIdTimerDisplay), "このseedは作れません");
    }
    type_row(p, kRows[0]);
    p.press(kIdTimingButton);
    EXPECT_TRUE(painted(p, kClockX, kClockY, "時計合わせ:9月12日12時55分"));
    p.press(kIdTimerButton);
    Sleep(300);
    EXPECT_GT(countdown_of(p.text(kIdTimerDisplay), "起動まで"), 1300);
    p.press(kIdTimerButton);
}

INSTANTIATE_TEST_SUITE_P(Builds, Timing, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
