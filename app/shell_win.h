// What the pieces of the Windows front end give each other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/window_table.h"
#include "core/game.h"
#include "core/state.h"
#include "timing/timer_schedule.h"

// The front end's own state: the instance, the main window and its font, and
// what the window's thread keeps between messages. The window's thread only.
struct Window {
    HINSTANCE instance;
    HWND main;
    HFONT font;  // every control's and every paint's, in every window
    bool controls_created;

    bool timer_flash;  // the timer's display is flashed for a beep

    // Set from the environment by tests and benchmarks only: result.txt's
    // size guard (0: the shipped 1 GiB) and timer-log.txt after each run.
    uint64_t search_guard_bytes;
    bool timer_log;
};

extern Window g_window;

// A control of the main window.
HWND main_control(int id);

// --- Every window's pieces (app/window_kit_win.cpp) ---

// Registers a window class of the program with its procedure; the main
// window's class also gets the program's icon and a repaint on resizing.
bool register_window_class(const wchar_t* name, WNDPROC procedure, bool main_window);

// Creates every control of table in window, in table order, with the
// window's font, each list filled and its first entry selected.
void create_controls(HWND window, const WindowTable& table);

// Moves every control of table in window to its place in the shown language
// and gives it that language's caption; each list is filled again with its
// selection kept; typed fields and displays keep their texts.
void relabel_controls(HWND window, const WindowTable& table);

// Draws table's lines and texts with the window's font; each result item
// (candidate rows, timing lines) is drawn by draw_result.
void paint_table(HDC dc, const WindowTable& table, void (*draw_result)(HDC dc, const PaintItem& item));

// A control's whole text, as CP932 bytes.
std::string field_text(HWND window, int id);

// Field texts read for one command, kept until it returns.
class HeldTexts {
public:
    explicit HeldTexts(HWND window) : window_(window) {}
    const char* take(int id);  // the text of control id, held
    void take_row(int first_id, const char** texts, int32_t count = kStatCount);  // ids first_id..
private:
    HWND window_;
    std::string texts_[32];
    int used_ = 0;
};

// The program's top-level windows, for the message loop's dialog handling
// (Tab between fields) and the lock while a seed search runs.
void add_top_window(HWND window);
// Offers msg to the dialog handling of the top-level window it belongs to; true when taken.
bool take_dialog_message(MSG* msg);

// The commands that wait while a seed search runs (they use the generator or
// the search's inputs): their controls are disabled in every top-level window
// by one broadcast, and a command sent anyway is ignored.
void lock_commands_for_search(bool locked);
bool command_waits_for_search(uint16_t id);

// A window of the program besides the main one, made from its table at its
// first showing, owned by the main window, in its font; closing it hides it.
struct ToolWindow {
    const wchar_t* class_name;
    TextId title;
    int client_width, client_height;
    const WindowTable* table;
    void (*command)(uint16_t id);  // a press of one of its buttons
    void (*relabel)();             // shows its results again in the shown language (null: none)
    HWND window;                   // null until first shown
};

// Every tool window made so far: its title, its controls and its results in the shown language.
void relabel_tool_windows();

// Shows w (made at the first call, right of the main window) and brings it to the front.
void show_tool_window(ToolWindow* w);

// --- Texts crossing into Windows ---

// The conversions in app/system_win.cpp, the rest in app/text_win.cpp: the
// program's CP932 bytes converted with code page 932, whatever the system's
// code page.
std::wstring to_wide(const char* cp932);
std::string to_cp932(const wchar_t* text, int length);
// A control's whole text, as CP932 bytes.
std::string window_text(HWND control);
void set_window_text(HWND window, const char* cp932);
// Shows in window the CP932 format with its "%s" replaced by what field holds
// as typed, as far as a reading of read bytes of it goes: a character CP932
// lacks shows as itself.
void set_text_naming_field(HWND window, const char* format, HWND field, size_t read);
void add_list_entry(HWND list, const char* cp932);
void draw_text(HDC dc, int x, int y, const char* cp932);
int message_box(HWND owner, const char* text, const char* caption, unsigned flags);
// Makes g_window.font, the one font of every window: the stock font of a
// Japanese system, or a Japanese face where that is missing.
void create_ui_font();

// Index of a list's selected entry.
int32_t selected_entry(HWND list);

// --- The main window ---

// Creates the main window's controls, then reads config.txt. First paint only.
void create_main_controls();

// The MAC fields and the roaming box read into g_app.generator, which it returns.
GeneratorSetting refresh_generator_setting();

// Draws the client area into the paint's device context.
void paint_window(HDC dc);

// Runs the command a button (or any control) of the main window sent.
void dispatch_command(uint16_t id);

// --- The language (app/language_win.cpp) ---

// Shows the language kivrel.ini names, or else the Windows display
// language's (Japanese for Japanese, English for every other). Before any window.
void choose_starting_language();
// Button 216: both windows switch to the other language in place, and kivrel.ini keeps the choice.
void switch_language();
// The main window's own texts that follow a state (the adopt buttons, the
// search's and the stopwatch's buttons, the timer's display) in the shown language.
void relabel_main_window();

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

// Whether a seed search runs; the window then closes only once it has stopped.
bool search_running();
// Starts a seed search on its own thread with inputs, or asks the running one to stop.
struct SeedSearchInputs;
void start_search(const SeedSearchInputs& inputs);
void stop_search();
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
// Shows a word of the timer (kTimerNotReady, kTimerUnmakeable, kTimerStopped).
void show_timer_word(TextId word);
// Shows the display's word or last reading again, in the shown language.
void show_timer_display_again();
constexpr UINT_PTR kTimerFlashId = 1;
void end_timer_flash(WPARAM timer_id);
// The brush for a static control's background: the flash's, or nullptr for the default.
HBRUSH timer_display_brush(HDC dc, HWND control);

// The stats window: shown (made at the first press) or brought to the front.
void show_stats_window();

// The attempt log and its window (app/attempts_win.cpp): attempts.txt read at
// start; a hit search names the target of a new attempt; each adopt of one of
// its hits records the attempt (again: its line replaced), the player told
// once when the log cannot be written; the window shown or brought to the front.
struct Hit;
void load_attempts();
void begin_attempt(uint32_t target_seed);
void record_attempt(const Hit& hit);
void show_attempts_window();

// The candidate list replaced and shown with its adopt buttons.
void show_candidate_list(const CandidateList& list);
// What an adopt button does with its raw seed: the stopwatch's interval and
// the seed's low 16 bits into the timing fields.
void adopt_raw_seed(uint32_t raw_seed);

// The timing thread, for the program's life, holding a 1 ms timer resolution
// only while the stopwatch or the timer counts: start_timing_thread is false
// when it cannot be made, end_timing_thread ends and joins it.
bool start_timing_thread();
void end_timing_thread();
// The millisecond clock of the stopwatch, the timer and the timer's press (wraps at 2^32).
uint32_t timing_clock_ms();
// The stopwatch display shows a reading the timing thread posted.
void show_stopwatch_reading(LPARAM hundredths);
