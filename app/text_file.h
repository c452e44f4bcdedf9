// Reading and writing the program's text files with the same bytes on every
// platform: lines are read as Windows text mode delivers them (CR LF folded to
// LF) and written with CR LF.
#pragma once

#include <cstdio>

// fgets into buffer (256 bytes) as on a text-mode stream: each CR LF is read
// as one LF, so a line of up to 255 bytes fits whatever its line end.
// Returns false at end of file, leaving buffer unchanged.
bool read_text_line(std::FILE* file, char* buffer);

// Collects one output file's text and writes it in large pieces.
struct TextWriter {
    std::FILE* file = nullptr;
    bool failed = false;
    char pending[1 << 16];
    size_t used = 0;
};

// Opens (creating or emptying) name for writing; false when it cannot be opened.
bool open_text_writer(TextWriter* w, const char* name);

// Appends printf-formatted text; every "\n" in format output becomes CR LF.
void write_line(TextWriter* w, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Appends bytes as they are (already with CR LF).
void write_bytes(TextWriter* w, const char* bytes, size_t count);

// Flushes and closes; true only when every byte reached the file.
bool close_text_writer(TextWriter* w);
