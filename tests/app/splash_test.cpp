// The splash window's loading count: it loads the main window halfway, shows it at the end and
// closes itself, all in its timer's first tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/frm_splash.h"
#include "app/module1.h"
#include "resources/resources.h"
#include "runtime/errors.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmQUOPA;
using quopa::frmSplash;

// Message boxes that also note how far the splash window's count had gone when they appeared.
class WatchingDialogs : public testing_support::FakeDialogs {
  public:
    int msgBox(const std::string& prompt, int style, const std::string& title) override {
        if (frmSplash* s = rt::FormInstance<frmSplash>::existing()) {
            barWidth = s->Label1.width();
            percent = s->lblLoading.caption();
        }
        return FakeDialogs::msgBox(prompt, style, title);
    }
    int barWidth = -1;
    std::string percent;
};

class Splash : public testing_support::GameFixture {
  protected:
    void TearDown() override {
        rt::FormInstance<frmSplash>::discard();
        GameFixture::TearDown();
    }
    int countShown(const std::string& name) {
        return static_cast<int>(
            std::count(services.display.shown.begin(), services.display.shown.end(), name));
    }
};

TEST_F(Splash, LoadingShowsTheLogoOnTopAndStartsTheTimer) {
    frmSplash& splash = frmSplash::instance();
    EXPECT_EQ(splash.imgLogo.picture(), quopa::resources::icon(101));
    EXPECT_TRUE(services.display.topMost.count("frmSplash"));
    EXPECT_TRUE(services.timers.running(splash.Timer1));
    EXPECT_EQ(splash.Timer1.interval(), 300);
}

TEST_F(Splash, UnloadingStopsTheTimerAndTakesTheWindowOffTheTop) {
    frmSplash& splash = frmSplash::instance();
    splash.unload();
    EXPECT_FALSE(services.timers.running(splash.Timer1));
    EXPECT_FALSE(services.display.topMost.count("frmSplash"));
    EXPECT_EQ(rt::FormInstance<frmSplash>::existing(), nullptr);
}

TEST_F(Splash, TheFirstTickLoadsShowsTheMainWindowOnceAndClosesTheSplash) {
    frmSplash& splash = frmSplash::instance();
    splash.show();
    services.timers.advance(299);
    EXPECT_EQ(rt::FormInstance<frmQUOPA>::existing(), nullptr);

    services.timers.advance(1);
    ASSERT_TRUE(rt::FormInstance<frmQUOPA>::isLoaded());
    EXPECT_TRUE(frmQUOPA::instance().visible());
    EXPECT_EQ(countShown("frmQUOPA"), 1);
    EXPECT_EQ(rt::FormInstance<frmSplash>::existing(), nullptr);
    EXPECT_FALSE(services.timers.running(splash.Timer1));
    // The bar ends wider than its box, which it then fills; the text last shows 99.
    EXPECT_EQ(splash.Label1.width(), 3005);
    EXPECT_EQ(splash.lblLoading.caption(), "99 %");

    services.timers.advance(5000);
    EXPECT_EQ(countShown("frmQUOPA"), 1);
    EXPECT_EQ(std::count(services.display.unloadedForms.begin(),
                         services.display.unloadedForms.end(), "frmQUOPA"),
              0);
}

TEST_F(Splash, TheMainWindowLoadsHalfwayAndAMissingFileEndsTheProgramThere) {
    WatchingDialogs dialogs;
    rt::Services s = rt::app().services();
    s.dialogs = &dialogs;
    rt::app().install(s);
    std::filesystem::remove(programDir + "ostrelo.zip");

    frmSplash& splash = frmSplash::instance();
    splash.show();
    EXPECT_THROW(services.timers.advance(300), rt::EndProgram);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.barWidth, 510 * 3 + 5);
    EXPECT_EQ(dialogs.percent, "50 %");
    // The count never reached its end: the splash window is still there.
    EXPECT_EQ(rt::FormInstance<frmSplash>::existing(), &splash);
    EXPECT_EQ(countShown("frmQUOPA"), 0);
    EXPECT_TRUE(services.settings.saveLog.empty());
}

}  // namespace
