#include "app/text_file.h"

#include <cstdarg>
#include <cstring>

bool read_text_line(std::FILE* file, char* buffer) {
    // fgets on a text-mode stream: CR LF reaches the buffer as one LF, also when
    // the CR is the last byte that fits, and a lone CR stays as it is
    int used = 0;
    while (used < 255) {
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
    if (used == 0) return false;
    buffer[used] = '\0';
    return true;
}

bool open_text_writer(TextWriter* w, const char* name) {
    w->file = std::fopen(name, "wb");
    w->failed = false;
    w->used = 0;
    return w->file != nullptr;
}

static void flush_pending(TextWriter* w) {
    if (w->used && std::fwrite(w->pending, 1, w->used, w->file) != w->used) w->failed = true;
    w->used = 0;
}

void write_bytes(TextWriter* w, const char* bytes, size_t count) {
    if (count == 0) return;
    if (count > sizeof w->pending - w->used) flush_pending(w);
    if (count > sizeof w->pending) {
        if (std::fwrite(bytes, 1, count, w->file) != count) w->failed = true;
        return;
    }
    std::memcpy(w->pending + w->used, bytes, count);
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
