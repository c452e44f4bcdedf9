// Kivrel in English, both builds: the language kivrel.ini names at start,
// button 216 switching both windows in place and keeping the choice, every
// painted English text and caption clear of the rest, and the files and
// messages in English.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/ids.h"
#include "app/attempts_table.h"
#include "app/layout.h"
#include "app/main_table.h"
#include "app/stats_table.h"
#include "rng/hidden_power.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

class English : public ::testing::TestWithParam<const char*> {};

const std::string kEnglishIni = "[Kivrel]\r\nLanguage=en\r\n";

std::string text_of(HWND w) {
    const LRESULT n = SendMessageW(w, WM_GETTEXTLENGTH, 0, 0);
    std::wstring s(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    s.resize(static_cast<size_t>(SendMessageW(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]))));
    return driver::to_cp932(s);
}

std::string list_text(HWND list) {
    const LRESULT n = SendMessageW(list, CB_GETCURSEL, 0, 0);
    std::wstring s(256, L'\0');
    s.resize(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXT, n, reinterpret_cast<LPARAM>(&s[0]))));
    return driver::to_cp932(s);
}

HWND open_stats(Program& p) {
    p.press(kIdStatsButton);
    return p.top_window(kStatsWindowClass);
}

TEST_P(English, StartsInTheLanguageKivrelIniNames) {
    // the tests run under a Japanese display language, which decides when the file names none
    const std::map<std::string, std::string> cases[] = {
        {},
        {{"kivrel.ini", kEnglishIni}},
        {{"kivrel.ini", "[Kivrel]\r\nLanguage=ja\r\n"}},
        {{"kivrel.ini", "[Kivrel]\r\nLanguage=english\r\n"}},
        {{"kivrel.ini", "[Kivrel]\r\nLanguage=\r\n"}},
        {{"kivrel.ini", "[Kivrel]\r\nLanguage=" + std::string(5000, 'e') + "\r\n"}},
    };
    const char* const want[] = {"計算", "Search", "計算", "計算", "計算", "計算"};
    for (size_t i = 0; i < std::size(cases); ++i) {
        Program p(GetParam(), cases[i]);
        EXPECT_EQ(p.text(kIdSearchButton), want[i]) << "case " << i;
    }
}

TEST_P(English, ButtonSwitchesBothWindowsInPlaceAndKeepsTheChoice) {
    Program p(GetParam());
    const HWND stats = open_stats(p);
    ASSERT_NE(stats, nullptr);
    p.select(kIdSearchTypeList, 3);
    p.select(kIdNatureList, 5);
    SendMessageW(GetDlgItem(stats, kIdStatsCharacteristicList), CB_SETCURSEL, 7, 0);
    p.set_text(kIdSpeciesName, "Bulbasaur");
    p.press(kIdTimerButton);
    EXPECT_EQ(p.text(kIdTimerDisplay), "先に計算して下さい");
    EXPECT_EQ(p.text(kIdLanguageButton), "English");

    p.press(kIdLanguageButton);
    const std::pair<int, const char*> main_texts[] = {
        {kIdSearchButton, "Search"},       {kIdRoamingBox, "Roaming"},   {kIdStopwatchButton, "Boot"},
        {kIdCandidatesButton, "Find candidates"}, {kIdTimerButton, "Timer"}, {kIdLanguageButton, "日本語"},
        {kIdSpeciesName, "Bulbasaur"},    {kIdTimerDisplay, "Calculate first"},
    };
    for (const auto& [id, text] : main_texts) EXPECT_EQ(p.text(id), text) << id;
    EXPECT_EQ(p.list_selection(kIdSearchTypeList), 3);
    EXPECT_EQ(list_text(p.control(kIdSearchTypeList)), "Poison");
    EXPECT_EQ(list_text(p.control(kIdNatureList)), "Naughty");
    EXPECT_EQ(text_of(stats), "IVs from stats");
    EXPECT_EQ(text_of(GetDlgItem(stats, kIdStatsHitsButton)), "Find the hit");
    EXPECT_EQ(list_text(GetDlgItem(stats, kIdStatsCharacteristicList)), "Likes to thrash about");
    EXPECT_NE(p.file("kivrel.ini").find("Language=en"), std::string::npos);

    p.press(kIdLanguageButton);
    EXPECT_EQ(p.text(kIdSearchButton), "計算");
    EXPECT_EQ(list_text(p.control(kIdNatureList)), "やんちゃ");
    EXPECT_EQ(text_of(stats), "実数値から個体値");
    EXPECT_NE(p.file("kivrel.ini").find("Language=ja"), std::string::npos);
}

