// What the core asked of the front end during a test.
#pragma once

#include <deque>
#include <string>
#include <vector>

struct PlatformLog {
    std::vector<std::string> titles;     // every title set, in order
    std::vector<std::string> opened;     // every file handed to the viewer, in order
    std::vector<std::string> messages;   // every message and question shown, in order
    std::deque<bool> answers;            // the player's answers to the coming questions; no answer is "no"
    std::string held;  // a file another program has opened since the tool began: replacing it fails
    void clear() {
        titles.clear();
        opened.clear();
        messages.clear();
        answers.clear();
        held.clear();
    }
};

PlatformLog& platform_log();
