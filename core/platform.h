// What the portable core asks of the front end and the system. The Windows
// builds implement these in app/platform_win.cpp (the program's window) and
// app/system_win.cpp (what needs no window); native tests record the calls.
// Every one may be called from any thread.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Shows text as the main window's title; from another thread than the
// window's, a moment later and in the order of the calls.
void set_main_title(const char* text);

// Hands a closed output file to the command interpreter so that the user's
// associated viewer opens it.
void open_output_file(const char* name);

// Shows a message of the program and returns when the player has closed it.
void show_message(const char* text);

// Asks the player a yes/no question; true for yes.
bool ask_yes_no(const char* text);

// Puts the file from in place of to (replacing it); false when that fails.
bool replace_file(const char* from, const char* to);

// Shows before, the full path of the file name of the working folder and
// after as one message, as show_message does; the path keeps every character
// the system's name of it has, also those CP932 lacks.
void show_file_message(const char* before, const char* name, const char* after);

// Creates name, which must not exist yet, and opens it for writing in binary;
// null when it exists or cannot be created.
std::FILE* create_new_file(const char* name);

// False when name exists but could not be replaced now: a folder, a read-only
// file, or one another program holds open in any way. A missing name can be
// made. The file is held only for the moment of the check.
bool can_replace_file(const char* name);

// This process's id, and whether the process with that id still runs (one
// that cannot be asked about is taken to run).
uint32_t own_process_id();
bool process_running(uint32_t id);

// True when the process that now has id was started clearly (seconds) after
// file was last written, so it cannot be the one that wrote it; false when
// either is unknown.
bool process_started_after(uint32_t id, const char* file);

// UTF-8 text as CP932 bytes; a character CP932 lacks becomes "?".
std::string cp932_from_utf8(const std::string& utf8);
