// What the pieces of the Windows front end give each other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Creates every child control, then reads config.txt. First paint only.
void create_controls();

// Reads the MAC fields and the roaming box into mac_offset and the roaming flag.
void refresh_mac_and_roaming();

// A control's whole text, as CP932 bytes.
std::string window_text(HWND control);

// Index of a list's selected entry.
int32_t selected_entry(HWND list);

// Draws the client area into the paint's device context.
void paint_window(HDC dc);

// Runs the command a button (or any control) sent.
void dispatch_command(uint16_t id);

// Messages the window procedure takes from the program's other threads.
constexpr UINT kMsgShowMessage = WM_APP + 1;  // wParam: MessageBox flags, lParam: the text; returns the answer
constexpr UINT kMsgSearchDone = WM_APP + 2;   // the seed search has ended
constexpr UINT kMsgSetTitle = WM_APP + 3;     // another thread has left a title to show
constexpr UINT_PTR kTitleTimer = 1;            // the title another thread left is due

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

// Starts the stopwatch thread with a 1 ms timer resolution for the program's
// life; end_stopwatch gives the resolution back.
uintptr_t start_stopwatch();
void end_stopwatch(uintptr_t thread);
