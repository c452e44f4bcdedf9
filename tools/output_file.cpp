#include "tools/output_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "core/platform.h"

namespace {

void tell_cannot_create(const char* name) {
    char text[512];
    std::snprintf(text, sizeof text, "%sを作成できませんでした。書き込めないフォルダーか、同じ名前のフォルダーか、"
                  "ほかのプログラムが開いているファイルです。", name);
    show_message(text);
}

void tell_write_failed(const char* name) {
    char text[512];
    std::snprintf(text, sizeof text, "%sの書き込みに失敗しました(ディスクの空きが足りないか、ファイルの大きさの上限です)。"
                  "以前の%sはそのままです。", name, name);
    show_message(text);
}

void tell_too_large(const char* name, uint64_t bytes) {
    char text[512];
    std::snprintf(text, sizeof text, "%sは%.1fMBあり、大きすぎるため開きません。場所: ", name,
                  static_cast<double>(bytes) / (1024.0 * 1024.0));
    show_file_message(text, name, "");
}

// False when name exists but cannot be opened for writing (a folder of that
// name, a file another program holds): it could not be replaced either.
bool replaceable(const char* name) {
    std::FILE* earlier = std::fopen(name, "rb");
    if (!earlier) return errno == ENOENT;
    std::fclose(earlier);
    earlier = std::fopen(name, "ab");
    if (!earlier) return false;
    std::fclose(earlier);
    return true;
}

// A temporary name beside name that no other output file of this run uses: a
// dropped file may still be being removed while the next one is written.
std::string temporary_name(const char* name) {
    static std::atomic<uint32_t> counter{0};
    return std::string(name) + "." + std::to_string(++counter) + ".tmp";
}

}  // namespace

bool begin_output(OutputFile* out, const char* name, const char* header) {
    out->name = name;
    out->temp_name = temporary_name(name);
    // say at once what cannot be written, before any work
    if (!replaceable(name) || !open_text_writer(&out->text, out->temp_name.c_str())) {
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
    if (!replace_file(out->temp_name.c_str(), out->name)) {
        std::remove(out->temp_name.c_str());
        tell_cannot_create(out->name);
        return false;
    }
    return true;
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
