#include "timing/stopwatch_win.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "app/app_state.h"
#include "app/commands.h"
#include "timing/stopwatch.h"

void stopwatch_thread() {
    // each pass is a few microseconds; running it on time keeps the last
    // reading before a stop press within a hundredth of the press
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    char text[256];
    for (;;) {
        // the display is written only when the reading grew
        if (stopwatch_pass(timeGetTime(), text)) SetWindowTextA(g_app.stopwatch_display, text);
        Sleep(1);
    }
}

// 1 ms scheduler and clock resolution, so that Sleep(1) and timeGetTime keep
// the reading within a hundredth of a second.
void begin_fine_timer() { timeBeginPeriod(1); }
void end_fine_timer() { timeEndPeriod(1); }

void stopwatch_command() {
    if (const char* caption = press_stopwatch()) SetWindowTextA(g_app.stopwatch_button, caption);
}

void adopt_command(uint16_t id) {
    const uint16_t n = static_cast<uint16_t>(id - kCmdFirstAdopt);
    if (n > kAdoptButtons - 1) return;
    char buffer[256];
    buffer[0] = '\0';
    GetWindowTextA(g_app.stopwatch_display, buffer, sizeof buffer);
    SetWindowTextA(g_app.measured_seconds_field, buffer);
    std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(g_app.candidate_seeds[n] & 0xFFFFu));
    SetWindowTextA(g_app.obtained_low_field, buffer);
}
