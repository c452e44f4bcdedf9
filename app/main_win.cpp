// Entry point, window class, main window, message loop and window procedure.
#include <windows.h>

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
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_COMMAND: dispatch_command(LOWORD(wParam)); return 0;
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

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
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
    end_stopwatch(g_app.stopwatch_thread);
    return static_cast<int>(msg.wParam);
}
