#include "tools/output_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <type_traits>
#include <vector>

#include "core/platform.h"
#include "core/texts.h"

namespace {

// Temporary names tried for one file ("name.<process id>.<n>.tmp", n from 1),
// and free names tried in each form for a finished file kept beside its name.
constexpr uint32_t kNameTries = 64;
constexpr char kTemporaryEnd[] = ".tmp";
// Process ids as both systems hand them out: positive 32-bit signed numbers.
constexpr uint32_t kLargestProcessId = 0x7FFFFFFF;
// The waits between tries while another copy of the program holds the
// earlier file for a moment (for its check or its own replace).
constexpr uint32_t kRetryWaitsMs[] = {10, 20, 40, 80};

template <class Try>
bool with_retries(Try attempt) {
    for (const uint32_t ms : kRetryWaitsMs) {
        if (attempt()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    return attempt();
}

void tell_cannot_create(const char* name) {
    char text[512];
    std::snprintf(text, sizeof text, tr(TextId::kCreateFailed), name);
    show_message(text);
}

void tell_write_failed(const char* name) {
    char text[512];
    std::snprintf(text, sizeof text, tr(TextId::kWriteFailed), name, name);
    show_message(text);
}

void tell_kept(const char* name, const std::string& kept) {
    char text[512];
    std::snprintf(text, sizeof text, tr(TextId::kReplaceFailed), name, kept.c_str());
    show_message(text);
}

void tell_too_large(const char* name, uint64_t bytes) {
    char text[512];
    std::snprintf(text, sizeof text, tr(TextId::kTooLargeToOpen), name,
                  static_cast<double>(bytes) / (1024.0 * 1024.0));
    show_file_message(text, name, "");
}

std::string temporary_name(const char* name, uint32_t process, uint32_t n) {
    return std::string(name) + "." + std::to_string(process) + "." + std::to_string(n) + kTemporaryEnd;
}

// The number [from, to) holds when written as temporary_name writes one
// (decimal digits, no leading zero) and within 1..largest; 0 otherwise.
uint32_t written_number(const char* from, const char* to, uint32_t largest) {
    if (from == to || *from == '0' || to - from > 10) return 0;
    uint64_t value = 0;
    for (const char* c = from; c != to; ++c) {
        if (*c < '0' || *c > '9') return 0;
        value = value * 10 + static_cast<uint64_t>(*c - '0');
    }
    return value <= largest ? static_cast<uint32_t>(value) : 0;
}

// The process that wrote file when file is exactly a name temporary_name
// gives for name; 0 when it is not one.
uint32_t temporary_owner(const std::string& file, const std::string& name) {
    const std::string head = name + ".", tail = kTemporaryEnd;
    if (file.size() <= head.size() + tail.size() || file.compare(0, head.size(), head) != 0 ||
        file.compare(file.size() - tail.size(), tail.size(), tail) != 0)
        return 0;
    const char* const from = file.data() + head.size();
    const char* const end = file.data() + file.size() - tail.size();
    const char* const dot = std::find(from, end, '.');
    if (dot == end || written_number(dot + 1, end, kNameTries) == 0) return 0;
    return written_number(from, dot, kLargestProcessId);
}

// A file's name when it is plain ASCII, as every temporary name is; empty otherwise.
std::string ascii_name(const std::filesystem::path& path) {
    const std::filesystem::path file = path.filename();
    std::string name;
    for (auto c : file.native()) {
        const auto unit = static_cast<std::make_unsigned_t<decltype(c)>>(c);
        if (unit == 0 || unit >= 0x80) return {};
        name += static_cast<char>(unit);
    }
    return name;
}

// Removes the temporary files of name left by copies of the program that no
// longer run (one killed during a search leaves gigabytes behind), also when
// their id now belongs to a process started since; those of a running copy,
// this one included, are still being written. Only plain files are removed.
void remove_stale_temporaries(const char* name) {
    std::vector<std::filesystem::path> stale;
    std::error_code failed;
    for (std::filesystem::directory_iterator it(".", failed), end; !failed && it != end; it.increment(failed)) {
        std::error_code unknown;
        if (it->symlink_status(unknown).type() != std::filesystem::file_type::regular) continue;
        const std::string file = ascii_name(it->path());
        const uint32_t owner = temporary_owner(file, name);
        if (owner != 0 && (!process_running(owner) || process_started_after(owner, file.c_str())))
            stale.push_back(it->path());
    }
    for (const std::filesystem::path& file : stale) std::filesystem::remove(file, failed);
}

// Moves a finished file to the first free name beside its name, "stem (k).ext"
// or, when all those are taken, "stem (k)-<process id>.ext", and returns that
// name; only where no name at all can be made does it stay where it is.
std::string keep_beside(const OutputFile& out) {
    const std::string name = out.name;
    const size_t dot = name.rfind('.');
    const std::string stem = name.substr(0, dot), extension = dot == std::string::npos ? "" : name.substr(dot);
    const std::string process = std::to_string(own_process_id());
    for (const bool own : {false, true}) {
        for (uint32_t k = 2; k < kNameTries + 2; ++k) {
            std::string kept = stem + " (" + std::to_string(k) + ")";
            if (own) kept += "-" + process;
            kept += extension;
            // the free name is made first, so that no other copy takes it meanwhile
            std::FILE* made = create_new_file(kept.c_str());
            if (!made) continue;
            std::fclose(made);
            if (replace_file(out.temp_name.c_str(), kept.c_str())) return kept;
            std::remove(kept.c_str());
        }
    }
    return out.temp_name;
}

}  // namespace

bool begin_output(OutputFile* out, const char* name, const char* header) {
    out->name = name;
    remove_stale_temporaries(name);
    // say at once what cannot be written, before any work
    std::FILE* file = nullptr;
    if (with_retries([name] { return can_replace_file(name); })) {
        // a name of this process's own, never opened when it exists: another
        // copy in the folder writes its own, and a dropped file of this one
        // may still be being removed
        for (uint32_t n = 1; !file && n <= kNameTries; ++n) {
            out->temp_name = temporary_name(name, own_process_id(), n);
            file = create_new_file(out->temp_name.c_str());
        }
    }
    if (!open_text_writer(&out->text, file)) {
        tell_cannot_create(name);
        return false;
    }
    write_line(&out->text, "%s", header);
    return true;
}

bool place_output(OutputFile* out) {
    // a write cut short without an error (seen with a file-size limit under
    // Wine) still leaves the file shorter than what was handed over
    bool complete = close_text_writer(&out->text);
    std::error_code unknown;
    complete = complete && std::filesystem::file_size(out->temp_name, unknown) == out->text.written && !unknown;
    if (!complete) {
        std::remove(out->temp_name.c_str());
        tell_write_failed(out->name);
        return false;
    }
    if (with_retries([out] { return replace_file(out->temp_name.c_str(), out->name); })) return true;
    // another program has held the earlier file since begin_output: the
    // finished file is not thrown away
    tell_kept(out->name, keep_beside(*out));
    return false;
}

void show_output(const OutputFile& out) {
    if (out.text.written > kViewerLimitBytes) tell_too_large(out.name, out.text.written);
    else open_output_file(out.name);
}

bool end_output(OutputFile* out) {
    if (!place_output(out)) return false;
    show_output(*out);
    return true;
}

void drop_output(OutputFile* out, bool tell) {
    out->text.failed = true;  // nothing pending is written now
    close_text_writer(&out->text);
    std::remove(out->temp_name.c_str());
    if (tell) tell_write_failed(out->name);
}

std::FILE* create_temporary_beside(const char* name, std::string* temp_name) {
    remove_stale_temporaries(name);
    std::FILE* file = nullptr;
    for (uint32_t n = 1; !file && n <= kNameTries; ++n) {
        *temp_name = temporary_name(name, own_process_id(), n);
        file = create_new_file(temp_name->c_str());
    }
    return file;
}
