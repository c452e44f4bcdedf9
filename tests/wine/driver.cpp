#include "tests/wine/driver.h"

#include "app/ids.h"
#include "core/version.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace driver {
namespace {

constexpr DWORD kStartTimeoutMs = 30000;

std::string module_dir() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/"));
}

std::string make_temp_dir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (unsigned i = 0;; ++i) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%skivrel-%lu-%u", base, GetCurrentProcessId(), i);
        if (CreateDirectoryA(name, nullptr)) return name;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a working directory");
    }
}

void remove_tree(const std::string& dir) {
    WIN32_FIND_DATAA f;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &f);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string n = f.cFileName;
            if (n == "." || n == "..") continue;
            if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) remove_tree(dir + "\\" + n);
            else DeleteFileA((dir + "\\" + n).c_str());
        } while (FindNextFileA(h, &f));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

// One prefix-wide lock for the screen: a window that appears is mapped on top
// of the X display whatever Wine's z-order says, so no program starts while
// another test reads pixels off the screen.
constexpr char kScreenLockName[] = "kivrel-driver-screen";

class ScreenLock {
public:
    ScreenLock() : mutex_(CreateMutexA(nullptr, FALSE, kScreenLockName)) {
        if (mutex_) WaitForSingleObject(mutex_, 30000);
    }
    ~ScreenLock() {
        if (!mutex_) return;
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }
    ScreenLock(const ScreenLock&) = delete;
    ScreenLock& operator=(const ScreenLock&) = delete;

private:
    HANDLE mutex_;
};

struct FindState {
    DWORD pid;
    const char* cls;
    HWND found;
};

BOOL CALLBACK find_main(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<FindState*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (pid == s->pid && std::strcmp(cls, s->cls) == 0) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

std::wstring window_text_w(HWND w) {
    int n = GetWindowTextLengthW(w);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(w, &s[0], n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

Pixels read_bitmap(HDC source, int x, int y, int width, int height) {
    Pixels p;
    p.width = width;
    p.height = height;
    p.rgb.resize(static_cast<size_t>(width) * height);
    HDC mem = CreateCompatibleDC(source);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const uint32_t* src = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < p.rgb.size(); ++i) p.rgb[i] = src[i] & 0xFFFFFFu;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return p;
}

}  // namespace

std::string build_dir() { return module_dir(); }

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool file_exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring to_wide(const std::string& cp932) {
    if (cp932.empty()) return {};
    const int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    std::wstring s(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), &s[0], n);
    return s;
}

std::string to_cp932(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), &s[0], n, nullptr, nullptr);
    return s;
}

Program::Program(const std::string& exe_name, const std::map<std::string, std::string>& files, bool with_species) {
    // A bare name is one of the builds beside the driver, run in a fresh
    // directory; a full path runs in its own folder, as a player starts it.
    const bool full_path = exe_name.find_first_of(":\\") != std::string::npos;
    const std::string exe = full_path ? exe_name : build_dir() + "\\" + exe_name;
    own_dir_ = !full_path;
    dir_ = full_path ? exe.substr(0, exe.find_last_of('\\')) : make_temp_dir();
    const std::string species = exe.substr(0, exe.find_last_of('\\')) + "\\pokemon.dat";
    if (own_dir_ && with_species && file_exists(species) && !files.count("pokemon.dat"))
        CopyFileA(species.c_str(), (dir_ + "\\pokemon.dat").c_str(), FALSE);
    for (const auto& [name, bytes] : files) write_file(dir_ + "\\" + name, bytes);
    launch(to_wide(exe), to_wide(dir_), exe_name);
}

Program::Program(const std::string& exe_name, const std::wstring& folder) : dir_(to_cp932(folder)), own_dir_(false) {
    CopyFileW(to_wide(build_dir() + "\\pokemon.dat").c_str(), (folder + L"\\pokemon.dat").c_str(), FALSE);
    launch(to_wide(build_dir() + "\\" + exe_name), folder, exe_name);
}

