// The species table read from pokemon.dat and the lookup by name.
#pragma once

#include <string>

#include "core/game.h"

// Fills g_app.species from pokemon.dat in the working directory (or path),
// record n from line n + 1, the last line repeated past the end of a short
// file; false when the file cannot be opened or is empty, leaving the table
// as it was.
bool load_species_table(const char* path = "pokemon.dat");

// The last record of table (kSpeciesCount records) whose name equals name
// byte for byte; failing that, the record whose species' English name name
// spells (letters in any case, ♀ and ♂ also as F and M); otherwise null.
const SpeciesRecord* lookup_species(const SpeciesRecord* table, const char* name);

// What the program says of a species name the table lacks, with the name.
std::string missing_species_text(const char* name);
