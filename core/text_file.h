// The program's text files, with the same bytes on every platform: lines are
// read as Windows text mode delivers them (CR LF folded to LF) and written
// with CR LF. Output files are written whole and only then shown.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

// fgets into buffer (256 bytes) as on a text-mode stream: each CR LF is read
// as one LF, so a line of up to 255 bytes fits whatever its line end. Returns
// the bytes stored before the zero (zero bytes read from the file included);
// 0 at end of file, leaving buffer unchanged.
size_t read_text_line(std::FILE* file, char* buffer);

// Skips what is left of a line that read_text_line cut, up to its line feed.
void skip_rest_of_line(std::FILE* file);

// Collects one output file's text and writes it in large pieces.
struct TextWriter {
    std::FILE* file = nullptr;
    bool failed = false;
    std::unique_ptr<char[]> pending;  // made when the file is opened
    size_t used = 0;
};

// Opens (creating or emptying) name for writing; false when it cannot be opened.
bool open_text_writer(TextWriter* w, const char* name);

// Appends printf-formatted text; a final "\n" becomes CR LF.
void write_line(TextWriter* w, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Appends bytes as they are (already with CR LF).
void write_bytes(TextWriter* w, const char* bytes, size_t count);

// Flushes and closes; true only when every byte reached the file.
bool close_text_writer(TextWriter* w);

// One output file of a tool: created with its header line, written, closed,
// and handed to the viewer only when it is complete.
struct OutputFile {
    const char* name = nullptr;
    TextWriter text;
};

// Creates (or empties) name and writes header (ending in "\n"); false when
// the file cannot be opened, and then nothing else is to be done.
bool begin_output(OutputFile* out, const char* name, const char* header);

// Closes the file and hands it to the viewer when every byte reached it; a
// file cut short (a full disk) is never shown as if it were whole.
bool end_output(OutputFile* out);
