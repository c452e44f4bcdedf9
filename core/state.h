// The one global state record of Kivrel's portable side: the inputs as each
// command last read them, the generator and the results the window shows.
// All members start at zero. The calculations take their inputs; only the
// one-line wrappers beside them read or write this record. It is a plain
// value: a test saves and restores it by copying.
#pragma once

#include <cstdint>

#include "core/game.h"

// The raw seeds one candidate search kept, in loop order.
struct CandidateList {
    uint32_t seeds[kMaxCandidates];
    int32_t count;
    bool searched;  // a candidate search has run: an empty list says so
};

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
    // The MAC bytes and the roaming box as the last command that runs the generator read them.
    int32_t mac_offset;  // 0..0xFFFFFF, added to every raw seed before seeding
    bool roaming;        // frames read in the roaming order

    // Inputs of the seed tools, written by each command before use.
    int32_t iv_minimums[kStatCount];  // seed search and frame list: at least these IVs
    int32_t known_ivs[kStatCount];    // candidates: exactly these IVs
    int32_t low_min;                  // seed search: low 16 bits low_min..low_max
    int32_t low_max;
    int32_t last_frame;               // seed search and candidates: frames 0..last_frame
    int32_t frame_count;              // frame list: frames 0..frame_count - 1
    int32_t hp_type_filter;           // -1 for none, else 0..15
    int32_t hp_min_power;             // 30..70
    uint32_t target_seed;

    // Initial seed candidates.
    int32_t switch_on_month;
    int32_t switch_on_day;
    int32_t switch_on_hour;
    int32_t switch_on_minute;
    CandidateList candidates;

    // Species table and confirmation list.
    SpeciesRecord species[kSpeciesCount];
    int32_t species_index;
    bool species_found;         // the last name looked up names a record
    char species_name[256];     // that name, as it was looked up
    int32_t nature_entry;       // selected entry of the nature list: 0 none, n + 1 nature n
    int32_t frames_consumed;
    int32_t level;

    // C-Gear timing inputs and results.
    int32_t measured_centiseconds;
    int32_t obtained_low;
    int32_t timing_month;
    int32_t timing_day;
    TimingResults timing;
};

extern AppState g_app;
