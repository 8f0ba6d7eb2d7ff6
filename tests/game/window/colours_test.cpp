// The colour scheme: reading it from the store, spreading it over the window, saving it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/sheet/sheet_model.h"
#include "tests/support/game_fixture.h"

namespace {

using quopa::frmQUOPA;
using testing_support::GameFixture;
namespace pal = rt::palette;

// Where each stored key ends up, read back from the window.
struct Carrier {
    const char* key;
    std::function<rt::Color(frmQUOPA&)> read;
    rt::Color fallback;
};

const std::vector<Carrier>& carriers() {
    static const std::vector<Carrier> all = {
        {"MainBack", [](frmQUOPA& f) { return f.backColor(); }, pal::kDarkGreen},
        {"PicUser", [](frmQUOPA& f) { return f.PicUser.backColor(); }, pal::kLightGrey},
        {"Picture1", [](frmQUOPA& f) { return f.Picture1.backColor(); }, pal::kGrey},
        {"lblVolta", [](frmQUOPA& f) { return f.lblVolta.foreColor(); }, pal::kDarkBlue},
        {"lblQuemJoga", [](frmQUOPA& f) { return f.lblQuemJoga.foreColor(); }, pal::kGrey},
        {"lblVolta11F", [](frmQUOPA& f) { return f.lblVolte11.foreColor(); }, pal::kBlack},
        {"lblVolta11B", [](frmQUOPA& f) { return f.lblVolte11.backColor(); }, pal::kWhite},
        {"lblVolte12F", [](frmQUOPA& f) { return f.lblVolte12.foreColor(); }, pal::kDarkBlue},
        {"lblVolte12B", [](frmQUOPA& f) { return f.lblVolte12.backColor(); }, pal::kLightGrey},
        {"lblJogad1", [](frmQUOPA& f) { return f.Jogad1.backColor(); }, pal::kCyan},
        {"lblJogad2", [](frmQUOPA& f) { return f.Jogad2.backColor(); }, pal::kLightGrey},
        {"lblPlayer1", [](frmQUOPA& f) { return f.lblPlayer1.foreColor(); }, pal::kWhite},
        {"lblPlayer2", [](frmQUOPA& f) { return f.lblPlayer2.foreColor(); }, pal::kWhite},
        {"lblSeleTotal", [](frmQUOPA& f) { return f.lblSomaSelecionados.foreColor(); },
         pal::kGreen},
        {"lblPontos", [](frmQUOPA& f) { return f.lblPontos.foreColor(); }, pal::kGreen},
        {"KeybFore", [](frmQUOPA& f) { return f.LTc1.foreColor(); }, pal::kYellow},
        {"KeybBack", [](frmQUOPA& f) { return f.LTc1.backColor(); }, pal::kRed},
        {"ZeroPoints", [](frmQUOPA& f) { return f.lblTermOquePor.backColor(); }, pal::kDarkRed},
    };
    return all;
}

class ColourScheme : public GameFixture {
  protected:
    std::map<std::string, std::string>& stored() { return services.settings.values["Colors"]; }
    std::vector<std::string> colourWrites() {
        std::vector<std::string> writes;
        for (const std::string& entry : services.settings.saveLog)
            if (entry.rfind("Colors/", 0) == 0) writes.push_back(entry.substr(7));
        return writes;
    }
};

TEST_F(ColourScheme, EmptyStoreGivesTheDefaultsAndWritesNothing) {
    auto& f = load();
    for (const Carrier& c : carriers()) EXPECT_EQ(c.read(f), c.fallback) << c.key;
    EXPECT_EQ(f.PicGame.backColor(), pal::kDarkGreen);
    EXPECT_EQ(f.PicUserB.backColor(), pal::kLightGrey);
    EXPECT_EQ(f.Picture1B.backColor(), pal::kGrey);
    EXPECT_EQ(f.lblSB[5].backColor(), pal::kWhite);
    EXPECT_EQ(f.lblSB[5].foreColor(), pal::kBlack);
    EXPECT_EQ(f.lblCB[18].backColor(), pal::kLightGrey);
    EXPECT_EQ(f.lblCB[18].foreColor(), pal::kDarkBlue);
    EXPECT_EQ(f.lblLegenB[12].foreColor(), pal::kDarkBlue);
    EXPECT_EQ(f.lblLegenB[8].foreColor(), pal::kGrey);
    EXPECT_TRUE(colourWrites().empty());
}

TEST_F(ColourScheme, EveryColourSurvivesSavingAndLoading) {
    // Distinct colours for every key; key 6 is black, which must be stored as "0".
    for (std::size_t i = 0; i < carriers().size(); ++i)
        stored()[carriers()[i].key] = std::to_string(i == 5 ? 0 : 0x010203 * (i + 1));
    const auto before = stored();
    auto& f = load();
    for (std::size_t i = 0; i < carriers().size(); ++i)
        EXPECT_EQ(std::to_string(carriers()[i].read(f)), before.at(carriers()[i].key))
            << carriers()[i].key;
    stored().clear();
    f.SalvaCoresFquopa();
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(stored()["lblVolta11F"], "0");
}

TEST_F(ColourScheme, KeyboardBackIsWrittenBeforeKeyboardFore) {
    auto& f = load();
    f.SalvaCoresFquopa();
    std::vector<std::string> keys;
    for (const std::string& w : colourWrites()) keys.push_back(w.substr(0, w.find('=')));
    std::vector<std::string> expected;
    for (const Carrier& c : carriers()) expected.push_back(c.key);
    std::swap(expected[15], expected[16]);
    EXPECT_EQ(keys, expected);
}

TEST_F(ColourScheme, PlayerTwosCursorAlwaysTakesPlayerOnesColours) {
    stored()["KeybFore"] = "255";
    stored()["KeybBack"] = "65280";
    auto& f = load();
    EXPECT_EQ(f.LTc2.foreColor(), 255);
    EXPECT_EQ(f.LTc2.backColor(), 65280);
    f.LTc2.setForeColor(pal::kBlue);
    f.SalvaCoresFquopa();
    EXPECT_EQ(stored()["KeybFore"], "255");
}

TEST_F(ColourScheme, ABadStoredColourFallsBackToItsOwnDefault) {
    const std::vector<std::string> bad = {"abc",  "-1",     "16777216", "12.5",       "",
                                          "255x", "0x00FF", "&HFF",     "99999999999"};
    for (const std::string& text : bad) {
        TearDown();
        services.settings.values.clear();
        SetUp();
        stored()["PicUser"] = text;
        stored()["ZeroPoints"] = text;
        stored()["Picture1"] = "16777215";  // the largest colour is still good
        stored()["lblVolta"] = " 255 ";
        auto& f = load();
        EXPECT_EQ(f.PicUser.backColor(), pal::kLightGrey) << '"' << text << '"';
        EXPECT_EQ(f.lblTermOquePor.backColor(), pal::kDarkRed) << '"' << text << '"';
        EXPECT_EQ(f.Picture1.backColor(), 0xFFFFFF) << '"' << text << '"';
        EXPECT_EQ(f.lblVolta.foreColor(), 255) << '"' << text << '"';
    }
}

class ColourSpreading : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        load();
        f().lblVolte11.setBackColor(0x111111);
        f().lblVolte11.setForeColor(0x222222);
        f().lblVolte12.setBackColor(0x333333);
        f().lblVolte12.setForeColor(0x444444);
        f().lblVolta.setForeColor(0x555555);
        f().lblQuemJoga.setForeColor(0x666666);
    }
};

