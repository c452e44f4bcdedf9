// The command handlers: each reads its fields' texts, has the portable side
// convert and clamp them into g_app, runs its calculation and asks for a
// repaint where the window shows the result.
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "app/ids.h"
#include "app/layout.h"
#include "app/shell_win.h"
#include "core/state.h"
#include "timing/adopt.h"
#include "timing/cgear_timer.h"
#include "timing/cgear_timing.h"
#include "timing/stopwatch.h"
#include "tools/candidates.h"
#include "tools/confirmation_list.h"
#include "tools/frame_list.h"
#include "tools/seed_search.h"

namespace {

// Field texts read from the window, kept until the command returns.
struct HeldTexts {
    std::string text[24];
    int used = 0;
};

const char* hold(HeldTexts& held, HWND field) {
    std::string& s = held.text[held.used++];
    s = window_text(field);
    return s.c_str();
}

void hold_row(HeldTexts& held, const HWND* fields, const char** texts) {
    for (int32_t s = 0; s < kStatCount; ++s) texts[s] = hold(held, fields[s]);
}

void repaint() { InvalidateRect(g_window.main, nullptr, FALSE); }

void seed_search_command() {
    if (search_running()) {
        start_or_stop_search();  // the button reads "中止" now
        return;
    }
    const Window& w = g_window;
    HeldTexts held;
    SeedSearchTexts t{};
    hold_row(held, w.search_iv_fields, t.ivs);
    t.low_min = hold(held, w.search_low_min_field);
    t.low_max = hold(held, w.search_low_max_field);
    t.last_frame = hold(held, w.search_last_frame_field);
    t.type_entry = selected_entry(w.search_type_list);
    t.min_power = hold(held, w.search_min_power_field);
    store_seed_search_inputs(t);
    refresh_mac_and_roaming();
    start_or_stop_search();
}

void frame_list_command() {
    const Window& w = g_window;
    HeldTexts held;
    FrameListTexts t{};
    hold_row(held, w.list_iv_fields, t.ivs);
    t.frame_count = hold(held, w.list_frame_count_field);
    t.raw_seed = hold(held, w.list_seed_field);
    t.type_entry = selected_entry(w.list_type_list);
    t.min_power = hold(held, w.list_min_power_field);
    store_frame_list_inputs(t);
    refresh_mac_and_roaming();
    write_frame_list();
}

void stopwatch_command() {
    if (const char* caption = press_stopwatch()) set_window_text(g_window.stopwatch_button, caption);
}

void destroy_adopt_buttons() {
    for (HWND& b : g_window.adopt_buttons) {
        if (b) DestroyWindow(b);
        b = nullptr;
    }
}

// The adopt buttons of the first kAdoptButtons candidates; rows past them are
// painted without one.
void create_adopt_buttons() {
    for (int32_t n = 0; n < g_app.candidates.count && n < kAdoptButtons; ++n) {
        g_window.adopt_buttons[n] = create_child(L"button", WS_CHILD | WS_VISIBLE, "採用", kAdoptButtonX,
                                                 kCandidateRowY + kCandidateRowSpacing * n, kAdoptButtonWidth,
                                                 kAdoptButtonHeight, kIdFirstAdopt + n);
    }
}

void candidates_command() {
    const Window& w = g_window;
    HeldTexts held;
    CandidateTexts t{};
    hold_row(held, w.known_iv_fields, t.known_ivs);
    for (int32_t i = 0; i < 4; ++i) t.switch_on[i] = hold(held, w.switch_on_fields[i]);
    t.last_frame = hold(held, w.candidates_last_frame_field);
    store_candidate_inputs(t);
    refresh_mac_and_roaming();
    show_candidate_list(search_candidate_seeds(candidate_inputs()));
}

void cgear_timing_command() {
    const Window& w = g_window;
    HeldTexts held;
    TimingTexts t{};
    t.seconds = hold(held, w.measured_seconds_field);
    t.obtained_low = hold(held, w.obtained_low_field);
    t.target_seed = hold(held, w.target_seed_field);
    t.month = hold(held, w.timing_month_field);
    t.day = hold(held, w.timing_day_field);
    t.date_mode_entry = selected_entry(w.date_mode_list);
    run_cgear_timing(t);
    repaint();
}

void confirmation_list_command() {
    const Window& w = g_window;
    HeldTexts held;
    ConfirmationTexts t{};
    t.species_name = hold(held, w.species_name_field);
    t.frames_consumed = hold(held, w.confirm_frames_field);
    t.level = hold(held, w.level_field);
    t.target_seed = hold(held, w.target_seed_field);
    t.nature_entry = selected_entry(w.nature_list);
    store_confirmation_inputs(t);
    refresh_mac_and_roaming();
    write_confirmation_list();
    repaint();
}

// The C-Gear timer: counts down from this press to the boot and the switch-on,
// or stops the running countdown.
void timer_command() {
    const uint32_t press_ms = timeGetTime();  // the moment the player confirmed the console's clock
    switch (timer_press_kind(g_app.timing)) {
    case kTimerPressIgnored: break;
    case kTimerPressNotReady: set_window_text(g_window.timer_display, kTimerNotReadyText); break;
    case kTimerPressUnmakeable: set_window_text(g_window.timer_display, kTimerUnmakeableText); break;
    case kTimerPressStart: start_timer(g_app.timing, press_ms, prepare_beeps); break;
    case kTimerPressStop: stop_timer(); break;  // the timing thread says when the beeps are silenced
    }
}

// Adopt button 1001 + n adopts candidate n. Acts on the first kAdoptButtons identifiers only.
void adopt_command(uint16_t id) {
    const int32_t n = static_cast<uint16_t>(id - kIdFirstAdopt);
    if (n >= kAdoptButtons || n >= g_app.candidates.count) return;  // a button of an earlier list
    adopt_raw_seed(g_app.candidates.seeds[n]);
}

}  // namespace

void show_candidate_list(const CandidateList& list) {
    destroy_adopt_buttons();
    g_app.candidates = list;
    create_adopt_buttons();
    repaint();
}

void adopt_raw_seed(uint32_t raw_seed) {
    // a display that has measured nothing yet must not replace a typed interval
    const std::string reading = window_text(g_window.stopwatch_display);
    if (adopts_stopwatch_text(reading.c_str())) set_window_text(g_window.measured_seconds_field, reading.c_str());
    char low[256];
    format_adopted_low(raw_seed, low);
    set_window_text(g_window.obtained_low_field, low);
}

void dispatch_command(uint16_t id) {
    // the buttons are disabled meanwhile; a command sent anyway waits too
    if (command_waits_for_search(id)) return;
    switch (id) {
    case kIdSearchButton: seed_search_command(); break;
    case kIdListButton: frame_list_command(); break;
    case kIdStopwatchButton: stopwatch_command(); break;
    case kIdCandidatesButton: candidates_command(); break;
    case kIdTimingButton: cgear_timing_command(); break;
    case kIdConfirmButton: confirmation_list_command(); break;
    case kIdTimerButton: timer_command(); break;
    case kIdStatsButton: show_stats_window(); break;
    default: break;
    }
    // every command then meets the adopt test, which picks out the adopt buttons
    adopt_command(id);
}
