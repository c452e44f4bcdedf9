// The child controls of the main window, config.txt and the MAC read-back.
#include <windows.h>

#include "app/app_state.h"
#include "app/config.h"
#include "app/window_win.h"
#include "rng/hidden_power.h"

namespace {

#ifdef KIVREL_FIXED_WIDTH_FIELDS
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
#else
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
#endif
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kCheckBoxStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD kBorderedButtonStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kTabStopButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kPlainButtonStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDisplayStyle = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
constexpr int kListDroppedHeight = 350;

HWND make(const char* cls, DWORD style, const char* text, int x, int y, int w, int h, int id) {
    return CreateWindowExA(0, cls, text, style, x, y, w, h, g_app.main_window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_app.instance, nullptr);
}

HWND edit(int id, const char* text, int x, int y, int w) { return make("Edit", kEditStyle, text, x, y, w, 22, id); }

HWND list(int id, int x, int y, int w) { return make("combobox", kListStyle, "", x, y, w, kListDroppedHeight, id); }

// One IV row: fields first_id.. at x, x+40, ... while x stays below x_end.
void iv_row(WindowHandle* fields, int first_id, int x, int x_end, int y, const char* text) {
    for (int i = 0; x < x_end; ++i, x += 40) fields[i] = edit(first_id + i, text, x, y, 20);
}

void fill_type_list(HWND list_box) {
    SendMessageA(list_box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("指定無し"));
    char name[256];
    for (int t = 0; t < kHiddenPowerTypes; ++t) {
        hidden_power_type_name(t, name);
        SendMessageA(list_box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendMessageA(list_box, CB_SETCURSEL, 0, 0);
}

void apply_config() {
    ConfigLines config;
    if (!read_config_file("config.txt", &config)) return;
    for (int i = 0; i < 3; ++i) SetWindowTextA(g_app.mac_fields[i], config.text[i]);
    if (config.present[3]) SetWindowTextA(g_app.measured_seconds_field, config.text[3]);
    if (config.present[4]) SetWindowTextA(g_app.obtained_low_field, config.text[4]);
}

}  // namespace

void create_controls() {
    g_app.controls_created = 1;
    AppState& a = g_app;
    a.mac_fields[0] = edit(109, "", 330, 2, 30);
    a.mac_fields[1] = edit(110, "", 370, 2, 30);
    a.mac_fields[2] = edit(111, "", 410, 2, 30);
    a.roaming_box = make("Button", kCheckBoxStyle, "徘徊", 500, 2, 100, 25, 201);

    iv_row(a.search_iv_fields, 100, 78, 318, 64, "0");
    a.search_hp_type_list = list(303, 65, 103, 120);
    fill_type_list(a.search_hp_type_list);
    a.search_hp_power_field = edit(150, "30", 200, 104, 24);
    a.search_low_min_field = edit(108, "600", 105, 145, 40);
    a.search_low_max_field = edit(106, "1000", 170, 145, 40);
    a.search_frame_limit_field = edit(107, "30", 330, 145, 40);
    a.search_button = make("Button", kBorderedButtonStyle, "計算", 240, 190, 100, 25, 200);

    a.list_seed_field = edit(119, "", 530, 54, 96);
    iv_row(a.list_iv_fields, 112, 478, 718, 94, "0");
    a.list_hp_type_list = list(304, 465, 134, 120);
    fill_type_list(a.list_hp_type_list);
    a.list_hp_power_field = edit(120, "30", 600, 134, 24);
    a.list_frame_count_field = edit(118, "100", 410, 174, 40);
    a.list_button = make("Button", kBorderedButtonStyle, "リスト出力", 580, 200, 100, 25, 202);

    a.stopwatch_display = make("static", kDisplayStyle, "0", 20, 274, 60, 22, 930);
    a.stopwatch_button = make("Button", kPlainButtonStyle, "起動", 100, 274, 100, 25, 210);
    for (int i = 0; i < 4; ++i) a.switch_on_fields[i] = edit(130 + i, "", 90 + 50 * i, 309, 24);
    iv_row(a.known_iv_fields, 134, 78, 318, 339, "");
    a.candidates_button = make("Button", kTabStopButtonStyle, "初期seed計算", 270, 369, 120, 25, 211);
    a.candidates_frame_field = edit(154, "20", 120, 369, 40);

    a.target_seed_field = edit(140, "", 570, 279, 96);
    a.timing_month_field = edit(142, "9", 490, 309, 24);
    a.timing_day_field = edit(143, "12", 540, 309, 24);
    a.timing_mode_list = list(311, 600, 309, 100);
    SendMessageA(a.timing_mode_list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("以降"));
    SendMessageA(a.timing_mode_list, CB_SETCURSEL, 0, 0);
    a.measured_seconds_field = edit(144, "", 420, 339, 100);
    a.obtained_low_field = edit(145, "", 600, 339, 48);
    a.timing_button = make("Button", kTabStopButtonStyle, "計算", 680, 339, 100, 25, 212);

    a.confirm_frames_field = edit(146, "", 420, 450, 36);
    a.species_name_field = edit(147, "ポケモン名", 550, 450, 90);
    a.level_field = edit(148, "", 670, 450, 36);
    a.confirm_button = make("Button", kTabStopButtonStyle, "初期seed確認リスト", 580, 510, 180, 25, 213);

    apply_config();
}

void refresh_mac_and_roaming() {
    int32_t bytes[3];
    for (int i = 0; i < 3; ++i) {
        char buffer[256];
        read_field(g_app.mac_fields[i], 3, buffer);  // at most two characters
        bytes[i] = mac_byte_of_text(buffer);
    }
    g_app.mac_offset = bytes[0] * 65536 + bytes[1] * 256 + bytes[2];
    g_app.roaming = SendMessageA(g_app.roaming_box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
