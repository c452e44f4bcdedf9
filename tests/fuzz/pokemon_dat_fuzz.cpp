// pokemon.dat as any bytes: the loader must stay inside the text it read and
// every name inside its 256 bytes; the lookup of any name then ends.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/state.h"
#include "data/pokemon_dat.h"
#include "tests/fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = write_fuzz_file("pokemon.dat", data, size);
    std::memset(g_app.species, 0, sizeof g_app.species);
    load_species_table(path.c_str());
    for (const SpeciesRecord& r : g_app.species)
        if (std::memchr(r.name, '\0', sizeof r.name) == nullptr) std::abort();
    const std::string name(reinterpret_cast<const char*>(data), size < 10 ? size : 10);
    // found, it is one of the table's records, by either language's name
    const SpeciesRecord* found = lookup_species(g_app.species, name.c_str());
    if (found && (found < g_app.species || found >= g_app.species + kSpeciesCount)) std::abort();
    return 0;
}
