// config.txt as any bytes: the reader must stay inside its buffers, and what it
// hands the fields must be what a field can hold.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/config.h"
#include "tests/fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = write_fuzz_file("config.txt", data, size);
    ConfigLines lines;
    if (!read_config_file(path.c_str(), &lines)) std::abort();
    for (int i = 0; i < 5; ++i)
        if (std::memchr(lines.text[i], '\0', sizeof lines.text[i]) == nullptr) std::abort();
    // any three lines as the MAC fields give three bytes
    const char* const mac[3] = {lines.text[0], lines.text[1], lines.text[2]};
    const GeneratorSetting g = read_generator_setting(mac, false);
    if (g.mac_offset < 0 || g.mac_offset > 0xFFFFFF) std::abort();
    return 0;
}
