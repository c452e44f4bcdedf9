// The front end's side of the core, for tests: records what the core asks,
// answers questions from a script, and moves files as the system would.
#include "tests/native/platform_recorder.h"

#include <cstdio>
#include <filesystem>
#include <mutex>

#include "core/platform.h"

namespace {
// the seed search calls the seam from its own thread
std::mutex& log_mutex() {
    static std::mutex m;
    return m;
}
}  // namespace

PlatformLog& platform_log() {
    static PlatformLog log;
    return log;
}

void set_main_title(const char* text) {
    std::lock_guard<std::mutex> lock(log_mutex());
    platform_log().titles.emplace_back(text);
}

void open_output_file(const char* name) {
    std::lock_guard<std::mutex> lock(log_mutex());
    platform_log().opened.emplace_back(name);
}

void show_message(const char* text) {
    std::lock_guard<std::mutex> lock(log_mutex());
    platform_log().messages.emplace_back(text);
}

bool ask_yes_no(const char* text) {
    std::lock_guard<std::mutex> lock(log_mutex());
    PlatformLog& log = platform_log();
    log.messages.emplace_back(text);
    if (log.answers.empty()) return false;
    const bool yes = log.answers.front();
    log.answers.pop_front();
    return yes;
}

bool replace_file(const char* from, const char* to) {
    std::error_code failed;
    std::filesystem::rename(from, to, failed);  // replaces an existing file on every platform
    return !failed;
}

std::string full_path(const char* name) { return std::filesystem::absolute(name).string(); }
