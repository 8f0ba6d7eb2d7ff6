// The dice-picture dialog: what it shows when it opens, picking faces and stamps with the mouse,
// OK applying the choice to the dice on the table (also during a roll), Cancel discarding it.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/module1.h"
#include "game/window/dice.h"
#include "game/window/frm_choic.h"
#include "resources/resources.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmChoic;
using quopa::frmQUOPA;
using testing_support::GameFixture;
namespace res = quopa::resources;

class DiceDialog : public GameFixture {
  protected:
    void TearDown() override {
        rt::FormInstance<frmChoic>::discard();
        GameFixture::TearDown();
    }
    frmQUOPA& loadWith(const std::map<std::string, std::string>& values) {
        for (const auto& [key, text] : values) services.settings.values["MainForm"][key] = text;
        return load();
    }
    // The dialog as the menu item leaves it loaded (the modal step is the test's own).
    frmChoic& dialog() { return frmChoic::instance(); }

    // A click on a picture: press, then release (any button, anywhere).
    void pickFace(int index, int button = 1) {
        dialog().imgDado1_MouseDown(index, button, 0, 0, 0);
        dialog().imgDado1_MouseUp(index, button, 0, 0, 0);
    }
    void pickStamp(int index) {
        dialog().imgEst_MouseDown(index, 1, 0, 0, 0);
        dialog().imgEst_MouseUp(index, 1, 0, 0, 0);
    }

    std::vector<rt::Picture> dicePictures() {
        std::vector<rt::Picture> pictures;
        for (const quopa::Dado& d : quopa::DadosDe(f())) pictures.push_back(d.imagem.picture());
        return pictures;
    }
    std::vector<std::string> styleCaptions() {
        std::vector<std::string> captions;
        for (int k = 1; k <= 6; ++k) captions.push_back(f().lblDados[k].caption());
        for (rt::Label* l : {&f().lblTMP, &f().lblTipoAnimacao, &f().lblTemPo})
            captions.push_back(l->caption());
        return captions;
    }
};

TEST_F(DiceDialog, TheMenuItemOpensItCentredAndModalWithTheCurrentStyle) {
    loadWith({{"Dice2", "7"}, {"DiceTmp", "3"}, {"TypeAnimation", "1"}, {"TimerAnimation", "0"}});
    f().setBackColor(rt::palette::kDarkBlue);
    bool opened = false;
    services.display.modalScripts["frmChoic"] = [&](rt::Form& form) {
        auto& d = static_cast<frmChoic&>(form);
        opened = true;
        EXPECT_EQ(d.left(), (rt::screen().width() - d.width()) / 2);
        EXPECT_EQ(d.caption(), " Dice");
        EXPECT_EQ(d.lblDados[2].caption(), "7");
        EXPECT_EQ(d.lblDados[1].caption(), "13");
        EXPECT_EQ(d.imgEsco1[2].picture(), res::dicePicture(7));
        EXPECT_EQ(d.lblTMP.caption(), "3");
        EXPECT_EQ(d.imgTMP.picture(), res::icon(301));
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(d.imgEst[k].picture(), res::icon(k * 100 + 1));
        EXPECT_EQ(d.Combo1.listIndex(), 0);
        EXPECT_TRUE(d.Option2.value());
        EXPECT_TRUE(d.Option2.fontBold());
        EXPECT_FALSE(d.Option1.fontBold());
        for (rt::Line* l : {&d.Line1, &d.Line4, &d.Line5, &d.Line8}) EXPECT_FALSE(l->visible());
        for (rt::PictureBox* p : {&d.Picture1, &d.Picture2, &d.Picture3})
            EXPECT_EQ(p->backColor(), rt::palette::kDarkBlue);
        d.cmdCancel_Click();
    };
    f().mnuDados.onClick();
    EXPECT_TRUE(opened);
    EXPECT_EQ(services.display.shown.back(), "frmChoic (modal)");
    EXPECT_FALSE(rt::FormInstance<frmChoic>::isLoaded());
}

