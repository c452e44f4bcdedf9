// The one global state record of Kivrel. Everything the program remembers
// lives here for the whole run; all members start at zero.
//
// This header is shared by the portable core and the Windows front end, so it
// names window handles through the same incomplete types <windows.h> uses
// (HWND is HWND__*, HINSTANCE is HINSTANCE__*) without including it.
#pragma once

#include <atomic>
#include <cstdint>

struct HWND__;
struct HINSTANCE__;
using WindowHandle = HWND__*;
using InstanceHandle = HINSTANCE__*;

// MT19937 state size: the generator is seeded and twisted once per raw seed.
constexpr int kStateWords = 624;

// Last frame whose six IVs lie inside one twisted state (outputs 0..623).
constexpr int32_t kLastFrameNormal = 616;
constexpr int32_t kLastFrameRoaming = 615;

constexpr int kSpeciesCount = 649;
constexpr int kMaxCandidates = 20;
constexpr int kAdoptButtons = 10;

// Stats in IvSet order.
enum Stat { kH, kA, kB, kC, kD, kS, kStatCount };

struct IvSet {
    int32_t iv[kStatCount];  // H, A, B, C, D, S, each 0..31
};

struct SpeciesRecord {
    int32_t base[kStatCount];  // H, A, B, C, D, S
    char name[256];            // Shift-JIS, zero-ended
};

// Stopwatch states shared with the stopwatch thread.
enum StopwatchState : int32_t { kStopwatchIdle = 0, kStopwatchStartRequested = 1, kStopwatchRunning = 2 };

struct AppState {
    // Shell.
    InstanceHandle instance;
    WindowHandle main_window;
    int32_t controls_created;
    uintptr_t stopwatch_thread;

    // Child controls, in creation order.
    WindowHandle mac_fields[3];             // 109, 110, 111
    WindowHandle roaming_box;               // 201
    WindowHandle search_iv_fields[6];       // 100..105
    WindowHandle search_hp_type_list;       // 303
    WindowHandle search_hp_power_field;     // 150
    WindowHandle search_low_min_field;      // 108
    WindowHandle search_low_max_field;      // 106
    WindowHandle search_frame_limit_field;  // 107
    WindowHandle search_button;             // 200
    WindowHandle list_seed_field;           // 119
    WindowHandle list_iv_fields[6];         // 112..117
    WindowHandle list_hp_type_list;         // 304
    WindowHandle list_hp_power_field;       // 120
    WindowHandle list_frame_count_field;    // 118
    WindowHandle list_button;               // 202
    WindowHandle stopwatch_display;         // 930
    WindowHandle stopwatch_button;          // 210
    WindowHandle switch_on_fields[4];       // 130..133: month, day, hour, minute
    WindowHandle known_iv_fields[6];        // 134..139
    WindowHandle candidates_button;         // 211
    WindowHandle candidates_frame_field;    // 154
    WindowHandle target_seed_field;         // 140
    WindowHandle timing_month_field;        // 142
    WindowHandle timing_day_field;          // 143
    WindowHandle timing_mode_list;          // 311
    WindowHandle measured_seconds_field;    // 144
    WindowHandle obtained_low_field;        // 145
    WindowHandle timing_button;             // 212
    WindowHandle confirm_frames_field;      // 146
    WindowHandle species_name_field;        // 147
    WindowHandle level_field;               // 148
    WindowHandle confirm_button;            // 213

    // Random number core.
    uint32_t mt[kStateWords];
    int32_t mac_offset;  // 0..0xFFFFFF
    bool roaming;

    // Inputs shared by the seed tools, written by each handler before use.
    int32_t iv_thresholds[kStatCount];
    int32_t low_min;
    int32_t low_max;
    int32_t frame_limit;
    int32_t hp_type_filter;  // -1 for none, else 0..15
    int32_t hp_min_power;    // 30..70
    uint32_t target_seed;

    // Initial seed candidates.
    int32_t switch_on_month;
    int32_t switch_on_day;
    int32_t switch_on_hour;
    int32_t switch_on_minute;
    uint32_t candidate_seeds[kMaxCandidates];
    int32_t candidate_count;
    WindowHandle adopt_buttons[kAdoptButtons];

    // Species table and confirmation list.
    SpeciesRecord species[kSpeciesCount];
    int32_t species_index;
    int32_t frames_consumed;
    int32_t level;

    // Stopwatch: the state is shared with the stopwatch thread.
    std::atomic<int32_t> stopwatch_state;
    uint32_t stopwatch_centiseconds;

    // C-Gear timing inputs.
    int32_t measured_centiseconds;
    int32_t obtained_low;
    int32_t timing_month;
    int32_t timing_day;

    // C-Gear timing results, painted once timing_shown is 1.
    int32_t cgear_month;
    int32_t cgear_day;
    int32_t cgear_hour;
    int32_t cgear_minute;
    int32_t cgear_centiseconds;
    int32_t boot_month;
    int32_t boot_day;
    int32_t boot_hour;
    int32_t boot_minute;
    int32_t boot_second;
    uint8_t timing_shown;
};

extern AppState g_app;
