#include "core/fields.h"

#include "core/convert.h"

namespace {
// CP932 lead bytes: the first of a double-byte character.
bool is_lead_byte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
}  // namespace

FieldText take_field(const char* text, size_t chars) {
    FieldText f;
    if (chars > kWholeFieldChars) chars = kWholeFieldChars;
    size_t n = 0;
    while (n < chars && text[n] != '\0') {
        const bool pair = is_lead_byte(static_cast<unsigned char>(text[n])) && text[n + 1] != '\0';
        if (pair && n + 2 > chars) break;
        f.text[n] = text[n];
        ++n;
        if (pair) {
            f.text[n] = text[n];
            ++n;
        }
    }
    f.text[n] = '\0';
    return f;
}

int32_t field_int(const char* text, size_t chars) { return ms_atoi(take_field(text, chars).text); }

int32_t field_hex(const char* text, size_t chars) { return ms_strtol(take_field(text, chars).text, 16); }

uint32_t field_hex_unsigned(const char* text, size_t chars) { return ms_strtoul(take_field(text, chars).text, 16); }

int32_t read_last_frame(const char* text) {
    const int32_t last = field_int(text, kFrameChars);
    return last < 0 ? 0 : last;
}

void read_iv_fields(const char* const texts[kStatCount], int32_t* ivs) {
    for (int32_t s = 0; s < kStatCount; ++s) ivs[s] = clamp_int(field_int(texts[s], kIvChars), 0, kMaxIv);
}
