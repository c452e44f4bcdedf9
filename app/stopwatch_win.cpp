// The timing thread: the stopwatch and the C-Gear timer on one millisecond
// clock. It never waits for the window: the stopwatch's readings and the
// timer's texts are posted, and the timer starts its beeps itself. While
// neither counts it sleeps on an event that a start press sets.
#include <windows.h>
#include <mmsystem.h>
#include <process.h>

#include "app/ids.h"
#include "app/shell_win.h"
#include "timing/stopwatch.h"
#include "timing/timing_loop.h"
#include "timing/timing_words.h"

namespace {

// The thread's handle and its wake event, the program's from its start to its end.
HANDLE g_timing_thread = nullptr;
HANDLE g_wake_event = nullptr;
TimingLoop g_loop;

void set_wake_event() { SetEvent(g_wake_event); }

class WindowsTimingHost final : public TimingHost {
public:
    uint32_t now_ms() override { return timing_clock_ms(); }
    void wait_for_wake() override { WaitForSingleObject(g_wake_event, INFINITE); }
    void pause() override { Sleep(1); }
    // 1 ms scheduler resolution while counting, so that Sleep(1) keeps the
    // reading within a hundredth of a second
    void hold_fine_clock(bool hold) override {
        if (hold) timeBeginPeriod(1);
        else timeEndPeriod(1);
    }
    // posted, never sent: a busy window must not hold up the count or a beep
    void show_reading(uint32_t hundredths) override { PostMessageW(g_window.main, kMsgStopwatchText, 0, hundredths); }
    void timer_pass(uint32_t now) override { run_timer_pass(now); }
};

unsigned __stdcall timing_thread(void*) {
    // each pass is a few microseconds; running it on time keeps the last
    // reading before a stop press within a hundredth of the press, and each
    // beep within a pass of its moment
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    WindowsTimingHost host;
    run_timing_loop(g_loop, host);
    return 0;
}

}  // namespace

uint32_t timing_clock_ms() {
    // the performance counter's precision needs no timer resolution, so a
    // press reads it as exactly with the thread asleep as while it counts
    static const int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    const int64_t ticks = c.QuadPart;
    return static_cast<uint32_t>(ticks / frequency * 1000 + ticks % frequency * 1000 / frequency);
}

bool start_timing_thread() {
    timing_clock_ms();  // the frequency is read once, before two threads can ask for it
    g_wake_event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!g_wake_event) return false;
    g_timing_wake = set_wake_event;
    g_timing_thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, timing_thread, nullptr, 0, nullptr));
    if (g_timing_thread) return true;
    g_timing_wake = nullptr;
    CloseHandle(g_wake_event);
    g_wake_event = nullptr;
    return false;
}

void end_timing_thread() {
    if (!g_timing_thread) return;
    // the loop gives the clock resolution back as it ends
    request_timing_exit(g_loop);
    WaitForSingleObject(g_timing_thread, INFINITE);
    CloseHandle(g_timing_thread);
    g_timing_thread = nullptr;
    g_timing_wake = nullptr;
    CloseHandle(g_wake_event);
    g_wake_event = nullptr;
}

void show_stopwatch_reading(LPARAM hundredths) {
    char text[256];
    record_measured_interval(static_cast<uint32_t>(hundredths), text);
    set_window_text(main_control(kIdStopwatchDisplay), text);
}
