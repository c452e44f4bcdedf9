// The child controls of the main window, config.txt and the MAC read-back.
#include <windows.h>

#include "app/config.h"
#include "app/ids.h"
#include "app/layout.h"
#include "app/shell_win.h"
#include "data/natures.h"
#include "rng/hidden_power.h"
#include "timing/cgear_timer.h"
#include "timing/stopwatch.h"

namespace {

constexpr DWORD kCheckBoxStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD kBorderedButtonStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr DWORD kPlainButtonStyle = WS_CHILD | WS_VISIBLE;

HWND edit(ControlId id, const char* text, int x, int y, int w) {
    return create_child(L"Edit", kEditStyle, text, x, y, w, kFieldHeight, id);
}

HWND button(ControlId id, DWORD style, const char* text, int x, int y, int w) {
    return create_child(L"Button", style, text, x, y, w, kButtonHeight, id);
}

HWND list(ControlId id, int x, int y, int w) {
    return create_child(L"combobox", kListStyle, "", x, y, w, kListDroppedHeight, id);
}

// One IV row: fields first_id.. at x, x+40, ... while x stays below x_end.
void iv_row(HWND* fields, ControlId first_id, int x, int x_end, int y, const char* text) {
    for (int i = 0; x < x_end; ++i, x += 40) fields[i] = edit(static_cast<ControlId>(first_id + i), text, x, y, 20);
}

// "指定無し" (no filter), then the type names: entry n + 1 is type n.
void fill_type_list(HWND list_box) {
    add_list_entry(list_box, "指定無し");
    for (int32_t t = 0; t < kHiddenPowerTypes; ++t) add_list_entry(list_box, hidden_power_type_text(t));
    SendMessageW(list_box, CB_SETCURSEL, 0, 0);
}

void apply_config() {
    ConfigLines config;
    if (!read_config_file("config.txt", &config)) return;
    for (int i = 0; i < 3; ++i) set_window_text(g_window.mac_fields[i], config.text[i]);
    if (config.present[3]) set_window_text(g_window.measured_seconds_field, config.text[3]);
    if (config.present[4]) set_window_text(g_window.obtained_low_field, config.text[4]);
}

}  // namespace

void create_controls() {
    g_window.controls_created = true;
    Window& a = g_window;
    a.mac_fields[0] = edit(kIdMacByte1, "", 330, 2, 30);
    a.mac_fields[1] = edit(kIdMacByte2, "", 370, 2, 30);
    a.mac_fields[2] = edit(kIdMacByte3, "", 410, 2, 30);
    a.roaming_box = button(kIdRoamingBox, kCheckBoxStyle, "徘徊", 500, 2, 100);

    iv_row(a.search_iv_fields, kIdSearchIvFirst, 78, 318, 64, "0");
    a.search_type_list = list(kIdSearchTypeList, 65, 103, 120);
    fill_type_list(a.search_type_list);
    a.search_min_power_field = edit(kIdSearchMinPower, "30", 200, 104, 24);
    a.search_low_min_field = edit(kIdSearchLowMin, "600", 105, 145, 40);
    a.search_low_max_field = edit(kIdSearchLowMax, "1000", 170, 145, 40);
    a.search_last_frame_field = edit(kIdSearchLastFrame, "30", 330, 145, 40);
    button(kIdSearchButton, kBorderedButtonStyle, kCalculateCaption, 240, 190, 100);

    a.list_seed_field = edit(kIdListSeed, "", 530, 54, 96);
    iv_row(a.list_iv_fields, kIdListIvFirst, 478, 718, 94, "0");
    a.list_type_list = list(kIdListTypeList, 465, 134, 120);
    fill_type_list(a.list_type_list);
    a.list_min_power_field = edit(kIdListMinPower, "30", 600, 134, 24);
    a.list_frame_count_field = edit(kIdListFrameCount, "100", 410, 174, 40);
    button(kIdListButton, kBorderedButtonStyle, "リスト出力", 580, 200, 100);

    a.stopwatch_display = create_child(L"static", kDisplayStyle, kStopwatchStartText, 20, 274, 60, kFieldHeight,
                                       kIdStopwatchDisplay);
    a.stopwatch_button = button(kIdStopwatchButton, kPlainButtonStyle, kStopwatchIdleCaption, 100, 274, 100);
    for (int i = 0; i < 4; ++i)
        a.switch_on_fields[i] = edit(static_cast<ControlId>(kIdSwitchOnFirst + i), "", 90 + 50 * i, 309, 24);
    iv_row(a.known_iv_fields, kIdKnownIvFirst, 78, 318, 339, "");
    button(kIdCandidatesButton, kTabStopButtonStyle, "初期seed計算", 270, 369, 120);
    a.candidates_last_frame_field = edit(kIdCandidatesLastFrame, "20", 120, 369, 40);

    a.target_seed_field = edit(kIdTargetSeed, "", 570, 279, 96);
    a.timing_month_field = edit(kIdTimingMonth, "9", 490, 309, 24);
    a.timing_day_field = edit(kIdTimingDay, "12", 540, 309, 24);
    a.date_mode_list = list(kIdDateModeList, 600, 309, 100);
    add_list_entry(a.date_mode_list, "以降");
    SendMessageW(a.date_mode_list, CB_SETCURSEL, 0, 0);
    a.measured_seconds_field = edit(kIdMeasuredSeconds, "", 420, 339, 100);
    a.obtained_low_field = edit(kIdObtainedLow, "", 600, 339, 48);
    button(kIdTimingButton, kTabStopButtonStyle, kCalculateCaption, 680, 339, 100);

    a.confirm_frames_field = edit(kIdConfirmFrames, "", 420, 450, 36);
    a.species_name_field = edit(kIdSpeciesName, "ポケモン名", 550, 450, 90);
    a.level_field = edit(kIdLevel, "", 670, 450, 36);
    button(kIdConfirmButton, kTabStopButtonStyle, "初期seed確認リスト", 580, 510, 180);

    // made after the controls above, so that their Tab order stays as it was
    a.nature_list = list(kIdNatureList, 640, 478, 120);
    add_list_entry(a.nature_list, "補正なし");
    for (int32_t n = 0; n < kNatureCount; ++n) add_list_entry(a.nature_list, nature_name(n));
    SendMessageW(a.nature_list, CB_SETCURSEL, 0, 0);
    // like the stopwatch's, the timer's button is pressed with the mouse at a moment, never by Tab
    button(kIdTimerButton, kPlainButtonStyle, kTimerCaption, 420, 478, 100);
    a.timer_display = create_child(L"static", kDisplayStyle, "", 420, 510, kTimerDisplayWidth, kFieldHeight,
                                   kIdTimerDisplay);

    // the stats window's button, after the others so that their Tab order stays
    button(kIdStatsButton, kTabStopButtonStyle, "実数値から", 290, 405, 100);

    apply_config();
}

int32_t selected_entry(HWND list_box) { return static_cast<int32_t>(SendMessageW(list_box, CB_GETCURSEL, 0, 0)); }

void refresh_mac_and_roaming() {
    std::string held[3];
    const char* texts[3];
    for (int i = 0; i < 3; ++i) {
        held[i] = window_text(g_window.mac_fields[i]);
        texts[i] = held[i].c_str();
    }
    store_mac_and_roaming(texts, SendMessageW(g_window.roaming_box, BM_GETCHECK, 0, 0) == BST_CHECKED);
}
