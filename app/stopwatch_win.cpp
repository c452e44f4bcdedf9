// The timing thread: the stopwatch and the C-Gear timer on one millisecond
// clock. It never waits for the window: the stopwatch's readings and the
// timer's texts are posted, and the timer starts its beeps itself.
#include <windows.h>
#include <mmsystem.h>
#include <process.h>

#include "app/ids.h"
#include "app/shell_win.h"
#include "timing/stopwatch.h"

namespace {

// The thread's handle, the program's from its start to its end.
HANDLE g_timing_thread = nullptr;

unsigned __stdcall timing_thread(void*) {
    // each pass is a few microseconds; running it on time keeps the last
    // reading before a stop press within a hundredth of the press, and each
    // beep within a pass of its moment
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    for (;;) {
        const uint32_t now = timeGetTime();
        // posted, never sent: a busy window must not hold up the count or a beep
        uint32_t hundredths;
        if (stopwatch_pass(now, &hundredths)) PostMessageW(g_window.main, kMsgStopwatchText, 0, hundredths);
        run_timer_pass(now);
        Sleep(1);
    }
    return 0;
}

}  // namespace

bool start_timing_thread() {
    // 1 ms scheduler and clock resolution, so that Sleep(1) and timeGetTime
    // keep the reading within a hundredth of a second
    timeBeginPeriod(1);
    g_timing_thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, timing_thread, nullptr, 0, nullptr));
    if (g_timing_thread == nullptr) timeEndPeriod(1);
    return g_timing_thread != nullptr;
}

void end_timing_thread() {
    if (!g_timing_thread) return;
    timeEndPeriod(1);
    // the thread itself ends with the process
    CloseHandle(g_timing_thread);
    g_timing_thread = nullptr;
}

void show_stopwatch_reading(LPARAM hundredths) {
    char text[256];
    format_stopwatch_reading(static_cast<uint32_t>(hundredths), text);
    set_window_text(main_control(kIdStopwatchDisplay), text);
}
