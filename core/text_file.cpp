#include "core/text_file.h"

#include <cstdarg>
#include <cstring>

#include "core/platform.h"

namespace {

constexpr size_t kLineBytes = 255;  // what a 256-byte line buffer holds before its zero
constexpr size_t kPendingBytes = size_t{1} << 16;

void flush_pending(TextWriter* w) {
    if (w->used && !w->failed && std::fwrite(w->pending.get(), 1, w->used, w->file) != w->used) w->failed = true;
    w->used = 0;
}

// UTF-16 (two bytes a unit, in the given order) as UTF-8; a lone surrogate
// reads as U+FFFD, and a last odd byte is dropped.
std::string utf8_from_utf16(const std::string& bytes, bool big_endian) {
    std::string out;
    const auto unit = [&](size_t i) {
        const uint32_t a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return big_endian ? (a << 8 | b) : (b << 8 | a);
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

bool read_text_file(const char* path, std::string* text) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    std::string bytes;
    char piece[4096];
    for (size_t n; (n = std::fread(piece, 1, sizeof piece, f)) > 0;) bytes.append(piece, n);
    std::fclose(f);
    const auto starts = [&](const char* mark) { return bytes.compare(0, std::strlen(mark), mark) == 0; };
    if (starts("\xEF\xBB\xBF")) *text = cp932_from_utf8(bytes.substr(3));
    else if (starts("\xFF\xFE")) *text = cp932_from_utf8(utf8_from_utf16(bytes.substr(2), false));
    else if (starts("\xFE\xFF")) *text = cp932_from_utf8(utf8_from_utf16(bytes.substr(2), true));
    else *text = std::move(bytes);
    return true;
}

size_t read_text_line(TextReader* reader, char* buffer) {
    // fgets on a text-mode stream: CR LF reaches the buffer as one LF, also when
    // the CR is the last byte that fits, and a lone CR stays as it is
    const std::string& text = *reader->text;
    size_t& at = reader->at;
    size_t used = 0;
    while (used < kLineBytes && at < text.size()) {
        char c = text[at++];
        if (c == '\r' && at < text.size() && text[at] == '\n') {
            c = '\n';
            ++at;
        }
        buffer[used++] = c;
        if (c == '\n') break;
    }
    if (used > 0) buffer[used] = '\0';
    return used;
}

void skip_rest_of_line(TextReader* reader) {
    const size_t lf = reader->text->find('\n', reader->at);
    reader->at = lf == std::string::npos ? reader->text->size() : lf + 1;
}

bool open_text_writer(TextWriter* w, const char* name) { return open_text_writer(w, std::fopen(name, "wb")); }

bool open_text_writer(TextWriter* w, std::FILE* file) {
    w->file = file;
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
