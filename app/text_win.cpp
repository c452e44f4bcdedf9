// Every text that crosses into Windows: the program's own texts are CP932
// bytes, converted explicitly with code page 932 and handed to the wide
// functions, so that they read right whatever the system's code page. One
// font for the whole window, with Japanese glyphs on any system.
#include <windows.h>

#include "app/shell_win.h"
#include "core/state.h"

namespace {

// The stock system font of a Japanese system: "System", 18 pixels high, 8 wide,
// normal weight, Shift-JIS. Where no font of that face takes Shift-JIS, a
// Japanese face that every Windows 10 and 11 ships.
constexpr int kFontHeight = 18;
constexpr int kFontWidth = 8;
const wchar_t kFontFace[] = L"System";
const wchar_t kFallbackFace[] = L"MS UI Gothic";

HFONT create_font(const wchar_t* face, int width) {
    return CreateFontW(kFontHeight, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, face);
}

// The character set of the font Windows really chose for f.
BYTE realized_charset(HFONT f) {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, f);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmCharSet;
}

}  // namespace

void set_window_text(HWND window, const char* cp932) { SetWindowTextW(window, to_wide(cp932).c_str()); }

void set_text_naming_field(HWND window, const char* format, HWND field, size_t read) {
    const int length = GetWindowTextLengthW(field);
    std::wstring typed(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    typed.resize(static_cast<size_t>(GetWindowTextW(field, &typed[0], length + 1)));
    size_t n = 0;  // the characters the reading holds
    while (n < typed.size() && to_cp932(typed.c_str(), static_cast<int>(n + 1)).size() <= read) ++n;
    std::wstring text = to_wide(format);
    const size_t at = text.find(L"%s");
    if (at != std::wstring::npos) text.replace(at, 2, typed, 0, n);
    SetWindowTextW(window, text.c_str());
}

std::string window_text(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int got = GetWindowTextW(control, &text[0], length + 1);
    return to_cp932(text.c_str(), got);
}

void add_list_entry(HWND list, const char* cp932) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(cp932).c_str()));
}

void draw_text(HDC dc, int x, int y, const char* cp932) {
    const std::wstring text = to_wide(cp932);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

int message_box(HWND owner, const char* text, const char* caption, unsigned flags) {
    return MessageBoxW(owner, to_wide(text).c_str(), to_wide(caption).c_str(), flags);
}

void create_ui_font() {
    HFONT font = create_font(kFontFace, kFontWidth);
    if (font && realized_charset(font) != SHIFTJIS_CHARSET) {
        DeleteObject(font);
        font = create_font(kFallbackFace, 0);
    }
    g_window.font = font;
}
