#include <gtest/gtest.h>

#include "runtime/app.h"
#include "runtime/controls.h"
#include "runtime/errors.h"
#include "runtime/form.h"
#include "tests/support/fake_services.h"

namespace {

// A form that records its events.
class Recorder : public rt::Form {
  public:
    Recorder() : rt::Form("Recorder") { setClientSize(6000, 4000); }
    void Form_Load() override {
        log.push_back("load");
        if (unloadWhileLoading) unload();
    }
    void Form_Unload(int& cancel) override {
        log.push_back("unload");
        cancel = cancelUnload ? 1 : 0;
    }
    void Form_Resize() override { log.push_back("resize " + std::to_string(width())); }
    std::vector<std::string> log;
    bool cancelUnload = false;
    bool unloadWhileLoading = false;
    rt::PictureBox left{this, "left"};
    rt::PictureBox bottom{this, "bottom"};
};

TEST(FormLifecycle, LoadsOnceAndShowsAfterLoading) {
    testing_support::FakeServices services;
    Recorder form;
    form.load();
    form.load();
    form.show();
    EXPECT_EQ(form.log, (std::vector<std::string>{"load", "resize 6120"}));
    EXPECT_TRUE(form.visible());
}

TEST(FormLifecycle, UnloadRunsItsHandlerUnlessCancelled) {
    testing_support::FakeServices services;
    Recorder form;
    form.show();
    form.cancelUnload = true;
    form.unload();
    EXPECT_TRUE(form.isLoaded());
    form.cancelUnload = false;
    form.unload();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(services.display.unloadedForms, std::vector<std::string>{"Recorder"});
}

TEST(FormLifecycle, AFormUnloadedByItsOwnLoadNeverRunsItsUnloadHandler) {
    testing_support::FakeServices services;
    Recorder form;
    form.unloadWhileLoading = true;
    form.show();
    EXPECT_EQ(form.log, std::vector<std::string>{"load"});
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.visible());
}

class Dialog : public rt::Form {
  public:
    Dialog() : rt::Form("Dialog") {}
    void Form_Load() override { ++loads; }
    static inline int loads = 0;
};

TEST(FormInstance, CreatedOnFirstUseAndFreshAfterUnload) {
    testing_support::FakeServices services;
    Dialog::loads = 0;
    Dialog& first = rt::FormInstance<Dialog>::get();
    rt::FormInstance<Dialog>::get();
    EXPECT_EQ(Dialog::loads, 1);
    first.unload();
    EXPECT_EQ(rt::FormInstance<Dialog>::existing(), nullptr);
    rt::FormInstance<Dialog>::unloadIfLoaded();  // nothing to unload: no effect
    rt::FormInstance<Dialog>::get();
    EXPECT_EQ(Dialog::loads, 2);
    rt::FormInstance<Dialog>::discard();
}

TEST(FormInstance, ModalShowReturnsWhenTheFormCloses) {
    testing_support::FakeServices services;
    bool ranWhileOpen = false;
    services.display.modalScripts["Dialog"] = [&](rt::Form& f) {
        ranWhileOpen = f.visible();
        f.unload();
    };
    rt::FormInstance<Dialog>::get().show(rt::ShowMode::Modal);
    EXPECT_TRUE(ranWhileOpen);
    EXPECT_FALSE(rt::FormInstance<Dialog>::isLoaded());
    EXPECT_EQ(services.display.shown.back(), "Dialog (modal)");
}

TEST(FormGeometry, SizeChangesRunResizeAtOnceAndMaximisedFormsRefuseMoves) {
    testing_support::FakeServices services;
    Recorder form;
    form.load();
    form.log.clear();
    form.setWidth(9570);
    EXPECT_EQ(form.log, std::vector<std::string>{"resize 9570"});
    EXPECT_EQ(form.scaleWidth(), 9570 - 120);
    form.setWindowState(rt::WindowState::Maximized);
    EXPECT_EQ(form.width(), services.display.screen.width);
    try {
        form.setLeft(0);
        FAIL() << "moving a maximised window must fail";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::kCannotMoveMaximised);
    }
    EXPECT_THROW(form.setWidth(100), rt::RuntimeError);
}

TEST(FormGeometry, DockedBoxesFollowTheClientArea) {
    testing_support::FakeServices services;
    Recorder form;
    form.left.setWidth(2580);
    form.left.setDock(rt::Dock::Left);
    form.bottom.setHeight(270);
    form.bottom.setDock(rt::Dock::Bottom);
    form.setClientSize(7575, 5970);
    EXPECT_EQ(form.left.height(), 5970);
    EXPECT_EQ(form.bottom.left(), 2580);
    EXPECT_EQ(form.bottom.top(), 5970 - 270);
    EXPECT_EQ(form.bottom.width(), 7575 - 2580);
    form.left.setVisible(false);
    EXPECT_EQ(form.bottom.left(), 0);
}

TEST(End, EndsTheProgramAtOnceThroughTheGuard) {
    testing_support::FakeServices services;
    bool after = false;
    EXPECT_FALSE(rt::guard([&] {
        rt::End();
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(services.display.quitCalled);
    EXPECT_TRUE(services.dialogs.messages.empty());
}

TEST(Guard, AnUncaughtRunTimeErrorShowsTheErrorBoxAndEnds) {
    testing_support::FakeServices services;
    EXPECT_FALSE(
        rt::guard([] { throw rt::RuntimeError(340, "Control array element doesn't exist"); }));
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    EXPECT_NE(services.dialogs.messages[0].prompt.find("340"), std::string::npos);
    EXPECT_EQ(services.dialogs.messages[0].style, rt::kCritical);
    EXPECT_TRUE(services.display.quitCalled);
    EXPECT_TRUE(rt::guard([] { rt::ignoreErrors([] { throw rt::RuntimeError(384, "x"); }); }));
}

TEST(Screen, OnePointerForTheWholeProgram) {
    testing_support::FakeServices services;
    rt::screen().setMousePointer(11);
    rt::screen().setMousePointer(11);
    rt::screen().setMousePointer(0);
    EXPECT_EQ(services.display.pointerLog, (std::vector<int>{11, 0}));
}

}  // namespace
