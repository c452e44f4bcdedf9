// What the Windows builds ask of the system without a window, shared by the
// program and the core's tests (core_tests.exe): the program's CP932 texts to
// and from wide characters, output files created only when new, the check
// that a file can be replaced, and whether a process still runs and since when.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>

#include "app/shell_win.h"
#include "core/platform.h"

namespace {

constexpr UINT kProgramCodePage = 932;
// How much later than a file's last write a process must have started to be taken as not its writer.
constexpr uint64_t kStartMargin100ns = 2 * 10000000ull;

}  // namespace

std::wstring to_wide(const char* cp932) {
    const int length = static_cast<int>(std::strlen(cp932));
    if (length == 0) return {};
    const int n = MultiByteToWideChar(kProgramCodePage, 0, cp932, length, nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kProgramCodePage, 0, cp932, length, &text[0], n);
    return text;
}

std::string to_cp932(const wchar_t* text, int length) {
    if (length <= 0) return {};
    // a character CP932 lacks becomes "?", never a look-alike ("²" is no 2)
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(kProgramCodePage, flags, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kProgramCodePage, flags, text, length, &bytes[0], n, nullptr, nullptr);
    return bytes;
}

std::string cp932_from_utf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
    return to_cp932(wide.c_str(), n);
}

std::FILE* create_new_file(const char* name) {
    // msvcrt's fopen has no mode that fails on an existing file: the handle
    // is made with CREATE_NEW and becomes a stream. Others may read it while
    // it is written, but neither write nor remove it.
    const HANDLE file = CreateFileW(to_wide(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(file);
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, "wb");
    if (!stream) _close(descriptor);
    return stream;
}

bool can_replace_file(const char* name) {
    const std::wstring wide = to_wide(name);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
    // replacing the file deletes it, and a file another program has open is
    // not replaced whatever it shares: opened to delete and shared with none,
    // as the replace needs it, and let go at once
    const HANDLE file = CreateFileW(wide.c_str(), DELETE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

uint32_t own_process_id() { return GetCurrentProcessId(); }

bool process_running(uint32_t id) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    // no process has the id any more; one this process may not open runs
    if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
    // a process that has ended but whose handle another holds still opens
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

bool process_started_after(uint32_t id, const char* file) {
    WIN32_FILE_ATTRIBUTE_DATA written;
    if (!GetFileAttributesExW(to_wide(file).c_str(), GetFileExInfoStandard, &written)) return false;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process) return false;
    FILETIME created, ended, kernel, user;
    const bool known = GetProcessTimes(process, &created, &ended, &kernel, &user) != 0;
    CloseHandle(process);
    // file times are taken from a coarser clock than a process's start: seconds apart, the order is sure
    const auto ticks = [](const FILETIME& t) { return (uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return known && ticks(created) > ticks(written.ftLastWriteTime) + kStartMargin100ns;
}
