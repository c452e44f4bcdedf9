// What the core asked of the front end during a test.
#pragma once

#include <string>
#include <vector>

struct PlatformLog {
    std::vector<std::string> titles;  // every title set, in order
    std::vector<std::string> opened;  // every file handed to the viewer, in order
    void clear() {
        titles.clear();
        opened.clear();
    }
};

PlatformLog& platform_log();
