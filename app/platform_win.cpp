// The Windows side of the portable core's seam. Messages and questions are
// shown by the user-interface thread: another thread hands them over with
// SendMessage and waits for the answer.
#include <windows.h>

#include <cstdlib>

#include "app/shell_win.h"
#include "core/platform.h"
#include "core/state.h"
#include "core/version.h"

namespace {

bool on_window_thread() {
    return g_app.main_window == nullptr || GetWindowThreadProcessId(g_app.main_window, nullptr) == GetCurrentThreadId();
}

int message_box(const char* text, UINT flags) {
    if (on_window_thread()) return show_message_box(text, flags);
    return static_cast<int>(SendMessageA(g_app.main_window, kMsgShowMessage, flags, reinterpret_cast<LPARAM>(text)));
}

}  // namespace

void set_main_title(const char* text) { SetWindowTextA(g_app.main_window, text); }

void open_output_file(const char* name) {
    // the command interpreter named by COMSPEC opens the file with its viewer
    std::system(name);
}

void show_message(const char* text) { message_box(text, MB_OK | MB_ICONWARNING); }

bool ask_yes_no(const char* text) { return message_box(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }

bool replace_file(const char* from, const char* to) { return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0; }

std::string full_path(const char* name) {
    char path[MAX_PATH];
    const DWORD n = GetFullPathNameA(name, MAX_PATH, path, nullptr);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string(name);
}

int show_message_box(const char* text, unsigned flags) { return MessageBoxA(g_app.main_window, text, kMainTitle, flags); }
