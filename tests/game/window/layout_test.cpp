// The placement rules of the main window when its size or state changes.
#include <gtest/gtest.h>

#include "tests/support/game_fixture.h"

namespace {

class Layout : public testing_support::GameFixture {
  protected:
    // A normal (not maximised) window on a wide screen, unless the test says otherwise.
    quopa::frmQUOPA& loadNormal(const char* players = "1") {
        services.settings.values["MainForm"]["WindowState"] = "0";
        services.settings.values["MainForm"]["Players"] = players;
        return load();
    }
};

TEST_F(Layout, ASmallerWindowSnapsToTheMinimumSizeAtTheBoundaries) {
    auto& f = loadNormal();
    struct Case {
        int width, height, expectedWidth, expectedHeight;
    } cases[] = {
        {9499, 7099, 9570, 7200},
        {9500, 7100, 9500, 7100},
        {8000, 9000, 9570, 9000},
        {12000, 5000, 12000, 7200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        f.setWidth(c.width);
        f.setHeight(c.height);
        EXPECT_EQ(f.width(), c.expectedWidth);
        EXPECT_EQ(f.height(), c.expectedHeight);
    }
}

TEST_F(Layout, TheDiceTableIsCentredOnTheSnappedWidth) {
    auto& f = loadNormal();
    f.setWidth(8000);
    // The nested run after the snap places the table for the new width.
    EXPECT_EQ(f.PicGame.left(), (9570 - f.PicGame.width()) / 2);
    f.setWidth(11000);
    EXPECT_EQ(f.PicGame.left(), (11000 - f.PicGame.width()) / 2);
}

TEST_F(Layout, AWideScreenRecentresTheWindowOnEveryResize) {
    services.display.screen = {19200, 15360};
    auto& f = loadNormal();
    f.setWidth(10000);
    f.setHeight(8000);
    EXPECT_EQ(f.left(), (19200 - 10000) / 2);
    EXPECT_EQ(f.top(), 15360 * 9 / 20 - 8000 / 2);
    EXPECT_EQ(rt::screen().mousePointer(), 0);
}

TEST_F(Layout, ANarrowScreenPutsTheWindowAtTheTopLeft) {
    services.display.screen = {9600, 7200};
    auto& f = loadNormal();
    f.setLeft(700);
    f.setTop(300);
    f.setWidth(9800);
    EXPECT_EQ(f.left(), 0);
    EXPECT_EQ(f.top(), 0);
}

TEST_F(Layout, AWindowLargerThanTheScreenIsKeptOnItsTopLeftEdge) {
    services.display.screen = {10500, 7000};
    auto& f = loadNormal();
    f.setWidth(12000);
    f.setHeight(9000);
    EXPECT_EQ(f.left(), 0);
    EXPECT_EQ(f.top(), 0);
}

TEST_F(Layout, TheLogoSitsTopRightForOnePlayerAndAboveTheBarForTwo) {
    auto& one = loadNormal("1");
    one.setWidth(11000);
    EXPECT_EQ(one.imgOstrelo.left(), one.scaleWidth() - (one.imgOstrelo.width() + 40));
    EXPECT_EQ(one.imgOstrelo.top(), 30);
    rt::FormInstance<quopa::frmQUOPA>::discard();

    auto& two = loadNormal("2");
    ASSERT_TRUE(two.PicUserB.visible());
    two.setWidth(11000);
    EXPECT_EQ(two.imgOstrelo.left(), (two.scaleWidth() - two.imgOstrelo.width()) / 2);
    EXPECT_EQ(two.imgOstrelo.top(),
              two.scaleHeight() - (two.imgOstrelo.height() + two.PicSbar1.height() + 20));
    EXPECT_EQ(two.lblPlayer2.left(),
              static_cast<int>(two.scaleWidth() -
                               (two.PicUserB.width() + two.lblPlayer2.width() * 1.08) + 0.5));
}

TEST_F(Layout, AMaximisedWindowLaysOutItsContentAndSkipsTheMovesSilently) {
    services.settings.values["MainForm"]["WindowState"] = "2";
    auto& f = load();
    ASSERT_EQ(f.windowState(), rt::WindowState::Maximized);
    int width = f.width(), height = f.height(), left = f.left(), top = f.top();
    f.Form_Resize();
    EXPECT_EQ(f.width(), width);
    EXPECT_EQ(f.height(), height);
    EXPECT_EQ(f.left(), left);
    EXPECT_EQ(f.top(), top);
    EXPECT_EQ(f.PicGame.left(), (width - f.PicGame.width()) / 2);
    EXPECT_EQ(f.imgOstrelo.left(), f.scaleWidth() - (f.imgOstrelo.width() + 40));
    EXPECT_EQ(f.imgOstrelo.top(), 30);
    EXPECT_TRUE(services.dialogs.messages.empty());
    EXPECT_EQ(rt::screen().mousePointer(), 0);
}

}  // namespace
