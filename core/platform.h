// What the portable core asks of the front end. The Windows program
// implements these in app/platform_win.cpp; native tests record the calls.
#pragma once

// Shows text as the main window's title.
void set_main_title(const char* text);

// Hands a closed output file to the command interpreter so that the user's
// associated viewer opens it.
void open_output_file(const char* name);
