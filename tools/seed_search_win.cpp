// Command 200: reads the seed search's fields, then runs the search.
#include <windows.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/convert.h"
#include "app/window_win.h"
#include "tools/seed_search.h"

void seed_search_command() {
    AppState& a = g_app;
    char buffer[256];
    for (int i = 0; i < kStatCount; ++i) {
        read_field(a.search_iv_fields[i], 4, buffer);
        a.iv_thresholds[i] = clamp_int(ms_atoi(buffer), 0, 31);
    }
    read_field(a.search_low_min_field, 5, buffer);
    a.low_min = clamp_int(ms_strtol(buffer, 16), 0, 0xFFFF);
    read_field(a.search_low_max_field, 5, buffer);
    a.low_max = clamp_int(ms_strtol(buffer, 16), 0, 0xFFFF);
    read_field(a.search_frame_limit_field, 5, buffer);
    a.frame_limit = clamp_int(ms_atoi(buffer), 0, kLastFrameNormal);
    a.hp_type_filter = read_type_filter(a.search_hp_type_list);
    read_field(a.search_hp_power_field, 5, buffer);
    a.hp_min_power = clamp_int(ms_atoi(buffer), 30, 70);
    refresh_mac_and_roaming();
    run_seed_search();
}
