#include "core/text_file.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <filesystem>

#include "core/platform.h"

namespace {

constexpr size_t kLineBytes = 255;  // what a 256-byte line buffer holds before its zero
constexpr size_t kPendingBytes = size_t{1} << 16;

void flush_pending(TextWriter* w) {
    if (w->used && !w->failed && std::fwrite(w->pending.get(), 1, w->used, w->file) != w->used) w->failed = true;
    w->used = 0;
}

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
    char text[1024];
    std::snprintf(text, sizeof text, "%sは%.1fMBあり、大きすぎるため開きません。場所: %s", name,
                  static_cast<double>(bytes) / (1024.0 * 1024.0), full_path(name).c_str());
    show_message(text);
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

size_t read_text_line(std::FILE* file, char* buffer) {
    // fgets on a text-mode stream: CR LF reaches the buffer as one LF, also when
    // the CR is the last byte that fits, and a lone CR stays as it is
    size_t used = 0;
    while (used < kLineBytes) {
        int c = std::getc(file);
        if (c == EOF) break;
        if (c == '\r') {
            const int next = std::getc(file);
            if (next == '\n') c = '\n';
            else if (next != EOF) std::ungetc(next, file);
        }
        buffer[used++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    if (used > 0) buffer[used] = '\0';
    return used;
}

void skip_rest_of_line(std::FILE* file) {
    int c;
    while ((c = std::getc(file)) != EOF && c != '\n') {
    }
}

bool open_text_writer(TextWriter* w, const char* name) {
    w->file = std::fopen(name, "wb");
    w->failed = false;
    w->used = 0;
    w->written = 0;
    if (!w->pending) w->pending.reset(new char[kPendingBytes]);
    return w->file != nullptr;
}

void write_bytes(TextWriter* w, const char* bytes, size_t count) {
    if (count == 0) return;
    w->written += count;
    if (count > kPendingBytes - w->used) flush_pending(w);
    if (count > kPendingBytes) {
        if (!w->failed && std::fwrite(bytes, 1, count, w->file) != count) w->failed = true;
        return;
    }
    std::memcpy(w->pending.get() + w->used, bytes, count);
    w->used += count;
}

void write_line(TextWriter* w, const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text, sizeof text - 1, format, args);
    va_end(args);
    if (n < 0) {
        w->failed = true;
        return;
    }
    if (n > static_cast<int>(sizeof text) - 2) n = static_cast<int>(sizeof text) - 2;
    // a line ends with LF in the format; the file carries CR LF, as text mode writes it
    if (n > 0 && text[n - 1] == '\n') {
        text[n - 1] = '\r';
        text[n++] = '\n';
    }
    write_bytes(w, text, static_cast<size_t>(n));
}

bool close_text_writer(TextWriter* w) {
    flush_pending(w);
    if (std::fclose(w->file) != 0) w->failed = true;
    w->file = nullptr;
    return !w->failed;
}

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