// Every painted English text, measured in the window's font, lies inside its
// window and clear of every control and every other text; each caption fits.
void expect_clear(HWND window, const WindowTable& table, int client_width, int client_height,
                  std::vector<std::pair<std::string, RECT>> texts) {
    for (int32_t i = 0; i < table.item_count; ++i) {
        const PaintItem& item = table.items[i];
        if (item.kind != PaintKind::kText) continue;
        const Place at = place_of(item, Language::kEnglish);
        const SIZE size = driver::text_extent(tr(item.text, Language::kEnglish));
        texts.push_back({tr(item.text, Language::kEnglish), RECT{at.x, at.y, at.x + size.cx, at.y + size.cy}});
    }
    std::vector<std::pair<int, RECT>> controls;
    for (int32_t i = 0; i < table.control_count; ++i) {
        const ControlSpec& c = table.controls[i];
        const HWND w = GetDlgItem(window, c.id);
        ASSERT_NE(w, nullptr) << c.id;
        const RECT r = driver::rect_in_client(window, w);
        controls.push_back({c.id, r});
        const bool captioned = c.kind == ControlKind::kButton || c.kind == ControlKind::kBorderedButton ||
                               c.kind == ControlKind::kMouseButton;
        if (captioned) EXPECT_LE(driver::text_extent(text_of(w)).cx + 8, r.right - r.left) << c.id << " " << text_of(w);
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        const RECT& r = controls[i].second;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client_width && r.bottom <= client_height) << controls[i].first;
        RECT overlap;
        for (size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(IntersectRect(&overlap, &r, &controls[j].second)) << controls[i].first << " " << controls[j].first;
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        const RECT& r = texts[i].second;
        SCOPED_TRACE(texts[i].first);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client_width && r.bottom <= client_height);
        RECT overlap;
        for (const auto& [id, c] : controls) EXPECT_FALSE(IntersectRect(&overlap, &r, &c)) << "control " << id;
        for (size_t j = i + 1; j < texts.size(); ++j) EXPECT_FALSE(IntersectRect(&overlap, &r, &texts[j].second)) << texts[j].first;
    }
}

TEST_P(English, PaintedTextsAndCaptionsStayClearAndInside) {
    Program p(GetParam(), {{"kivrel.ini", kEnglishIni}});
    auto box = [](int x, int y, const std::string& text) {
        const SIZE size = driver::text_extent(text);
        return RECT{x, y, x + size.cx, y + size.cy};
    };
    // the widest computed lines where they stand, and the candidate rows with their adopt buttons
    std::vector<std::pair<std::string, RECT>> results;
    for (int32_t i = 0; i < kMainWindowTable.item_count; ++i) {
        const PaintItem& item = kMainWindowTable.items[i];
        const Place at = place_of(item, Language::kEnglish);
        switch (item.kind) {
        case PaintKind::kBootLine: results.push_back({"boot line", box(at.x, at.y, "Boot: 12/31 23:59:59")}); break;
        case PaintKind::kCGearLine: results.push_back({"C-Gear line", box(at.x, at.y, "C-Gear: 12/31 23:59:59.99")}); break;
        case PaintKind::kClockLine:
            results.push_back({"clock line", box(at.x, at.y, "This seed cannot be made (interval -99.99 s)")});
            break;
        case PaintKind::kCandidateRows:
            results.push_back({"candidate rows", RECT{at.x, at.y, kEnglishAdoptButtonX + kEnglishAdoptButtonWidth, 561}});
            break;
        default: break;
        }
    }
    // the client area a real Windows gives the main window, smaller than Wine's
    expect_clear(p.window(), kMainWindowTable, 784, 561, results);
    const HWND stats = open_stats(p);
    ASSERT_NE(stats, nullptr);
    expect_clear(stats, kStatsWindowTable, kStatsClientWidth, kStatsClientHeight, {});
    SendMessageW(stats, WM_COMMAND, MAKEWPARAM(kIdStatsAttempts, BN_CLICKED), 0);
    const HWND attempts = p.top_window(kAttemptsWindowClass);
    ASSERT_NE(attempts, nullptr);
    expect_clear(attempts, kAttemptsWindowTable, kAttemptsClientWidth, kAttemptsClientHeight, {});
    for (const char* text : {"Calculate first", "Boot in 69.00", "C-Gear in 99.99", "This seed cannot be made"})
        EXPECT_LE(driver::text_extent(text).cx, kEnglishTimerDisplayWidth) << text;
}

