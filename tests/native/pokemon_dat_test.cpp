// The species table: the shipped pokemon.dat, the loader on well-formed and
// malformed files, and the lookup by name.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/fields.h"
#include "core/state.h"
#include "data/pokemon_dat.h"
#include "tests/native/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// A fresh directory for the files of one test, an empty table to start from.
class SpeciesFiles : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        std::memset(g_app.species, 0, sizeof g_app.species);
    }
    // Writes bytes to pokemon.dat and loads it.
    static bool load(const std::string& bytes) {
        write_file("pokemon.dat", bytes);
        return load_species_table("pokemon.dat");
    }
};

struct Row {
    std::array<int32_t, 6> base;
    std::string name;
};

// The record the name finds, -1 for none.
int found_index(const char* name) {
    const SpeciesRecord* r = lookup_species(g_app.species, name);
    return r ? static_cast<int>(r - g_app.species) : -1;
}

void expect_record(int index, const Row& row) {
    const SpeciesRecord& r = g_app.species[index];
    for (int i = 0; i < kStatCount; ++i) EXPECT_EQ(r.base[i], row.base[i]) << "record " << index << " stat " << i;
    EXPECT_EQ(std::string(r.name), row.name) << "record " << index;
}

// Line k (from 1) holds the stats k to k + 5 and the name PREFIXk.
std::string numbered_lines(int count, const char* ending, const char* prefix = "N") {
    std::string s;
    for (int k = 1; k <= count; ++k) {
        for (int i = 0; i < 6; ++i) s += std::to_string(k + i) + ",";
        s += prefix + std::to_string(k) + ending;
    }
    return s;
}

Row numbered_row(int k) {
    std::string name = "N";  // appended, not "N" + ...: GCC 12 warns falsely (-Wrestrict) on that form
    name += std::to_string(k);
    return {{k, k + 1, k + 2, k + 3, k + 4, k + 5}, name};
}

// The rows of the shipped file that the tests know by heart: line, stats, CP932 name.
const struct {
    int line;
    Row row;
} kKnownRows[] = {
    {1, {{45, 49, 49, 65, 65, 45}, "\x83\x74\x83\x56\x83\x4d\x83\x5f\x83\x6c"}},    // Bulbasaur
    {12, {{60, 45, 50, 80, 80, 70}, "\x83\x6f\x83\x5e\x83\x74\x83\x8a\x81\x5b"}},  // Butterfree, before its gen-6 raise
    {25, {{35, 55, 30, 50, 40, 90}, "\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45"}},  // Pikachu
    {151, {{100, 100, 100, 100, 100, 100}, "\x83\x7e\x83\x85\x83\x45"}},           // Mew
    {493, {{120, 120, 120, 120, 120, 120}, "\x83\x41\x83\x8b\x83\x5a\x83\x45\x83\x58"}},  // Arceus
    {649, {{71, 120, 95, 120, 95, 99}, "\x83\x51\x83\x6d\x83\x5a\x83\x4e\x83\x67"}},      // Genesect
};

TEST_F(SpeciesFiles, ShippedFileHas649CrLfLinesOfSixNumbersAndAShortName) {
    const std::string bytes = file_bytes(fs::path(KIVREL_SOURCE_DIR) / "data" / "pokemon.dat");
    ASSERT_FALSE(bytes.empty());
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lf; (lf = bytes.find('\n', start)) != std::string::npos; start = lf + 1) {
        ASSERT_GT(lf, start) << "empty line " << lines.size() + 1;
        ASSERT_EQ(bytes[lf - 1], '\r') << "line " << lines.size() + 1 << " lacks its CR";
        lines.push_back(bytes.substr(start, lf - 1 - start));
    }
    ASSERT_EQ(lines.size(), 649u);
    EXPECT_EQ(lines[0], "45,49,49,65,65,45,\x83\x74\x83\x56\x83\x4d\x83\x5f\x83\x6c");
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        size_t p = 0;
        for (int i = 0; i < 6; ++i) {
            const size_t comma = line.find(',', p);
            ASSERT_NE(comma, std::string::npos) << "line " << n + 1;
            const std::string field = line.substr(p, comma - p);
            ASSERT_FALSE(field.empty()) << "line " << n + 1;
            EXPECT_EQ(field.find_first_not_of("0123456789"), std::string::npos) << "line " << n + 1;
            const int v = std::stoi(field);
            EXPECT_TRUE(v >= 1 && v <= 255) << "line " << n + 1 << ": " << v;
            p = comma + 1;
        }
        const std::string name = line.substr(p);
        EXPECT_FALSE(name.empty()) << "line " << n + 1;
        EXPECT_LE(name.size(), 10u) << "line " << n + 1;
        EXPECT_EQ(name.find(','), std::string::npos) << "line " << n + 1;
    }
    for (const auto& known : kKnownRows) {
        std::string expected;
        for (int v : known.row.base) expected += std::to_string(v) + ",";
        EXPECT_EQ(lines[known.line - 1], expected + known.row.name) << "line " << known.line;
    }
}

