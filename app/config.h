// config.txt: remembered MAC bytes and timing inputs, read once at start.
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
