// Output files with other programs at them, in both builds: in a folder named
// outside CP932, a killed copy's temporary file goes, two copies searching at
// once each put a whole result in place, and the viewer guard names the folder
// exactly; result.txt held open is refused before the search or, opened during
// it, the finished result is kept beside it.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "app/ids.h"
#include "tests/wine/driver.h"

using driver::Program;
namespace fs = std::filesystem;

namespace {

bool starts_with(const std::string& s, const std::string& head) { return s.compare(0, head.size(), head) == 0; }

std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool wait_searching(const Program& p) {
    for (int i = 0; i < 2000; ++i, Sleep(10))
        if (p.title().find("時計算中") != std::string::npos) return true;
    return false;
}

// The seed search's fields: one minimum for every IV but D (0), the low values, the last frame.
void type_search(Program& p, const char* iv, const char* low_min, const char* low_max, const char* frames) {
    for (int s = 0; s < 6; ++s) p.set_text(kIdSearchIvFirst + s, s == 3 ? "0" : iv);
    p.set_text(kIdSearchLowMin, low_min);
    p.set_text(kIdSearchLowMax, low_max);
    p.set_text(kIdSearchLastFrame, frames);
}

class OutputSafety : public ::testing::TestWithParam<const char*> {};

TEST_P(OutputSafety, CopiesInAFolderOutsideCp932) {
    const fs::path dir = fs::temp_directory_path() / (L"kivrel-한글 ü-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directory(dir);
    {
        Program killed(GetParam(), dir.wstring());  // the fields as it starts: every frame a hit, gigabytes
        killed.press(kIdSearchButton);
        ASSERT_TRUE(wait_searching(killed));
        const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, killed.process_id());
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
        const fs::path left = dir / ("result.txt." + std::to_string(killed.process_id()) + ".1.tmp");
        const fs::path live = dir / ("result.txt." + std::to_string(GetCurrentProcessId()) + ".1.tmp");
        EXPECT_TRUE(fs::exists(left));
        std::ofstream(live) << "as a copy still writing names it";

        Program a(GetParam(), dir.wstring()), b(GetParam(), dir.wstring());
        type_search(a, "31", "0", "1FFF", "30");
        type_search(b, "31", "0", "17FF", "30");
        a.press(kIdSearchButton);
        b.press(kIdSearchButton);
        // a failed write or replacement would be said before the button came back
        ASSERT_TRUE(a.wait_search_end(30000) && b.wait_search_end(30000));
        for (int i = 0; i < 1000 && read(dir / "opened.log") != "/c result.txt\n/c result.txt\n"; ++i) Sleep(10);
        EXPECT_EQ(read(dir / "opened.log"), "/c result.txt\n/c result.txt\n");
        EXPECT_FALSE(fs::exists(left));
        EXPECT_EQ(read(live), "as a copy still writing names it");
        const std::string together = read(dir / "result.txt");
        ASSERT_TRUE(a.run_search());
        const std::string alone = read(dir / "result.txt");
        ASSERT_TRUE(b.run_search());
        EXPECT_NE(alone, read(dir / "result.txt"));
        EXPECT_TRUE(together == alone || together == read(dir / "result.txt")) << together.size() << " bytes";

        // three copies writing list.txt and zure.txt at once: each put in place, none said to fail
        Program c(GetParam(), dir.wstring());
        std::vector<std::thread> writers;
        for (Program* p : {&a, &b, &c}) {
            driver::frame0_ivs(*p, "0");
            writers.emplace_back([p] {
                for (const int id : {kIdListButton, kIdConfirmButton, kIdListButton, kIdConfirmButton, kIdListButton})
                    SendMessageTimeoutW(p->window(), WM_COMMAND, id, reinterpret_cast<LPARAM>(p->control(id)), SMTO_NORMAL,
                                        20000, nullptr);
            });
        }
        for (std::thread& w : writers) w.join();
        for (Program* p : {&a, &b, &c}) EXPECT_EQ(p->wait_message_box(100), "");
        EXPECT_FALSE(fs::exists(dir / "list (2).txt") || fs::exists(dir / "zure (2).txt"));

        type_search(a, "0", "600", "600", "300");  // about 72 MiB, as in long_search_test.cpp
        a.post_press(kIdSearchButton);
        EXPECT_TRUE(starts_with(a.wait_message_box(120000), "result.txtは"));
        EXPECT_NE(a.wide_message_box_text().find(L"場所: " + (dir / L"result.txt").wstring()), std::wstring::npos)
            << a.message_box_text();
        a.answer_message_box(IDOK);
        EXPECT_TRUE(a.wait_search_end(10000));
    }
    fs::remove_all(dir);
}

TEST_P(OutputSafety, HeldResultIsRefusedBeforeTheSearchOrKeptBeside) {
    SetEnvironmentVariableA("KIVREL_TEST_SEARCH_GUARD_BYTES", "1000000");  // a search that ran anyway would soon ask
    Program p(GetParam(), {{"result.txt", "old\r\n"}});
    SetEnvironmentVariableA("KIVREL_TEST_SEARCH_GUARD_BYTES", nullptr);
    // read and written by another program, before the search in each share
    // mode (a file held open is never replaced), then during it
    for (DWORD share = 0; share <= 8; ++share) {
        const bool during = share == 8;
        const auto hold = [&] {
            return CreateFileA((p.dir() + "\\result.txt").c_str(), GENERIC_READ | GENERIC_WRITE,
                               during ? FILE_SHARE_READ | FILE_SHARE_WRITE : share, nullptr, OPEN_EXISTING, 0, nullptr);
        };
        if (during) type_search(p, "31", "0", "3FFF", "30");
        HANDLE held = during ? INVALID_HANDLE_VALUE : hold();
        p.post_press(kIdSearchButton);
        if (during && wait_searching(p)) held = hold();
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(starts_with(p.wait_message_box(60000),
                                during ? "result.txtを置き換えられなかったため、結果をresult (2).txtに保存しました。"
                                       : "result.txtを作成できませんでした。"))
            << share;
        p.answer_message_box(IDOK);
        EXPECT_TRUE(p.wait_search_end(10000));
        CloseHandle(held);
        EXPECT_EQ(p.file("result.txt"), "old\r\n");
    }
    const std::string kept = p.file("result (2).txt");
    ASSERT_TRUE(p.run_search());
    EXPECT_EQ(kept, p.file("result.txt"));  // whole, as put in place when nothing holds the file
}

INSTANTIATE_TEST_SUITE_P(Builds, OutputSafety, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
