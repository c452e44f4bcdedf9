// The timing thread: the stopwatch and the C-Gear timer on one millisecond
// clock. The stopwatch shows its reading itself; the timer starts its beeps
// and posts what the display shows.
#include <windows.h>
#include <mmsystem.h>
#include <process.h>

#include "app/shell_win.h"
#include "core/state.h"
#include "timing/stopwatch.h"

namespace {

void __cdecl stopwatch_thread(void*) {
    // each pass is a few microseconds; running it on time keeps the last
    // reading before a stop press within a hundredth of the press, and each
    // beep within a pass of its moment
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    char text[256];
    for (;;) {
        const uint32_t now = timeGetTime();
        // the display is written only when the reading grew; the two never run together
        if (stopwatch_pass(now, text)) set_window_text(g_app.stopwatch_display, text);
        run_timer_pass(now);
        Sleep(1);
    }
}

}  // namespace

uintptr_t start_stopwatch() {
    // 1 ms scheduler and clock resolution, so that Sleep(1) and timeGetTime
    // keep the reading within a hundredth of a second
    timeBeginPeriod(1);
    return _beginthread(stopwatch_thread, 0, nullptr);
}

void end_stopwatch(uintptr_t thread) {
    timeEndPeriod(1);
    // the thread itself ends with the process
    CloseHandle(reinterpret_cast<HANDLE>(thread));
}