TEST_F(DiceDialog, TheLengthListShowsTheCurrentLengthInEitherLanguage) {
    struct Case {
        const char* stored;
        int item;
    };
    for (const char* idioma : {"0", "1"}) {
        for (const Case& c : std::vector<Case>{{"0", 0}, {"1", 1}, {"2", 2}}) {
            TearDown();
            SetUp();
            quopa::Idioma = idioma;
            loadWith({{"TimerAnimation", c.stored}});
            const std::vector<std::string> items =
                std::string(idioma) == "0" ? std::vector<std::string>{"curta", "média", "longa"}
                                           : std::vector<std::string>{"Short", "Medium", "Long"};
            EXPECT_EQ(dialog().Combo1.items(), items) << idioma;
            EXPECT_EQ(dialog().Combo1.listIndex(), c.item) << idioma << " " << c.stored;
        }
    }
}

TEST_F(DiceDialog, EachLanguageHasItsTexts) {
    quopa::Idioma = "0";
    load();
    frmChoic& d = dialog();
    EXPECT_EQ(d.caption(), " Dados");
    EXPECT_EQ(d.Frame3.caption(), "Animação:");
    EXPECT_EQ(d.Label1.caption(), "&tempo de animação:");
    EXPECT_EQ(d.cmdCancel.caption(), "&Cancelar");
    EXPECT_EQ(d.Option1.caption(), "animar &estampas");
    d.unload();

    quopa::Idioma = "1";
    frmChoic& e = dialog();
    EXPECT_EQ(e.caption(), " Dice");
    EXPECT_EQ(e.Frame1.caption(), "Click on images to the left to change dice");
    EXPECT_EQ(e.Frame2.caption(), "click on an image below for dice mask");
    EXPECT_EQ(e.Frame3.caption(), "Animation");
    EXPECT_EQ(e.Label1.caption(), "&Timer animation:");
    EXPECT_EQ(e.cmdHelp.caption(), "&Help");
    EXPECT_EQ(e.Option1.caption(), "mas&k animation");
    EXPECT_EQ(e.Option2.caption(), "&dice animation");
}

TEST_F(DiceDialog, PickingAPictureSetsTheFaceOfItsColumnOnly) {
    load();
    pickFace(20);
    frmChoic& d = dialog();
    EXPECT_EQ(d.imgEsco1[2].picture(), res::dicePicture(20));
    EXPECT_EQ(d.lblDados[2].caption(), "20");
    for (int k : {1, 3, 4, 5, 6}) {
        EXPECT_EQ(d.lblDados[k].caption(), std::to_string(12 + k));
        EXPECT_EQ(d.imgEsco1[k].picture(), res::dicePicture(12 + k));
    }
    pickFace(48, 2);  // any button picks
    EXPECT_EQ(d.lblDados[6].caption(), "48");
    pickStamp(5);
    EXPECT_EQ(d.lblTMP.caption(), "5");
    EXPECT_EQ(d.imgTMP.picture(), res::icon(501));
}

TEST_F(DiceDialog, APressedPictureMovesAndComesBackOnRelease) {
    load();
    frmChoic& d = dialog();
    rt::Image& pic = d.imgDado1[9];
    const int left = pic.left(), top = pic.top();
    d.imgDado1_MouseDown(9, 1, 0, 0, 0);
    EXPECT_EQ(pic.left(), left + 30);
    EXPECT_EQ(pic.top(), top + 30);
    EXPECT_EQ(pic.borderStyle(), rt::BorderStyle::FixedSingle);
    EXPECT_EQ(d.imgDado1[8].borderStyle(), rt::BorderStyle::None);
    // A second button pressed while the first is held neither moves it further nor forgets
    // where it was; the release is reported wherever the pointer is.
    d.imgDado1_MouseDown(9, 2, 0, 0, 0);
    EXPECT_EQ(pic.left(), left + 30);
    d.imgDado1_MouseUp(9, 1, 0, 9000, 9000);
    d.imgDado1_MouseUp(9, 2, 0, 9000, 9000);
    EXPECT_EQ(pic.left(), left);
    EXPECT_EQ(pic.top(), top);
    EXPECT_EQ(pic.borderStyle(), rt::BorderStyle::None);

    rt::Image& stamp = d.imgEst[4];
    const int stampLeft = stamp.left(), stampTop = stamp.top();
    d.imgEst_MouseDown(4, 1, 0, 0, 0);
    EXPECT_EQ(stamp.left(), stampLeft + 30);
    d.imgEst_MouseUp(4, 1, 0, 0, 0);
    EXPECT_EQ(stamp.left(), stampLeft);
    EXPECT_EQ(stamp.top(), stampTop);
}

