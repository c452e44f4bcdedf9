// The C-Gear timing calculation, from the typed fields to the two painted lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "core/state.h"
#include "app/main_table.h"
#include "tests/native/temp_dir.h"
#include "timing/cgear_timing.h"

namespace {

// Every test changes the timing inputs and results; the fixture puts them back.
using CGearTiming = TempDirTest;

// Results of a freshly started program.
void reset_timing() { g_app.timing = {}; }

struct Typed {
    const char* target;
    const char* seconds;
    const char* obtained;
    const char* month;
    const char* day;
};

struct Lines {
    std::string boot;
    std::string cgear;
};

// Types the fields and presses "計算" with "以降" selected.
Lines calculate(const Typed& t) {
    g_app.timing = calculate_cgear_timing(read_timing_inputs({t.seconds, t.obtained, t.target, t.month, t.day, 0}), g_app.timing);
    char boot[256], cgear[256];
    format_boot_line(boot);
    format_cgear_line(cgear);
    return {boot, cgear};
}

struct Row {
    Typed typed;
    const char* boot;
    const char* cgear;
};

// Each row from a freshly started program.
const Row kFreshRows[] = {
    // first case of the split: the boot lands on second 15
    {{"C60C0600", "20.50", "05F0", "9", "12"}, "起動:9月12日12時55分15秒", "Cギア:9月12日12時55分35.76秒"},
    // sum below P: minute 0, the boot falls in the previous hour
    {{"760C0600", "20.50", "05F0", "9", "12"}, "起動:9月12日11時59分50秒", "Cギア:9月12日12時0分10.76秒"},
    // sum above P + 59: minute 59
    {{"D00C0600", "20.50", "05F0", "9", "12"}, "起動:9月12日12時59分21秒", "Cギア:9月12日12時59分41.76秒"},
    // 9/12 to 9/17 give sums above 118
    {{"100C0600", "20.50", "05F0", "9", "12"}, "起動:9月18日12時59分31秒", "Cギア:9月18日12時59分51.76秒"},
    // no February 29
    {{"350C0600", "20.50", "05F0", "2", "28"}, "起動:3月1日12時15分15秒", "Cギア:3月1日12時15分35.76秒"},
    // 3/1 set as 2/28 23:59 would count into a leap year's 2/29: 3/2; D = 0 counts nothing: 3/1
    {{"1C000600", "20.50", "05F0", "3", "1"}, "起動:3月2日0時0分2秒", "Cギア:3月2日0時0分22.76秒"},
    {{"08000600", "0", "0600", "3", "1"}, "起動:3月1日0時0分5秒", "Cギア:3月1日0時0分5.00秒"},
    // April 31 does not exist
    {{"2D0C0600", "20.50", "05F0", "4", "31"}, "起動:5月1日12時5分15秒", "Cギア:5月1日12時5分35.76秒"},
    {{"C60C0600", "20.00", "0600", "9", "12"}, "起動:9月12日12時55分15秒", "Cギア:9月12日12時55分35.00秒"},
    {{"C60C0600", "50.00", "0600", "9", "12"}, "起動:9月12日12時58分41秒", "Cギア:9月12日12時59分31.00秒"},
    // 4.56 * 100.0 is just below 456
    {{"C60C0600", "4.56", "0600", "9", "12"}, "起動:9月12日12時59分27秒", "Cギア:9月12日12時59分31.55秒"},
    // hour byte 0: 9/12 would boot before midnight
    {{"71000600", "30.00", "0600", "9", "12"}, "起動:9月28日0時59分28秒", "Cギア:9月28日0時59分58.00秒"},
    // month 13: no search at all
    {{"C60C0600", "20.50", "05F0", "13", "1"}, "起動:0月-1日11時59分40秒", "Cギア:0月-1日12時0分0.00秒"},
    // hour byte 32 used unchanged
    {{"C6200600", "20.50", "05F0", "9", "12"}, "起動:9月12日32時55分15秒", "Cギア:9月12日32時55分35.76秒"},
    // a negative correction is truncated toward zero: -1600 / 60 = -26
    {{"C60C05F0", "20.50", "0600", "9", "12"}, "起動:9月12日12時55分15秒", "Cギア:9月12日12時55分35.24秒"},
    // negative intervals keep the arithmetic: boot after the C-Gear, negative hundredths
    {{"C60C05F0", "0", "0600", "9", "12"}, "起動:9月12日12時59分30秒", "Cギア:9月12日12時59分30.74秒"},
    {{"C60C0600", "-5", "0600", "9", "12"}, "起動:9月12日12時59分36秒", "Cギア:9月12日12時59分31.00秒"},
    {{"C60C0600", "-20.50", "0600", "9", "12"}, "起動:9月12日12時59分50秒", "Cギア:9月12日12時59分30.50秒"},
    // month and day below 1 run with the same arithmetic and show as typed
    {{"400C0600", "20.00", "0600", "0", "5"}, "起動:0月5日12時29分15秒", "Cギア:0月5日12時29分35.00秒"},
    {{"100C0600", "20.00", "0600", "9", "0"}, "起動:9月0日11時59分56秒", "Cギア:9月0日12時0分16.00秒"},
    {{"C60C0600", "20.00", "0600", "9", "-3"}, "起動:9月9日12時59分38秒", "Cギア:9月9日12時59分58.00秒"},
    // empty fields read as 0: month 0 from day 0, target 00000000
    {{"", "", "", "", ""}, "起動:0月0日0時0分0秒", "Cギア:0月0日0時0分0.00秒"},
    // a measured time of 20,000,000 s fits but no date can take it: day -1,
    // C-Gear minute and hundredths of 12/31, the last date tested
    {{"C60C0600", "20000000", "0600", "9", "12"}, "起動:0月-1日-5542時-45分-45秒", "Cギア:0月-1日12時47分35.00秒"},
    // the 32-bit arithmetic cannot hold these intervals: day -1, boot -1:-1:-1
    {{"C60C0600", "20.50", "7FFFFFFF", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日12時0分0.00秒"},
    {{"C60C0600", "20.50", "-80000000", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日12時0分0.00秒"},
    {{"C60C0600", "20.50", "-1C9C380", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日12時0分0.00秒"},
    {{"C60C0600", "1e300", "0600", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日12時0分0.00秒"},
    {{"C60C0600", "-1e300", "0600", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日12時0分0.00秒"},
    {{"C60C0600", "21474836.47", "0600", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日12時0分0.00秒"},
    {{"C60C0600", "-21474836.48", "0600", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日12時0分0.00秒"},
    // the interval fits, the boot time of hour 255 does not
    {{"C6FF0600", "-21400000", "0600", "9", "12"}, "起動:0月-1日-1時-1分-1秒", "Cギア:0月-1日255時0分0.00秒"},
};

TEST_F(CGearTiming, FreshProgramRowsPaintTheirLines) {
    for (const Row& row : kFreshRows) {
        SCOPED_TRACE(std::string(row.typed.target) + " " + row.typed.seconds + " " + row.typed.obtained + " " +
                     row.typed.month + "/" + row.typed.day);
        reset_timing();
        const Lines lines = calculate(row.typed);
        EXPECT_EQ(lines.boot, row.boot);
        EXPECT_EQ(lines.cgear, row.cgear);
        EXPECT_EQ(g_app.timing.shown, 1);
    }
}

// A failed calculation after a successful one keeps what it does not replace.
TEST_F(CGearTiming, FailureAfterSuccessKeepsMonthMinuteAndHundredths) {
    const Typed first = {"C60C0600", "20.50", "05F0", "9", "12"};
    struct Case {
        Typed typed;
        const char* boot;
        const char* cgear;
    } cases[] = {
        {{"C60C0600", "20.50", "05F0", "13", "12"}, "起動:9月-1日12時55分15秒", "Cギア:9月-1日12時55分35.76秒"},
        {{"C60C0600", "1e300", "05F0", "9", "12"}, "起動:9月-1日-1時-1分-1秒", "Cギア:9月-1日12時55分35.76秒"},
        {{"C6FF0600", "-21400000", "0600", "9", "12"}, "起動:9月-1日-1時-1分-1秒", "Cギア:9月-1日255時55分35.76秒"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed.target) + " " + c.typed.seconds + " " + c.typed.month);
        reset_timing();
        calculate(first);
        const Lines lines = calculate(c.typed);
        EXPECT_EQ(lines.boot, c.boot);
        EXPECT_EQ(lines.cgear, c.cgear);
    }
}

TEST_F(CGearTiming, SecondsConvertTruncatingTowardZeroAndSaturate) {
    struct Case {
        double seconds;
        int32_t centiseconds;
    } cases[] = {
        {20.50, 2050},
        {4.56, 455},
        {-4.56, -455},
        {21474836.47, INT32_MAX},
        {21474836.48, INT32_MAX},
        {-21474836.49, INT32_MIN},
        {21474836.46, 2147483646},
        {-21474836.48, INT32_MIN},
        {-21474836.47, -2147483647},
        {1e300, INT32_MAX},
        {-1e300, INT32_MIN},
        {INFINITY, INT32_MAX},
        {-INFINITY, INT32_MIN},
        {NAN, INT32_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(centiseconds_from_seconds(c.seconds), c.centiseconds) << c.seconds;
}

TEST_F(CGearTiming, NotANumberOrInfiniteSecondsGiveNoDate) {
    for (double seconds : {static_cast<double>(NAN), static_cast<double>(INFINITY), -static_cast<double>(INFINITY)}) {
        reset_timing();
        TimingInputs in = read_timing_inputs({"", "0600", "C60C0600", "9", "12", 0});
        in.measured_centiseconds = centiseconds_from_seconds(seconds);
        g_app.timing = calculate_cgear_timing(in, g_app.timing);
        EXPECT_EQ(g_app.timing.cgear_day, -1) << seconds;
        EXPECT_EQ(g_app.timing.boot_day, -1) << seconds;
        EXPECT_EQ(g_app.timing.boot_hour, -1) << seconds;
    }
}

// The same calculation, date by date, exactly as the rules read.
struct Reference {
    int32_t month = 0, day = 0, minute = 0, centiseconds = 0;
};

int32_t reference_length(int32_t m) {
    if (m == 2) return 28;
    if (m == 4 || m == 6 || m == 9 || m == 11) return 30;
    return 31;
}

Reference reference_search(uint32_t target, int32_t interval, int32_t month, int32_t day) {
    const int32_t top = static_cast<int32_t>(target >> 24), hour = static_cast<int32_t>((target >> 16) & 0xFF);
    const int32_t ds = interval / 100, h = interval - ds * 100, p = (ds + 15) % 60;
    Reference r;
    r.day = -1;
    for (int32_t m = month; m <= 12; ++m) {
        for (int32_t d = (m == month ? day : 1); d <= reference_length(m); ++d) {
            int32_t g = (top - m * d) % 256;
            if (g < 0) g += 256;
            if (g > 118) continue;
            const int32_t minute = g < p ? 0 : (g > p + 59 ? 59 : g - p);
            const int32_t second = g < p ? g : (g > p + 59 ? g - 59 : p);
            r.minute = minute;
            r.centiseconds = second * 100 + h;
            const int32_t boot = hour * 360000 + minute * 6000 + r.centiseconds - ds * 100;
            if (boot >= 0 && !(m == 3 && d == 1 && hour < 24 && interval > 0 && boot < 1000)) {
                r.month = m;
                r.day = d;
                return r;
            }
        }
    }
    return r;
}

// Long runs of days and of months below 1 are shortened; the dates found must not change.
TEST_F(CGearTiming, LongRunsBelowOneFindWhatEveryDateWouldFind) {
    const int32_t months[] = {-1300, -600, -257, 0, 9};
    const int32_t days[] = {-2000, -700, -300, 1};
    const uint32_t targets[] = {0xC60C0600, 0x10000600, 0x71000600, 0xFF170600, 0x7700050F};
    const int32_t intervals[] = {2050, 4000000, 9000000, -300};
    for (uint32_t target : targets)
        for (int32_t interval : intervals)
            for (int32_t month : months)
                for (int32_t day : days) {
                    SCOPED_TRACE(testing::Message() << std::hex << target << std::dec << " " << interval << " "
                                                    << month << "/" << day);
                    reset_timing();
                    g_app.timing = calculate_cgear_timing(
                        {interval, static_cast<int32_t>(target & 0xFFFF), target, month, day, true}, g_app.timing);
                    const Reference want = reference_search(target, interval, month, day);
                    EXPECT_EQ(g_app.timing.cgear_month, want.month);
                    EXPECT_EQ(g_app.timing.cgear_day, want.day);
                    EXPECT_EQ(g_app.timing.cgear_minute, want.minute);
                    EXPECT_EQ(g_app.timing.cgear_centiseconds, want.centiseconds);
                }
}

// The most negative month and day still end at once and show as typed.
TEST_F(CGearTiming, ExtremeMonthAndDayEndAndShowTheirDate) {
    reset_timing();
    const Lines lines = calculate({"400C0600", "20.00", "0600", "-2147483648", "-2147483648"});
    EXPECT_EQ(lines.cgear, "Cギア:-2147483648月-2147483648日12時29分35.00秒");
    EXPECT_EQ(lines.boot, "起動:-2147483648月-2147483648日12時29分15秒");

    // an interval no hour-0 date can take: the search runs to December 31 and finds nothing
    reset_timing();
    const Lines none = calculate({"FF000600", "900000", "0600", "-2147483648", "-2147483648"});
    EXPECT_EQ(g_app.timing.cgear_day, -1);
    EXPECT_EQ(g_app.timing.boot_day, -1);
    EXPECT_NE(none.cgear.find("-1日"), std::string::npos);
}

}  // namespace
