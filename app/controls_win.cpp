// The main window's controls, config.txt and the MAC read-back.
#include <windows.h>

#include "app/config.h"
#include "app/ids.h"
#include "app/main_table.h"
#include "app/shell_win.h"

namespace {

void apply_config() {
    ConfigLines config;
    if (!read_config_file("config.txt", &config)) return;
    for (int i = 0; i < 3; ++i) set_window_text(main_control(kIdMacByte1 + i), config.text[i]);
    if (config.present[3]) set_window_text(main_control(kIdMeasuredSeconds), config.text[3]);
    if (config.present[4]) set_window_text(main_control(kIdObtainedLow), config.text[4]);
}

}  // namespace

void create_main_controls() {
    g_window.controls_created = true;
    create_controls(g_window.main, kMainWindowTable);
    apply_config();
}

int32_t selected_entry(HWND list_box) { return static_cast<int32_t>(SendMessageW(list_box, CB_GETCURSEL, 0, 0)); }

GeneratorSetting refresh_generator_setting() {
    HeldTexts held(g_window.main);
    const char* texts[3];
    held.take_row(kIdMacByte1, texts, 3);
    const bool checked = SendMessageW(main_control(kIdRoamingBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
    g_app.generator = read_generator_setting(texts, checked);
    return g_app.generator;
}
