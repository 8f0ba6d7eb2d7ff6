// A label's access key: with mnemonics on, the label hands its key to the next control of its
// container that takes the focus; without, its text stands as it is.
#include <QComboBox>
#include <QLabel>

#include "runtime/controls.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

class MnemonicForm : public rt::Form {
  public:
    MnemonicForm() : rt::Form("MnemonicForm") {
        setClientSize(6000, 3000);
        frame.move(150, 150, 5000, 1500);
        timer.move(150, 300, 1500, 300);
        timer.setCaption("&Timer animation:");
        timer.setUseMnemonic(true);
        list.move(1800, 300, 1500, 315);
        plain.move(150, 2000, 3000, 300);
        plain.setCaption("Tom & Jerry");
        after.move(3300, 2000, 1500, 315);
    }
    rt::Frame frame{this, "frame"};
    rt::Label timer{&frame, "timer"};
    rt::Image picture{&frame, "picture"};  // takes no focus: the list after it gets the key
    rt::ComboBox list{&frame, "list"};
    rt::Label plain{this, "plain"};
    rt::ComboBox after{this, "after"};
};

using LabelMnemonic = RendererTest;

TEST_F(LabelMnemonic, TheKeyGoesToTheNextControlThatTakesTheFocus) {
    auto& form = make<MnemonicForm>();
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(widgetOf<QLabel>(form.timer)->buddy(), widgetOf(form.list));
    EXPECT_EQ(widgetOf<QLabel>(form.plain)->buddy(), nullptr);
    // Switched off, the label lets go of it.
    form.timer.setUseMnemonic(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(widgetOf<QLabel>(form.timer)->buddy(), nullptr);
}

TEST_F(LabelMnemonic, ACaptionThatGainsAnAccessKeyGetsItsBuddyAndOneThatLosesItLetsGo) {
    auto& form = make<MnemonicForm>();
    form.timer.setCaption("Timer animation:");
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(widgetOf<QLabel>(form.timer)->buddy(), nullptr);
    // A caption written later (a switch of language) brings its access key with it.
    form.timer.setCaption("&Animation:");
    QCoreApplication::processEvents();
    EXPECT_EQ(widgetOf<QLabel>(form.timer)->buddy(), widgetOf(form.list));
    form.timer.setCaption("Animation:");
    QCoreApplication::processEvents();
    EXPECT_EQ(widgetOf<QLabel>(form.timer)->buddy(), nullptr);
}

}  // namespace
}  // namespace renderer_test
