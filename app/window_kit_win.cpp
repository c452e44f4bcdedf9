// The pieces every window of the program is made of: its class, its
// controls and painted items from its tables, its place among the top-level
// windows, and the lock its commands share while a seed search runs.
#include <windows.h>

#include <algorithm>

#include "app/ids.h"
#include "app/shell_win.h"
#include "data/characteristics.h"
#include "data/natures.h"
#include "rng/hidden_power.h"

namespace {

// The styles of each kind of control. The fixed-width build's edit fields
// take no more text than they show.
#ifdef KIVREL_FIXED_WIDTH_FIELDS
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
#else
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
#endif

struct KindClass {
    const wchar_t* window_class;
    DWORD style;
};

KindClass class_of(ControlKind kind) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::kField: return {L"Edit", kFieldStyle};
    case ControlKind::kCheckBox: return {L"Button", kChild | BS_AUTOCHECKBOX};
    case ControlKind::kButton: return {L"Button", kChild | WS_TABSTOP};
    case ControlKind::kBorderedButton: return {L"Button", kChild | WS_BORDER | WS_TABSTOP};
    case ControlKind::kMouseButton: return {L"Button", kChild};
    case ControlKind::kList: return {L"combobox", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST};
    case ControlKind::kDisplay: return {L"static", kChild | SS_NOPREFIX};
    case ControlKind::kListBox: return {L"listbox", kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP};
    }
    return {L"static", kChild};
}

// A list's first entry, then the names of its table: entry n + 1 is name n.
void fill_list(HWND box, ListEntries entries) {
    struct Names {
        TextId first;
        int32_t count;
        const char* (*name)(int32_t);
    };
    const auto no_names = [](int32_t) { return ""; };
    Names names{TextId::kNone, 0, no_names};
    switch (entries) {
    case ListEntries::kNone: return;
    case ListEntries::kTypeFilter: names = {TextId::kAnyTypeEntry, kHiddenPowerTypes, hidden_power_type_text}; break;
    case ListEntries::kDateModes: names = {TextId::kOnOrAfterEntry, 0, no_names}; break;
    case ListEntries::kNatureModifiers: names = {TextId::kNoNatureEntry, kNatureCount, nature_name}; break;
    case ListEntries::kUnknownNature: names = {TextId::kUnknownEntry, kNatureCount, nature_name}; break;
    case ListEntries::kUnknownCharacteristic:
        names = {TextId::kUnknownEntry, kCharacteristicCount, characteristic_text};
        break;
    case ListEntries::kUnknownType: names = {TextId::kUnknownEntry, kHiddenPowerTypes, hidden_power_type_text}; break;
    }
    add_list_entry(box, tr(names.first));
    for (int32_t n = 0; n < names.count; ++n) add_list_entry(box, names.name(n));
    SendMessageW(box, CB_SETCURSEL, 0, 0);
}

// The top-level windows of the program: the main one first.
constexpr int kMaxTopWindows = 4;
HWND g_top_windows[kMaxTopWindows];
// The tool windows made so far, for a change of language.
ToolWindow* g_tool_windows[kMaxTopWindows];

// While a seed search runs: these commands use the generator or what the
// search reads (the adopt buttons' range is checked apart).
constexpr int32_t kLockedIds[] = {kIdListButton,           kIdCandidatesButton, kIdConfirmButton,
                                  kIdStatsCandidatesButton, kIdStatsHitsButton,  kIdStatsAdopt};
bool g_locked;

bool is_locked_id(uint16_t id) {
    if (static_cast<uint16_t>(id - kIdFirstAdopt) < kAdoptButtons) return true;
    return std::find(std::begin(kLockedIds), std::end(kLockedIds), id) != std::end(kLockedIds);
}

void apply_lock(HWND window) {
    for (int32_t id : kLockedIds)
        if (HWND c = GetDlgItem(window, id)) EnableWindow(c, !g_locked);
    for (int32_t n = 0; n < kAdoptButtons; ++n)
        if (HWND c = GetDlgItem(window, kIdFirstAdopt + n)) EnableWindow(c, !g_locked);
}

// Where a tool window of this size first stands: right of the main window,
// moved left and up as far as it must to stay on the main window's screen, so
// that the candidate rows its searches fill stay in sight wherever there is room.
POINT beside_main_window(int width, int height) {
    RECT main;
    GetWindowRect(g_window.main, &main);
    MONITORINFO screen = {};
    screen.cbSize = sizeof screen;
    if (!GetMonitorInfoW(MonitorFromWindow(g_window.main, MONITOR_DEFAULTTONEAREST), &screen))
        return {main.right, main.top};
    const RECT& work = screen.rcWork;
    return {std::max(work.left, std::min<LONG>(main.right, work.right - width)),
            std::max(work.top, std::min<LONG>(main.top, work.bottom - height))};
}

