// The front end's side of the core, for tests: records what the core asks.
#include "tests/native/platform_recorder.h"

#include "core/platform.h"

PlatformLog& platform_log() {
    static PlatformLog log;
    return log;
}

void set_main_title(const char* text) { platform_log().titles.emplace_back(text); }

void open_output_file(const char* name) { platform_log().opened.emplace_back(name); }
