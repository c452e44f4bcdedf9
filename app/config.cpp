#include "app/config.h"

#include <cstdio>
#include <cstring>

#include "app/convert.h"
#include "app/text_file.h"

namespace {
void drop_final_line_feed(char* s) {
    const size_t n = std::strlen(s);
    if (n && s[n - 1] == '\n') s[n - 1] = '\0';
}
}  // namespace

bool read_config_file(const char* path, ConfigLines* out) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    char buffer[256];
    for (int i = 0; i < 5; ++i) {
        buffer[0] = '\0';  // a missing line leaves it empty
        read_text_line(f, buffer);
        // MAC lines are taken even when empty; the timing lines only when they hold text
        out->present[i] = i < 3 || buffer[0] != '\0';
        drop_final_line_feed(buffer);
        std::strcpy(out->text[i], buffer);
    }
    std::fclose(f);
    return true;
}

int32_t mac_byte_of_text(const char* text) {
    char taken[3] = "";  // the field is read through a 3-byte buffer
    std::strncpy(taken, text, 2);
    const int32_t value = ms_strtol(taken, 16);
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}
