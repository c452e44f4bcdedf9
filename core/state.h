// The one global state record of Kivrel's portable side: what lasts between
// presses. Each command reads its own fields into its own inputs and hands
// them to its calculation; the window stores here what a calculation returns
// that a later press or paint needs. All members start at zero. It is a plain
// value: a test saves and restores it by copying.
#pragma once

#include <cstdint>

#include "core/game.h"

// What the C-Gear timing calculation found, painted once shown is 1.
struct TimingResults {
    int32_t cgear_month;
    int32_t cgear_day;  // -1: no date found
    int32_t cgear_hour;
    int32_t cgear_minute;
    int32_t cgear_centiseconds;
    int32_t interval_centiseconds;  // D: the interval the calculation used, boot to switch-on
    int32_t boot_month;
    int32_t boot_day;
    int32_t boot_hour;
    int32_t boot_minute;
    int32_t boot_second;
    uint8_t shown;
};

struct AppState {
    GeneratorSetting generator;        // as the last command that runs the generator read it
    SpeciesRecord species[kSpeciesCount];  // from pokemon.dat
    CandidateList candidates;          // the rows the window shows, with their adopt buttons
    TimingResults timing;              // the lines the window shows and the timer counts down
};

extern AppState g_app;
