// A fresh working directory and a clean record for each seed tool test: the
// tools write result.txt and list.txt into the current directory.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app_state.h"
#include "tests/native/platform_recorder.h"

class SeedToolDir : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::filesystem::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "kivrel-seed-" + std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        dir_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
        platform_log().clear();
        for (int32_t& v : g_app.iv_thresholds) v = 0;
        g_app.mac_offset = 0;
        g_app.roaming = false;
        g_app.hp_type_filter = -1;
        g_app.hp_min_power = 30;
        g_app.frame_limit = 0;
        g_app.candidate_count = 0;
    }
    void TearDown() override {
        std::filesystem::current_path(saved_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    static size_t count_lines(const std::string& text) {
        size_t lines = 0;
        for (char c : text) lines += c == '\n';
        return lines;
    }
    static std::string file_bytes(const char* name) {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    static void set_ivs(const int (&iv)[6]) {
        for (int i = 0; i < kStatCount; ++i) g_app.iv_thresholds[i] = iv[i];
    }

private:
    std::filesystem::path saved_;
    std::filesystem::path dir_;
};
