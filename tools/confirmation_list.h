// The seed confirmation list: the stats of the chosen species at the chosen
// level for the 33 raw seeds around the target, into zure.txt.
#pragma once

// The confirmation list's fields as the window holds them.
struct ConfirmationTexts {
    const char* species_name;
    const char* frames_consumed;
    const char* level;
    const char* target_seed;  // hexadecimal
};

// Reads the fields into g_app: looks the species name up (an unknown name
// keeps the species chosen before), frames consumed and level as typed, the
// target seed.
void store_confirmation_inputs(const ConfirmationTexts& t);

// Writes zure.txt from g_app (target seed, frames consumed, level, species
// index, mac_offset, roaming flag) and hands it to the viewer once it is
// written whole. Frames consumed outside what one prepared generator serves
// (0..616, roaming 0..615) give the header and a line that names the range
// instead of stat lines. Nothing is written or shown when the file cannot be
// opened.
void write_confirmation_list();
