// The species table read from pokemon.dat and the lookup by name.
#pragma once

#include "core/game.h"

// Fills g_app.species from pokemon.dat in the working directory (or path),
// record n from line n + 1, the last line repeated past the end of a short
// file; false when the file cannot be opened or is empty, leaving the table
// as it was.
bool load_species_table(const char* path = "pokemon.dat");

// The last record of table (kSpeciesCount records) whose name equals name
// byte for byte, or null when none does.
const SpeciesRecord* lookup_species(const SpeciesRecord* table, const char* name);

// Sets g_app.species_index to the last record whose name equals name
// byte for byte and returns true; keeps it and returns false when none does.
bool find_species(const char* name);
