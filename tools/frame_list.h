// The frame list: the frames 0..N-1 of one raw seed that reach the minimum
// IVs and the wanted Hidden Power, into list.txt.
#pragma once

#include <cstdint>

#include "core/game.h"

// The frame list's fields as the window holds them.
struct FrameListTexts {
    const char* raw_seed;         // hexadecimal
    const char* ivs[kStatCount];  // minimum IVs H..S
    int32_t type_entry;           // selected entry of the type list: 0 none, n + 1 type n
    const char* min_power;
    const char* frame_count;
};

// Everything one frame list reads.
struct FrameListInputs {
    uint32_t raw_seed;
    int32_t iv_minimums[kStatCount];
    int32_t hp_type_filter;  // -1: any
    int32_t hp_min_power;
    int32_t frame_count;
    int32_t mac_offset;
    bool roaming;
};

// The fields as one frame list reads them: raw seed, minimum IVs 0..31, type
// filter, minimum power 30..70, frame count 0 or more, with the generator setting.
FrameListInputs read_frame_list_inputs(const FrameListTexts& t, const GeneratorSetting& generator);

// Writes list.txt and hands it to the viewer: the frames 0..frame_count - 1
// that pass, ending after the last frame the generator serves (616, roaming 615).
void write_frame_list(const FrameListInputs& in);
