// The stopwatch's states and reading, driven by an injected millisecond clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "tests/native/temp_dir.h"
#include "timing/adopt.h"
#include "timing/stopwatch.h"
#include "timing/timing_words.h"

namespace {

// The fixture starts every test with the stopwatch idle.
using Stopwatch = TempDirTest;

int32_t stopwatch_state() { return g_timing_words.stopwatch.load(); }

// One pass of the thread: the display text of the reading it posted, or "" when it posted none.
std::string pass_at(uint32_t now_ms) {
    uint32_t hundredths = 0;
    if (!stopwatch_pass(now_ms, &hundredths)) return "";
    char text[256];
    format_stopwatch_reading(hundredths, text);
    return text;
}

std::string press() {
    const TextId caption = press_stopwatch();
    return caption != TextId::kNone ? tr(caption) : "(ignored)";
}

TEST_F(Stopwatch, PressesMoveIdleToRequestedAndRunningToIdle) {
    EXPECT_EQ(pass_at(100), "");  // idle passes touch nothing
    EXPECT_EQ(press(), "Cギア起動");
    EXPECT_EQ(stopwatch_state(), kStopwatchStartRequested);
    // a press before the thread has taken up the start is ignored
    EXPECT_EQ(press(), "(ignored)");
    EXPECT_EQ(stopwatch_state(), kStopwatchStartRequested);
    EXPECT_EQ(pass_at(200), "");  // takes up the start; no reading yet
    EXPECT_EQ(stopwatch_state(), kStopwatchRunning);
    EXPECT_EQ(press(), "起動");
    EXPECT_EQ(stopwatch_state(), kStopwatchIdle);
}

TEST_F(Stopwatch, ReadingGrowsInHundredthsWithTwoDecimals) {
    press();
    const uint32_t start = 5000;
    ASSERT_EQ(pass_at(start), "");
    struct Step {
        uint32_t after_ms;
        const char* shown;  // "" when the display is left alone
    } steps[] = {
        {0, ""},     {9, ""},           {10, "0.01"},      {49, "0.04"},      {50, "0.05"},
        {59, ""},    {20500, "20.50"},  {20509, ""},       {20510, "20.51"},  {123450, "123.45"},
        {123450, ""}, {123459, ""},     {3600000, "3600.00"},
    };
    for (const Step& s : steps) EXPECT_EQ(pass_at(start + s.after_ms), s.shown) << s.after_ms;
}

TEST_F(Stopwatch, StopFreezesAndRestartKeepsOldReadingUntilFirstHundredth) {
    press();
    pass_at(1000);
    EXPECT_EQ(pass_at(1000 + 20500), "20.50");
    press();  // stop
    EXPECT_EQ(pass_at(1000 + 90000), "");

    press();  // start again
    EXPECT_EQ(pass_at(20000), "");  // the old text stays on the display
    EXPECT_EQ(pass_at(20009), "");
    EXPECT_EQ(pass_at(20010), "0.01");
    EXPECT_EQ(pass_at(20000 + 505), "0.50");
}

TEST_F(Stopwatch, ClockWrapDuringCountDoesNoHarm) {
    press();
    pass_at(0xFFFFFF00u);
    EXPECT_EQ(pass_at(0xFFFFFFFFu), "0.25");
    EXPECT_EQ(pass_at(0x00000100u), "0.51");
    EXPECT_EQ(pass_at(0x00004F00u), "20.48");
}

}  // namespace

namespace {

// An adopt button copies the measured interval unless nothing was measured,
// and the low 16 bits as four hexadecimal digits.
using Adopt = TempDirTest;
TEST_F(Adopt, CopiesAMeasuredIntervalOnlyAndTheLowBits) {
    const std::pair<MeasuredInterval, const char*> cases[] = {{{0, false}, ""}, {{0, true}, "0.00"}, {{2050, true}, "20.50"}};
    for (const auto& [measured, copied] : cases) {
        char text[256] = "";
        g_measured = measured;
        EXPECT_EQ(adopted_seconds_text(text), measured.measured);
        EXPECT_STREQ(text, copied);
    }
    char low[256];
    format_adopted_low(0xC60C05F0u, low);
    EXPECT_STREQ(low, "05F0");
}

}  // namespace
