// While the dice roll (the roll's timer runs) nothing the player does may count a roll, give the
// roll button back, move a die or score the dice of the previous roll: not a release on the
// sheet, not a key, not a menu item, not a layout pass that changes the mouse pointer. Game > New
// and the rolls-per-turn menu end a roll under way before they start afresh.
#include <gtest/gtest.h>

#include <string>

#include "app/module1.h"
#include "runtime/app.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::GameFixture;

constexpr int kAmpulheta = 11;
constexpr int kEnter = 13;
constexpr int kTeclaP = 80, kTeclaZ = 90;

class RollUnderWay : public GameFixture {
  protected:
    // Clicks the visible roll button and leaves the dice rolling; the roll will draw `faces`.
    void comecaRolagem(const std::string& faces) {
        scriptFaces(faces);
        if (f().cmdPlay.visible())
            f().cmdPlay_Click();
        else
            f().cmdPlay2_Click();
        ASSERT_TRUE(f().Timer1.timerEnabled());
    }
    std::string faces() {
        std::string s;
        for (rt::Label* l : {&f().Label1, &f().Label2, &f().Label3, &f().Label4, &f().Label5})
            s += l->caption();
        return s;
    }
    std::string tops() {
        std::string s;
        for (rt::Image* d :
             {&f().imgSort1, &f().imgSort2, &f().imgSort3, &f().imgSort4, &f().imgSort5})
            s += d->top() == 890 ? "^" : "_";
        return s;
    }
};

TEST_F(RollUnderWay, LayoutPassesKeepTheHourglassUntilTheFacesAreDrawn) {
    load();
    comecaRolagem("12345");
    quopa::CentraForm(f());
    EXPECT_EQ(rt::screen().mousePointer(), kAmpulheta);
    f().Form_Resize();
    EXPECT_EQ(rt::screen().mousePointer(), kAmpulheta);
    f().mnuPlacar_Click();  // the records table is centred before it shows
    EXPECT_EQ(rt::screen().mousePointer(), kAmpulheta);
    finishRoll();
    EXPECT_EQ(rt::screen().mousePointer(), 0);
    // With no roll under way a layout pass ends with the default pointer, as always.
    rt::screen().setMousePointer(kAmpulheta);
    quopa::CentraForm(f());
    EXPECT_EQ(rt::screen().mousePointer(), 0);
}

// The pointer is no measure of a roll: whatever showed it meanwhile, the dice keep rolling.
TEST_F(RollUnderWay, NothingActsOnTheDiceWhateverThePointerShows) {
    load();
    roll("33335");  // four of a kind, not marked
    f().imgSort1_Click();
    comecaRolagem("12346");
    rt::screen().setMousePointer(0);

    f().imgSort2_Click();  // would lift a die that reads "0"
    f().imgSort1_Click();  // would put the held die down
    EXPECT_EQ(tops(), "^____");
    EXPECT_EQ(f().lblQuantos.caption(), "4");
    // The indicators still show the previous roll's four of a kind.
    mark(f().lblD, 10);
    mark(f().lblD, 14);
    EXPECT_EQ(f().lblD[10].caption(), "");
    EXPECT_EQ(f().lblD[14].caption(), "");
    int enter = kEnter;
    f().Form_KeyPress(enter);
    EXPECT_EQ(f().lblJogadas.caption(), "2") << "Enter started a second roll";

    finishRoll();
    EXPECT_EQ(faces(), "32346");
    EXPECT_EQ(f().lblJogadas.caption(), "2");
    EXPECT_EQ(f().Jogad1.caption(), "1");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  1");
}

TEST_F(RollUnderWay, ReleasesOnTheSheetGiveNoRollBack) {
    load();
    comecaRolagem("12345");
    mark(f().lblD, 3);
    mark(f().lblC, 16, 2);
    EXPECT_FALSE(f().cmdPlay.enabled());
    EXPECT_EQ(f().lblD[3].caption(), "");
    EXPECT_EQ(f().lblC[16].caption(), "");
    // A click that reaches the button all the same starts nothing.
    f().cmdPlay_Click();
    EXPECT_EQ(f().lblJogadas.caption(), "1");

    finishRoll();
    EXPECT_EQ(f().Jogad1.caption(), "2");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  2");
    EXPECT_TRUE(f().cmdPlay.enabled());
    roll("12345");
    roll("12345");
    EXPECT_EQ(f().lblJogadas.caption(), "3");
    EXPECT_EQ(f().cmdPlay.caption(), "Mark points");
}

TEST_F(RollUnderWay, MarkingKeysGiveNoRollBack) {
    services.settings.values["MainForm"]["Keyboard"] = "True";
    load();
    comecaRolagem("12345");
    ASSERT_TRUE(f().LTc1.visible());
    for (int tecla : {kTeclaP, kTeclaZ}) {
        f().Form_KeyDown(tecla, 0);
        EXPECT_FALSE(f().cmdPlay.enabled()) << tecla;
    }
    EXPECT_EQ(f().lblB[1].caption(), "");
    finishRoll();
    EXPECT_EQ(f().Jogad1.caption(), "2");
    EXPECT_TRUE(f().cmdPlay.enabled());
}

TEST_F(RollUnderWay, NewGameStopsTheRollBeforeItResets) {
    load();
    roll("12345");
    mark(f().lblD, 1);
    comecaRolagem("66666");

    services.dialogs.answers = {rt::kAnswerNo};
    f().mnuNovo_Click();
    EXPECT_TRUE(f().Timer1.timerEnabled()) << "No leaves the roll running";

    f().mnuNovo_Click();  // Yes
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(rt::screen().mousePointer(), 0);
    finishRoll();
    EXPECT_EQ(faces(), "00000") << "the roll landed in the new game";
    EXPECT_EQ(f().lblJogadas.caption(), "0");
    EXPECT_EQ(f().Jogad1.caption(), "3");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  3");
    EXPECT_TRUE(f().cmdPlay.enabled());
    mark(f().lblD, 16, 2);
    EXPECT_EQ(f().lblD[16].caption(), "") << "nobody marks before rolling";

    roll("12345");
    EXPECT_EQ(f().Jogad1.caption(), "2");
    EXPECT_EQ(f().lblJogadas.caption(), "1");
}

// The menu is closed during a game; its handler, reached all the same, must not let the roll
// land on the fresh counters.
TEST_F(RollUnderWay, RollsPerTurnSwitchStopsTheRoll) {
    load();
    comecaRolagem("66666");
    f().MnuJogadas_Click(1);
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(rt::screen().mousePointer(), 0);
    finishRoll();
    EXPECT_EQ(faces(), "00000");
    EXPECT_EQ(f().Jogad1.caption(), "5");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  5");
    EXPECT_EQ(f().lblJogadas.caption(), "0");
    mark(f().lblD, 16, 2);
    EXPECT_EQ(f().lblD[16].caption(), "") << "the dice that were rolling have no faces";
    roll("12345");
    EXPECT_EQ(f().Jogad1.caption(), "4");
}

}  // namespace
