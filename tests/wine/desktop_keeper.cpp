// Keeps the test run's Wine desktop in use from the prefix's start to its end.
// Without a user the desktop process ends, and the next test that needs it
// starts it again with that test's output pipe, which CTest then waits on for
// as long as any later program keeps the desktop alive.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // a message-only window: a user of the desktop that nothing ever sees
    if (!CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr)) return 1;
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
    return 0;
}
