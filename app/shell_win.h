// What the pieces of the Windows front end give each other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/game.h"
#include "core/state.h"
#include "timing/timer_schedule.h"

// The front end's own state: the window, its font and its controls, and what
// the window's thread keeps between messages. The window's thread only.
struct Window {
    HINSTANCE instance;
    HWND main;
    HFONT font;  // every control's and every paint's
    bool controls_created;

    // Child controls the commands read or write, in creation order.
    HWND mac_fields[3];
    HWND roaming_box;
    HWND search_iv_fields[kStatCount];
    HWND search_type_list;
    HWND search_min_power_field;
    HWND search_low_min_field;
    HWND search_low_max_field;
    HWND search_last_frame_field;
    HWND list_seed_field;
    HWND list_iv_fields[kStatCount];
    HWND list_type_list;
    HWND list_min_power_field;
    HWND list_frame_count_field;
    HWND stopwatch_display;
    HWND stopwatch_button;
    HWND switch_on_fields[4];  // month, day, hour, minute
    HWND known_iv_fields[kStatCount];
    HWND candidates_last_frame_field;
    HWND target_seed_field;
    HWND timing_month_field;
    HWND timing_day_field;
    HWND date_mode_list;
    HWND measured_seconds_field;
    HWND obtained_low_field;
    HWND confirm_frames_field;
    HWND species_name_field;
    HWND level_field;
    HWND nature_list;
    HWND timer_display;
    HWND adopt_buttons[kAdoptButtons];

    bool timer_flash;  // the timer's display is flashed for a beep

    // Set from the environment by tests and benchmarks only: result.txt's
    // size guard (0: the shipped 1 GiB) and timer-log.txt after each run.
    uint64_t search_guard_bytes;
    bool timer_log;
};

extern Window g_window;

// The styles of the controls both windows make. The fixed-width build's edit
// fields take no more text than they show.
#ifdef KIVREL_FIXED_WIDTH_FIELDS
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
#else
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
#endif
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kTabStopButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kDisplayStyle = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
constexpr int kListDroppedHeight = 350;

// Creates every child control, then reads config.txt. First paint only.
void create_controls();

// Reads the MAC fields and the roaming box into mac_offset and the roaming flag.
void refresh_mac_and_roaming();

// Texts crossing into Windows (the conversions in app/system_win.cpp, the
// rest in app/text_win.cpp): the program's CP932 bytes converted with code
// page 932, whatever the system's code page.
std::wstring to_wide(const char* cp932);
std::string to_cp932(const wchar_t* text, int length);
// A control's whole text, as CP932 bytes.
std::string window_text(HWND control);
void set_window_text(HWND window, const char* cp932);
void add_list_entry(HWND list, const char* cp932);
void draw_text(HDC dc, int x, int y, const char* cp932);
int message_box(HWND owner, const char* text, const char* caption, unsigned flags);
// A child control of parent, or of the main window, with the window's font.
HWND create_control(HWND parent, const wchar_t* window_class, unsigned long style, const char* text, int x, int y,
                    int width, int height, int id);
HWND create_child(const wchar_t* window_class, unsigned long style, const char* text, int x, int y, int width,
                  int height, int id);
// Makes g_window.font, the one font of the window: the stock font of a
// Japanese system, or a Japanese face where that is missing.
void create_ui_font();

// Index of a list's selected entry.
int32_t selected_entry(HWND list);

// Draws the client area into the paint's device context.
void paint_window(HDC dc);

// Runs the command a button (or any control) sent.
void dispatch_command(uint16_t id);

// Messages the window procedure takes from the program's other threads.
constexpr UINT kMsgShowMessage = WM_APP + 1;  // wParam: MessageBox flags, lParam: the wide text; returns the answer
constexpr UINT kMsgSearchDone = WM_APP + 2;   // the seed search has ended
// From the timing thread, each with the timer run's number in wParam:
constexpr UINT kMsgTimerText = WM_APP + 3;     // lParam: pack_timer_shown
constexpr UINT kMsgTimerBeep = WM_APP + 4;     // lParam: the BeepKind started
constexpr UINT kMsgTimerDone = WM_APP + 5;     // lParam: D in hundredths
constexpr UINT kMsgTimerStopped = WM_APP + 7;  // the run's stop is taken up and its beeps silenced
constexpr UINT kMsgStopwatchText = WM_APP + 8;  // from the timing thread, lParam: the reading in hundredths
constexpr UINT kMsgSetTitle = WM_APP + 6;     // another thread has left a title to show
constexpr UINT_PTR kTitleTimer = 2;            // the title another thread left is due

// The window's thread only. take_posted_title shows the title another thread
// left last (set_main_title), or sets kTitleTimer when the last one shown is
// too recent; show_posted_title shows it at once, if there is one to show.
void take_posted_title();
void show_posted_title();

// A message box of the program over the main window; the user-interface thread only.
int show_message_box(const wchar_t* text, unsigned flags);

// Captions of the seed search button: idle, and while a search runs.
constexpr char kCalculateCaption[] = "計算";
constexpr char kStopCaption[] = "中止";

// Whether a seed search runs; the window then closes only once it has stopped.
bool search_running();
// Starts a seed search on its own thread with the inputs in g_app, or asks
// the running one to stop.
void start_or_stop_search();
// True for a command that must wait while a search runs (its button is disabled).
bool command_waits_for_search(uint16_t id);
// Asks the running search to stop; the window closes when it has ended.
void stop_search_and_close();
// The search has ended: the window becomes as before the search.
void finish_search();
// Waits, at the program's end, for search threads still removing a dropped file.
void wait_for_search_threads();

// The C-Gear timer's window side. The command's part: the sound made ready
// for a run before the timing thread takes it up. The timing thread's part:
// one pass, which starts a due beep before it posts anything, and silences
// the device when it takes up a stop. The rest answers the thread's
// messages, ends a flash (the window timer kTimerFlashId) and colours the
// flashed display.
void prepare_beeps(const TimerSchedule& s);
void run_timer_pass(uint32_t now_ms);
void show_timer_text(WPARAM run, LPARAM shown);
void flash_timer_display(WPARAM run, LPARAM kind);
void finish_timer(WPARAM run, LPARAM interval_centiseconds);
void show_timer_stopped(WPARAM run);
constexpr UINT_PTR kTimerFlashId = 1;
void end_timer_flash(WPARAM timer_id);
// The brush for a static control's background: the flash's, or nullptr for the default.
HBRUSH timer_display_brush(HDC dc, HWND control);

// The stats window: shown (made at the first press) or brought to the front;
// its searches enabled or not; a message of its controls taken by the dialog
// manager, so that Tab moves between them.
void show_stats_window();
void enable_stats_searches(bool enabled);
bool stats_dialog_message(MSG* msg);

// The candidate list replaced and shown with its adopt buttons.
void show_candidate_list(const CandidateList& list);
// What an adopt button does with its raw seed: the stopwatch's interval and
// the seed's low 16 bits into the timing fields.
void adopt_raw_seed(uint32_t raw_seed);

// The timing thread, for the program's life with a 1 ms timer resolution:
// start_timing_thread is false when it cannot be made, end_timing_thread
// gives the resolution and the thread's handle back.
bool start_timing_thread();
void end_timing_thread();
// The stopwatch display shows a reading the timing thread posted.
void show_stopwatch_reading(LPARAM hundredths);
