// Command 200: reads the seed search's fields, then runs the search.
#include <windows.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/convert.h"
#include "app/window_win.h"
#include "tools/seed_search.h"

void seed_search_command() {
    AppState& a = g_app;
    read_iv_thresholds(a.search_iv_fields);
    char buffer[256];
    read_field(a.search_low_min_field, 5, buffer);
    a.low_min = clamp_int(ms_strtol(buffer, 16), 0, 0xFFFF);
    read_field(a.search_low_max_field, 5, buffer);
    a.low_max = clamp_int(ms_strtol(buffer, 16), 0, 0xFFFF);
    a.frame_limit = clamp_int(read_int_field(a.search_frame_limit_field, 5), 0, kLastFrameNormal);
    a.hp_type_filter = read_type_filter(a.search_hp_type_list);
    a.hp_min_power = read_min_power(a.search_hp_power_field);
    refresh_mac_and_roaming();
    run_seed_search();
}
