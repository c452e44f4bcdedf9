#include "data/natures.h"

namespace {

const char* const kNatureNames[kLanguageCount][kNatureCount] = {
    {
    "がんばりや", "さみしがり", "ゆうかん", "いじっぱり", "やんちゃ", "ずぶとい", "すなお", "のんき", "わんぱく",
    "のうてんき", "おくびょう", "せっかち", "まじめ", "ようき", "むじゃき", "ひかえめ", "おっとり", "れいせい",
    "てれや", "うっかりや", "おだやか", "おとなしい", "なまいき", "しんちょう", "きまぐれ"},
    {"Hardy", "Lonely", "Brave", "Adamant", "Naughty", "Bold", "Docile", "Relaxed", "Impish", "Lax", "Timid", "Hasty",
     "Serious", "Jolly", "Naive", "Modest", "Mild", "Quiet", "Bashful", "Rash", "Calm", "Gentle", "Sassy", "Careful",
     "Quirky"},
};

// The order in which natures name the stats they change.
constexpr Stat kNatureStatOrder[5] = {kA, kB, kS, kC, kD};

}  // namespace

const char* nature_name(int32_t n, Language language) { return kNatureNames[static_cast<int>(language)][n]; }

Stat nature_raised_stat(int32_t n) { return kNatureStatOrder[n / 5]; }

Stat nature_lowered_stat(int32_t n) { return kNatureStatOrder[n % 5]; }
