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
    return static_cast<int>(SendMessageW(g_app.main_window, kMsgShowMessage, flags, reinterpret_cast<LPARAM>(text)));
}

}  // namespace

void set_main_title(const char* text) { set_window_text(g_app.main_window, text); }

void open_output_file(const char* name) {
    // the command interpreter named by COMSPEC opens the file with its viewer
    std::system(name);
}

void show_message(const char* text) { message_box(text, MB_OK | MB_ICONWARNING); }

bool ask_yes_no(const char* text) { return message_box(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }

bool replace_file(const char* from, const char* to) {
    return MoveFileExW(to_wide(from).c_str(), to_wide(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string full_path(const char* name) {
    // the folder's name may hold any characters: ask in wide ones, show them in CP932
    wchar_t path[MAX_PATH];
    const DWORD n = GetFullPathNameW(to_wide(name).c_str(), MAX_PATH, path, nullptr);
    return n > 0 && n < MAX_PATH ? to_cp932(path, static_cast<int>(n)) : std::string(name);
}

std::string cp932_from_utf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
    return to_cp932(wide.c_str(), n);
}

int show_message_box(const char* text, unsigned flags) { return message_box(g_app.main_window, text, kMainTitle, flags); }