TEST_F(DiceDialog, TheHoverFrameLiesSixtyTwipsOutsideThePictureAndFollowsItsShift) {
    load();
    frmChoic& d = dialog();
    const rt::Image& pic = d.imgDado1[9];  // design 2, face 3
    const auto expectFrame = [&](int l, int t) {
        const int r = l + 480 + 60, b = t + 480 + 60;
        EXPECT_EQ((std::vector<int>{d.Line1.x1(), d.Line1.y1(), d.Line1.x2(), d.Line1.y2()}),
                  (std::vector<int>{l - 60, t - 60, r, t - 60}));
        EXPECT_EQ((std::vector<int>{d.Line2.x1(), d.Line2.y1(), d.Line2.x2(), d.Line2.y2()}),
                  (std::vector<int>{l - 60, b, r, b}));
        EXPECT_EQ((std::vector<int>{d.Line3.x1(), d.Line3.y1(), d.Line3.x2(), d.Line3.y2()}),
                  (std::vector<int>{l - 60, t - 60, l - 60, b}));
        EXPECT_EQ((std::vector<int>{d.Line4.x1(), d.Line4.y1(), d.Line4.x2(), d.Line4.y2()}),
                  (std::vector<int>{r, t - 60, r, b}));
    };
    d.imgDado1_MouseMove(9, 0, 0, 0, 0);
    for (rt::Line* l : {&d.Line1, &d.Line2, &d.Line3, &d.Line4}) EXPECT_TRUE(l->visible());
    EXPECT_FALSE(d.Line5.visible());
    expectFrame(1365, 780);
    EXPECT_EQ(pic.left(), 1365);

    d.imgDado1_MouseDown(9, 1, 0, 0, 0);
    EXPECT_FALSE(d.Line1.visible());
    d.imgDado1_MouseMove(9, 1, 0, 0, 0);
    expectFrame(1395, 810);
    d.imgDado1_MouseUp(9, 1, 0, 0, 0);

    // Away from the pictures the frames vanish.
    d.imgEst_MouseMove(2, 0, 0, 0, 0);
    EXPECT_TRUE(d.Line5.visible());
    EXPECT_EQ(d.Line7.x1(), 900 - 60);
    d.Picture3.onMouseMove(0, 0, 0, 0);
    for (rt::Line* l : {&d.Line1, &d.Line4, &d.Line5, &d.Line8}) EXPECT_FALSE(l->visible());
}

TEST_F(DiceDialog, OnlyTheSelectedAnimationKindIsBold) {
    load();
    frmChoic& d = dialog();
    ASSERT_TRUE(d.Option1.value());
    d.Option2.setValue(true);
    EXPECT_TRUE(d.Option2.fontBold());
    EXPECT_FALSE(d.Option1.fontBold());
    d.Option1.setValue(true);
    EXPECT_TRUE(d.Option1.fontBold());
    EXPECT_FALSE(d.Option2.fontBold());
}

TEST_F(DiceDialog, OkAppliesTheStyleAndRepaintsTheDiceOnTheTable) {
    load();
    // Before the first roll every die waits for the roll: all take the new stamp.
    pickStamp(2);
    dialog().cmdSalvar_Click();
    EXPECT_FALSE(rt::FormInstance<frmChoic>::isLoaded());
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(f().imgTMPx[j].picture(), res::icon(200 + j));
    EXPECT_EQ(dicePictures(), std::vector<rt::Picture>(5, res::icon(201)));

    roll("12345");
    f().imgSort2_Click();  // die 2 (face 2) held
    const int heldTop = f().imgSort2.top();
    ASSERT_EQ(heldTop, quopa::kTopoSelecionado);
    pickFace(20);
    pickStamp(6);
    dialog().Option2.setValue(true);
    dialog().Combo1.setListIndex(0);
    dialog().cmdSalvar_Click();

    EXPECT_EQ(styleCaptions(),
              (std::vector<std::string>{"13", "20", "15", "16", "17", "18", "6", "1", "10"}));
    EXPECT_EQ(f().imgDado1[2].picture(), res::dicePicture(20));
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(f().imgTMPx[j].picture(), res::icon(600 + j));
    EXPECT_EQ(dicePictures(), (std::vector<rt::Picture>{res::dicePicture(13), res::dicePicture(20),
                                                        res::dicePicture(15), res::dicePicture(16),
                                                        res::dicePicture(17)}));
    EXPECT_EQ(f().imgSort2.top(), heldTop);
    // The new style is what the next roll uses.
    roll("22222");
    EXPECT_EQ(f().imgSort1.picture(), res::dicePicture(20));
}

