// The command handlers: each reads its fields' texts, has the portable side
// convert and clamp them into g_app, runs its calculation and asks for a
// repaint where the window shows the result.
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "app/ids.h"
#include "app/shell_win.h"
#include "core/state.h"
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

void hold_row(HeldTexts& held, const WindowHandle* fields, const char** texts) {
    for (int32_t s = 0; s < kStatCount; ++s) texts[s] = hold(held, fields[s]);
}

void repaint() { InvalidateRect(g_app.main_window, nullptr, FALSE); }

void seed_search_command() {
    if (search_running()) {
        start_or_stop_search();  // the button reads "中止" now
        return;
    }
    const AppState& a = g_app;
    HeldTexts held;
    SeedSearchTexts t{};
    hold_row(held, a.search_iv_fields, t.ivs);
    t.low_min = hold(held, a.search_low_min_field);
    t.low_max = hold(held, a.search_low_max_field);
    t.last_frame = hold(held, a.search_last_frame_field);
    t.type_entry = selected_entry(a.search_type_list);
    t.min_power = hold(held, a.search_min_power_field);
    store_seed_search_inputs(t);
    refresh_mac_and_roaming();
    start_or_stop_search();
}

void frame_list_command() {
    const AppState& a = g_app;
    HeldTexts held;
    FrameListTexts t{};
    hold_row(held, a.list_iv_fields, t.ivs);
    t.frame_count = hold(held, a.list_frame_count_field);
    t.raw_seed = hold(held, a.list_seed_field);
    t.type_entry = selected_entry(a.list_type_list);
    t.min_power = hold(held, a.list_min_power_field);
    store_frame_list_inputs(t);
    refresh_mac_and_roaming();
    write_frame_list();
}

void stopwatch_command() {
    if (const char* caption = press_stopwatch()) set_window_text(g_app.stopwatch_button, caption);
}

void destroy_adopt_buttons() {
    for (WindowHandle& b : g_app.adopt_buttons) {
        if (b) DestroyWindow(b);
        b = nullptr;
    }
}

// The adopt buttons of the first kAdoptButtons candidates; rows past them are
// painted without one.
void create_adopt_buttons() {
    AppState& a = g_app;
    for (int32_t n = 0; n < a.candidate_count && n < kAdoptButtons; ++n) {
        a.adopt_buttons[n] = create_child(L"button", WS_CHILD | WS_VISIBLE, "採用", 235, 405 + 25 * n, 45, 22, kIdFirstAdopt + n);
    }
}

void candidates_command() {
    const AppState& a = g_app;
    HeldTexts held;
    CandidateTexts t{};
    hold_row(held, a.known_iv_fields, t.known_ivs);
    for (int32_t i = 0; i < 4; ++i) t.switch_on[i] = hold(held, a.switch_on_fields[i]);
    t.last_frame = hold(held, a.candidates_last_frame_field);
    store_candidate_inputs(t);
    refresh_mac_and_roaming();
    destroy_adopt_buttons();
    search_candidate_seeds();
    create_adopt_buttons();
    repaint();
}

void cgear_timing_command() {
    const AppState& a = g_app;
    HeldTexts held;
    TimingTexts t{};
    t.seconds = hold(held, a.measured_seconds_field);
    t.obtained_low = hold(held, a.obtained_low_field);
    t.target_seed = hold(held, a.target_seed_field);
    t.month = hold(held, a.timing_month_field);
    t.day = hold(held, a.timing_day_field);
    t.date_mode_entry = selected_entry(a.date_mode_list);
    run_cgear_timing(t);
    repaint();
}

void confirmation_list_command() {
    const AppState& a = g_app;
    HeldTexts held;
    ConfirmationTexts t{};
    t.species_name = hold(held, a.species_name_field);
    t.frames_consumed = hold(held, a.confirm_frames_field);
    t.level = hold(held, a.level_field);
    t.target_seed = hold(held, a.target_seed_field);
    t.nature_entry = selected_entry(a.nature_list);
    store_confirmation_inputs(t);
    refresh_mac_and_roaming();
    write_confirmation_list();
    repaint();
}

// The C-Gear timer: counts down from this press to the boot and the switch-on,
// or stops the running countdown.
void timer_command() {
    const uint32_t press_ms = timeGetTime();  // the moment the player confirmed the console's clock
    switch (timer_press_kind()) {
    case kTimerPressIgnored: break;
    case kTimerPressNotReady: set_window_text(g_app.timer_display, kTimerNotReadyText); break;
    case kTimerPressStart: start_timer(press_ms, prepare_beeps); break;
    case kTimerPressStop:
        if (stop_timer()) show_timer_stopped();
        break;
    }
}

// Adopt button 1001 + n: the stopwatch reading and candidate n's low 16 bits
// go into the timing fields. Acts on the first kAdoptButtons identifiers only.
void adopt_command(uint16_t id) {
    const uint16_t n = static_cast<uint16_t>(id - kIdFirstAdopt);
    if (n >= kAdoptButtons) return;
    set_window_text(g_app.measured_seconds_field, window_text(g_app.stopwatch_display).c_str());
    char low[256];
    format_adopted_low(n, low);
    set_window_text(g_app.obtained_low_field, low);
}

}  // namespace

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
    default: break;
    }
    // every command then meets the adopt test, which picks out the adopt buttons
    adopt_command(id);
}
