// The one global state record of Kivrel. Everything the program remembers
// lives here for the whole run; all members start at zero. The record is a
// plain value: a test saves and restores it by copying.
//
// This header is shared by the portable core and the Windows front end, so it
// names window handles through the same incomplete types <windows.h> uses
// (HWND is HWND__*, HINSTANCE is HINSTANCE__*, HFONT is HFONT__*) without
// including it.
#pragma once

#include <cstdint>

#include "core/game.h"

struct HWND__;
struct HINSTANCE__;
struct HFONT__;
using WindowHandle = HWND__*;
using InstanceHandle = HINSTANCE__*;
using FontHandle = HFONT__*;

// One run of the C-Gear timer, from the press of its button: every moment is
// milliseconds after press_ms on the timing thread's clock.
struct TimerSchedule {
    uint32_t run;            // the run's number, carried by the messages it sends the window
    uint32_t press_ms;       // clock reading at the press
    uint32_t boot_ms;        // phase 1: the press to the boot
    uint32_t end_ms;         // phase 2 ends: the C-Gear switch-on
    int32_t interval_centiseconds;  // D, phase 2 in hundredths
    int32_t event_count;
    uint32_t event_ms[kTimerMaxEvents];  // beep moments, in order
    BeepKind event_kind[kTimerMaxEvents];
};

// When the timing thread started one beep of a run, for the test log.
struct TimerRecord {
    BeepKind kind;
    uint32_t due_ms;      // after the press, as scheduled
    uint32_t started_ms;  // after the press, by the clock once the sound was started
};

struct AppState {
    // Shell.
    InstanceHandle instance;
    WindowHandle main_window;
    FontHandle ui_font;  // every control's and every paint's
    int32_t controls_created;
    uintptr_t stopwatch_thread;

    // Child controls the handlers read or write, in creation order.
    WindowHandle mac_fields[3];
    WindowHandle roaming_box;
    WindowHandle search_iv_fields[kStatCount];
    WindowHandle search_type_list;
    WindowHandle search_min_power_field;
    WindowHandle search_low_min_field;
    WindowHandle search_low_max_field;
    WindowHandle search_last_frame_field;
    WindowHandle list_seed_field;
    WindowHandle list_iv_fields[kStatCount];
    WindowHandle list_type_list;
    WindowHandle list_min_power_field;
    WindowHandle list_frame_count_field;
    WindowHandle stopwatch_display;
    WindowHandle stopwatch_button;
    WindowHandle switch_on_fields[4];  // month, day, hour, minute
    WindowHandle known_iv_fields[kStatCount];
    WindowHandle candidates_last_frame_field;
    WindowHandle target_seed_field;
    WindowHandle timing_month_field;
    WindowHandle timing_day_field;
    WindowHandle date_mode_list;
    WindowHandle measured_seconds_field;
    WindowHandle obtained_low_field;
    WindowHandle confirm_frames_field;
    WindowHandle species_name_field;
    WindowHandle level_field;
    WindowHandle nature_list;
    WindowHandle timer_display;

    // Random number core: the generator state, prepared afresh per raw seed.
    uint32_t mt[kStateWords];
    int32_t mac_offset;  // 0..0xFFFFFF, added to every raw seed before seeding
    bool roaming;        // frames read in the roaming order

    // Inputs of the seed tools, written by each handler before use.
    int32_t iv_minimums[kStatCount];  // seed search and frame list: at least these IVs
    int32_t known_ivs[kStatCount];    // candidates: exactly these IVs
    int32_t low_min;                  // seed search: low 16 bits low_min..low_max
    int32_t low_max;
    int32_t last_frame;               // seed search and candidates: frames 0..last_frame
    int32_t frame_count;              // frame list: frames 0..frame_count - 1
    int32_t hp_type_filter;           // -1 for none, else 0..15
    int32_t hp_min_power;             // 30..70
    uint32_t target_seed;

    // Seed scan engine settings; 0 picks the kernel and the thread count.
    ScanKernel scan_kernel;
    int32_t scan_threads;

    // The seed search runs on its own thread. The stop word and the count of
    // live search threads are shared with it and only ever touched through
    // std::atomic_ref; the rest is the user-interface thread's.
    bool search_running;       // from the press until the search has ended
    bool close_after_search;   // the window was closed during a search
    alignas(4) int32_t search_stop;
    alignas(4) int32_t search_threads;  // a thread lives on while it removes a dropped file
    // Bytes of result.txt past which a search asks before going on; 0 is the
    // shipped 1 GiB. Tests set it lower; the program never does.
    uint64_t search_guard_bytes;

    // Initial seed candidates.
    int32_t switch_on_month;
    int32_t switch_on_day;
    int32_t switch_on_hour;
    int32_t switch_on_minute;
    uint32_t candidate_seeds[kMaxCandidates];
    int32_t candidate_count;
    bool candidates_searched;  // a candidate search has run: an empty list says so
    WindowHandle adopt_buttons[kAdoptButtons];

    // Species table and confirmation list.
    SpeciesRecord species[kSpeciesCount];
    int32_t species_index;
    bool species_found;         // the last name looked up names a record
    char species_name[256];     // that name, as it was looked up
    int32_t nature_entry;       // selected entry of the nature list: 0 none, n + 1 nature n
    int32_t frames_consumed;
    int32_t level;

    // Stopwatch. The state word is shared with the stopwatch thread and only
    // ever touched through std::atomic_ref; the centiseconds are that thread's.
    alignas(4) int32_t stopwatch_state;
    uint32_t stopwatch_centiseconds;

    // C-Gear timer. The state word is shared with the timing thread and only
    // ever touched through std::atomic_ref; the schedule is the button's while
    // the state is idle and the thread's otherwise. The thread keeps its
    // progress and its record; the run number and the flash are the window's.
    alignas(4) int32_t timer_state;
    TimerSchedule timer_schedule;
    int32_t timer_next_event;
    int32_t timer_shown_phase;
    int32_t timer_shown_hundredths;
    TimerRecord timer_record[kTimerMaxEvents];
    uint32_t timer_run;  // the run whose messages the display shows
    bool timer_flash;    // the display is flashed for a beep
    bool timer_log;      // tests only: timer-log.txt is written after each run

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
    int32_t cgear_interval_centiseconds;  // D: the interval the calculation used, boot to switch-on
    int32_t boot_month;
    int32_t boot_day;
    int32_t boot_hour;
    int32_t boot_minute;
    int32_t boot_second;
    uint8_t timing_shown;
};

extern AppState g_app;
