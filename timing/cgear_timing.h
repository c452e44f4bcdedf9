// When to boot the game and switch the C-Gear on so that the raw seed becomes
// the target: from the measured interval, the low 16 bits it gave, the target
// and the first date, the C-Gear and boot times.
#pragma once

#include <cstdint>

#include "core/state.h"

// A boot second below this is too soon after the confirmation to boot: the
// clock is set to the minute before.
constexpr int32_t kShortestBootSecond = 10;

// A C-Gear clock has hours 0..23: a target whose hour byte is this or more cannot be made.
constexpr int32_t kHoursOfTheClock = 24;

// The timing calculation's fields as the window holds them.
struct TimingTexts {
    const char* seconds;       // measured seconds from boot to C-Gear switch-on
    const char* obtained_low;  // the low 16 bits they gave, hexadecimal
    const char* target_seed;   // hexadecimal
    const char* month;
    const char* day;
    int32_t date_mode_entry;   // selected entry of the date list; 0 is "以降" (on or after)
};

// The calculation's inputs.
struct TimingInputs {
    int32_t measured_centiseconds;
    int32_t obtained_low;
    uint32_t target_seed;
    int32_t month;
    int32_t day;
    bool search_dates;  // the date list reads "以降"
};

// The fields as the C runtime reads them: seconds with atof into hundredths,
// obtained low 16 bits and target in hexadecimal, month and day with atoi.
TimingInputs read_timing_inputs(const TimingTexts& t);

// The command's results from the previous ones: the C-Gear hour is the
// target's hour byte and no date is found, unless in.search_dates, when
// compute_cgear_timing searches from in.month/in.day.
TimingResults calculate_cgear_timing(const TimingInputs& in, const TimingResults& previous);

// Typed seconds to hundredths: seconds * 100.0 truncated toward zero. Beyond
// the 32-bit range it gives INT32_MAX (or INT32_MIN, also for nan), which the
// calculation takes as out of range.
int32_t centiseconds_from_seconds(double seconds);

// The measured-seconds field's text in hundredths, as the calculation reads it.
int32_t read_measured_centiseconds(const char* seconds_text);

// Days of a month in the calculation's calendar: no February 29; months
// outside 1..12 run to day 31.
int32_t days_in_month(int32_t month);

// Finds the first date from in.month/in.day to December 31 whose top byte
// the target can take, and the boot and C-Gear times on it, into *r, which
// holds the previous results (the C-Gear hour is the target's, set before).
// Nothing found: day -1, with the month of the last date found and the minute
// and hundredths of the last date tested kept. An interval the 32-bit
// arithmetic cannot hold: day -1 and boot time -1:-1:-1, other results
// unchanged. Sets r->shown.
void compute_cgear_timing(const TimingInputs& in, TimingResults* r);
