// The dice style: reading it (with its fallback), the pictures it builds, saving it; and the
// picture library the dialog holds.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/module1.h"
#include "game/window/frm_choic.h"
#include "resources/resources.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmQUOPA;
using testing_support::GameFixture;
namespace res = quopa::resources;

class DiceStyle : public GameFixture {
  protected:
    std::map<std::string, std::string>& stored() { return services.settings.values["MainForm"]; }

    quopa::frmQUOPA& loadWith(const std::map<std::string, std::string>& values) {
        TearDown();
        services.settings.values.clear();
        services.settings.saveLog.clear();
        SetUp();
        for (const auto& [key, text] : values) stored()[key] = text;
        return load();
    }

    // The style of design 3, stamp 1 and stamp frames, with the given animation length.
    void expectDesignThreeStampOne(const std::string& ticks, const std::string& why) {
        frmQUOPA& w = f();
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(w.lblDados[k].caption(), std::to_string(12 + k)) << why;
            EXPECT_EQ(w.imgDado1[k].picture(), res::dicePicture(12 + k)) << why << " face " << k;
        }
        EXPECT_EQ(w.lblTMP.caption(), "1") << why;
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(w.imgTMPx[j].picture(), res::icon(100 + j)) << why;
        for (rt::Image* die : {&w.imgSort1, &w.imgSort2, &w.imgSort3, &w.imgSort4, &w.imgSort5})
            EXPECT_EQ(die->picture(), res::icon(101)) << why;
        EXPECT_EQ(w.lblTipoAnimacao.caption(), "0") << why;
        EXPECT_EQ(w.lblTemPo.caption(), ticks) << why;
        EXPECT_FALSE(rt::FormInstance<quopa::frmChoic>::isLoaded()) << why;
    }
};

TEST_F(DiceStyle, EmptyStoreGivesDesignThreeStampOneAndTheLongAnimation) {
    load();
    expectDesignThreeStampOne("30", "empty store");
}

TEST_F(DiceStyle, OnlyTheFirstCharacterOfTheLengthCounts) {
    struct Case {
        const char* text;
        const char* ticks;
    };
    for (const Case& c : std::vector<Case>{{"0", "10"},
                                           {"1", "20"},
                                           {"2", "30"},
                                           {"25", "30"},
                                           {"x", "20"},
                                           {"", "20"},
                                           {"7", "20"},
                                           {" 2", "20"}})
        EXPECT_EQ(loadWith({{"TimerAnimation", c.text}}).lblTemPo.caption(), c.ticks)
            << '"' << c.text << '"';
}

TEST_F(DiceStyle, AStoredStyleBuildsItsPictures) {
    auto& w = loadWith({{"Dice1", "6"},
                        {"Dice2", "44"},
                        {"Dice6", "48"},
                        {"DiceTmp", "6"},
                        {"TypeAnimation", "1"},
                        {"TimerAnimation", "0"}});
    // A stored index need not match its face.
    EXPECT_EQ(w.imgDado1[1].picture(), res::dicePicture(6));
    EXPECT_EQ(w.imgDado1[2].picture(), res::dicePicture(44));
    EXPECT_EQ(w.imgDado1[3].picture(), res::dicePicture(15));
    EXPECT_EQ(w.imgDado1[6].picture(), res::dicePicture(48));
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(w.imgTMPx[j].picture(), res::icon(600 + j));
    EXPECT_EQ(w.imgSort3.picture(), res::icon(601));
    EXPECT_EQ(w.lblTipoAnimacao.caption(), "1");
    EXPECT_EQ(w.lblTemPo.caption(), "10");
    EXPECT_FALSE(rt::FormInstance<quopa::frmChoic>::isLoaded());
}

TEST_F(DiceStyle, AFractionalIndexRoundsHalfToEven) {
    auto& w =
        loadWith({{"Dice1", "12.5"}, {"Dice2", "13.5"}, {"Dice3", " 20.51"}, {"Dice4", "7x"}});
    EXPECT_EQ(w.imgDado1[1].picture(), res::dicePicture(12));
    EXPECT_EQ(w.imgDado1[2].picture(), res::dicePicture(14));
    EXPECT_EQ(w.imgDado1[3].picture(), res::dicePicture(21));
    EXPECT_EQ(w.imgDado1[4].picture(), res::dicePicture(7));
    EXPECT_EQ(w.lblDados[1].caption(), "12.5");  // the caption keeps the stored text
}

TEST_F(DiceStyle, AnyFaultInTheStoredStyleMakesTheWholeStyleFallBack) {
    struct Case {
        const char* key;
        const char* text;
    };
    const std::vector<Case> faults = {
        {"Dice3", "49"},
        {"Dice3", "0"},
        {"Dice3", "abc"},
        {"Dice1", "-1"},
        {"Dice6", "0.4"},
        {"Dice2", "-0.6"},
        {"Dice5", "99999999999999999999"},
        {"DiceTmp", "7"},
        {"DiceTmp", "0"},
        {"DiceTmp", "x"},
        {"DiceTmp", ""},
    };
    for (const Case& c : faults) {
        // Everything else is a good style that differs from the fallback.
        std::map<std::string, std::string> values = {{"Dice1", "1"},
                                                     {"Dice2", "2"},
                                                     {"DiceTmp", "2"},
                                                     {"TypeAnimation", "1"},
                                                     {"TimerAnimation", "0"}};
        values[c.key] = c.text;
        loadWith(values);
        expectDesignThreeStampOne("20", std::string(c.key) + "=\"" + c.text + "\"");
    }
}

