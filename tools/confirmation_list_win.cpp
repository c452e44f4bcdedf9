// Command 213: reads the confirmation list's fields, then writes the list.
#include <windows.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/convert.h"
#include "app/window_win.h"
#include "data/species.h"
#include "tools/confirmation_list.h"

void confirmation_list_command() {
    AppState& a = g_app;
    char buffer[256];
    read_field(a.species_name_field, 11, buffer);  // at most 10 bytes of the name
    find_species(buffer);
    a.frames_consumed = read_int_field(a.confirm_frames_field, 5);
    a.level = read_int_field(a.level_field, 5);
    read_field(a.target_seed_field, 256, buffer);
    a.target_seed = ms_strtoul(buffer, 16);
    refresh_mac_and_roaming();
    write_confirmation_list();
    InvalidateRect(a.main_window, nullptr, FALSE);
}
