// config.txt: remembered MAC bytes and timing inputs, read once at start.
#pragma once

struct ConfigLines {
    char text[5][256];  // lines 1..5 with the final line feed removed
    bool present[5];    // lines 1..3 always; lines 4 and 5 only when not empty
};

// Reads the five lines as the window applies them; false when the file cannot be opened.
bool read_config_file(const char* path, ConfigLines* out);
