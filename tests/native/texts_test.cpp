// The catalogue in both languages, and which language a start chooses.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "core/texts.h"

namespace {

// The conversions of a printf template in order ("%d%s", "%%" left out).
std::string conversions(const char* text) {
    std::string found;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') { ++p; continue; }
        const char* end = p + 1;
        while (*end != '\0' && std::string("diouxXeEfgGcsp").find(*end) == std::string::npos) ++end;
        if (*end == '\0') return found + "<cut>";
        found.append(p, end + 1);
        p = end;
    }
    return found;
}

TEST(Texts, EveryTextHasBothLanguagesWithTheSameConversions) {
    for (int i = 1; i < static_cast<int>(TextId::kCount); ++i) {
        const char* japanese = tr(static_cast<TextId>(i), Language::kJapanese);
        const char* english = tr(static_cast<TextId>(i), Language::kEnglish);
        EXPECT_STRNE(japanese, "") << i;
        EXPECT_STRNE(english, "") << i;
        if (static_cast<TextId>(i) == TextId::kLanguageButton) continue;  // names the other language
        // English is printable ASCII, the stats window's 「±」 aside
        std::string ascii = english;
        for (size_t at; (at = ascii.find("±")) != std::string::npos;) ascii.erase(at, std::string("±").size());
        for (char c : ascii) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << i << " " << english;
        // %5.2f and %.2f print the same value: the conversion letter and order must agree
        std::string ja = conversions(japanese), en = conversions(english);
        std::string ja_letters, en_letters;
        for (char c : ja) if (std::isalpha(static_cast<unsigned char>(c))) ja_letters += c;
        for (char c : en) if (std::isalpha(static_cast<unsigned char>(c))) en_letters += c;
        EXPECT_EQ(ja_letters, en_letters) << i << " " << japanese << " | " << english;
    }
}

TEST(Texts, StartingLanguageFromTheSettingOrTheDisplayLanguage) {
    const struct {
        const char* setting;
        bool display_is_japanese;
        Language expected;
    } cases[] = {
        {nullptr, true, Language::kJapanese}, {nullptr, false, Language::kEnglish},
        {"", true, Language::kJapanese},      {"", false, Language::kEnglish},
        {"en", true, Language::kEnglish},     {"ja", false, Language::kJapanese},
        {"EN", true, Language::kJapanese},    {"english", true, Language::kJapanese},
        {"en ", true, Language::kJapanese},   {"ja\x81", false, Language::kEnglish},
    };
    for (const auto& c : cases)
        EXPECT_EQ(starting_language(c.setting, c.display_is_japanese), c.expected)
            << (c.setting ? c.setting : "(none)") << " " << c.display_is_japanese;
}

}  // namespace
