// One seed search of the tests against the model: its range, frame limit,
// generator setting and conditions, as the inputs the search takes.
#pragma once

#include <cstdint>
#include <string>

#include "engine/scan_settings.h"
#include "tests/native/reference.h"
#include "tools/seed_search.h"

struct SearchCase {
    std::string what;
    int32_t low_min, low_max, last_frame;
    bool roaming;
    int32_t mac;
    reference::Conditions c;
};

inline SeedSearchInputs inputs_of(const SearchCase& k) {
    SeedSearchInputs in{};
    for (int i = 0; i < kStatCount; ++i) in.iv_minimums[i] = k.c.min_iv[i];
    in.low_min = k.low_min;
    in.low_max = k.low_max;
    in.last_frame = k.last_frame;
    in.hp_type_filter = k.c.type_filter;
    in.hp_min_power = k.c.min_power;
    in.mac_offset = k.mac;
    in.roaming = k.roaming;
    in.scan = g_scan_settings;
    return in;
}