TEST_F(SpeciesFiles, ShippedFileLoadsAndEveryNameFindsItsOwnLine) {
    const std::string bytes = file_bytes(fs::path(KIVREL_SOURCE_DIR) / "data" / "pokemon.dat");
    ASSERT_TRUE(load(bytes));
    for (const auto& known : kKnownRows) expect_record(known.line - 1, known.row);
    for (int i = 0; i < kSpeciesCount; ++i) EXPECT_EQ(found_index(g_app.species[i].name), i) << "names must be unique";
}

TEST_F(SpeciesFiles, MissingOrEmptyFileReportsFailureAndLeavesTableEmpty) {
    EXPECT_FALSE(load_species_table("absent.dat"));
    EXPECT_FALSE(load(""));
    for (int i = 0; i < kSpeciesCount; ++i) expect_record(i, {{0, 0, 0, 0, 0, 0}, ""});
    // with an empty table an empty name matches every record, the last one wins
    EXPECT_EQ(found_index(""), 648);
}

TEST_F(SpeciesFiles, LineCountsFillEveryRecord) {
    const struct {
        int lines;
        const char* ending;
    } cases[] = {{649, "\n"}, {649, "\r\n"}, {10, "\n"}, {700, "\r\n"}, {1, "\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.lines) + " lines");
        std::memset(g_app.species, 0, sizeof g_app.species);
        ASSERT_TRUE(load(numbered_lines(c.lines, c.ending)));
        // record n from line n + 1; past a short file's end, its last line again
        for (int i = 0; i < kSpeciesCount; ++i) expect_record(i, numbered_row(i + 1 <= c.lines ? i + 1 : c.lines));
    }
}

TEST_F(SpeciesFiles, TenLineFileSelectsLastRecordForItsLastName) {
    ASSERT_TRUE(load(numbered_lines(10, "\r\n")));
    EXPECT_EQ(found_index("N10"), 648);
    EXPECT_EQ(found_index("N3"), 2);
}

TEST_F(SpeciesFiles, LookupIsExactAndLastMatchWinsOtherwiseNone) {
    std::string file = numbered_lines(5, "\r\n");
    file += "9,9,9,9,9,9,N2\r\n";                                         // same name as line 2
    file += "1,1,1,1,1,1,\x83\x74\x83\x56\x83\x4d\x83\x5f\x83\x6c\x83\x5c\r\n";  // 12 bytes
    file += "2,2,2,2,2,2,a,b\r\n";                                       // a name with a comma
    file += numbered_lines(649, "\r\n", "F");  // lines 9 to 657
    ASSERT_TRUE(load(file));
    const struct {
        const char* typed;
        int32_t index;  // -1: none found
    } cases[] = {
        {"N2", 5},  // the later of two equal names
        {"N4", 3},
        {"n4", -1},   // case counts
        {"N4 ", -1},  // spaces count
        {"a,b", 7},
        {"\x83\x74\x83\x56\x83\x4d\x83\x5f\x83\x6c", -1},  // the field's 10 bytes of a 12-byte name
        {"", -1},
        {"F641", 648},  // line 649, the last one read
        {"F642", -1},   // line 650: not read
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(found_index(c.typed), c.index);
    }
}

TEST_F(SpeciesFiles, FieldsReadAsAtoiAndMalformedLinesStayInsideTheLine) {
    const std::string long_name(300, 'x');
    const struct {
        std::string line;  // one line of the file (the table is filled with it)
        Row row;
    } cases[] = {
        {",,,,,,\n", {{0, 0, 0, 0, 0, 0}, ""}},
        {" 45,  +49,\t49,-65,12ab,abc,Name\n", {{45, 49, 49, -65, 12, 0}, "Name"}},
        {"45,49,49,65,65,45,Name\r\n", {{45, 49, 49, 65, 65, 45}, "Name"}},
        {"1,2,3,4,5,6,a,b,c\n", {{1, 2, 3, 4, 5, 6}, "a,b,c"}},
        // fewer than six commas: the missing fields read 0, the name is empty
        {"45,49,49\n", {{45, 49, 49, 0, 0, 0}, ""}},
        {"45\n", {{45, 0, 0, 0, 0, 0}, ""}},
        {"\n", {{0, 0, 0, 0, 0, 0}, ""}},
        // the last line without its line feed
        {"7,8,9,10,11,12,End", {{7, 8, 9, 10, 11, 12}, "End"}},
        {"7,8,9,10,11,12,End\r", {{7, 8, 9, 10, 11, 12}, "End\r"}},
        // a line longer than 255 bytes keeps its first 255, which the name ends
        {"1,2,3,4,5,6," + long_name + "\r\n", {{1, 2, 3, 4, 5, 6}, long_name.substr(0, 255 - 12)}},
        // 254 bytes and CR LF: the CR goes, as text mode drops it
        {"1,2,3,4,5,6," + long_name.substr(0, 242) + "\r\n", {{1, 2, 3, 4, 5, 6}, long_name.substr(0, 242)}},
        {"1,2,3,4,5,6," + long_name.substr(0, 243) + "\r\n", {{1, 2, 3, 4, 5, 6}, long_name.substr(0, 243)}},
        // a line of digits only, past the buffer, with no comma at all
        {std::string(400, '7') + "\n", {{INT32_MAX, 0, 0, 0, 0, 0}, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        std::memset(g_app.species, 0, sizeof g_app.species);
        ASSERT_TRUE(load(c.line));
        expect_record(0, c.row);
        expect_record(648, c.row);
    }
}

TEST_F(SpeciesFiles, LongLineOrEmbeddedZeroDoesNotShiftTheLinesAfterIt) {
    std::string file = "1,1,1,1,1,1,A\r\n";
    file += "2,2,2,2,2,2," + std::string(600, 'y') + "\r\n";
    file += std::string("3,3,3,3,3,3,B\0C", 15) + "\r\n";
    file += "4,4,4,4,4,4,D";  // no final line feed
    ASSERT_TRUE(load(file));
    expect_record(0, {{1, 1, 1, 1, 1, 1}, "A"});
    expect_record(1, {{2, 2, 2, 2, 2, 2}, std::string(255 - 12, 'y')});
    expect_record(2, {{3, 3, 3, 3, 3, 3}, "B"});
    expect_record(3, {{4, 4, 4, 4, 4, 4}, "D"});
    expect_record(648, {{4, 4, 4, 4, 4, 4}, "D"});
}

// A name the table lacks finds the species whose English name it spells.
TEST_F(SpeciesFiles, EnglishNamesInAnyCaseWithFOrMForTheSignsFindTheirSpecies) {
    ASSERT_TRUE(load(file_bytes(fs::path(KIVREL_SOURCE_DIR) / "data" / "pokemon.dat")));
    const struct {
        const char* typed;
        int number;  // national dex number, 0: none
    } cases[] = {{"Pikachu", 25}, {"pIKACHU", 25}, {"Nidoran F", 29}, {"nidoranf", 29}, {"Nidoran\x81\x8A", 29},
                 {"Nidoran m", 32}, {"NidoranM", 32}, {"Nidoran \x81\x89", 32}, {"Mr. Mime", 122},
                 {"FARFETCH'D", 83}, {"porygon-z", 474}, {"\x83\x73\x83\x4a\x83\x60\x83\x85\x83\x45", 25},
                 {"Nidoran", 0}, {"Nidoran  F", 0}, {"Nidoran FF", 0}, {"Nidoran\x81\x8A\x81\x8A", 0},
                 {"Mr Mime", 0}, {"Pikachu ", 0}, {"Pikach", 0}, {"Porygon Z", 0}, {"Mime Jr", 0}};
    for (const auto& c : cases) EXPECT_EQ(found_index(c.typed), c.number - 1) << c.typed;
    const char* const english[] = {
#include "data/latin_dex.inc"
    };
    ASSERT_EQ(std::size(english), static_cast<size_t>(kSpeciesCount));
    for (int i = 0; i < kSpeciesCount; ++i) {  // each whole in the field, and finding its own record from it
        EXPECT_LE(std::strlen(english[i]), kSpeciesNameChars) << english[i];
        EXPECT_EQ(found_index(take_field(english[i], kSpeciesNameChars).text), i) << english[i];
    }
}

}  // namespace

namespace {

std::string utf16le(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// Files saved by today's editors: a byte-order mark is skipped, UTF-8 and
// UTF-16 texts arrive as the CP932 bytes they mean.
TEST_F(SpeciesFiles, ByteOrderMarksAndUnicodeFilesReadAsTheirText) {
    const std::string bulbasaur_cp932 = "\x83\x74\x83\x56\x83\x4d\x83\x5f\x83\x6c";        // フシギダネ
    const std::string bulbasaur_utf8 = "\xE3\x83\x95\xE3\x82\xB7\xE3\x82\xAE\xE3\x83\x80\xE3\x83\x8D";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"CP932, no mark", "45,49,49,65,65,45," + bulbasaur_cp932 + "\r\n"},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" "45,49,49,65,65,45," + bulbasaur_utf8 + "\r\n"},
        {"UTF-16 little-endian with its mark", utf16le(u"\uFEFF45,49,49,65,65,45,フシギダネ\r\n")},
    };
    for (const auto& c : cases) {
        std::memset(g_app.species, 0, sizeof g_app.species);
        ASSERT_TRUE(load(c.bytes)) << c.what;
        expect_record(0, {{45, 49, 49, 65, 65, 45}, bulbasaur_cp932});
        EXPECT_EQ(found_index(bulbasaur_cp932.c_str()), kSpeciesCount - 1) << c.what;  // the last line fills the rest
    }
}

}  // namespace