TEST_F(ColourSpreading, ScoringAndComputedRowsTakeTheirOwnCarriersInBothSheets) {
    f().PoeCores();
    const quopa::Colunas colunas = quopa::ColunasDe(f());
    for (int row = 1; row <= 18; ++row) {
        const bool scoring = quopa::LinhaDePontos(row);
        for (const quopa::ColunaDaFolha& c : colunas.all) {
            EXPECT_EQ((*c.cells)[row].backColor(), scoring ? 0x111111 : 0x333333) << c.tag << row;
            EXPECT_EQ((*c.cells)[row].foreColor(), scoring ? 0x222222 : 0x444444) << c.tag << row;
        }
        for (quopa::LabelArray* legend : {&f().lblLegen, &f().lblLegenB})
            EXPECT_EQ((*legend)[row].foreColor(), scoring ? 0x555555 : 0x666666) << row;
    }
    EXPECT_EQ(f().lblLegen2.foreColor(), 0x555555);
    EXPECT_EQ(f().lblLegen2B.foreColor(), 0x555555);
}

TEST_F(ColourSpreading, PanelsFollowTheirCarriers) {
    f().setBackColor(0x010101);
    f().PicUser.setBackColor(0x020202);
    f().Picture1.setBackColor(0x030303);
    f().PoeCores();
    EXPECT_EQ(f().PicGame.backColor(), 0x010101);
    EXPECT_EQ(f().PicUserB.backColor(), 0x020202);
    EXPECT_EQ(f().Picture1B.backColor(), 0x030303);
}

TEST_F(ColourSpreading, AMarkedBoxTakesThePlainColourButKeepsItsMark) {
    f().lblC[4].setMousePointer(rt::kPointerUpArrow);
    f().lblC[4].setBackColor(f().Jogad1.backColor());
    f().lblDB[11].setMousePointer(rt::kPointerNoDrop);
    f().PoeCores();
    EXPECT_EQ(f().lblC[4].backColor(), 0x111111);
    EXPECT_EQ(f().lblC[4].mousePointer(), rt::kPointerUpArrow);
    EXPECT_EQ(f().lblDB[11].mousePointer(), rt::kPointerNoDrop);
}

TEST_F(ColourSpreading, TheOwnColoursOfTheOtherCarriersAreLeftAlone) {
    const rt::Color jogad1 = f().Jogad1.backColor();
    const rt::Color cursor = f().LTc2.backColor();
    const rt::Color name = f().lblPlayer1.foreColor();
    f().PoeCores();
    EXPECT_EQ(f().Jogad1.backColor(), jogad1);
    EXPECT_EQ(f().LTc2.backColor(), cursor);
    EXPECT_EQ(f().lblPlayer1.foreColor(), name);
}

}  // namespace
