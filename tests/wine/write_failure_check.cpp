// Writes that fail part way, as on a full disk: this program runs under a
// file-size limit of 512 bytes (CTest entry wine.WriteFailingPartWay), which
// the program it starts inherits. Each of the three files says so, keeps the
// earlier file and starts no viewer.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "app/ids.h"
#include "core/version.h"
#include "tests/wine/driver.h"

using driver::Program;

namespace {

class WriteFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(WriteFailure, EachFileSaysSoAndKeepsTheEarlierOne) {
    // a one-line species table: the shipped one is larger than the limit
    Program p(GetParam(),
              {{"pokemon.dat", "35,55,30,50,40,90,pika\r\n"}, {"result.txt", "old\r\n"}, {"list.txt", "old\r\n"},
               {"zure.txt", "old\r\n"}},
              false);
    p.set_text(kIdListSeed, "0");
    p.set_text(kIdListFrameCount, "1000");
    p.set_text(kIdTargetSeed, "1000");
    p.set_text(kIdConfirmFrames, "0");
    p.set_text(kIdLevel, "50");
    p.set_text(kIdSpeciesName, "pika");
    for (const auto& [name, button] : {std::pair<std::string, int>{"result.txt", kIdSearchButton},
                                       {"list.txt", kIdListButton}, {"zure.txt", kIdConfirmButton}}) {
        p.post_press(button);
        EXPECT_EQ(p.wait_message_box(), name + "の書き込みに失敗しました(ディスクの空きが足りないか、ファイルの大きさの上限です)。"
                                               "以前の" + name + "はそのままです。");
        p.answer_message_box(IDOK);
        EXPECT_TRUE(p.wait_search_end(10000));
        EXPECT_EQ(p.file(name), "old\r\n") << name;
        EXPECT_EQ(p.title(), kMainTitle);
    }
    EXPECT_TRUE(p.opened().empty());
}

INSTANTIATE_TEST_SUITE_P(Builds, WriteFailure, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));

}  // namespace