void Program::launch(const std::wstring& exe, const std::wstring& dir, const std::string& exe_name) {
    const ScreenLock screen;
    std::wstring cmd = L"\"" + exe + L"\"";
    // the program's standard handles go to NUL: under Wine it would otherwise hold the test's
    // output pipe, and CTest would wait on it for as long as the program or a process it started lives
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = si.hStdOutput = si.hStdError = nul;
    const BOOL started = CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, dir.c_str(), &si, &process_);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) throw std::runtime_error("cannot start " + exe_name);
    WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kStartTimeoutMs) {
        FindState s{process_.dwProcessId, kMainTitle, nullptr};
        EnumWindows(find_main, reinterpret_cast<LPARAM>(&s));
        if (s.found && GetDlgItem(s.found, kIdTimerDisplay)) {
            window_ = s.found;
            // the timer display is the last control the first paint creates (Wine may deliver a sent
            // message while controls are still being made); a message sent now is
            // handled once that paint has also read config.txt
            SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, kStartTimeoutMs, nullptr);
            return;
        }
        // the message box of a failed start opens while the main window is still being created
        FindState box{process_.dwProcessId, "#32770", nullptr};
        EnumWindows(find_main, reinterpret_cast<LPARAM>(&box));
        if (box.found) {
            message_box_ = box.found;
            return;
        }
        Sleep(20);
    }
    TerminateProcess(process_.hProcess, 1);
    throw std::runtime_error("the main window of " + exe_name + " did not appear");
}

Program::~Program() {
    give_back_screen();
    if (message_box_ && !ended_) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
        ended_ = true;
    }
    if (!ended_) {
        if (close() < 0) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    if (own_dir_) remove_tree(dir_);
}

HWND Program::control(int id) const { return GetDlgItem(window_, id); }

HWND Program::top_window(const wchar_t* window_class) const {
    for (int i = 0; i < 100; ++i, Sleep(20)) {
        for (HWND w = FindWindowExW(nullptr, nullptr, window_class, nullptr); w;
             w = FindWindowExW(nullptr, w, window_class, nullptr)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == process_.dwProcessId) return w;
        }
    }
    return nullptr;
}

std::string Program::text(int id) const {
    // GetWindowText of another process's control gives only its stored caption,
    // empty for an edit field: ask the control itself
    // The text may change between the two messages (a countdown does): a text
    // that fills the buffer may have been cut, so it is asked for again with more room.
    HWND w = control(id);
    size_t room = static_cast<size_t>(std::max<LRESULT>(SendMessageW(w, WM_GETTEXTLENGTH, 0, 0), 0)) + 64;
    for (;; room *= 2) {
        std::wstring s(room, L'\0');
        const LRESULT got = SendMessageW(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]));
        if (got <= 0) return {};
        if (static_cast<size_t>(got) + 1 < room) {
            s.resize(static_cast<size_t>(got));
            return to_cp932(s);
        }
    }
}

std::string Program::message_box_text() const { return to_cp932(wide_message_box_text()); }

std::wstring Program::wide_message_box_text() const {
    if (!message_box_) return {};
    // the text of a message box is its static control 0xFFFF
    return window_text_w(GetDlgItem(message_box_, 0xFFFF));
}

std::string Program::title() const { return to_cp932(window_text_w(window_)); }

void Program::set_text(int id, const std::string& cp932) {
    // through the wide functions, converted here: the same text whatever either side's code page
    const std::wstring text = to_wide(cp932);
    SendMessageW(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Program::press(int id) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control(id)));
}

void Program::post_press(int id) {
    if (!screen_held_) {
        screen_held_ = CreateMutexA(nullptr, FALSE, kScreenLockName);
        if (screen_held_) WaitForSingleObject(screen_held_, 30000);
    }
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control(id)));
}

void Program::give_back_screen() {
    if (!screen_held_) return;
    ReleaseMutex(screen_held_);
    CloseHandle(screen_held_);
    screen_held_ = nullptr;
}

bool Program::wait_search_end(DWORD ms) {
    const DWORD start = GetTickCount();
    bool ended = false;
    while (!ended && GetTickCount() - start < ms) {
        const std::string caption = text(kIdSearchButton);
        ended = caption == "計算" || caption == "Search";  // idle, in either language
        if (!ended) Sleep(5);
    }
    give_back_screen();
    return ended;
}

bool Program::run_search(DWORD ms) {
    press(kIdSearchButton);
    return wait_search_end(ms);
}

std::string Program::wait_message_box(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        FindState box{process_.dwProcessId, "#32770", nullptr};
        EnumWindows(find_main, reinterpret_cast<LPARAM>(&box));
        if (box.found) {
            // the box's window comes before its text: wait for the text too
            message_box_ = box.found;
            const std::string text = message_box_text();
            if (!text.empty()) return text;
        }
        Sleep(10);
    }
    return {};
}

