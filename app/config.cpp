#include "app/config.h"

#include <cstdio>
#include <cstring>

#include "core/fields.h"
#include "core/text_file.h"

namespace {
int32_t mac_byte_of_text(const char* text) { return clamp_int(field_hex(text, kMacByteChars), 0, 255); }

void drop_final_line_feed(char* s) {
    const size_t n = std::strlen(s);
    if (n && s[n - 1] == '\n') s[n - 1] = '\0';
}
}  // namespace

bool read_config_file(const char* path, ConfigLines* out) {
    std::string text;
    if (!read_text_file(path, &text)) return false;
    TextReader reader{&text, 0};
    char buffer[256];
    for (int32_t i = 0; i < 5; ++i) {
        buffer[0] = '\0';  // a missing line leaves it empty
        read_text_line(&reader, buffer);
        // MAC lines are taken even when empty; the timing lines only when they hold text
        out->present[i] = i < 3 || buffer[0] != '\0';
        drop_final_line_feed(buffer);
        std::strcpy(out->text[i], buffer);
    }
    return true;
}


GeneratorSetting read_generator_setting(const char* const mac_texts[3], bool roaming_checked) {
    int32_t offset = 0;
    for (int32_t i = 0; i < 3; ++i) offset = offset * 256 + mac_byte_of_text(mac_texts[i]);
    return {offset, roaming_checked};
}