LRESULT CALLBACK tool_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* tool = reinterpret_cast<ToolWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_CREATE:
        tool = static_cast<ToolWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tool));
        tool->window = window;
        create_controls(window, *tool->table);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paint_table(dc, *tool->table, nullptr);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND:
        if (!command_waits_for_search(LOWORD(wParam))) tool->command(LOWORD(wParam));
        return 0;
    case WM_CLOSE: ShowWindow(window, SW_HIDE); return 0;  // the fields keep their contents
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool create_tool_window(ToolWindow* tool) {
    if (!register_window_class(tool->class_name, tool_procedure, false)) return false;
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame = {0, 0, tool->client_width, tool->client_height};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const POINT place = beside_main_window(width, height);
    // owned by the main window: above it, and gone with it
    const HWND window = CreateWindowExW(0, tool->class_name, to_wide(tr(tool->title)).c_str(), kStyle, place.x, place.y,
                                        width, height, g_window.main, nullptr, g_window.instance, tool);
    if (!window) return false;
    add_top_window(window);
    for (ToolWindow*& t : g_tool_windows) {
        if (!t) {
            t = tool;
            break;
        }
    }
    apply_lock(window);
    return true;
}

}  // namespace

HWND main_control(int id) { return GetDlgItem(g_window.main, id); }

bool register_window_class(const wchar_t* name, WNDPROC procedure, bool main_window) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = g_window.instance;
    if (main_window) {
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.hIcon = static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
        wc.hIconSm = wc.hIcon;
    }
    wc.hCursor = static_cast<HCURSOR>(LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

void create_controls(HWND window, const WindowTable& table) {
    for (int32_t i = 0; i < table.control_count; ++i) {
        const ControlSpec& c = table.controls[i];
        const KindClass k = class_of(c.kind);
        const char* text = c.value ? c.value : tr(c.text);
        const Place p = place_of(c, shown_language());
        const HWND control = CreateWindowExW(0, k.window_class, to_wide(text).c_str(), k.style, p.x, p.y, p.width,
                                             c.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                             g_window.instance, nullptr);
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_window.font), FALSE);
        fill_list(control, c.entries);
    }
}

void paint_table(HDC dc, const WindowTable& table, void (*draw_result)(HDC dc, const PaintItem& item)) {
    const HGDIOBJ old_font = SelectObject(dc, g_window.font);
    for (int32_t i = 0; i < table.item_count; ++i) {
        const PaintItem& item = table.items[i];
        switch (item.kind) {
        case PaintKind::kLine:
            MoveToEx(dc, item.x, item.y, nullptr);
            LineTo(dc, item.x2, item.y2);
            break;
        case PaintKind::kText: {
            const Place p = place_of(item, shown_language());
            draw_text(dc, p.x, p.y, tr(item.text));
            break;
        }
        default:
            if (draw_result) {
                PaintItem placed = item;
                const Place p = place_of(item, shown_language());
                placed.x = p.x;
                placed.y = p.y;
                draw_result(dc, placed);
            }
            break;
        }
    }
    SelectObject(dc, old_font);
}

void relabel_controls(HWND window, const WindowTable& table) {
    for (int32_t i = 0; i < table.control_count; ++i) {
        const ControlSpec& c = table.controls[i];
        const HWND control = GetDlgItem(window, c.id);
        if (!control) continue;
        const Place p = place_of(c, shown_language());
        SetWindowPos(control, nullptr, p.x, p.y, p.width, c.height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (c.kind == ControlKind::kList) {
            const LRESULT selected = SendMessageW(control, CB_GETCURSEL, 0, 0);
            SendMessageW(control, CB_RESETCONTENT, 0, 0);
            fill_list(control, c.entries);
            SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        } else if (c.kind != ControlKind::kField && c.kind != ControlKind::kDisplay && c.text != TextId::kNone) {
            set_window_text(control, tr(c.text));  // typed fields keep what they hold
        }
    }
    InvalidateRect(window, nullptr, TRUE);
}

void relabel_tool_windows() {
    for (ToolWindow* t : g_tool_windows) {
        if (!t) continue;
        set_window_text(t->window, tr(t->title));
        relabel_controls(t->window, *t->table);
        if (t->relabel) t->relabel();
    }
}

std::string field_text(HWND window, int id) { return window_text(GetDlgItem(window, id)); }

const char* HeldTexts::take(int id) {
    std::string& s = texts_[used_++];
    s = field_text(window_, id);
    return s.c_str();
}

void HeldTexts::take_row(int first_id, const char** texts, int32_t count) {
    for (int32_t i = 0; i < count; ++i) texts[i] = take(first_id + i);
}

void add_top_window(HWND window) {
    for (HWND& w : g_top_windows) {
        if (w == window) return;
        if (!w) {
            w = window;
            return;
        }
    }
}

bool take_dialog_message(MSG* msg) {
    for (HWND w : g_top_windows)
        if (w && (msg->hwnd == w || IsChild(w, msg->hwnd))) return IsDialogMessageW(w, msg) != FALSE;
    return false;
}

void lock_commands_for_search(bool locked) {
    g_locked = locked;
    for (HWND w : g_top_windows)
        if (w) apply_lock(w);
}

bool command_waits_for_search(uint16_t id) { return g_locked && is_locked_id(id); }

void show_tool_window(ToolWindow* tool) {
    if (!tool->window && !create_tool_window(tool)) return;
    ShowWindow(tool->window, SW_SHOW);
    SetForegroundWindow(tool->window);
}
