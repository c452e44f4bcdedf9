// config.txt, the MAC fields and the roaming box: the inputs every tool that
// runs the generator takes from the top strip of the window.
#pragma once

#include <cstdint>

#include "core/game.h"

struct ConfigLines {
    char text[5][256];  // lines 1..5 with the final line feed removed
    bool present[5];    // lines 1..3 always; lines 4 and 5 only when not empty
};

// Reads the five lines as the window applies them; false when the file cannot be opened.
bool read_config_file(const char* path, ConfigLines* out);

// The generator setting of the top strip: the MAC offset (first byte x 65536
// + second x 256 + third, each byte the first two characters of its field
// read as hexadecimal, no digits giving 0, clamped to 0..255) and the
// roaming flag (the box was exactly "checked").
GeneratorSetting read_generator_setting(const char* const mac_texts[3], bool roaming_checked);
