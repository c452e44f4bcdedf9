// The program's text files, with the same bytes on every platform: lines are
// read as Windows text mode delivers them (CR LF folded to LF) and written
// with CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

// A whole input file (config.txt, pokemon.dat) as the CP932 bytes it means:
// a file that starts with a UTF-8 byte-order mark is UTF-8 after it, one with
// a UTF-16 mark is UTF-16 (little- or big-endian), and both are converted; a
// file without a mark is CP932 and taken as it is. False when it cannot be read.
bool read_text_file(const char* path, std::string* text);

// Where the reading of a text stands.
struct TextReader {
    const std::string* text;
    size_t at;
};

// fgets into buffer (256 bytes) as on a text-mode stream: each CR LF is read
// as one LF, so a line of up to 255 bytes fits whatever its line end. Returns
// the bytes stored before the zero (zero bytes of the text included); 0 at
// the end of the text, leaving buffer unchanged.
size_t read_text_line(TextReader* reader, char* buffer);

// Skips what is left of a line that read_text_line cut, up to its line feed.
void skip_rest_of_line(TextReader* reader);

// Collects one output file's text and writes it in large pieces.
struct TextWriter {
    std::FILE* file = nullptr;
    bool failed = false;              // a write has failed; nothing more is written
    std::unique_ptr<char[]> pending;  // made when the file is opened
    size_t used = 0;
    uint64_t written = 0;             // bytes handed over so far
};

// Opens (creating or emptying) name for writing; false when it cannot be opened.
bool open_text_writer(TextWriter* w, const char* name);

// Writes into file, already open for writing, and closes it at the end; false
// when file is null.
bool open_text_writer(TextWriter* w, std::FILE* file);

// Appends printf-formatted text; a final "\n" becomes CR LF.
void write_line(TextWriter* w, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Appends bytes as they are (already with CR LF).
void write_bytes(TextWriter* w, const char* bytes, size_t count);

// Flushes and closes; true only when every byte reached the file.
bool close_text_writer(TextWriter* w);
