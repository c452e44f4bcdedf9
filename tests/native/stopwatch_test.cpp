// The stopwatch's states and reading, driven by an injected millisecond clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/state.h"
#include "timing/stopwatch.h"

namespace {

void reset_stopwatch() {
    g_app.stopwatch_state = kStopwatchIdle;
    g_app.stopwatch_centiseconds = 0;
}

// One pass of the thread: the display text it set, or "" when it set none.
std::string pass_at(uint32_t now_ms) {
    char text[256] = "";
    return stopwatch_pass(now_ms, text) ? std::string(text) : std::string();
}

std::string press() {
    const char* caption = press_stopwatch();
    return caption ? caption : "(ignored)";
}

TEST(Stopwatch, PressesMoveIdleToRequestedAndRunningToIdle) {
    reset_stopwatch();
    EXPECT_EQ(pass_at(100), "");  // idle passes touch nothing
    EXPECT_EQ(press(), "Cギア起動");
    EXPECT_EQ(g_app.stopwatch_state, kStopwatchStartRequested);
    // a press before the thread has taken up the start is ignored
    EXPECT_EQ(press(), "(ignored)");
    EXPECT_EQ(g_app.stopwatch_state, kStopwatchStartRequested);
    EXPECT_EQ(pass_at(200), "");  // takes up the start; no reading yet
    EXPECT_EQ(g_app.stopwatch_state, kStopwatchRunning);
    EXPECT_EQ(press(), "起動");
    EXPECT_EQ(g_app.stopwatch_state, kStopwatchIdle);
}

TEST(Stopwatch, ReadingGrowsInHundredthsWithTwoDecimals) {
    reset_stopwatch();
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
    EXPECT_EQ(g_app.stopwatch_centiseconds, 360000u);
}

TEST(Stopwatch, StopFreezesAndRestartKeepsOldReadingUntilFirstHundredth) {
    reset_stopwatch();
    press();
    pass_at(1000);
    EXPECT_EQ(pass_at(1000 + 20500), "20.50");
    press();  // stop
    EXPECT_EQ(pass_at(1000 + 90000), "");
    EXPECT_EQ(g_app.stopwatch_centiseconds, 2050u);

    press();  // start again
    EXPECT_EQ(pass_at(20000), "");  // the old text stays on the display
    EXPECT_EQ(pass_at(20009), "");
    EXPECT_EQ(pass_at(20010), "0.01");
    EXPECT_EQ(pass_at(20000 + 505), "0.50");
}

TEST(Stopwatch, ClockWrapDuringCountDoesNoHarm) {
    reset_stopwatch();
    press();
    pass_at(0xFFFFFF00u);
    EXPECT_EQ(pass_at(0xFFFFFFFFu), "0.25");
    EXPECT_EQ(pass_at(0x00000100u), "0.51");
    EXPECT_EQ(pass_at(0x00004F00u), "20.48");
}

}  // namespace
