// The tools' output files (result.txt, list.txt, zure.txt) and what the player
// is told about them. Each is written under a temporary name of its own beside
// its name, put in place of the earlier file only when whole, then shown. The
// earlier file is never emptied by a write that fails, and a finished file is
// never thrown away: when the earlier one cannot be replaced, it is kept beside.
#pragma once

#include <cstdint>
#include <string>

#include "core/text_file.h"

// Output files larger than this are not handed to the viewer: no text viewer
// opens such a file usefully. The player is told where the file is instead.
constexpr uint64_t kViewerLimitBytes = uint64_t{64} << 20;

// One output file of a tool: written under a temporary name beside its own,
// "name.<process id>.<n>.tmp", put in place of the earlier file only when
// complete, then shown.
struct OutputFile {
    const char* name = nullptr;
    std::string temp_name;
    TextWriter text;
};

// Starts name, a file of the working folder: removes the temporary files of
// name that copies of the program no longer running left, checks that the
// earlier file can be replaced, creates the temporary file (never one that
// exists) and writes header (ending in "\n"). False when the file cannot be
// written; the player has been told, and nothing else is to be done.
bool begin_output(OutputFile* out, const char* name, const char* header);

// Ends a complete file: puts it in place of name and shows it (show_output).
// When a write failed, drops it instead, as drop_output(out, true). True when
// in place.
bool end_output(OutputFile* out);

// The first half of end_output: puts the file in place, or drops it when a
// write failed. When the earlier file cannot be replaced after all, the file
// is kept under a free name beside it ("result (2).txt") and the player told
// so. True when in place; then show_output may follow.
bool place_output(OutputFile* out);

// Hands a file put in place to the viewer, or says where it is when it is
// larger than kViewerLimitBytes.
void show_output(const OutputFile& out);

// Ends a file that is not kept: the temporary file goes and the earlier file
// stays as it was. With tell, the player is told that writing name failed.
void drop_output(OutputFile* out, bool tell);

// A new temporary file beside name, named as an output file's are, opened for
// writing in binary, its name in *temp_name; null when none can be made.
std::FILE* create_temporary_beside(const char* name, std::string* temp_name);
