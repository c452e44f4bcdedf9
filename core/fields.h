// The input fields as the commands read them. The window hands over a field's
// whole text; a command takes at most the field's limit of it, in bytes, and
// ignores the rest. One table for every field.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/game.h"

constexpr size_t kMacByteChars = 2;         // the three MAC fields, hexadecimal
constexpr size_t kIvChars = 3;              // every IV field
constexpr size_t kLowValueChars = 4;        // seed search: lowest and highest low value, hexadecimal
constexpr size_t kFrameChars = 4;           // most frames, number of frames, frames consumed
constexpr size_t kPowerChars = 4;           // minimum Hidden Power power
constexpr size_t kListSeedChars = 8;        // frame list: raw seed, hexadecimal
constexpr size_t kSwitchOnMonthChars = 3;   // candidates: C-Gear month
constexpr size_t kSwitchOnChars = 4;        // candidates: C-Gear day, hour, minute
constexpr size_t kSpeciesNameChars = 10;    // confirmation list: species name
constexpr size_t kLevelChars = 4;           // confirmation list and stats window: level
constexpr size_t kStatChars = 4;            // stats window: each stat
constexpr size_t kRangeChars = 4;           // stats window: low and second ranges of the hit search
constexpr size_t kWholeFieldChars = 255;    // target seed and the timing fields

// A field's text cut to its limit, zero-ended.
struct FieldText {
    char text[kWholeFieldChars + 1];
};

// The first chars bytes of text (at most 255), never ending inside a CP932
// double-byte character: a lead byte that would lose its second byte is left out.
FieldText take_field(const char* text, size_t chars);

// Numbers of the first chars bytes of text, as the Microsoft C runtime reads
// them: atoi, strtol base 16 and strtoul base 16 (a field without digits reads 0).
int32_t field_int(const char* text, size_t chars);
int32_t field_hex(const char* text, size_t chars);
uint32_t field_hex_unsigned(const char* text, size_t chars);

inline int32_t clamp_int(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : (v > hi ? hi : v); }

// The last frame of a candidate-like search: atoi of the field, 0 or more
// (the search itself never reads past the final frame).
int32_t read_last_frame(const char* text);

// A row of six IV fields, H..S, each read and clamped to 0..kMaxIv.
void read_iv_fields(const char* const texts[kStatCount], int32_t* ivs);
