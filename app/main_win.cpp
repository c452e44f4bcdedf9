// Entry point, window class, main window, message loop and window procedure.
#include <windows.h>

#include <cstdlib>

#include "app/shell_win.h"
#include "core/state.h"
#include "core/version.h"
#include "data/species.h"

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

void on_create(HWND window) {
    g_app.controls_created = 0;
    if (!load_species_table()) MessageBoxA(window, "pokemon.datを読み込めませんでした", "", MB_OK);
}

void on_paint(HWND window) {
    if (!g_app.controls_created) create_controls();
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
    case kMsgShowMessage: return show_message_box(reinterpret_cast<const char*>(lParam), static_cast<unsigned>(wParam));
    case kMsgSearchDone: finish_search(); return 0;
    case kMsgSetTitle: take_posted_title(); return 0;
    case WM_TIMER:
        if (wParam != kTitleTimer) return DefWindowProcA(window, message, wParam, lParam);
        show_posted_title();
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool register_window_class(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = window_procedure;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = static_cast<HCURSOR>(LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kMainTitle;
    return RegisterClassExA(&wc) != 0;
}

// Tests and benchmarks set these through the environment: the size guard's
// threshold and the seed search's threads. A player never does, and then they
// are the shipped 1 GiB and one thread per core.
void read_test_settings() {
    char text[32];
    DWORD n = GetEnvironmentVariableA("KIVREL_TEST_SEARCH_GUARD_BYTES", text, sizeof text);
    if (n > 0 && n < sizeof text) g_app.search_guard_bytes = std::strtoull(text, nullptr, 10);
    n = GetEnvironmentVariableA("KIVREL_TEST_SCAN_THREADS", text, sizeof text);
    if (n > 0 && n < sizeof text) g_app.scan_threads = static_cast<int32_t>(std::strtol(text, nullptr, 10));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
    read_test_settings();
    g_app.stopwatch_thread = start_stopwatch();
    g_app.instance = instance;
    if (!register_window_class(instance)) return 0;
    g_app.main_window = CreateWindowExA(0, kMainTitle, kMainTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                        kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (!g_app.main_window) return 0;
    ShowWindow(g_app.main_window, show_command);
    UpdateWindow(g_app.main_window);

    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(g_app.main_window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    wait_for_search_threads();
    end_stopwatch(g_app.stopwatch_thread);
    return static_cast<int>(msg.wParam);
}
