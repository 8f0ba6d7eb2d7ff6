// Holding dice between rolls: lifting and putting down, the sum of the held dice, the refusals,
// and the pointer and key hint over a die.
#include <gtest/gtest.h>

#include <string>

#include "runtime/app.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::GameFixture;

constexpr int kEmBaixo = 1380;
constexpr int kSelecionado = 890;

rt::Image& dado(quopa::frmQUOPA& f, int n) {
    rt::Image* dados[] = {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5};
    return *dados[n - 1];
}

class HoldingDice : public GameFixture {
  protected:
    void clica(int n) { dado(f(), n).onClick(); }
    void move(int n) { dado(f(), n).onMouseMove(0, 0, 0, 0); }
    std::string tops() {
        std::string s;
        for (int n = 1; n <= 5; ++n) s += dado(f(), n).top() == kSelecionado ? "^" : "_";
        return s;
    }
};

TEST_F(HoldingDice, SumOfTheHeldDiceFollowsEveryClick) {
    load();
    roll("25531");
    clica(1);
    clica(2);
    clica(3);
    EXPECT_EQ(tops(), "^^^__");
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "12");
    EXPECT_EQ(f().lblQuantos.caption(), "2");
    clica(1);  // put the 2 down
    EXPECT_EQ(f().imgSort1.top(), kEmBaixo);
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "10");
    EXPECT_EQ(f().lblQuantos.caption(), "3");
    clica(2);
    clica(3);
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "0");
    EXPECT_EQ(f().lblQuantos.caption(), "5");
    // The faces stay what the roll drew.
    EXPECT_EQ(f().Label1.caption() + f().Label2.caption() + f().Label3.caption(), "255");
}

TEST_F(HoldingDice, RefusedBeforeTheFirstRoll) {
    load();
    int top = f().imgSort1.top();
    clica(1);
    EXPECT_EQ(f().imgSort1.top(), top);
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "");
}

TEST_F(HoldingDice, RefusedAfterTheLastRollOfTheTurn) {
    load();
    roll("11111");
    roll("22222");
    roll("33333");
    clica(1);
    EXPECT_EQ(tops(), "_____");
    EXPECT_EQ(f().lblQuantos.caption(), "5");
}

// The game's last marking leaves the rolls of the turn counted and takes the roll button away, so
// after a last roll only that count still refuses a hold, by click or by key.
TEST_F(HoldingDice, RefusedAfterTheGameEndsOnTheLastRollOfATurn) {
    load();
    f().lblTotJogador1.setCaption("51");  // one box left to fill
    roll("12345");
    roll("12345");
    roll("12345");
    mark(f().lblD, 12, 2);
    ASSERT_EQ(f().lblTotJogador1.caption(), "52");
    ASSERT_FALSE(f().cmdPlay.visible());
    clica(1);
    int tecla = '2';
    f().Form_KeyPress(tecla);
    EXPECT_EQ(tops(), "_____");
    EXPECT_EQ(f().lblQuantos.caption(), "5");
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "");
}

TEST_F(HoldingDice, RefusedWhenTheVisibleButtonAsksForAMarking) {
    load();
    roll("12345");
    f().cmdPlay.setCaption("Mark points");
    clica(1);
    EXPECT_EQ(tops(), "_____");
}

TEST_F(HoldingDice, RefusedWhileTheDiceRoll) {
    load();
    roll("12345");
    clica(1);
    scriptFaces("66666");
    f().cmdPlay_Click();
    ASSERT_EQ(rt::screen().mousePointer(), 11);
    clica(1);  // would put it down
    clica(2);  // would lift it
    EXPECT_EQ(tops(), "^____");
    EXPECT_EQ(f().lblQuantos.caption(), "4");
    finishRoll();
    EXPECT_EQ(f().Label1.caption(), "1");
}

TEST_F(HoldingDice, PuttingOneDieDownAfterTheAllHeldRefusalEnablesTheRoll) {
    load();
    roll("12345");
    for (int n = 1; n <= 5; ++n) clica(n);
    f().cmdPlay_Click();
    ASSERT_FALSE(f().cmdPlay.enabled());
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    clica(5);
    EXPECT_TRUE(f().cmdPlay.enabled());
    EXPECT_EQ(f().lblQuantos.caption(), "1");
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "10");
}

TEST_F(HoldingDice, PlayerTwosRollComesBackWhenADieIsPutDown) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("12345");
    mark(f().lblD, 1);
    roll("12345");
    ASSERT_EQ(f().lblQuemJoga.caption(), "2");
    for (int n = 1; n <= 5; ++n) clica(n);
    f().cmdPlay2_Click();
    ASSERT_FALSE(f().cmdPlay2.enabled());
    ASSERT_EQ(services.dialogs.messages.size(), 1u);
    clica(2);
    EXPECT_TRUE(f().cmdPlay2.enabled());
    roll("66666");
    EXPECT_EQ(f().Label2.caption(), "6");
    EXPECT_EQ(f().Jogad2.caption(), "1");
}

// A lifted die's face is read back from the picture it shows.
TEST_F(HoldingDice, LiftedDieTakesTheFaceOfItsPicture) {
    load();
    roll("12345");
    f().Label3.setCaption("5");  // out of step with the picture of a 3
    clica(3);
    EXPECT_EQ(f().Label3.caption(), "3");
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "3");
}

// A stored dice style may give two faces the same picture; the held face must not change.
TEST_F(HoldingDice, SharedFacePicturesDoNotChangeAHeldFace) {
    load();
    f().imgDado1[2].setPicture(f().imgDado1[1].picture());
    roll("11111");
    clica(1);
    EXPECT_EQ(f().Label1.caption(), "1");
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "1");
}

// ---------------------------------------------------------------------------------------------
// The pointer and key hints over a die.

TEST_F(HoldingDice, PointerShowsWhatAClickWouldDo) {
    load();
    move(1);
    EXPECT_EQ(f().imgSort1.mousePointer(), 0) << "before the first roll";

    roll("12345");
    clica(2);
    move(1);
    move(2);
    EXPECT_EQ(f().imgSort1.mousePointer(), 99);
    EXPECT_EQ(f().imgSort1.mouseIcon(), f().imgSobe.picture());
    EXPECT_EQ(f().imgSort2.mousePointer(), 99);
    EXPECT_EQ(f().imgSort2.mouseIcon(), f().imgDesce.picture());
    EXPECT_NE(f().imgSobe.picture(), f().imgDesce.picture());

    f().imgSort2.onMouseDown(1, 0, 0, 0);
    EXPECT_EQ(f().imgSort2.mousePointer(), 0) << "a press gives the default pointer";

    roll("12345");
    roll("12345");
    move(1);
    EXPECT_EQ(f().imgSort1.mousePointer(), 0) << "after the last roll";
}

TEST_F(HoldingDice, KeyHintsOnlyWithTheShortcutKeysOption) {
    load();
    roll("12345");
    f().MostC.setChecked(false);
    f().imgSort3.setToolTipText("stale");
    move(3);
    EXPECT_EQ(f().imgSort3.toolTipText(), "");

    f().MostC.setChecked(true);
    move(3);
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(dado(f(), n).toolTipText(), " " + std::to_string(n) + " ");

    roll("12345");
    roll("12345");
    move(3);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(dado(f(), n).toolTipText(), "") << "no hold left";
}

}  // namespace
