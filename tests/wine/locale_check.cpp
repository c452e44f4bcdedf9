// The program on any system code page: run once with a Japanese locale
// (record) and once with an English one (compare), both builds, the same
// inputs each time. The controls' texts, a capture of the client area and
// the three output files must be the same bytes and pixels in both runs.
//   locale_check record DIR    (CTest entry wine.locale.japanese)
//   locale_check compare DIR   (CTest entry wine.locale.english, after it)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/ids.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

BOOL CALLBACK add_child(HWND w, LPARAM p) {
    auto* found = reinterpret_cast<std::vector<HWND>*>(p);
    found->push_back(w);
    return TRUE;
}

// Every child control: identifier, class, place and text (read with the wide functions).
std::string control_texts(const Program& p) {
    std::vector<HWND> children;
    EnumChildWindows(p.window(), add_child, reinterpret_cast<LPARAM>(&children));
    std::string out;
    for (HWND w : children) {
        wchar_t cls[64] = L"";
        GetClassNameW(w, cls, 64);
        RECT r;
        GetWindowRect(w, &r);
        MapWindowPoints(HWND_DESKTOP, p.window(), reinterpret_cast<POINT*>(&r), 2);
        char place[96];
        std::snprintf(place, sizeof place, "%d %d %ld %ld %ld %ld ", GetDlgCtrlID(w), IsWindowEnabled(w), r.left, r.top,
                      r.right - r.left, r.bottom - r.top);
        out += place + driver::to_cp932(cls) + " " + p.text(GetDlgCtrlID(w)) + "\n";
    }
    return out;
}

std::string pixels_of(const driver::Pixels& px) {
    std::string out = std::to_string(px.width) + "x" + std::to_string(px.height) + "\n";
    out.append(reinterpret_cast<const char*>(px.rgb.data()), px.rgb.size() * sizeof(uint32_t));
    return out;
}

// The same inputs in every run: each tool once, a Japanese species name set
// through the wide functions, and a name that does not fit its field.
std::vector<std::pair<std::string, std::string>> observe(const char* exe) {
    std::vector<std::pair<std::string, std::string>> seen;
    // Japanese whatever the display language: the English run compares the same texts
    Program p(exe, {{"kivrel.ini", "[Kivrel]\r\nLanguage=ja\r\n"}});
    seen.emplace_back("controls-at-start", control_texts(p));
    const char* mac[3] = {"12", "AB", "3F"};
    for (int i = 0; i < 3; ++i) p.set_text(kIdMacByte1 + i, mac[i]);

    p.set_text(kIdListSeed, "0");
    p.press(kIdListButton);
    seen.emplace_back("list.txt", p.file("list.txt"));

    for (int i = 0; i < 6; ++i) p.set_text(kIdSearchIvFirst + i, "25");
    p.set_text(kIdSearchLowMax, "601");
    p.run_search();
    seen.emplace_back("result.txt", p.file("result.txt"));

    const char* when[4] = {"4", "5", "7", "6"};
    const char* ivs[6] = {"17", "12", "18", "12", "4", "0"};
    for (int i = 0; i < 4; ++i) p.set_text(kIdSwitchOnFirst + i, when[i]);
    for (int i = 0; i < 6; ++i) p.set_text(kIdKnownIvFirst + i, ivs[i]);
    p.set_text(kIdCandidatesLastFrame, "316");
    p.press(kIdCandidatesButton);

    p.set_text(kIdTargetSeed, "C60C0600");
    p.set_text(kIdMeasuredSeconds, "20.50");
    p.set_text(kIdObtainedLow, "05F0");
    p.press(kIdTimingButton);

    p.set_text(kIdSpeciesName, "ピカチュウ");
    p.set_text(kIdConfirmFrames, "5");
    p.set_text(kIdLevel, "50");
    p.select(kIdNatureList, 4);
    p.press(kIdConfirmButton);
    seen.emplace_back("zure.txt", p.file("zure.txt"));
    // eleven bytes: the field takes ten, and never half a character
    p.set_text(kIdSpeciesName, "Aピカチュウ");
    p.press(kIdConfirmButton);
    seen.emplace_back("zure-cut.txt", p.file("zure.txt"));

    seen.emplace_back("controls-at-end", control_texts(p));
    seen.emplace_back("client-area", pixels_of(p.capture()));
    return seen;
}

std::string place_of(const std::string& dir, const char* exe, const std::string& what) {
    return dir + "\\" + exe + "-" + what;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: locale_check record|compare DIR\n");
        return 2;
    }
    const std::string mode = argv[1], dir = argv[2];
    CreateDirectoryA(dir.c_str(), nullptr);
    std::printf("code page of this run: %u\n", GetACP());
    int failures = 0;
    for (const char* exe : {"Kivrel.exe", "Kivrel-fixed.exe"}) {
        for (const auto& [what, bytes] : observe(exe)) {
            const std::string path = place_of(dir, exe, what);
            if (mode == "record") {
                driver::write_file(path, bytes);
                continue;
            }
            const std::string want = driver::read_file(path);
            if (bytes == want && !want.empty()) continue;
            ++failures;
            std::printf("%s %s: differs from the Japanese run (%zu bytes against %zu)\n", exe, what.c_str(), bytes.size(),
                        want.size());
            driver::write_file(path + ".english", bytes);
        }
    }
    // with no kivrel.ini the display language decides: Japanese in the record
    // run, English in the compare run (en_US)
    for (const char* exe : {"Kivrel.exe", "Kivrel-fixed.exe"}) {
        Program p(exe);
        const std::string want = mode == "record" ? "計算" : "Search";
        if (p.text(kIdSearchButton) == want) continue;
        ++failures;
        std::printf("%s started with %s, not %s, without kivrel.ini\n", exe, p.text(kIdSearchButton).c_str(), want.c_str());
    }
    // the name cut to its field: 「Aピカチュ」, not half of ウ
    const std::string cut = driver::read_file(place_of(dir, "Kivrel.exe", "zure-cut.txt"));
    if (cut.find("\x81uA\x83s\x83J\x83`\x83\x85\x81v") == std::string::npos) {
        ++failures;
        std::printf("the species name was not cut before its double-byte character: %s\n", cut.c_str());
    }
    std::printf("%s: %s\n", mode.c_str(), failures == 0 ? "ok" : "FAILED");
    return failures == 0 ? 0 : 1;
}
