#include <windows.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/window_win.h"
#include "timing/cgear_timing.h"

void cgear_timing_command() {
    char seconds[256], obtained[256], target[256], month[256], day[256];
    read_field(g_app.measured_seconds_field, sizeof seconds, seconds);
    read_field(g_app.obtained_low_field, sizeof obtained, obtained);
    read_field(g_app.target_seed_field, sizeof target, target);
    read_field(g_app.timing_month_field, sizeof month, month);
    read_field(g_app.timing_day_field, sizeof day, day);
    const LRESULT mode = SendMessageA(g_app.timing_mode_list, CB_GETCURSEL, 0, 0);
    store_timing_inputs(seconds, obtained, target, month, day);
    // index 0 is "以降": the first date on or after the one typed
    if (mode == 0) compute_cgear_timing();
    InvalidateRect(g_app.main_window, nullptr, FALSE);
}
