// The front end's side of the core, for tests: records what the core asks,
// answers questions from a script, and moves files as the system would. The
// Windows build of the tests takes files, processes and text conversion from
// app/system_win.cpp, as the program does; natively they come from here.
#include "tests/native/platform_recorder.h"

#include <cstdio>
#include <filesystem>
#include <mutex>

#ifndef _WIN32
#include <iconv.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

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
    {
        std::lock_guard<std::mutex> lock(log_mutex());
        PlatformLog& log = platform_log();
        if (log.held == to && log.held_refusals != 0) {
            if (log.held_refusals > 0) --log.held_refusals;
            return false;
        }
    }
    std::error_code failed;
    std::filesystem::rename(from, to, failed);  // replaces an existing file on every platform
    return !failed;
}

void show_file_message(const char* before, const char* name, const char* after) {
    show_message((before + std::filesystem::absolute(name).string() + after).c_str());
}

#ifndef _WIN32
std::FILE* create_new_file(const char* name) { return std::fopen(name, "wbx"); }

bool can_replace_file(const char* name) {
    std::error_code unknown;
    return !std::filesystem::is_directory(name, unknown);  // a folder of that name is never replaced by a file
}

uint32_t own_process_id() { return static_cast<uint32_t>(getpid()); }

bool process_running(uint32_t id) {
    // an id past pid_t's range would name a process group, and no process has it
    const pid_t process = static_cast<pid_t>(id);
    return process > 0 && (kill(process, 0) == 0 || errno == EPERM);
}

// Only this process's own start is known: taken as the moment the tests were loaded.
static const std::filesystem::file_time_type g_started = std::filesystem::file_time_type::clock::now();

bool process_started_after(uint32_t id, const char* file) {
    std::error_code unknown;
    const auto written = std::filesystem::last_write_time(file, unknown);
    return id == own_process_id() && !unknown && g_started > written + std::chrono::seconds(2);
}

std::string cp932_from_utf8(const std::string& utf8) {
    // the C library's converter, character by character so that one it lacks becomes "?"
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out;
    char* in = const_cast<char*>(utf8.data());
    size_t in_left = utf8.size();
    while (in_left > 0) {
        char buffer[16];
        char* put = buffer;
        size_t room = sizeof buffer;
        // one character: its UTF-8 length from the lead byte
        const unsigned char lead = static_cast<unsigned char>(*in);
        size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length > in_left) length = in_left;
        char* from = in;
        size_t from_left = length;
        if (iconv(cd, &from, &from_left, &put, &room) == static_cast<size_t>(-1)) out += '?';
        else out.append(buffer, static_cast<size_t>(put - buffer));
        in += length;
        in_left -= length;
    }
    iconv_close(cd);
    return out;
}
#endif
