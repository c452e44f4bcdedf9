// The seed confirmation list: the stats of the chosen species at the chosen
// level for the 33 raw seeds around the target, into zure.txt.
#pragma once

#include <cstdint>

#include "core/fields.h"
#include "core/game.h"

// The confirmation list's fields as the window holds them.
struct ConfirmationTexts {
    const char* species_name;
    const char* frames_consumed;
    const char* level;
    const char* target_seed;  // hexadecimal
    int32_t nature_entry;     // selected entry of the nature list: 0 no modifier, n + 1 nature n
};

// Everything one confirmation list reads.
struct ConfirmationInputs {
    uint32_t target_seed;
    int32_t frames_consumed;
    int32_t level;
    const SpeciesRecord* species;                   // null: the name was not found
    char species_name[kSpeciesNameChars + 1];       // as it was looked up
    int32_t nature_entry;          // 0 no modifier, n + 1 nature n
    int32_t mac_offset;
    bool roaming;
};

// The fields as one list reads them: the species name (at most 10 bytes)
// looked up in table (an empty or unknown name finds none), the nature,
// frames consumed and level as typed, the target seed, with the generator setting.
ConfirmationInputs read_confirmation_inputs(const ConfirmationTexts& t, const SpeciesRecord* table,
                                            const GeneratorSetting& generator);

// Writes zure.txt and hands it to the viewer once it is written whole: the
// stats of the species at the level, nature and frame for each of the 33 raw
// seeds around the target. A species name that was not found gives the
// header and a line that says so; frames consumed outside what one prepared
// generator serves (0..616, roaming 0..615) give the header and a line that
// names the range; neither writes stat lines. Nothing is written or shown
// when the file cannot be opened.
void write_confirmation_list(const ConfirmationInputs& in);
