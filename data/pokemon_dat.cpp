#include "data/pokemon_dat.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "core/convert.h"
#include "core/state.h"
#include "core/text_file.h"
#include "core/texts.h"

namespace {

// One line of the file without its line feed: at most 255 bytes, the rest of
// a longer line skipped, so that every line of the file is one record.
// False at end of file, leaving line as it was.
bool read_record_line(TextReader* reader, char* line) {
    const size_t n = read_text_line(reader, line);
    if (n == 0) return false;
    if (line[n - 1] == '\n') line[n - 1] = '\0';
    else skip_rest_of_line(reader);  // cut at the buffer's end, or the text's last line
    return true;
}

// One record from one line: six comma-ended numbers, then the name up to the
// end of the line. Fields a short line lacks read as 0 and its name as empty.
void parse_species_line(const char* line, SpeciesRecord* r) {
    const char* p = line;
    const char* end = line + std::strlen(line);
    for (int32_t i = 0; i < kStatCount; ++i) {
        char field[256];
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

// The English name of each record, CP932.
const char* const kEnglishNames[] = {
#include "data/latin_dex.inc"
};
static_assert(std::size(kEnglishNames) == kSpeciesCount);

// ♀ and ♂ in CP932, and the letter that may stand for each.
constexpr struct {
    char bytes[3];
    char letter;
} kSexSigns[] = {{"\x81\x8A", 'f'}, {"\x81\x89", 'm'}};

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether typed is the English name whole, letters in any case, each ♀ or ♂
// also typed as F or M, with or without one space before it. The name's bytes
// are ASCII but for those signs, so no CP932 character of typed can match astray.
bool spells_english_name(const char* typed, const char* english) {
    const char* t = typed;
    for (const char* e = english; *e != '\0';) {
        const auto* sign = std::begin(kSexSigns);
        while (sign != std::end(kSexSigns) && std::strncmp(e, sign->bytes, 2) != 0) ++sign;
        if (sign == std::end(kSexSigns)) {
            if (ascii_lower(*t) != ascii_lower(*e)) return false;
            ++t, ++e;
            continue;
        }
        if (*t == ' ') ++t;
        if (ascii_lower(*t) == sign->letter) t += 1;
        else if (std::strncmp(t, sign->bytes, 2) == 0) t += 2;
        else return false;
        e += 2;
    }
    return *t == '\0';
}

}  // namespace

bool load_species_table(const char* path) {
    std::string text;
    if (!read_text_file(path, &text)) return false;
    TextReader reader{&text, 0};
    char line[256];
    // an empty file has nothing to give: the table stays empty and the user is told
    if (!read_record_line(&reader, line)) return false;
    for (int32_t i = 0; i < kSpeciesCount; ++i) {
        // past the end of the file the last line read fills the remaining records
        if (i > 0) read_record_line(&reader, line);
        parse_species_line(line, &g_app.species[i]);
    }
    return true;
}

const SpeciesRecord* lookup_species(const SpeciesRecord* table, const char* name) {
    const SpeciesRecord* found = nullptr;
    for (int32_t i = 0; i < kSpeciesCount; ++i)
        if (std::strcmp(name, table[i].name) == 0) found = &table[i];
    if (found) return found;
    // a name the table lacks may be a species' English name
    for (int32_t i = 0; i < kSpeciesCount; ++i)
        if (spells_english_name(name, kEnglishNames[i])) return &table[i];
    return nullptr;
}

std::string missing_species_text(const char* name) {
    char text[256];
    std::snprintf(text, sizeof text, tr(TextId::kMissingSpecies), name);
    return text;
}
