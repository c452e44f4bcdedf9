// Command 211: the initial seed candidates and their adopt buttons.
#include <windows.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/window_win.h"
#include "tools/candidates.h"

namespace {

void destroy_adopt_buttons() {
    for (int n = 0; n < kAdoptButtons; ++n) {
        if (g_app.adopt_buttons[n]) DestroyWindow(g_app.adopt_buttons[n]);
        g_app.adopt_buttons[n] = nullptr;
    }
}

// Only the first ten candidates get a button: 1001..1010 are the adopt
// identifiers that have a handler; rows 11..20 are painted without one.
void create_adopt_buttons() {
    const int count = g_app.candidate_count < kAdoptButtons ? g_app.candidate_count : kAdoptButtons;
    for (int n = 0; n < count; ++n) {
        g_app.adopt_buttons[n] =
            CreateWindowExA(0, "button", "採用", WS_CHILD | WS_VISIBLE, 235, 405 + 25 * n, 45, 22, g_app.main_window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCmdFirstAdopt + n)), g_app.instance, nullptr);
    }
}

}  // namespace

void find_candidate_seeds() {
    destroy_adopt_buttons();
    search_candidate_seeds();
    create_adopt_buttons();
}

void candidates_command() {
    AppState& a = g_app;
    read_iv_thresholds(a.known_iv_fields);
    a.switch_on_month = clamp_int(read_int_field(a.switch_on_fields[0], 4), 1, 12);
    a.switch_on_day = clamp_int(read_int_field(a.switch_on_fields[1], 5), 1, 31);
    a.switch_on_hour = clamp_int(read_int_field(a.switch_on_fields[2], 5), 0, 24);
    a.switch_on_minute = clamp_int(read_int_field(a.switch_on_fields[3], 5), 0, 59);
    const int32_t frames = read_int_field(a.candidates_frame_field, 5);
    a.frame_limit = frames < 0 ? 0 : frames;
    refresh_mac_and_roaming();
    find_candidate_seeds();
    InvalidateRect(a.main_window, nullptr, FALSE);
}
