// The Windows side of the portable core's seam.
#include <windows.h>

#include <cstdlib>

#include "core/platform.h"
#include "core/state.h"

void set_main_title(const char* text) { SetWindowTextA(g_app.main_window, text); }

void open_output_file(const char* name) {
    // the command interpreter named by COMSPEC opens the file with its viewer
    std::system(name);
}
