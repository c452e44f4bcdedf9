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
    int held_refusals = -1;  // replacements of held refused before it is let go; below 0, never let go
    void clear() {
        titles.clear();
        opened.clear();
        messages.clear();
        answers.clear();
        held.clear();
        held_refusals = -1;
    }
};

PlatformLog& platform_log();
