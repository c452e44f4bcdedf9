// What the Windows builds ask of the system without a window, shared by the
// program and the core's tests (core_tests.exe): the program's CP932 texts to
// and from wide characters.
#include <windows.h>

#include <cstring>

#include "app/shell_win.h"
#include "core/platform.h"

namespace {

constexpr UINT kProgramCodePage = 932;

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
    const int n = WideCharToMultiByte(kProgramCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kProgramCodePage, 0, text, length, &bytes[0], n, nullptr, nullptr);
    return bytes;
}

std::string cp932_from_utf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
    return to_cp932(wide.c_str(), n);
}
