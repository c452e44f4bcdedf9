// The frame list: the frames 0..N-1 of one raw seed that reach the minimum
// IVs and the wanted Hidden Power, into list.txt.
#pragma once

#include <cstdint>

#include "core/state.h"

// The frame list's fields as the window holds them.
struct FrameListTexts {
    const char* raw_seed;         // hexadecimal
    const char* ivs[kStatCount];  // minimum IVs H..S
    int32_t type_entry;           // selected entry of the type list: 0 none, n + 1 type n
    const char* min_power;
    const char* frame_count;
};

// Reads the fields into g_app: target seed, minimum IVs 0..31, type filter,
// minimum power 30..70, frame count 0 or more.
void store_frame_list_inputs(const FrameListTexts& t);

// Writes list.txt from the inputs in g_app and hands it to the viewer. The
// walk ends after the last frame the generator serves (616, roaming 615).
void write_frame_list();

// The list's tests on one IvSet, in order: minimum IVs, type filter, Hidden
// Power power. True when the frame is listed, with its power in *power.
bool passes_list_tests(const IvSet& s, int32_t* power);
