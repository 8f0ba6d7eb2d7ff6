// The about box: its texts in both languages, the message that scrolls on a 100 ms timer while
// the box is open, and the timer stopped however the box closes.
#include "dialogs/frm_sobre.h"

#include <gtest/gtest.h>

#include "app/module1.h"
#include "resources/resources.h"
#include "tests/support/game_fixture.h"

namespace {

class AboutBox : public testing_support::GameFixture {
  protected:
    void TearDown() override {
        rt::FormInstance<quopa::frmSobre>::discard();
        GameFixture::TearDown();
    }
};

TEST_F(AboutBox, ShowsNameVersionMakerAndLogoInEachLanguage) {
    struct Case {
        const char* idioma;
        const char* caption;
        const char* version;
        const char* madeBy;
        const char* message;
    } cases[] = {
        {"0", "Sobre o Tuvel Quopa", "Versão " QUOPA_VERSION, "Um jogo da", "Obrigado por jogar"},
        {"1", "About Tuvel Quopa", "Version " QUOPA_VERSION, "A game by", "Thank you for playing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idioma);
        quopa::Idioma = c.idioma;
        auto& box = quopa::frmSobre::instance();
        EXPECT_EQ(box.caption(), c.caption);
        EXPECT_EQ(box.lblNome.caption(), "Tuvel Quopa");
        EXPECT_EQ(box.lblVersao.caption(), c.version);
        EXPECT_EQ(box.lblFeitoPor.caption(), c.madeBy);
        EXPECT_EQ(box.lblOstrelo.caption(), "Ostrelo");
        EXPECT_EQ(box.imgOstrelo.picture(), quopa::resources::logo());
        EXPECT_EQ(box.lblMensagem.caption().rfind(c.message, 0), 0u);
        EXPECT_EQ(box.helpContextID(), 1000);
        EXPECT_TRUE(box.cmdOK.isDefault() && box.cmdOK.isCancel());
        box.unload();
    }
}

TEST_F(AboutBox, TheMessageEntersFromTheRightMovesEveryTenthOfASecondAndComesBack) {
    auto& box = quopa::frmSobre::instance();
    const int strip = box.Picture1.width();
    const int width = 3000;  // what the renderer measures for the text
    box.lblMensagem.setWidth(width);
    EXPECT_EQ(box.lblMensagem.left(), strip);
    ASSERT_TRUE(services.timers.running(box.Timer1));
    services.timers.advance(99);
    EXPECT_EQ(box.lblMensagem.left(), strip);
    services.timers.advance(1);
    const int step = strip - box.lblMensagem.left();
    ASSERT_GT(step, 0);
    // Step by step to the left while some of it shows, then back at the right edge.
    int last = box.lblMensagem.left();
    for (int tick = 0; tick < 1000 && box.lblMensagem.left() != strip; ++tick) {
        last = box.lblMensagem.left();
        services.timers.advance(100);
        if (box.lblMensagem.left() != strip) {
            ASSERT_EQ(box.lblMensagem.left(), last - step);
        }
    }
    EXPECT_EQ(box.lblMensagem.left(), strip);
    EXPECT_GT(last + width, 0);
    EXPECT_LE(last + width, step);
}

TEST_F(AboutBox, ClosingTheBoxInAnyWayStopsItsTimer) {
    // OK (and Esc, its cancel key), the close box (an unload), and the main window's end.
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way);
        auto& box = quopa::frmSobre::instance();
        rt::Timer& timer = box.Timer1;
        ASSERT_TRUE(services.timers.running(timer));
        if (way == 0)
            box.cmdOK_Click();
        else
            box.unload();
        EXPECT_FALSE(services.timers.running(timer));
        EXPECT_EQ(rt::FormInstance<quopa::frmSobre>::existing(), nullptr);
        rt::destroyRetiredForms();
    }
    // Nothing runs any more: the program is idle.
    EXPECT_EQ(services.timers.runUntilIdle(1000), 0);
}

}  // namespace
