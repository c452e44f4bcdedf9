// config.txt, the MAC fields and the roaming box: the inputs every tool that
// runs the generator takes from the top strip of the window.
#pragma once

#include <cstdint>

struct ConfigLines {
    char text[5][256];  // lines 1..5 with the final line feed removed
    bool present[5];    // lines 1..3 always; lines 4 and 5 only when not empty
};

// Reads the five lines as the window applies them; false when the file cannot be opened.
bool read_config_file(const char* path, ConfigLines* out);

// One MAC byte as its field gives it: at most the first two characters, read as
// hexadecimal (no digits gives 0), clamped to 0..255.
int32_t mac_byte_of_text(const char* text);

// Stores mac_offset (first byte x 65536 + second x 256 + third) and the roaming
// flag (the box's state was exactly "checked") into g_app.
void store_mac_and_roaming(const char* const mac_texts[3], bool roaming_checked);