// A Japanese file's words in English: its header line, and each type name between commas.
std::string in_english_words(const std::string& japanese, TextId header) {
    std::string out = tr(header, Language::kEnglish);
    out.insert(out.size() - 1, "\r");
    std::string rest = japanese.substr(japanese.find('\n') + 1);
    for (int32_t t = 0; t < kHiddenPowerTypes; ++t) {
        const std::string from = std::string(",") + kHiddenPowerTypeNames[0][t] + ",";
        const std::string to = std::string(",") + kHiddenPowerTypeNames[1][t] + ",";
        for (size_t at = 0; (at = rest.find(from, at)) != std::string::npos; at += to.size()) rest.replace(at, from.size(), to);
    }
    return out + rest;
}

TEST_P(English, FilesHaveTheSameColumnsAndNumbersWithEnglishWords) {
    Program p(GetParam());
    const std::pair<int, const char*> fields[] = {
        {kIdListSeed, "C60C0600"}, {kIdListFrameCount, "300"}, {kIdTargetSeed, "C60C0600"}, {kIdConfirmFrames, "3"},
        {kIdSpeciesName, "フシギダネ"}, {kIdLevel, "5"}, {kIdSearchLowMin, "600"}, {kIdSearchLowMax, "601"},
        {kIdSearchLastFrame, "2"},
    };
    for (const auto& [id, text] : fields) p.set_text(id, text);
    for (int s = 0; s < 6; ++s) p.set_text(kIdSearchIvFirst + s, "0");
    std::map<std::string, std::string> japanese;
    for (int round = 0; round < 2; ++round) {
        p.press(kIdListButton);
        p.press(kIdConfirmButton);
        ASSERT_TRUE(p.run_search());
        if (round == 0) {
            for (const char* name : {"list.txt", "zure.txt", "result.txt"}) japanese[name] = p.file(name);
            p.press(kIdLanguageButton);
            ASSERT_EQ(p.text(kIdSearchButton), "Search");
        }
    }
    EXPECT_EQ(p.file("list.txt"), in_english_words(japanese["list.txt"], TextId::kListHeader));
    EXPECT_EQ(p.file("zure.txt"), in_english_words(japanese["zure.txt"], TextId::kConfirmationHeader));
    EXPECT_EQ(p.file("result.txt"), in_english_words(japanese["result.txt"], TextId::kResultHeader));
    // the species typed by its English name, in any case
    p.set_text(kIdSpeciesName, "bulbasaur");
    p.press(kIdConfirmButton);
    EXPECT_EQ(p.file("zure.txt"), in_english_words(japanese["zure.txt"], TextId::kConfirmationHeader));
    // a name found in neither language, said in English
    p.set_text(kIdSpeciesName, "Nosuch");
    p.press(kIdConfirmButton);
    EXPECT_NE(p.file("zure.txt").find("Species \"Nosuch\" is not in pokemon.dat"), std::string::npos);
}

TEST_P(English, MessagesInEnglish) {
    Program p(GetParam(), {{"kivrel.ini", kEnglishIni}}, false);
    EXPECT_EQ(p.message_box_text(), "pokemon.dat could not be read");
}

INSTANTIATE_TEST_SUITE_P(Builds, English, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
