// Entry point, window class, main window, message loop and window procedure.
#include <windows.h>

#include <cwchar>
#include <string>

#include "app/layout.h"
#include "app/shell_win.h"
#include "core/version.h"
#include "data/pokemon_dat.h"
#include "engine/scan_settings.h"

Window g_window;

namespace {

void on_create(HWND window) {
    g_window.controls_created = false;
    if (!load_species_table()) message_box(window, tr(TextId::kSpeciesTableUnreadable), "", MB_OK);
    load_attempts();  // before the window shows: a long log never leaves it blank
}

void on_paint(HWND window) {
    if (!g_window.controls_created) create_main_controls();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    paint_window(dc);
    EndPaint(window, &paint);
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: on_create(window); return 0;
    case WM_PAINT: on_paint(window); return 0;
    case WM_CLOSE:
        // a running search is stopped first; its end closes the window
        if (search_running()) stop_search_and_close();
        else DestroyWindow(window);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_COMMAND: dispatch_command(LOWORD(wParam)); return 0;
    case kMsgShowMessage: return show_message_box(reinterpret_cast<const wchar_t*>(lParam), static_cast<unsigned>(wParam));
    case kMsgSearchDone: finish_search(); return 0;
    case kMsgTimerText: show_timer_text(wParam, lParam); return 0;
    case kMsgTimerBeep: flash_timer_display(wParam, lParam); return 0;
    case kMsgTimerDone: finish_timer(wParam, lParam); return 0;
    case kMsgTimerStopped: show_timer_stopped(wParam); return 0;
    case kMsgStopwatchText: show_stopwatch_reading(lParam); return 0;
    case kMsgSetTitle: take_posted_title(); return 0;
    case WM_TIMER:
        if (wParam == kTitleTimer) show_posted_title();
        else end_timer_flash(wParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH b = timer_display_brush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(b);
        return DefWindowProcW(window, message, wParam, lParam);
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Tests and benchmarks set these through the environment: the size guard's
// threshold, the seed search's threads and the timer's log. A player sets
// none, and then the guard is the shipped 1 GiB, one thread per core and no log.
void read_test_settings() {
    wchar_t text[32];
    DWORD n = GetEnvironmentVariableW(L"KIVREL_TEST_SEARCH_GUARD_BYTES", text, 32);
    if (n > 0 && n < 32) g_window.search_guard_bytes = std::wcstoull(text, nullptr, 10);
    n = GetEnvironmentVariableW(L"KIVREL_TEST_SCAN_THREADS", text, 32);
    if (n > 0 && n < 32) g_scan_settings.threads = static_cast<int32_t>(std::wcstol(text, nullptr, 10));
    g_window.timer_log = GetEnvironmentVariableW(L"KIVREL_TEST_TIMER_LOG", text, 32) > 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    read_test_settings();
    // without it the stopwatch and the timer do not count; every other command works
    start_timing_thread();
    g_window.instance = instance;
    choose_starting_language();
    create_ui_font();
    const std::wstring title = to_wide(kMainTitle);
    if (!register_window_class(title.c_str(), window_procedure, true)) return 0;
    g_window.main = CreateWindowExW(0, title.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                        kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!g_window.main) return 0;
    add_top_window(g_window.main);
    ShowWindow(g_window.main, show_command);
    UpdateWindow(g_window.main);

    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (take_dialog_message(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    wait_for_search_threads();
    end_timing_thread();
    return static_cast<int>(msg.wParam);
}
