// Which language the windows show: kivrel.ini in the working folder
// ([Kivrel] Language=ja or en) when it names one, else the Windows display
// language; button 216 switches both windows in place and keeps the choice.
#include <windows.h>

#include <string>

#include "app/shell_win.h"
#include "core/texts.h"

namespace {

const wchar_t kSection[] = L"Kivrel";
const wchar_t kKey[] = L"Language";

// kivrel.ini's full path: the profile functions would look for a bare name in the Windows folder.
std::wstring settings_path() {
    const wchar_t name[] = L"kivrel.ini";
    const DWORD size = GetFullPathNameW(name, 0, nullptr, nullptr);
    if (size == 0) return name;
    std::wstring path(size, L'\0');
    const DWORD got = GetFullPathNameW(name, size, &path[0], nullptr);
    path.resize(got < size ? got : 0);
    return path.empty() ? std::wstring(name) : path;
}

bool display_is_japanese() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE; }

}  // namespace

void choose_starting_language() {
    // a longer value is cut to this, and then names no language either
    wchar_t value[8] = L"";
    GetPrivateProfileStringW(kSection, kKey, L"", value, 8, settings_path().c_str());
    const std::string setting = to_cp932(value, static_cast<int>(lstrlenW(value)));
    show_language(starting_language(setting.c_str(), display_is_japanese()));
}

void switch_language() {
    const Language next = shown_language() == Language::kJapanese ? Language::kEnglish : Language::kJapanese;
    show_language(next);
    relabel_main_window();
    relabel_tool_windows();
    static bool told;  // a setting that cannot be kept is said once; the switch holds for the session
    const std::wstring setting = to_wide(setting_of_language(next));
    if (!WritePrivateProfileStringW(kSection, kKey, setting.c_str(), settings_path().c_str()) && !told) {
        told = true;
        message_box(g_window.main, tr(TextId::kLanguageNotKept), "", MB_OK);
    }
}
