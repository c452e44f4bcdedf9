// The frame list: the frames 0..N-1 of one raw seed that reach the minimum
// IVs and the wanted Hidden Power, into list.txt.
#pragma once

#include <cstdint>

#include "app/app_state.h"

// Writes list.txt from the inputs in g_app and hands it to the viewer. The
// walk ends after the last frame the generator serves (616, roaming 615).
void write_frame_list();

// The list's tests on one IvSet, in order: minimum IVs, type filter, Hidden
// Power power. True when the frame is listed, with its power in *power.
bool passes_list_tests(const IvSet& s, int32_t* power);
