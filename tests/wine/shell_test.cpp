// The main window of both builds: class, title, client area, closing.
#include <gtest/gtest.h>

#include "app/ids.h"
#include "core/version.h"
#include "tests/wine/driver.h"

using driver::Program;

class Shell : public ::testing::TestWithParam<const char*> {};

TEST_P(Shell, WindowHasClassTitleAndClientArea) {
    Program p(GetParam());
    char cls[64] = "";
    GetClassNameA(p.window(), cls, sizeof cls);
    EXPECT_STREQ(cls, kMainTitle);
    EXPECT_EQ(p.title(), kMainTitle);
    RECT w, c;
    GetWindowRect(p.window(), &w);
    GetClientRect(p.window(), &c);
    EXPECT_EQ(w.right - w.left, 800);
    EXPECT_EQ(w.bottom - w.top, 600);
    // Wine draws the frame itself: an 800 x 600 window has a 792 x 573 client area
    EXPECT_EQ(c.right, 792);
    EXPECT_EQ(c.bottom, 573);
    EXPECT_EQ(GetWindowLongA(p.window(), GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
}

TEST_P(Shell, ClosingEndsWithExitCodeZero) {
    Program p(GetParam());
    EXPECT_EQ(p.close(), 0);
}

INSTANTIATE_TEST_SUITE_P(Builds, Shell, ::testing::Values("Kivrel.exe", "Kivrel-fixed.exe"));
