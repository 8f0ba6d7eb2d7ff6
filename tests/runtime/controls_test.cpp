#include <gtest/gtest.h>

#include "runtime/control_array.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/menu.h"
#include "tests/support/fake_services.h"

namespace {

class TestForm : public rt::Form {
  public:
    TestForm() : rt::Form("TestForm") {}
    rt::Label label{this, "label"};
    rt::PictureBox box{this, "box"};
    rt::ControlArray<rt::Label> cells{&box, "cells"};
    rt::OptionButton a{&box, "a"};
    rt::OptionButton b{&box, "b"};
};

TEST(ChangeSignal, RunsOnlyWhenTheTextChanges) {
    testing_support::FakeServices services;
    TestForm form;
    int changes = 0;
    std::string seen;
    form.label.onChange = [&] {
        ++changes;
        seen = form.label.caption();
    };
    form.label.setCaption("3");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen, "3");  // the handler runs after the text is stored
    form.label.setCaption("3");
    EXPECT_EQ(changes, 1);
    form.label.setCaption("");
    EXPECT_EQ(changes, 2);
}

TEST(ChangeSignal, ReentrantWritesComeToRestOnEqualText) {
    testing_support::FakeServices services;
    TestForm form;
    int runs = 0;
    // A handler that writes its own label again, as the rolls-left chain does: it must end.
    form.label.onChange = [&] {
        ++runs;
        int v = std::stoi(form.label.caption());
        form.label.setCaption(std::to_string(std::min(v + 1, 5)));
    };
    form.label.setCaption("1");
    EXPECT_EQ(form.label.caption(), "5");
    EXPECT_EQ(runs, 5);
}

TEST(ControlArray, LoadedElementsCopyTheFirstAndStartHidden) {
    testing_support::FakeServices services;
    TestForm form;
    rt::Label& first = form.cells.create(1);
    first.move(10, 20, 450, 265);
    first.setBackColor(0x123456);
    first.setCaption("x");
    std::vector<int> changed;
    form.cells.onChange = [&](int i) { changed.push_back(i); };
    rt::Label& second = form.cells.load(2);
    EXPECT_EQ(second.left(), 10);
    EXPECT_EQ(second.width(), 450);
    EXPECT_EQ(second.backColor(), 0x123456);
    EXPECT_EQ(second.caption(), "x");
    EXPECT_FALSE(second.visible());
    EXPECT_TRUE(changed.empty());  // creating an element is no change of its text
    second.setCaption("y");
    EXPECT_EQ(changed, std::vector<int>{2});
    EXPECT_THROW(form.cells.load(2), rt::RuntimeError);
    try {
        form.cells[3];
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::kArrayElementMissing);
    }
}

TEST(Pictures, CompareByHandleNotByPixels) {
    rt::Picture a = rt::Picture::fromBitmap(rt::Bitmap(2, 2, 0xFF000000));
    rt::Picture b = rt::Picture::fromBitmap(rt::Bitmap(2, 2, 0xFF000000));
    rt::Picture c = a;
    EXPECT_EQ(a, c);
    EXPECT_NE(a, b);
    EXPECT_TRUE(rt::Picture().empty());
}

TEST(Pictures, ADeferredPictureIsDrawnOnceOnItsFirstUse) {
    int draws = 0;
    rt::Picture picture = rt::Picture::deferred([&] {
        ++draws;
        return rt::Bitmap(3, 2, 0xFF00FF00);
    });
    rt::Picture copy = picture;
    EXPECT_EQ(draws, 0);  // holding and comparing the handle draws nothing
    EXPECT_EQ(copy, picture);
    ASSERT_NE(copy.bitmap(), nullptr);
    EXPECT_EQ(copy.bitmap()->width, 3);
    EXPECT_EQ(picture.bitmap()->pixels[0], 0xFF00FF00u);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(rt::Picture().bitmap(), nullptr);
}

TEST(OptionButtons, SelectingOneClearsItsSiblings) {
    testing_support::FakeServices services;
    TestForm form;
    int clicks = 0;
    form.b.onClick = [&] { ++clicks; };
    form.a.setValue(true);
    form.b.setValue(true);
    EXPECT_FALSE(form.a.value());
    EXPECT_TRUE(form.b.value());
    form.b.setValue(true);
    EXPECT_EQ(clicks, 1);
}

TEST(CheckBoxes, EachTicksOnItsOwnAndAChangeClicks) {
    testing_support::FakeServices services;
    TestForm form;
    rt::CheckBox one{&form, "one"};
    rt::CheckBox two{&form, "two"};
    int clicks = 0;
    one.onClick = [&] { ++clicks; };
    one.setValue(true);
    two.setValue(true);
    EXPECT_TRUE(one.value());
    one.setValue(true);  // no change, no click
    EXPECT_EQ(clicks, 1);
    one.setValue(false);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(two.value());
}

TEST(Menus, DisabledItemsAndTheirChildrenDoNotClick) {
    testing_support::FakeServices services;
    TestForm form;
    rt::Menu top(&form, "top");
    rt::Menu item(&top, "item");
    rt::MenuArray pair(&top, "pair", {0, 1});
    int clicks = 0;
    std::vector<int> indexes;
    item.onClick = [&] { ++clicks; };
    pair.onClick = [&](int i) { indexes.push_back(i); };
    item.click();
    top.setEnabled(false);
    item.click();
    top.setEnabled(true);
    pair[1].click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(indexes, std::vector<int>{1});
    ASSERT_EQ(top.items().size(), 3u);
    EXPECT_EQ(top.items()[1], &pair[0]);
}

TEST(Timers, FireOnTheVirtualClockWhileEnabled) {
    testing_support::FakeServices services;
    TestForm form;
    rt::Timer timer(&form, "timer");
    int ticks = 0;
    timer.onTimer = [&] {
        if (++ticks == 3) timer.setTimerEnabled(false);
    };
    timer.setInterval(10);
    services.timers.advance(100);
    EXPECT_EQ(ticks, 0);  // not enabled yet
    timer.setTimerEnabled(true);
    services.timers.advance(25);
    EXPECT_EQ(ticks, 2);
    services.timers.advance(100);
    EXPECT_EQ(ticks, 3);  // it stopped itself inside its own tick
    EXPECT_FALSE(services.timers.running(timer));
}

}  // namespace
