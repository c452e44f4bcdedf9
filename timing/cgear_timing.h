// When to boot the game and switch the C-Gear on so that the raw seed becomes
// the target: reads the timing inputs of g_app, writes the C-Gear and boot
// results and sets timing_shown.
#pragma once

#include <cstdint>

// The timing calculation's fields as the window holds them.
struct TimingTexts {
    const char* seconds;       // measured seconds from boot to C-Gear switch-on
    const char* obtained_low;  // the low 16 bits they gave, hexadecimal
    const char* target_seed;   // hexadecimal
    const char* month;
    const char* day;
    int32_t date_mode_entry;   // selected entry of the date list; 0 is "以降" (on or after)
};

// Stores the typed fields into g_app as the C runtime reads them (seconds
// with atof, obtained low 16 bits and target in hexadecimal, month and day
// with atoi), splits the target (C-Gear hour = its hour byte, C-Gear day =
// -1), then calculates when the date list reads "以降".
void run_cgear_timing(const TimingTexts& t);

// Typed seconds to hundredths: seconds * 100.0 truncated toward zero. Beyond
// the 32-bit range it gives INT32_MAX (or INT32_MIN, also for nan), which the
// calculation takes as out of range.
int32_t centiseconds_from_seconds(double seconds);

// Days of a month in the calculation's calendar: no February 29; months
// outside 1..12 run to day 31.
int32_t days_in_month(int32_t month);

// Finds the first date from timing_month/timing_day to December 31 whose
// top byte the target can take, and the boot and C-Gear times on it.
// Nothing found: day -1. An interval the 32-bit arithmetic cannot hold: day
// -1 and boot time -1:-1:-1, other results unchanged.
void compute_cgear_timing();
