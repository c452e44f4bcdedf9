// The three output files when something goes wrong: a file that cannot be
// created, a write that fails part way, a stopped search, the size guard, a
// file too large for a viewer, an earlier file that another program holds, and
// the files left beside it. The earlier file always stays as it was.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#endif

#include "core/platform.h"
#include "core/version.h"
#include "tests/native/temp_dir.h"
#include "tools/confirmation_list.h"
#include "tools/frame_list.h"
#include "tools/output_file.h"
#include "tools/seed_search.h"

namespace {

namespace fs = std::filesystem;

using OutputFiles = TempDirTest;

struct FileTool {
    const char* name;
    void (*run)();
};

// A seed search that asks for nothing (every frame a hit) over low values first..last.
SeedSearchInputs every_frame(int32_t first, int32_t last, int32_t last_frame) {
    SeedSearchInputs in{};
    in.low_min = first;
    in.low_max = last;
    in.last_frame = last_frame;
    in.hp_type_filter = -1;
    in.hp_min_power = 30;
    return in;
}

const SpeciesRecord kSpecies{};

const FileTool kFileTools[] = {
    {"result.txt", [] { run_seed_search(every_frame(0x600, 0x600, 3)); }},
    {"list.txt", [] { write_frame_list({0, {}, -1, 30, 100, 0, false}); }},
    {"zure.txt", [] { write_confirmation_list({0x1000, 0, 0, &kSpecies, "", 0, 0, false}); }},
};

const std::string kEarlier = "earlier\r\n";

bool starts_with(const std::string& s, const std::string& head) { return s.compare(0, head.size(), head) == 0; }

// Nothing of a dropped file is left beside the earlier one.
void expect_no_temporary_file(const char* name) {
    for (const auto& entry : fs::directory_iterator("."))
        EXPECT_NE(entry.path().filename().string().rfind(std::string(name) + ".", 0), 0u) << entry.path();
}

TEST_F(OutputFiles, FileThatCannotBeCreatedIsSaidAndNothingRuns) {
    for (const FileTool& t : kFileTools) {
        fs::create_directory(t.name);  // a folder of that name cannot be replaced by a file
        platform_log().clear();
        t.run();
        ASSERT_EQ(platform_log().messages.size(), 1u) << t.name;
        EXPECT_TRUE(starts_with(platform_log().messages[0], std::string(t.name) + "を作成できませんでした"));
        EXPECT_TRUE(platform_log().opened.empty()) << t.name;
        EXPECT_TRUE(platform_log().titles.empty()) << t.name;
        EXPECT_TRUE(fs::is_directory(t.name) && fs::is_empty(t.name)) << t.name;
        expect_no_temporary_file(t.name);
    }
}

#ifdef __linux__
// A file-size limit fails every write past it, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit saved_{};
    void (*old_handler_)(int) = nullptr;
};

TEST_F(OutputFiles, WriteFailingPartWayKeepsTheEarlierFileAndSaysSo) {
    for (const FileTool& t : kFileTools) {
        write_file(t.name, kEarlier);
        platform_log().clear();
        {
            const FileSizeLimit limit(512);
            t.run();
        }
        EXPECT_EQ(file_bytes(t.name), kEarlier) << t.name;
        expect_no_temporary_file(t.name);
        ASSERT_EQ(platform_log().messages.size(), 1u) << t.name;
        EXPECT_TRUE(starts_with(platform_log().messages[0], std::string(t.name) + "の書き込みに失敗しました"));
        EXPECT_TRUE(platform_log().opened.empty()) << t.name;
        if (std::string(t.name) == "result.txt") {
            // the search ends at the first failed write, and its title comes back
            EXPECT_LT(platform_log().titles.size(), 25u);
            EXPECT_EQ(platform_log().titles.back(), kMainTitle);
        }
    }
}
#endif

TEST_F(OutputFiles, StoppedSearchLeavesTheEarlierResult) {
    write_file("result.txt", kEarlier);
    const std::atomic<int32_t> stop{1};  // the stop button, pressed as the search starts
    SeedSearchInputs in = every_frame(0x600, 0x6FF, 0);
    in.stop = &stop;
    run_seed_search(in);
    EXPECT_EQ(file_bytes("result.txt"), kEarlier);
    expect_no_temporary_file("result.txt");
    EXPECT_TRUE(platform_log().opened.empty());
    EXPECT_TRUE(platform_log().messages.empty());
    EXPECT_EQ(platform_log().titles, std::vector<std::string>{kMainTitle});
}