void Program::answer_message_box(int button) {
    if (!message_box_) return;
    PostMessageA(message_box_, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    // the box is gone once the program has taken the answer
    for (int i = 0; i < 200 && IsWindow(message_box_); ++i) Sleep(10);
    message_box_ = nullptr;
}

void Program::click(int id) { SendMessageW(control(id), BM_CLICK, 0, 0); }

int Program::list_selection(int id) const { return static_cast<int>(SendMessageW(control(id), CB_GETCURSEL, 0, 0)); }

void Program::select(int id, int index) { SendMessageW(control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::vector<std::string> Program::opened() const {
    std::vector<std::string> lines;
    std::istringstream in(file("opened.log"));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Program::wait_opened(size_t count, DWORD ms) const {
    const DWORD start = GetTickCount();
    std::vector<std::string> lines = opened();
    while (lines.size() < count && GetTickCount() - start < ms) {
        Sleep(10);
        lines = opened();
    }
    return lines;
}

Pixels Program::capture() const {
    // The pixels come from the screen, where another test's window may lie on
    // top: one capture at a time in the whole prefix, with this window raised
    // above all others until its pixels are read.
    const ScreenLock screen;
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (int i = 0; i < 3; ++i) {
        SendMessageA(window_, WM_NULL, 0, 0);  // the program has handled what raising it asked
        Sleep(50);
    }
    RECT r;
    GetClientRect(window_, &r);
    HDC dc = GetDC(window_);
    Pixels p = read_bitmap(dc, 0, 0, r.right, r.bottom);
    ReleaseDC(window_, dc);
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return p;
}

std::vector<std::pair<DWORD, uint32_t>> Program::watch_pixel(int x, int y, DWORD ms) const {
    // one screen lock and one raise for the whole watch, as capture does for one picture
    const ScreenLock screen;
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(window_, WM_NULL, 0, 0);
    std::vector<std::pair<DWORD, uint32_t>> seen;
    HDC dc = GetDC(window_);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        const COLORREF c = GetPixel(dc, x, y);
        seen.emplace_back(GetTickCount() - start, (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        Sleep(5);
    }
    ReleaseDC(window_, dc);
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return seen;
}

int Program::wait_exit(DWORD ms) {
    if (WaitForSingleObject(process_.hProcess, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    ended_ = true;
    return static_cast<int>(code);
}

int Program::close() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return wait_exit(10000);
}

double now_ms() {
    LARGE_INTEGER c, f;
    QueryPerformanceCounter(&c);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

bool is_reading(const std::string& s) {
    const size_t dot = s.find('.');
    if (dot == std::string::npos || dot == 0 || s.size() != dot + 3) return false;
    for (size_t i = 0; i < s.size(); ++i)
        if (i != dot && (s[i] < '0' || s[i] > '9')) return false;
    return true;
}

int hundredths_of(const std::string& reading) {
    return static_cast<int>(std::strtod(reading.c_str(), nullptr) * 100.0 + 0.5);
}

namespace {
// The font a Japanese system's paint uses by default: "System", 18 by 8
// pixels, normal weight, Shift-JIS; the same on every locale.
HFONT japanese_system_font() {
    static const HFONT font = CreateFontW(18, 8, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"System");
    return font;
}
}  // namespace

Pixels render_text(const std::string& cp932, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(mem, bmp);
    HGDIOBJ old_font = SelectObject(mem, japanese_system_font());
    RECT all = {0, 0, width, height};
    FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const std::wstring text = to_wide(cp932);
    TextOutW(mem, 0, 0, text.c_str(), static_cast<int>(text.size()));
    Pixels p = read_bitmap(mem, 0, 0, width, height);
    SelectObject(mem, old_font);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return p;
}

SIZE text_extent(const std::string& cp932) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old_font = SelectObject(screen, japanese_system_font());
    SIZE size;
    const std::wstring text = to_wide(cp932);
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old_font);
    ReleaseDC(nullptr, screen);
    return size;
}

bool shows_text(const Pixels& capture, int x, int y, const std::string& cp932) {
    const SIZE size = text_extent(cp932);
    const Pixels want = render_text(cp932, size.cx, size.cy);
    if (x + size.cx > capture.width || y + size.cy > capture.height) return false;
    for (int j = 0; j < size.cy; ++j)
        for (int i = 0; i < size.cx; ++i)
            if (capture.at(x + i, y + j) != want.at(i, j)) return false;
    return true;
}

RECT rect_in_client(HWND window, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

namespace {

// The control of the program that has the keyboard focus; null when none.
HWND focused(const Program& p) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(p.window(), nullptr), &info) ? info.hwndFocus : nullptr;
}

int focused_id(const Program& p) {
    const HWND w = focused(p);
    return w ? GetDlgCtrlID(w) : -1;
}

// Posts one Tab (with Shift held when back) to the focused control, through the
// program's own queue, and waits for the focus to move.
int press_tab(const Program& p, bool back) {
    const HWND at = focused(p);
    const int from = at ? GetDlgCtrlID(at) : -1;
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = back ? 0x80 : 0;
    SetKeyboardState(keys);  // shared with the program while the inputs are attached
    PostMessageA(at, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageA(at, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001u));
    int now = from;
    for (int i = 0; i < 100 && now == from; ++i) {
        Sleep(10);
        now = focused_id(p);
    }
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    return now;
}

// The focus after each of count Tabs, starting with where it is.
std::vector<int> walk(const Program& p, size_t count, bool back) {
    std::vector<int> walked = {focused_id(p)};
    for (size_t i = 0; i < count && (i == 0 || walked[i] != walked[i - 1]); ++i) walked.push_back(press_tab(p, back));
    return walked;
}

}  // namespace

TabWalks tab_walks(const Program& p, HWND window, const std::vector<int>& stops) {
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);  // this thread needs a queue to attach
    const DWORD mine = GetCurrentThreadId();
    const DWORD theirs = GetWindowThreadProcessId(p.window(), nullptr);
    if (stops.empty() || !AttachThreadInput(mine, theirs, TRUE)) return {};
    SetForegroundWindow(window);
    SetFocus(GetDlgItem(window, stops[0]));
    for (int i = 0; i < 100 && focused_id(p) != stops[0]; ++i) Sleep(10);
    TabWalks walks;
    if (focused_id(p) == stops[0]) {
        walks.forward = walk(p, stops.size(), false);
        walks.backward = walk(p, stops.size(), true);
    }
    AttachThreadInput(mine, theirs, FALSE);
    return walks;
}

TabWalks tab_walks_in_order(const std::vector<int>& stops) {
    TabWalks want{stops, {}};
    if (stops.empty()) return want;
    want.forward.push_back(stops[0]);  // wraps round to the first
    want.backward = {stops[0]};
    for (size_t i = stops.size(); i-- > 0;) want.backward.push_back(stops[i]);
    return want;
}

std::vector<std::string> frame0_ivs(Program& p, const std::string& seed) {
    p.set_text(kIdListSeed, seed);
    for (int id = kIdListIvFirst; id < kIdListIvFirst + 6; ++id) p.set_text(id, "0");
    p.set_text(kIdListFrameCount, "1");
    p.press(kIdListButton);
    std::istringstream in(p.file("list.txt"));
    std::string header, line;
    std::getline(in, header);
    std::getline(in, line);
    std::vector<std::string> fields;
    std::istringstream cols(line);
    for (std::string f; std::getline(cols, f, ',');) fields.push_back(f);
    if (fields.size() < 7 || fields[0] != "0") return {};
    return {fields.begin() + 1, fields.begin() + 7};
}

double longest_answer_while_filling(HWND window, int id, int list_id, DWORD limit_ms) {
    const HWND list = GetDlgItem(window, list_id);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    double longest = 0;
    const double start = now_ms();
    // the list's count is asked the same way: the window answers it only between commands too
    const auto answered = [&](HWND to, UINT message, DWORD_PTR* result) {
        const double asked = now_ms();
        if (!SendMessageTimeoutW(to, message, 0, 0, SMTO_NORMAL, limit_ms, result)) return false;
        longest = std::max(longest, now_ms() - asked);
        return true;
    };
    while (now_ms() - start < 60000) {
        DWORD_PTR result = 0;
        if (!answered(window, WM_NULL, &result) || !answered(list, LB_GETCOUNT, &result)) return -1;
        if (result > 0) return longest;
    }
    return -1;
}

void type_widest_hit_search(const Program& p, HWND stats) {
    const auto set = [&](int id, const std::string& text) {
        SendMessageW(GetDlgItem(stats, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(to_wide(text).c_str()));
    };
    set(kIdStatsName, "ヒマナッツ");
    set(kIdStatsLevelFirst, "1");
    for (int s = 0; s < 6; ++s) set(kIdStatsLevelFirst + 1 + s, s == 0 ? "11" : "5");
    set(kIdStatsLowRange, "1000");
    set(kIdStatsSecondRange, "10");
    SendMessageW(p.control(kIdTargetSeed), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"8A0C05F0"));
    SendMessageW(p.control(kIdCandidatesLastFrame), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"616"));
}

void type_level_100(HWND stats, const std::vector<int>& ivs) {
    const auto set = [stats](int id, const std::string& cp932) {
        SendMessageW(GetDlgItem(stats, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(to_wide(cp932).c_str()));
    };
    const int base[6] = {45, 49, 49, 65, 65, 45};
    set(kIdStatsName, "フシギダネ");
    SendMessageW(GetDlgItem(stats, kIdStatsNatureList), CB_SETCURSEL, 13, 0);  // まじめ
    set(kIdStatsLevelFirst, "100");
    for (size_t s = 0; s < 6 && s < ivs.size(); ++s)
        set(kIdStatsLevelFirst + 1 + static_cast<int>(s), std::to_string(2 * base[s] + ivs[s] + (s == 0 ? 110 : 5)));
}

}  // namespace driver
