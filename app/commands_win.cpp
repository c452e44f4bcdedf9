// The main window's command handlers: each reads its fields' texts, has the
// portable side convert and clamp them into its inputs, runs its calculation
// and stores or shows what it returns.
#include <windows.h>

#include <string>

#include "app/ids.h"
#include "app/layout.h"
#include "app/main_table.h"
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

void repaint() { InvalidateRect(g_window.main, nullptr, FALSE); }

void seed_search_command() {
    if (search_running()) {
        stop_search();  // the button reads "中止" now
        return;
    }
    HeldTexts held(g_window.main);
    SeedSearchTexts t{};
    held.take_row(kIdSearchIvFirst, t.ivs);
    t.low_min = held.take(kIdSearchLowMin);
    t.low_max = held.take(kIdSearchLowMax);
    t.last_frame = held.take(kIdSearchLastFrame);
    t.type_entry = selected_entry(main_control(kIdSearchTypeList));
    t.min_power = held.take(kIdSearchMinPower);
    start_search(read_seed_search_inputs(t, refresh_generator_setting()));
}

void frame_list_command() {
    HeldTexts held(g_window.main);
    FrameListTexts t{};
    held.take_row(kIdListIvFirst, t.ivs);
    t.frame_count = held.take(kIdListFrameCount);
    t.raw_seed = held.take(kIdListSeed);
    t.type_entry = selected_entry(main_control(kIdListTypeList));
    t.min_power = held.take(kIdListMinPower);
    write_frame_list(read_frame_list_inputs(t, refresh_generator_setting()));
}

void stopwatch_command() {
    const TextId caption = press_stopwatch();
    if (caption != TextId::kNone) set_window_text(main_control(kIdStopwatchButton), tr(caption));
}

// The adopt button of candidate n, beside its row.
ControlSpec adopt_button(int32_t n) {
    const auto y = static_cast<int16_t>(kCandidateRowY + kCandidateRowSpacing * n);
    return in_english(control(kIdFirstAdopt + n, ControlKind::kMouseButton, kAdoptButtonX, y, kAdoptButtonWidth,
                              kAdoptButtonHeight, TextId::kAdoptButton, nullptr),
                      kEnglishAdoptButtonX, y, kEnglishAdoptButtonWidth);
}

void destroy_adopt_buttons() {
    for (int32_t n = 0; n < kAdoptButtons; ++n)
        if (HWND b = main_control(kIdFirstAdopt + n)) DestroyWindow(b);
}

// The adopt buttons of the first kAdoptButtons candidates; rows past them are
// painted without one.
void create_adopt_buttons() {
    ControlSpec buttons[kAdoptButtons];
    int32_t count = 0;
    for (; count < g_app.candidates.count && count < kAdoptButtons; ++count) buttons[count] = adopt_button(count);
    create_controls(g_window.main, {buttons, count, nullptr, 0});
}

void candidates_command() {
    HeldTexts held(g_window.main);
    CandidateTexts t{};
    held.take_row(kIdKnownIvFirst, t.known_ivs);
    held.take_row(kIdSwitchOnFirst, t.switch_on, 4);
    t.last_frame = held.take(kIdCandidatesLastFrame);
    show_candidate_list(search_candidate_seeds(read_candidate_inputs(t, refresh_generator_setting())));
}

void cgear_timing_command() {
    HeldTexts held(g_window.main);
    TimingTexts t{};
    t.seconds = held.take(kIdMeasuredSeconds);
    t.obtained_low = held.take(kIdObtainedLow);
    t.target_seed = held.take(kIdTargetSeed);
    t.month = held.take(kIdTimingMonth);
    t.day = held.take(kIdTimingDay);
    t.date_mode_entry = selected_entry(main_control(kIdDateModeList));
    g_app.timing = calculate_cgear_timing(read_timing_inputs(t), g_app.timing);
    repaint();
}

void confirmation_list_command() {
    HeldTexts held(g_window.main);
    ConfirmationTexts t{};
    t.species_name = held.take(kIdSpeciesName);
    t.frames_consumed = held.take(kIdConfirmFrames);
    t.level = held.take(kIdLevel);
    t.target_seed = held.take(kIdTargetSeed);
    t.nature_entry = selected_entry(main_control(kIdNatureList));
    write_confirmation_list(read_confirmation_inputs(t, g_app.species, refresh_generator_setting()));
    repaint();
}

// The C-Gear timer: counts down from this press to the boot and the switch-on,
// or stops the running countdown.
void timer_command() {
    const uint32_t press_ms = timing_clock_ms();  // the moment the player confirmed the console's clock
    switch (timer_press_kind(g_app.timing)) {
    case kTimerPressIgnored: break;
    case kTimerPressNotReady: show_timer_word(TextId::kTimerNotReady); break;
    case kTimerPressUnmakeable: show_timer_word(TextId::kTimerUnmakeable); break;
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

void relabel_main_window() {
    relabel_controls(g_window.main, kMainWindowTable);
    ControlSpec buttons[kAdoptButtons];
    for (int32_t n = 0; n < kAdoptButtons; ++n) buttons[n] = adopt_button(n);
    relabel_controls(g_window.main, {buttons, kAdoptButtons, nullptr, 0});
    set_window_text(main_control(kIdSearchButton), tr(search_running() ? TextId::kStopButton : TextId::kSearchButton));
    set_window_text(main_control(kIdStopwatchButton), tr(stopwatch_caption()));
    show_timer_display_again();
}

void show_candidate_list(const CandidateList& list) {
    destroy_adopt_buttons();
    g_app.candidates = list;
    create_adopt_buttons();
    repaint();
}

void adopt_raw_seed(uint32_t raw_seed) {
    char seconds[256];
    if (adopted_seconds_text(seconds)) set_window_text(main_control(kIdMeasuredSeconds), seconds);
    char low[256];
    format_adopted_low(raw_seed, low);
    set_window_text(main_control(kIdObtainedLow), low);
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
    case kIdLanguageButton: switch_language(); break;
    default: break;
    }
    // every command then meets the adopt test, which picks out the adopt buttons
    adopt_command(id);
}
