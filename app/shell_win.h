// What the pieces of the Windows front end give each other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/state.h"

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
// A child control of the main window with the window's font.
HWND create_child(const wchar_t* window_class, unsigned long style, const char* text, int x, int y, int width,
                  int height, int id);
// Makes g_app.ui_font, the one font of the window: the stock font of a
// Japanese system, or a Japanese face where that is missing.
void create_ui_font();

// Index of a list's selected entry.
int32_t selected_entry(HWND list);

// Draws the client area into the paint's device context.
void paint_window(HDC dc);

// Runs the command a button (or any control) sent.
void dispatch_command(uint16_t id);

// Messages the window procedure takes from the program's other threads.
constexpr UINT kMsgShowMessage = WM_APP + 1;  // wParam: MessageBox flags, lParam: the text; returns the answer
constexpr UINT kMsgSearchDone = WM_APP + 2;   // the seed search has ended
// From the timing thread, each with the timer run's number in wParam:
constexpr UINT kMsgTimerText = WM_APP + 3;  // lParam: hundredths * 4 + phase, as TimerShown
constexpr UINT kMsgTimerBeep = WM_APP + 4;  // lParam: the BeepKind started
constexpr UINT kMsgTimerDone = WM_APP + 5;  // lParam: D in hundredths
constexpr UINT kMsgSetTitle = WM_APP + 6;     // another thread has left a title to show
constexpr UINT_PTR kTitleTimer = 2;            // the title another thread left is due

// The window's thread only. take_posted_title shows the title another thread
// left last (set_main_title), or sets kTitleTimer when the last one shown is
// too recent; show_posted_title shows it at once, if there is one to show.
void take_posted_title();
void show_posted_title();

// A message box of the program over the main window; the user-interface thread only.
int show_message_box(const char* text, unsigned flags);

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
// for a run before the timing thread takes it up, and the display of a
// stopped run. The timing thread's part: one pass, which starts a due beep
// before it posts anything. The rest answers the thread's messages, ends a
// flash (the window timer kTimerFlashId) and colours the flashed display.
void prepare_beeps(const TimerSchedule& s);
void show_timer_stopped();
void run_timer_pass(uint32_t now_ms);
void show_timer_text(WPARAM run, LPARAM shown);
void flash_timer_display(WPARAM run, LPARAM kind);
void finish_timer(WPARAM run, LPARAM interval_centiseconds);
constexpr UINT_PTR kTimerFlashId = 1;
void end_timer_flash(WPARAM timer_id);
// The brush for a static control's background: the flash's, or nullptr for the default.
HBRUSH timer_display_brush(HDC dc, HWND control);

// Starts the stopwatch thread with a 1 ms timer resolution for the program's
// life; end_stopwatch gives the resolution back.
uintptr_t start_stopwatch();
void end_stopwatch(uintptr_t thread);
