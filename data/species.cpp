#include "data/species.h"

#include <cstdio>
#include <cstring>

#include "app/app_state.h"
#include "app/convert.h"

namespace {

constexpr size_t kLineBytes = 255;  // what a 256-byte line buffer holds before its zero

// Reads one line as Windows text mode hands it over: CR LF folded, at most
// 255 bytes kept and the rest of a longer line skipped, so every line of the
// file is one record. The line is stored without its line feed. At end of file
// with nothing read, returns false and leaves line as it was.
bool read_species_line(std::FILE* f, char* line) {
    char text[kLineBytes + 1];  // one byte more, to drop a CR that sits just past the kept bytes
    size_t n = 0;
    bool cut = false;
    bool read_any = false;
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        read_any = true;
        if (c == '\n') break;
        if (n < sizeof text) {
            text[n++] = static_cast<char>(c);
        } else {
            cut = true;
        }
    }
    if (!read_any) return false;
    if (c == '\n' && !cut && n > 0 && text[n - 1] == '\r') --n;
    if (n > kLineBytes) n = kLineBytes;
    std::memcpy(line, text, n);
    line[n] = '\0';
    return true;
}

// One record from one line: six comma-ended numbers, then the name up to the
// end of the line. Fields a short line lacks read as 0 and its name as empty.
void parse_species_line(const char* line, SpeciesRecord* r) {
    const char* p = line;
    const char* end = line + std::strlen(line);
    for (int i = 0; i < kStatCount; ++i) {
        char field[kLineBytes + 1];
        const char* comma = static_cast<const char*>(std::memchr(p, ',', static_cast<size_t>(end - p)));
        const char* stop = comma ? comma : end;
        const size_t n = static_cast<size_t>(stop - p);  // <= 255: the line holds at most 255 bytes
        std::memcpy(field, p, n);
        field[n] = '\0';
        r->base[i] = ms_atoi(field);
        p = comma ? comma + 1 : end;
    }
    const size_t n = static_cast<size_t>(end - p);  // <= 255, so the name and its zero fit 256 bytes
    std::memcpy(r->name, p, n);
    r->name[n] = '\0';
}

}  // namespace

bool load_species_table(const char* path) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    char line[kLineBytes + 1];
    if (!read_species_line(f, line)) {
        // an empty file has nothing to give: the table stays empty and the user is told
        std::fclose(f);
        return false;
    }
    for (int i = 0; i < kSpeciesCount; ++i) {
        // past the end of the file the last line read fills the remaining records
        if (i > 0) read_species_line(f, line);
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
