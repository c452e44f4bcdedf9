// Command 202: reads the frame list's fields, then writes the list.
#include <windows.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/convert.h"
#include "app/window_win.h"
#include "tools/frame_list.h"

void frame_list_command() {
    AppState& a = g_app;
    read_iv_thresholds(a.list_iv_fields);
    const int32_t frames = read_int_field(a.list_frame_count_field, 5);
    a.frame_limit = frames < 0 ? 0 : frames;
    char buffer[256];
    read_field(a.list_seed_field, 9, buffer);
    a.target_seed = ms_strtoul(buffer, 16);
    a.hp_type_filter = read_type_filter(a.list_hp_type_list);
    a.hp_min_power = read_min_power(a.list_hp_power_field);
    refresh_mac_and_roaming();
    write_frame_list();
}
