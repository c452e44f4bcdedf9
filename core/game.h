// The game's facts that the whole program shares: the generator's size, the
// six stats, the species record and the limits of the lists the window shows.
#pragma once

#include <cstdint>

// MT19937 state words: one seeding and one twist give outputs 0..623.
constexpr int32_t kStateWords = 624;

// Stats in IvSet order.
enum Stat : int32_t { kH, kA, kB, kC, kD, kS, kStatCount };

constexpr int32_t kMaxIv = 31;

struct IvSet {
    int32_t iv[kStatCount];  // H, A, B, C, D, S, each 0..31
};

constexpr int32_t kSpeciesCount = 649;

struct SpeciesRecord {
    int32_t base[kStatCount];  // base stats H, A, B, C, D, S
    char name[256];            // CP932, zero-ended
};

// What every tool that runs the generator takes from the top strip of the
// window: the MAC offset added to each raw seed, and the frame order.
struct GeneratorSetting {
    int32_t mac_offset;  // 0..0xFFFFFF
    bool roaming;        // frames read in the roaming order
};

// Candidate seeds kept by one candidate search; the first ones get an adopt button.
constexpr int32_t kMaxCandidates = 20;
constexpr int32_t kAdoptButtons = 10;

// The raw seeds one candidate search kept, in loop order.
struct CandidateList {
    uint32_t seeds[kMaxCandidates];
    int32_t count;
    bool searched;  // a candidate search has run: an empty list says so
};
