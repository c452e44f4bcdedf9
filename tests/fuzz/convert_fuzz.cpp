// Any typed text through the number conversions and the field cut: no
// overflow, no read past the text, results within their types' promises.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/convert.h"
#include "core/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);  // zero-ended at size (or earlier)
    const char* t = text.c_str();
    for (int base : {10, 16}) {
        ms_strtol(t, base);
        ms_strtoul(t, base);
    }
    ms_atoi(t);
    const double d = ms_atof(t);
    if (std::isnan(d)) std::abort();  // the runtime never reads nan
    for (size_t chars = 0; chars <= 256; chars += 1 + chars / 4) {
        const FieldText f = take_field(t, chars);
        const size_t kept = std::strlen(f.text);
        if (kept > chars || kept > kWholeFieldChars || std::strncmp(f.text, t, kept) != 0) std::abort();
        field_int(t, chars);
        field_hex(t, chars);
        field_hex_unsigned(t, chars);
    }
    return 0;
}
