// Command 202: reads the frame list's fields, then writes the list.
#include <windows.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/convert.h"
#include "app/window_win.h"
#include "tools/frame_list.h"

void frame_list_command() {
    AppState& a = g_app;
    char buffer[256];
    for (int i = 0; i < kStatCount; ++i) {
        read_field(a.list_iv_fields[i], 4, buffer);
        a.iv_thresholds[i] = clamp_int(ms_atoi(buffer), 0, 31);
    }
    read_field(a.list_frame_count_field, 5, buffer);
    const int32_t frames = ms_atoi(buffer);
    a.frame_limit = frames < 0 ? 0 : frames;
    read_field(a.list_seed_field, 9, buffer);
    a.target_seed = ms_strtoul(buffer, 16);
    a.hp_type_filter = read_type_filter(a.list_hp_type_list);
    read_field(a.list_hp_power_field, 5, buffer);
    a.hp_min_power = clamp_int(ms_atoi(buffer), 30, 70);
    refresh_mac_and_roaming();
    write_frame_list();
}
