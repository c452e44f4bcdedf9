#include "rng/hidden_power.h"

#include <cstring>

namespace {

const char* const kTypeNames[kHiddenPowerTypes] = {
    "かくとう", "ひこう", "どく", "じめん", "いわ", "むし", "ゴースト", "はがね",
    "ほのお", "みず", "くさ", "でんき", "エスパー", "こおり", "ドラゴン", "あく",
};

}  // namespace

int32_t hidden_power_type(int32_t h, int32_t a, int32_t b, int32_t s, int32_t c, int32_t d) {
    return hidden_power_type_of_bits(hidden_power_bits<0>(h, a, b, s, c, d));
}

int32_t hidden_power_power(int32_t h, int32_t a, int32_t b, int32_t s, int32_t c, int32_t d) {
    return hidden_power_power_of_bits(hidden_power_bits<1>(h, a, b, s, c, d));
}

const char* hidden_power_type_text(int32_t type) {
    return (type >= 0 && type < kHiddenPowerTypes) ? kTypeNames[type] : "";
}

void hidden_power_type_name(int32_t type, char* buffer) {
    std::strncpy(buffer, hidden_power_type_text(type), 255);
    buffer[255] = '\0';
}

