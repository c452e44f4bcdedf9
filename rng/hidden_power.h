// Hidden Power type and power from the low two bits of the six IVs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/game.h"
#include "core/texts.h"

constexpr int32_t kHiddenPowerTypes = 16;

// Hidden Power weighs the IVs H, A, B, S, C, D (speed before special attack
// and special defence) as 1, 2, 4, 8, 16, 32: the weighted sum of bit kBit of
// each, 0..63. Bit 0 gives the type, bit 1 the power. A template so that the
// seed scan engine sums vectors of IVs with the same formula.
template <int kBit, class V>
__attribute__((always_inline)) inline V hidden_power_bits(V h, V a, V b, V s, V c, V d) {
    return ((h >> kBit) & 1) | (((a >> kBit) & 1) << 1) | (((b >> kBit) & 1) << 2) | (((s >> kBit) & 1) << 3) |
           (((c >> kBit) & 1) << 4) | (((d >> kBit) & 1) << 5);
}

// Type 0..15 and power 30..70 of the weighted sums; both grow with the sum.
constexpr int32_t hidden_power_type_of_bits(int32_t bits) { return 15 * bits / 63; }
constexpr int32_t hidden_power_power_of_bits(int32_t bits) { return 40 * bits / 63 + 30; }

constexpr int32_t kLowestPower = hidden_power_power_of_bits(0);
constexpr int32_t kHighestPower = hidden_power_power_of_bits(63);

// The names of the types, by language and type.
constexpr const char* kHiddenPowerTypeNames[kLanguageCount][kHiddenPowerTypes] = {
    {"かくとう", "ひこう", "どく", "じめん", "いわ", "むし", "ゴースト", "はがね",
     "ほのお", "みず", "くさ", "でんき", "エスパー", "こおり", "ドラゴン", "あく"},
    {"Fighting", "Flying", "Poison", "Ground", "Rock", "Bug", "Ghost", "Steel",
     "Fire", "Water", "Grass", "Electric", "Psychic", "Ice", "Dragon", "Dark"},
};

// Bytes of the longest type name in either language.
constexpr size_t longest_type_name() {
    size_t longest = 0;
    for (const auto& names : kHiddenPowerTypeNames) {
        for (const char* name : names) {
            size_t n = 0;
            while (name[n] != '\0') ++n;
            longest = n > longest ? n : longest;
        }
    }
    return longest;
}

// The name of type 0..15 in language; another type gives "".
const char* hidden_power_type_text(int32_t type, Language language);
inline const char* hidden_power_type_text(int32_t type) { return hidden_power_type_text(type, shown_language()); }

// Type and power of an IvSet, rearranged to H, A, B, S, C, D; inline, for the
// hit lines the seed search formats by the million.
inline int32_t hidden_power_type_of(const IvSet& v) {
    return hidden_power_type_of_bits(hidden_power_bits<0>(v.iv[kH], v.iv[kA], v.iv[kB], v.iv[kS], v.iv[kC], v.iv[kD]));
}
inline int32_t hidden_power_power_of(const IvSet& v) {
    return hidden_power_power_of_bits(hidden_power_bits<1>(v.iv[kH], v.iv[kA], v.iv[kB], v.iv[kS], v.iv[kC], v.iv[kD]));
}
