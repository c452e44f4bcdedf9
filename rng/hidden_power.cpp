#include "rng/hidden_power.h"

#include <cstring>

namespace {

const char* const kTypeNames[kHiddenPowerTypes] = {
    "かくとう", "ひこう", "どく", "じめん", "いわ", "むし", "ゴースト", "はがね",
    "ほのお", "みず", "くさ", "でんき", "エスパー", "こおり", "ドラゴン", "あく",
};

// Sum of 2^j over the IVs (in H, A, B, S, C, D order) whose given bit is set.
int32_t weighted_bits(int32_t bit, int32_t h, int32_t a, int32_t b, int32_t s, int32_t c, int32_t d) {
    return ((h >> bit) & 1) | ((a >> bit) & 1) << 1 | ((b >> bit) & 1) << 2 | ((s >> bit) & 1) << 3 |
           ((c >> bit) & 1) << 4 | ((d >> bit) & 1) << 5;
}

}  // namespace

int32_t hidden_power_type(int32_t h, int32_t a, int32_t b, int32_t s, int32_t c, int32_t d) {
    return 15 * weighted_bits(0, h, a, b, s, c, d) / 63;
}

int32_t hidden_power_power(int32_t h, int32_t a, int32_t b, int32_t s, int32_t c, int32_t d) {
    return 40 * weighted_bits(1, h, a, b, s, c, d) / 63 + 30;
}

void hidden_power_type_name(int32_t type, char* buffer) {
    const char* name = (type >= 0 && type < kHiddenPowerTypes) ? kTypeNames[type] : "";
    std::strncpy(buffer, name, 255);
    buffer[255] = '\0';
}

int32_t hidden_power_type_of(const IvSet& v) {
    return hidden_power_type(v.iv[kH], v.iv[kA], v.iv[kB], v.iv[kS], v.iv[kC], v.iv[kD]);
}

int32_t hidden_power_power_of(const IvSet& v) {
    return hidden_power_power(v.iv[kH], v.iv[kA], v.iv[kB], v.iv[kS], v.iv[kC], v.iv[kD]);
}
