// The attempts window and the log behind it: every adopted hit recorded in
// attempts.txt, the attempts listed with their scatter and the chance of the
// next one, the median attempt adopted, and the log moved aside to start anew.
#include <windows.h>

#include <string>

#include "app/attempts_table.h"
#include "app/ids.h"
#include "app/shell_win.h"
#include "core/platform.h"
#include "timing/adopt.h"
#include "timing/attempts.h"
#include "tools/hit_search.h"

namespace {

void attempts_command(uint16_t id);
void show_attempts();

ToolWindow g_attempts_window = {kAttemptsWindowClass, TextId::kAttemptsTitle, kAttemptsClientWidth,
                                kAttemptsClientHeight, &kAttemptsWindowTable, attempts_command, show_attempts, nullptr};

// The window's thread only.
AttemptLog g_log;                  // the attempts as attempts.txt holds them
uint32_t g_target_seed;            // the target the last hit search read
bool g_attempt_written;            // the last hit search's attempt has its line in the log
bool g_write_failure_told;         // the player knows the log cannot be written; said again only after a write worked

HWND attempts_control(int id) { return GetDlgItem(g_attempts_window.window, id); }

// The window shows g_log, once it exists.
void show_attempts() {
    if (!g_attempts_window.window) return;
    const AttemptTexts t = attempt_texts(g_log);
    const HWND list = attempts_control(kIdAttemptList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : t.lines)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(line.c_str()).c_str()));
    SendMessageW(list, LB_SETTOPINDEX, t.lines.empty() ? 0 : t.lines.size() - 1, 0);  // the newest in sight
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    set_window_text(attempts_control(kIdAttemptSummary), t.summary.c_str());
    set_window_text(attempts_control(kIdAttemptChance), t.chance.c_str());
    set_window_text(attempts_control(kIdAttemptUnreadable), t.unreadable.c_str());
}

// 「中央値で採用」: the median attempt's interval and its hit's low 16 bits into the timing fields.
void adopt_median() {
    const AttemptSummary s = summarize_attempts(g_log.attempts);
    if (s.median < 0) return;
    const Attempt& a = g_log.attempts[static_cast<size_t>(s.median)];
    set_window_text(main_control(kIdMeasuredSeconds), a.interval.c_str());
    char low[256];
    format_adopted_low(a.hit_seed, low);
    set_window_text(main_control(kIdObtainedLow), low);
}

// 「記録を消す」: after a yes, the log moved aside under its date and the window emptied.
void clear_attempts() {
    if (!ask_yes_no(tr(TextId::kClearAttemptsQuestion))) return;
    if (!move_attempt_log_aside(kAttemptLogName, local_time_now())) {
        show_message(tr(TextId::kAttemptsMoveFailed));
        return;
    }
    g_log = {};
    g_attempt_written = false;
    show_attempts();
}

void attempts_command(uint16_t id) {
    switch (id) {
    case kIdAdoptMedian: adopt_median(); break;
    case kIdClearAttempts: clear_attempts(); break;
    default: break;
    }
}

}  // namespace

void load_attempts() { g_log = read_attempt_log(kAttemptLogName); }

void begin_attempt(uint32_t target_seed) {
    g_target_seed = target_seed;
    g_attempt_written = false;
}

void record_attempt(const Hit& hit) {
    // the interval the attempt was timed with: the stopwatch display's text as it stands
    const Attempt a{local_time_now(), g_target_seed,     field_text(g_window.main, kIdStopwatchDisplay),
                    hit.raw_seed,     hit.low_offset,    hit.second_offset, hit.frame};
    const bool replacing = g_attempt_written && !g_log.attempts.empty();  // the line of this hit search's attempt
    const bool written =
        replacing ? replace_attempt(kAttemptLogName, g_log.attempts.back(), a) : append_attempt(kAttemptLogName, a);
    if (!written) {
        if (!g_write_failure_told) show_message(tr(TextId::kAttemptsWriteFailed));
        g_write_failure_told = true;
        return;
    }
    g_write_failure_told = false;
    if (replacing) g_log.attempts.back() = a;
    else g_log.attempts.push_back(a);
    g_attempt_written = true;
    show_attempts();
}

void show_attempts_window() {
    const bool first = !g_attempts_window.window;
    show_tool_window(&g_attempts_window);
    if (first) show_attempts();
}