TEST_F(DiceDialog, CancelAfterSeveralPicksChangesNothing) {
    load();
    roll("66154");
    const auto captions = styleCaptions();
    const auto pictures = dicePictures();
    pickFace(20);
    pickFace(1);
    pickStamp(4);
    dialog().Option2.setValue(true);
    dialog().Combo1.setListIndex(0);
    dialog().cmdCancel_Click();
    EXPECT_FALSE(rt::FormInstance<frmChoic>::isLoaded());
    EXPECT_EQ(styleCaptions(), captions);
    EXPECT_EQ(dicePictures(), pictures);
    EXPECT_EQ(f().imgDado1[2].picture(), res::dicePicture(14));
    EXPECT_EQ(f().imgTMPx[1].picture(), res::icon(101));
}

TEST_F(DiceDialog, ThePickedStyleIsStoredAtExitAndShownAtTheNextStart) {
    load();
    pickFace(20);
    pickStamp(3);
    dialog().cmdSalvar_Click();
    EXPECT_TRUE(services.settings.saveLog.empty());  // the dialog itself stores nothing
    f().unload();
    EXPECT_EQ(services.settings.values["MainForm"]["Dice2"], "20");
    EXPECT_EQ(services.settings.values["MainForm"]["DiceTmp"], "3");

    TearDown();
    SetUp();
    load();
    EXPECT_EQ(f().imgDado1[2].picture(), res::dicePicture(20));
    EXPECT_EQ(f().imgSort1.picture(), res::icon(301));
    EXPECT_EQ(dialog().lblDados[2].caption(), "20");
}

TEST_F(DiceDialog, OpenedDuringARollTheRollCompletesWithTheNewPictures) {
    load();
    scriptFaces("25252");
    f().cmdPlay_Click();
    ASSERT_TRUE(f().Timer1.timerEnabled());
    services.display.modalScripts["frmChoic"] = [&](rt::Form& form) {
        // The roll goes on while the dialog is open.
        services.timers.runUntilIdle(10000);
        pickFace(26);  // face 2 of design 5
        static_cast<frmChoic&>(form).cmdSalvar_Click();
    };
    f().mnuDados_Click();
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(f().lblResultado.caption(), "25252");
    EXPECT_EQ(f().imgSort1.picture(), res::dicePicture(26));
    EXPECT_EQ(f().imgSort2.picture(), res::dicePicture(17));
}

TEST_F(DiceDialog, OkInTheMiddleOfARollWithAnotherAnimationKindLetsTheRollEnd) {
    loadWith({{"TypeAnimation", "1"}});
    scriptFaces("33333");
    f().cmdPlay_Click();
    // Three frames of the dice pictures have been shown: the next frame number is past the
    // stamp's frames.
    services.timers.advance(30);
    ASSERT_TRUE(f().Timer1.timerEnabled());
    ASSERT_GE(f().QuadroAnimacao, 3);
    pickStamp(4);
    dialog().Option1.setValue(true);
    dialog().cmdSalvar_Click();
    // The dice still rolling show the new stamp until their faces are drawn.
    EXPECT_EQ(f().imgSort1.picture(), res::icon(401));
    services.timers.advance(10);
    EXPECT_TRUE(f().imgSort1.picture() == res::icon(401) ||
                f().imgSort1.picture() == res::icon(402));
    finishRoll();
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(f().lblResultado.caption(), "33333");
    EXPECT_EQ(dicePictures(), std::vector<rt::Picture>(5, res::dicePicture(15)));
}

TEST_F(DiceDialog, HelpOpensTheDiceTopic) {
    load();
    dialog().cmdHelp_Click();
    ASSERT_FALSE(services.help.opened.empty());
    EXPECT_EQ(services.help.opened.back().second, 400);
    EXPECT_EQ(services.help.opened.back().first, rt::app().helpFile());
}

}  // namespace
