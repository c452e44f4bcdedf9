// Runs the program from an unpacked release folder (KIVREL_DIST_DIR) as a
// player would, and writes a frame list there.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/ids.h"
#include "tests/wine/driver.h"

TEST(Release, UnpackedProgramWritesFrameList) {
    const char* dir = std::getenv("KIVREL_DIST_DIR");
    ASSERT_NE(dir, nullptr) << "KIVREL_DIST_DIR names the unpacked release folder";
    driver::Program p(std::string(dir) + "\\Kivrel.exe");
    ASSERT_NE(p.window(), nullptr) << p.message_box_text();
    p.set_text(kIdListSeed, "0");
    p.set_text(kIdListFrameCount, "3");
    p.press(kIdListButton);
    // raw seed 0 with no MAC bytes: frames 0..2 all pass the default minimums
    EXPECT_EQ(p.file("list.txt"),
              "消費数,H,A,B,C,D,S,めざパ,威力\r\n"
              "0,22,27,19,27,17,27,ドラゴン,49\r\n"
              "1,27,19,27,17,27,13,あく,54\r\n"
              "2,19,27,17,27,13,19,あく,47\r\n");
    EXPECT_EQ(p.close(), 0);
}
