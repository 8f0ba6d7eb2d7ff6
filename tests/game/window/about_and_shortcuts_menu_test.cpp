// The menu items that open the about box and the shortcuts dialog: each window fills itself, is
// put on top (the about box only) before it is centred, and is shown modally.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/module1.h"
#include "dialogs/frm_msobre1.h"
#include "dialogs/frm_sobre.h"
#include "tests/support/game_fixture.h"

namespace {

// Records, in order, what the handlers ask of the display: stacking, the screen pointer, and the
// modal show with the window's caption and place at that moment.
class OrderDisplay : public testing_support::HeadlessDisplay {
  public:
    void setTopMost(rt::Form& form, bool on) override {
        log.push_back(form.name() + (on ? " on top: " : " not on top: ") + form.caption());
        HeadlessDisplay::setTopMost(form, on);
    }
    void setScreenPointer(int pointer) override {
        log.push_back("pointer " + std::to_string(pointer));
        HeadlessDisplay::setScreenPointer(pointer);
    }
    void show(rt::Form& form, rt::ShowMode mode) override {
        log.push_back("show " + form.name() + (mode == rt::ShowMode::Modal ? " modal" : "") +
                      " at " + std::to_string(form.left()) + "," + std::to_string(form.top()));
        HeadlessDisplay::show(form, mode);
    }
    std::vector<std::string> log;
};

class SideWindowMenus : public testing_support::GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        rt::Services s = rt::app().services();
        s.display = &display;
        rt::app().install(s);
    }
    void TearDown() override {
        rt::FormInstance<quopa::frmSobre>::discard();
        rt::FormInstance<quopa::frmMsobre1>::discard();
        GameFixture::TearDown();
    }
    // Where CentraForm puts a window of this outer size (halves rounded to even).
    static std::string centred(const rt::Form& form) {
        const long left = std::lrint(19200 / 2.0 - form.width() / 2.0);
        const long top = std::lrint(15360 * 0.9 / 2 - form.height() / 2.0);
        return std::to_string(left) + "," + std::to_string(top);
    }
    OrderDisplay display;
};

TEST_F(SideWindowMenus, AboutIsFilledThenPutOnTopThenCentredThenShownModally) {
    for (const char* idioma : {"0", "1"}) {
        SCOPED_TRACE(idioma);
        quopa::Idioma = idioma;
        auto& f = load();
        display.log.clear();
        std::string where;
        display.modalScripts["frmSobre"] = [&](rt::Form& form) {
            where = centred(form);
            static_cast<quopa::frmSobre&>(form).cmdOK_Click();
        };
        f.MnuSobre.click();
        const std::string caption = *idioma == '0' ? "Sobre o Tuvel Quopa" : "About Tuvel Quopa";
        EXPECT_EQ(display.log,
                  (std::vector<std::string>{"frmSobre on top: " + caption, "pointer 11",
                                            "pointer 0", "show frmSobre modal at " + where}));
        // The menu returns once the box has closed.
        EXPECT_EQ(rt::FormInstance<quopa::frmSobre>::existing(), nullptr);
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(SideWindowMenus, ShortcutsAreFilledThenCentredThenShownModallyAndNotPutOnTop) {
    for (const char* idioma : {"0", "1"}) {
        SCOPED_TRACE(idioma);
        quopa::Idioma = idioma;
        auto& f = load();
        display.log.clear();
        std::string where, caption;
        display.modalScripts["frmMsobre1"] = [&](rt::Form& form) {
            where = centred(form);
            caption = form.caption();
            static_cast<quopa::frmMsobre1&>(form).cmdCancelar_Click();
        };
        f.mnuCriaAtalhos.click();
        EXPECT_EQ(caption, *idioma == '0' ? "Atalhos" : "Shortcuts");
        EXPECT_EQ(display.log, (std::vector<std::string>{"pointer 11", "pointer 0",
                                                         "show frmMsobre1 modal at " + where}));
        EXPECT_EQ(rt::FormInstance<quopa::frmMsobre1>::existing(), nullptr);
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(SideWindowMenus, OpeningEitherWindowDuringARollLeavesTheRollRunning) {
    auto& f = load();
    scriptFaces("12345");
    f.cmdPlay_Click();
    ASSERT_TRUE(services.timers.running(f.Timer1));
    f.MnuSobre.click();
    f.mnuCriaAtalhos.click();
    EXPECT_TRUE(services.timers.running(f.Timer1));
    finishRoll();
    EXPECT_EQ(f.lblResultado.caption(), "12345");
}

}  // namespace
