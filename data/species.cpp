#include "data/species.h"

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "app/convert.h"
#include "app/text_file.h"

namespace {

// Skips the rest of a line that did not fit the line buffer.
void skip_rest_of_line(std::FILE* f) {
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '\n') {
    }
}

// One record from one line: six comma-ended numbers, then the name up to the
// line feed. A short line leaves the missing fields 0 and the name empty.
void parse_species_line(const char* line, SpeciesRecord* r) {
    const char* p = line;
    const char* end = line + std::strcspn(line, "\n");
    for (int i = 0; i < kStatCount; ++i) {
        char field[256];
        const char* comma = static_cast<const char*>(std::memchr(p, ',', static_cast<size_t>(end - p)));
        const char* stop = comma ? comma : end;
        const size_t n = static_cast<size_t>(stop - p);
        std::memcpy(field, p, n);
        field[n] = '\0';
        r->base[i] = ms_atoi(field);
        p = comma ? comma + 1 : end;
    }
    const size_t n = static_cast<size_t>(end - p);  // < 256: the line came from a 256-byte buffer
    std::memcpy(r->name, p, n);
    r->name[n] = '\0';
}

}  // namespace

bool load_species_table(const char* path) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    char line[256] = "";
    for (int i = 0; i < kSpeciesCount; ++i) {
        // at end of file the buffer keeps the last line, which fills the rest
        if (read_text_line(f, line) && !std::strchr(line, '\n')) skip_rest_of_line(f);
        parse_species_line(line, &g_app.species[i]);
    }
    std::fclose(f);
    return true;
}

void find_species(const char* name) {
    for (int i = 0; i < kSpeciesCount; ++i) {
        if (std::strcmp(name, g_app.species[i].name) == 0) g_app.species_index = i;
    }
}
