// The Windows side of the portable core's seam. Messages and questions are
// shown by the user-interface thread: another thread hands them over with
// SendMessage and waits for the answer.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/shell_win.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/version.h"

namespace {

bool on_window_thread() {
    return g_window.main == nullptr || GetWindowThreadProcessId(g_window.main, nullptr) == GetCurrentThreadId();
}

// Every message crosses to the window's thread in wide characters: one that
// names a path keeps every character of it.
int wide_message_box(const wchar_t* text, UINT flags) {
    if (on_window_thread()) return show_message_box(text, flags);
    return static_cast<int>(SendMessageW(g_window.main, kMsgShowMessage, flags, reinterpret_cast<LPARAM>(text)));
}

int message_box(const char* text, UINT flags) { return wide_message_box(to_wide(text).c_str(), flags); }

// The full path of a file of the working folder in wide characters, as the
// system names it; the name itself when the system gives none.
std::wstring wide_full_path(const char* name) {
    const std::wstring wide = to_wide(name);
    const DWORD room = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);  // its zero included
    std::wstring path(room, L'\0');
    const DWORD n = room ? GetFullPathNameW(wide.c_str(), room, &path[0], nullptr) : 0;
    if (n == 0 || n >= room) return wide;
    path.resize(n);
    return path;
}

// Titles another thread asks for are shown at most this often: the hours of
// a short search pass faster than anyone reads, and under Wine each title
// shown costs milliseconds of the processor the search runs on.
constexpr uint64_t kTitleIntervalMs = 100;

// The latest title another thread asked for, and whether the window still
// has it to show (a message or the timer is on its way).
struct PostedTitle {
    SRWLOCK lock = SRWLOCK_INIT;
    char title[256] = {};
    bool waiting = false;
    // the window's thread only
    uint64_t shown_at = 0;  // GetTickCount64 when a posted title was last shown
    bool timer = false;
} g_posted;

}  // namespace

void set_main_title(const char* text) {
    if (on_window_thread()) {
        set_window_text(g_window.main, text);
        return;
    }
    // Another thread leaves its title for the window and posts at most one
    // message for it: it never waits for the window (under Wine each wait is
    // a trip through the server, and each title shown costs milliseconds),
    // and a title that is overtaken before the window gets to it is skipped.
    // What the thread posts after it, such as the search's end, comes after.
    AcquireSRWLockExclusive(&g_posted.lock);
    std::snprintf(g_posted.title, sizeof g_posted.title, "%s", text);
    const bool post = !g_posted.waiting;
    g_posted.waiting = true;
    ReleaseSRWLockExclusive(&g_posted.lock);
    if (post && !PostMessageW(g_window.main, kMsgSetTitle, 0, 0)) {
        AcquireSRWLockExclusive(&g_posted.lock);
        g_posted.waiting = false;
        ReleaseSRWLockExclusive(&g_posted.lock);
    }
}

void show_posted_title() {
    if (g_posted.timer) KillTimer(g_window.main, kTitleTimer);
    g_posted.timer = false;
    char title[sizeof g_posted.title];
    AcquireSRWLockExclusive(&g_posted.lock);
    const bool waiting = g_posted.waiting;
    std::memcpy(title, g_posted.title, sizeof title);
    g_posted.waiting = false;
    ReleaseSRWLockExclusive(&g_posted.lock);
    if (!waiting) return;
    set_window_text(g_window.main, title);
    g_posted.shown_at = GetTickCount64();
}

void take_posted_title() {
    const uint64_t since = GetTickCount64() - g_posted.shown_at;
    if (since >= kTitleIntervalMs) {
        show_posted_title();
        return;
    }
    // too soon: the timer shows the latest title then, and the other thread
    // posts nothing more meanwhile
    if (!g_posted.timer) {
        const UINT due = static_cast<UINT>(kTitleIntervalMs - since);
        g_posted.timer = SetTimer(g_window.main, kTitleTimer, due, nullptr) != 0;
    }
    if (!g_posted.timer) show_posted_title();
}

void open_output_file(const char* name) {
    // the command interpreter named by COMSPEC opens the file with its viewer
    std::system(name);
}

void show_message(const char* text) { message_box(text, MB_OK | MB_ICONWARNING); }

bool ask_yes_no(const char* text) { return message_box(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }

bool replace_file(const char* from, const char* to) {
    return MoveFileExW(to_wide(from).c_str(), to_wide(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void show_file_message(const char* before, const char* name, const char* after) {
    const std::wstring text = to_wide(before) + wide_full_path(name) + to_wide(after);
    wide_message_box(text.c_str(), MB_OK | MB_ICONWARNING);
}

int show_message_box(const wchar_t* text, unsigned flags) {
    return MessageBoxW(g_window.main, text, to_wide(kMainTitle).c_str(), flags);
}
