// The one fixture of the native tests: a fresh working directory (the tools
// read and write their files there), the state record and the scan settings
// saved before the test and put back after it, the timing words idle with nothing measured, and a
// clean log of what the core asked of the front end.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/state.h"
#include "engine/scan_settings.h"
#include "tests/native/platform_recorder.h"
#include "timing/stopwatch.h"
#include "timing/timing_words.h"

#ifdef _WIN32
extern "C" __declspec(dllimport) unsigned long __stdcall GetCurrentProcessId();
inline unsigned long current_process_id() { return GetCurrentProcessId(); }
#else
#include <unistd.h>
inline long current_process_id() { return static_cast<long>(getpid()); }
#endif

class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_state_ = std::make_unique<AppState>(g_app);
        saved_scan_ = g_scan_settings;
        g_timing_words.stopwatch.store(kStopwatchIdle);
        g_timing_words.timer.store(kTimerIdle);
        g_measured = {};
        g_timing_wake = nullptr;
        saved_dir_ = std::filesystem::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // the process id keeps apart the same test run by two programs at once
        std::string name = "kivrel-" + std::to_string(current_process_id()) + "-" + info->test_suite_name() + "-" +
                           info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        dir_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
        platform_log().clear();
    }
    void TearDown() override {
        std::filesystem::current_path(saved_dir_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        g_app = *saved_state_;
        g_scan_settings = saved_scan_;
        g_timing_words.stopwatch.store(kStopwatchIdle);
        g_timing_words.timer.store(kTimerIdle);
        platform_log().clear();
    }

    const std::filesystem::path& dir() const { return dir_; }

    static std::string file_bytes(const std::filesystem::path& name) {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write_file(const std::filesystem::path& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static size_t count_lines(const std::string& text) {
        size_t lines = 0;
        for (char c : text) lines += c == '\n';
        return lines;
    }

private:
    std::unique_ptr<AppState> saved_state_;
    ScanSettings saved_scan_{};
    std::filesystem::path saved_dir_;
    std::filesystem::path dir_;
};