TEST_F(DiceStyle, TheFallbackValuesAreSavedOverTheFaultyOnes) {
    auto& w = loadWith({{"Dice3", "49"}, {"TimerAnimation", "2"}});
    w.SalvaDados();
    EXPECT_EQ(stored()["Dice3"], "15");
    EXPECT_EQ(stored()["DiceTmp"], "1");
    EXPECT_EQ(stored()["TimerAnimation"], "1");
}

TEST_F(DiceStyle, SavingWritesEveryKeyWithTheLengthLast) {
    auto& w = load();
    services.settings.saveLog.clear();
    w.SalvaDados();
    EXPECT_EQ(services.settings.saveLog,
              (std::vector<std::string>{
                  "MainForm/Dice1=13", "MainForm/Dice2=14", "MainForm/Dice3=15",
                  "MainForm/Dice4=16", "MainForm/Dice5=17", "MainForm/Dice6=18",
                  "MainForm/DiceTmp=1", "MainForm/TypeAnimation=0", "MainForm/TimerAnimation=2"}));
}

TEST_F(DiceStyle, TheLengthIsStoredByItsNumberOnlyWhenItIsOneOfTheThree) {
    struct Case {
        const char* ticks;
        const char* stored;  // nullptr: not written, the old value stays
    };
    auto& w = load();
    for (const Case& c :
         std::vector<Case>{{"10", "0"}, {"20", "1"}, {"30", "2"}, {"15", nullptr}, {"", nullptr}}) {
        stored()["TimerAnimation"] = "old";
        services.settings.saveLog.clear();
        w.lblTemPo.setCaption(c.ticks);
        w.SalvaDados();
        EXPECT_EQ(stored()["TimerAnimation"], c.stored ? c.stored : "old") << c.ticks;
        // The other keys are written whatever the length.
        EXPECT_EQ(services.settings.saveLog.size(), c.stored ? 9u : 8u) << c.ticks;
    }
}

TEST_F(DiceStyle, AStyleSurvivesSavingAndLoading) {
    const std::map<std::string, std::string> style = {
        {"Dice1", "31"},  {"Dice2", "2"},         {"Dice3", "45"},
        {"Dice4", "10"},  {"Dice5", "5"},         {"Dice6", "36"},
        {"DiceTmp", "4"}, {"TypeAnimation", "1"}, {"TimerAnimation", "0"}};
    auto& w = loadWith(style);
    stored().clear();
    w.SalvaDados();
    EXPECT_EQ(stored(), style);
}

using PictureLibrary = GameFixture;

TEST_F(PictureLibrary, HoldsTheFortyEightPicturesInRowsOfDesigns) {
    load();
    auto& library = quopa::frmChoic::instance();
    const int lefts[] = {135, 750, 1365, 1980, 2595, 3210};
    const int tops[] = {150, 780, 1410, 2025, 2640, 3270, 3900, 4530};
    EXPECT_EQ(library.imgDado1.count(), 48);
    for (int design = 1; design <= 8; ++design)
        for (int face = 1; face <= 6; ++face) {
            const int i = (design - 1) * 6 + face;
            const rt::Image& p = library.imgDado1[i];
            EXPECT_EQ(p.picture(), res::dicePicture(i)) << i;
            EXPECT_EQ(p.left(), lefts[face - 1]) << i;
            EXPECT_EQ(p.top(), tops[design - 1]) << i;
            EXPECT_EQ(p.width(), 480);
            EXPECT_EQ(p.height(), 480);
        }
    EXPECT_EQ(library.scaleWidth(), 8280);
    EXPECT_EQ(library.scaleHeight(), 5445);
    EXPECT_EQ(library.helpContextID(), 400);
    EXPECT_EQ(library.borderStyle(), rt::FormBorder::FixedDialog);
    EXPECT_FALSE(library.visible());
    library.unload();
}

TEST_F(PictureLibrary, LoadingPaintsThePanelsInTheMainWindowsBackground) {
    load().setBackColor(0x123456);
    auto& library = quopa::frmChoic::instance();
    for (rt::PictureBox* panel : {&library.Picture1, &library.Picture2, &library.Picture3})
        EXPECT_EQ(panel->backColor(), 0x123456) << panel->name();
    library.unload();
}

TEST_F(PictureLibrary, LoadingSetsTheCaptionsOfTheLanguage) {
    load();
    struct Case {
        const char* idioma;
        const char* caption;
        const char* frame1;
    };
    for (const Case& c : {Case{"0", " Dados", "Clique as figuras à esquerda para alterar os dados"},
                          Case{"1", " Dice", "Click on images to the left to change dice"}}) {
        quopa::Idioma = c.idioma;
        auto& library = quopa::frmChoic::instance();
        EXPECT_EQ(library.caption(), c.caption);
        EXPECT_EQ(library.Frame1.caption(), c.frame1);
        library.unload();
    }
}

}  // namespace
