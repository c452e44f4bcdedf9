#include "core/text_file.h"

#include <cstdarg>
#include <cstring>

#include "core/platform.h"

namespace {

constexpr size_t kLineBytes = 255;            // what a 256-byte line buffer holds before its zero
constexpr size_t kPendingBytes = size_t{1} << 16;

void flush_pending(TextWriter* w) {
    if (w->used && std::fwrite(w->pending.get(), 1, w->used, w->file) != w->used) w->failed = true;
    w->used = 0;
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
    if (!w->pending) w->pending.reset(new char[kPendingBytes]);
    return w->file != nullptr;
}

void write_bytes(TextWriter* w, const char* bytes, size_t count) {
    if (count == 0) return;
    if (count > kPendingBytes - w->used) flush_pending(w);
    if (count > kPendingBytes) {
        if (std::fwrite(bytes, 1, count, w->file) != count) w->failed = true;
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
    if (!open_text_writer(&out->text, name)) return false;
    write_line(&out->text, "%s", header);
    return true;
}

bool end_output(OutputFile* out) {
    const bool complete = close_text_writer(&out->text);
    if (complete) open_output_file(out->name);
    return complete;
}
