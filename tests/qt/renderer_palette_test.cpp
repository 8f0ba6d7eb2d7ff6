// The colours of the controls as palettes: a label shows its own pair, and a button drawn on a
// coloured box keeps the box's colour for the outline the style draws.
#include <QLabel>
#include <QPushButton>

#include "runtime/controls.h"
#include "tests/qt/renderer_fixture.h"

namespace renderer_test {
namespace {

constexpr rt::Color kPanel = 0x008000;  // green, as the dice table
constexpr rt::Color kCell = 0xFFFFFF;

class PaletteForm : public rt::Form {
  public:
    PaletteForm() : rt::Form("PaletteForm") {
        setClientSize(6000, 3000);
        box.move(0, 0, 5000, 2500);
        box.setBackColor(kPanel);
        for (rt::Label* l : {&first, &second}) {
            l->setBackColor(kCell);
            l->setForeColor(rt::palette::kDarkBlue);
        }
        first.move(100, 100, 900, 300);
        second.move(100, 500, 900, 300);
        button.move(2000, 100, 1200, 400);
        button.setCaption("&Roll");
    }
    rt::PictureBox box{this, "box"};
    rt::Label first{&box, "first"};
    rt::Label second{&box, "second"};
    rt::CommandButton button{&box, "button"};
};

using ControlPalettes = RendererTest;

TEST_F(ControlPalettes, ALabelShowsItsOwnPairAndAButtonKeepsItsBoxColour) {
    auto& form = make<PaletteForm>();
    form.show();
    const QPalette& first = widgetOf(form.first)->palette();
    const QPalette& second = widgetOf(form.second)->palette();
    EXPECT_EQ(first.color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(first.color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0x80));
    EXPECT_EQ(second.color(QPalette::Window), first.color(QPalette::Window));
    // What a label does not set is the application's, as its box sets nothing else either.
    EXPECT_EQ(first.color(QPalette::Button), QApplication::palette().color(QPalette::Button));
    // The style draws a button's outline from the Window colour it inherits from its box.
    EXPECT_EQ(widgetOf<QPushButton>(form.button)->palette().color(QPalette::Window),
              QColor(0, 0x80, 0));
}

}  // namespace
}  // namespace renderer_test