TEST_F(OutputFiles, SearchAsksOnceBeforeResultPassesTheGuard) {
    SeedSearchInputs in = every_frame(0x600, 0x600, 3);  // 24,576 lines of about 40 bytes
    in.guard_bytes = 100000;
    for (const bool go_on : {false, true}) {
        write_file("result.txt", kEarlier);
        platform_log().clear();
        platform_log().answers = {go_on};
        const int64_t lines = run_seed_search(in);
        ASSERT_EQ(platform_log().messages.size(), 1u);
        const std::string& question = platform_log().messages[0];
        EXPECT_TRUE(starts_with(question, "result.txtが1GBを超えます(ここまでで ")) << question;
        EXPECT_NE(question.find(" 行)。続けますか?"), std::string::npos) << question;
        if (go_on) {
            EXPECT_EQ(lines, 24576);
            EXPECT_EQ(count_lines(file_bytes("result.txt")), 24577u);
            EXPECT_EQ(platform_log().opened, std::vector<std::string>{"result.txt"});
        } else {
            EXPECT_EQ(file_bytes("result.txt"), kEarlier);
            EXPECT_TRUE(platform_log().opened.empty());
            // the lines it had found are the number it gave
            const std::string count = std::to_string(lines);
            EXPECT_NE(question.find("で " + count), std::string::npos) << question;
        }
        expect_no_temporary_file("result.txt");
        EXPECT_EQ(platform_log().titles.back(), kMainTitle);
    }
}

TEST_F(OutputFiles, FileTooLargeForAViewerIsKeptAndItsPlaceSaid) {
    run_seed_search(every_frame(0x600, 0x600, 300));  // 1,849,344 lines, about 72 MiB
    EXPECT_TRUE(platform_log().opened.empty());
    ASSERT_EQ(platform_log().messages.size(), 1u);
    const std::string& message = platform_log().messages[0];
    EXPECT_TRUE(starts_with(message, "result.txtは")) << message;
    EXPECT_NE(message.find("MBあり、大きすぎるため開きません。場所: " + fs::absolute("result.txt").string()), std::string::npos)
        << message;
    EXPECT_GT(fs::file_size("result.txt"), kViewerLimitBytes);
}

// Each tool with files beside its own, and another program holding its
// earlier file once the tool has begun: only the exact temporary names of a
// copy no longer running (or of an earlier process its id belonged to) go, no
// file that was there is written, a hold let go while the tool retries costs
// nothing, and else the finished file is kept whole under the next free name.
TEST_F(OutputFiles, FilesBesideAreLeftOrTidiedAndAFinishedFileIsNeverLost) {
    const std::string gone = std::to_string(0x7FFFFFFC), own = std::to_string(own_process_id());  // no process has gone
    for (const FileTool& t : kFileTools) {
        const std::string name = t.name, stem = name.substr(0, name.find('.')), at = name + ".", aged = at + own + ".3.tmp";
        const std::pair<std::string, bool> beside[] = {  // a file, and whether it stays
            {at + own + ".1.tmp", true},  // this process's own name: the tool takes the next
            {aged, false}, {at + gone + ".1.tmp", false}, {at + gone + ".64.tmp", false},
            {(name == "list.txt" ? "zure.txt." : "list.txt.") + gone + ".1.tmp", true},  // its own tool's to remove
            {at + "1.tmp", true}, {at + "x.1.tmp", true}, {at + "0" + gone + ".1.tmp", true}, {at + "0.1.tmp", true},
            {at + gone + ".01.tmp", true}, {at + gone + ".0.tmp", true}, {at + gone + ".65.tmp", true},
            {at + gone + ".999999.tmp", true}, {at + "4294967295.1.tmp", true}, {at + "2147483648.1.tmp", true}};
        const std::pair<int, std::string> holds[] = {  // names "(k)" taken, and where the file goes
            {1, stem + " (3).txt"}, {64, stem + " (2)-" + own + ".txt"}, {0, name}};
        for (const auto& [taken, kept] : holds) {
            for (const auto& [file, stays] : beside) write_file(file, "other\r\n");
            for (int k = 2; k < taken + 2; ++k) write_file(stem + " (" + std::to_string(k) + ").txt", "");
            fs::last_write_time(aged, fs::last_write_time(aged) - std::chrono::hours(24));  // before this process began
            fs::create_directory(at + gone + ".2.tmp");
            write_file(name, kEarlier);
            platform_log().clear();
            platform_log().held = name;
            platform_log().held_refusals = kept == name ? 4 : -1;  // let go before the last retry
            t.run();
            for (const auto& [file, stays] : beside)
                EXPECT_EQ(fs::exists(file) ? file_bytes(file) : "gone", stays ? "other\r\n" : "gone") << file;
            EXPECT_TRUE(fs::is_directory(at + gone + ".2.tmp"));
            EXPECT_FALSE(fs::exists(at + own + ".2.tmp")) << name;
            EXPECT_EQ(platform_log().opened.size(), kept == name ? 1u : 0u) << name;
            if (kept == name) {
                EXPECT_NE(file_bytes(name), kEarlier);
            } else {
                EXPECT_EQ(file_bytes(name), kEarlier);
                EXPECT_EQ(platform_log().messages,
                          std::vector<std::string>{name + "を置き換えられなかったため、結果を" + kept + "に保存しました。"});
                platform_log().clear();
                t.run();  // nothing holds it now: the same file is put in place
                EXPECT_EQ(file_bytes(kept), file_bytes(name)) << name;
            }
            EXPECT_TRUE(platform_log().messages.empty()) << name;
            for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
        }
    }
}

}  // namespace
