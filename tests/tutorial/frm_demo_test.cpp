// The tutorial window: how the main window opens it, its 22 steps in both languages, and its
// demonstrations, which play on the tutorial's own copy of the sheet and the dice only.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/module1.h"
#include "game/sheet/sheet_model.h"
#include "tests/game/sheet/sheet_play.h"
#include "tests/support/game_fixture.h"
#include "tutorial/frm_demo.h"

namespace {

using quopa::frmDemo;
using quopa::frmQUOPA;

// Logs the picture and icon writes of several controls and a form in one list, in order.
class LogPeer : public rt::Peer {
  public:
    LogPeer(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    void changed(rt::Property p) override {
        if (p == rt::Property::Picture || p == rt::Property::Icon) log_.push_back(name_);
    }

  private:
    std::string name_;
    std::vector<std::string>& log_;
};

class Tutorial : public testing_support::GameFixture {
  protected:
    void TearDown() override {
        rt::FormInstance<frmDemo>::discard();
        GameFixture::TearDown();
    }

    // Opens the tutorial from the Information menu; `script` runs while it is shown modally.
    void open(std::function<void(frmDemo&)> script) {
        services.display.modalScripts["frmDemo"] = [script](rt::Form& form) {
            script(static_cast<frmDemo&>(form));
        };
        f().mnuDemonstra.click();
    }

    // Plays the step's demonstration to its end.
    void showMe(frmDemo& demo) {
        demo.cmdMostrar_Click();
        services.timers.runUntilIdle(60000);
    }
};

// --- The menu handler -----------------------------------------------------------------------

TEST_F(Tutorial, MenuGivesThePicturesThenAFaceAsIconThenShowsItModally) {
    load();
    frmDemo& demo = frmDemo::instance();
    std::vector<std::string> log;
    std::vector<std::unique_ptr<LogPeer>> peers;
    auto watch = [&](auto& target, const std::string& name) {
        peers.push_back(std::make_unique<LogPeer>(name, log));
        target.setPeer(peers.back().get());
    };
    watch(demo.tmp, "tmp");
    rt::Image* faces[] = {&demo.d1, &demo.d2, &demo.d3, &demo.d4, &demo.d5, &demo.d6};
    for (int k = 0; k < 6; ++k) watch(*faces[k], "d" + std::to_string(k + 1));
    watch(static_cast<rt::Form&>(demo), "icon");

    testing_support::scriptDice("4");
    open([&](frmDemo& shown) {
        log.push_back("shown");
        EXPECT_EQ(&shown, &demo);
        EXPECT_EQ(shown.windowState(), rt::WindowState::Maximized);
        for (rt::Image* i : faces) i->setPeer(nullptr);
        demo.tmp.setPeer(nullptr);
        demo.setPeer(nullptr);
        peers.clear();
        shown.cmdFechar_Click();
    });
    EXPECT_EQ(log, (std::vector<std::string>{"tmp", "d1", "d2", "d3", "d4", "d5", "d6", "icon",
                                             "shown"}));
    EXPECT_EQ(services.display.shown.back(), "frmDemo (modal)");
    EXPECT_FALSE(rt::FormInstance<frmDemo>::isLoaded());
}

TEST_F(Tutorial, ItsDiceWearTheMainWindowsPicturesAndTheDrawnFaceIsTheIcon) {
    auto& f = load();
    testing_support::scriptDice("6");
    open([&](frmDemo& demo) {
        EXPECT_EQ(demo.tmp.picture(), f.imgTMPx[1].picture());
        const rt::Image* faces[] = {&demo.d1, &demo.d2, &demo.d3, &demo.d4, &demo.d5, &demo.d6};
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(faces[k - 1]->picture(), f.imgDado1[k].picture());
        EXPECT_EQ(demo.icon(), f.imgDado1[6].picture());
        // Before the first roll the copy's dice show the die not yet rolled.
        EXPECT_EQ(demo.imgSort3.picture(), f.imgTMPx[1].picture());
        // The copy of the sheet stands where the main window's stands, in its colours.
        EXPECT_EQ(demo.lblS[16].left(), f.lblS[16].left());
        EXPECT_EQ(demo.lblS[16].top(), f.lblS[16].top());
        EXPECT_EQ(demo.lblC[9].backColor(), f.lblVolte12.backColor());
        EXPECT_EQ(demo.picGrade.backColor(), f.Picture1.backColor());
        EXPECT_EQ(demo.helpContextID(), 10);
        demo.unload();
    });
}

// --- The steps ------------------------------------------------------------------------------

TEST_F(Tutorial, AllTwentyTwoStepsInBothLanguagesWithTheirDemonstrations) {
    auto& f = load();
    std::set<std::string> titles;
    for (bool portuguese : {false, true}) {
        f.mnuLingua_Click(portuguese ? 0 : 1);
        open([&](frmDemo& demo) {
            EXPECT_EQ(demo.caption(), portuguese ? " Tutorial - como jogar Quopa"
                                                 : " Tutorial - how to play Quopa");
            demo.cmdAnterior_Click();
            EXPECT_EQ(demo.passo(), 1);
            for (int step = 1; step <= quopa::kNumeroDePassos; ++step) {
                SCOPED_TRACE(step);
                EXPECT_EQ(demo.passo(), step);
                EXPECT_FALSE(demo.lblTitulo.caption().empty());
                EXPECT_GT(demo.lblTexto.caption().size(), 100u);
                titles.insert(demo.lblTitulo.caption());
                EXPECT_EQ(demo.lblPasso.caption(), (portuguese ? "Passo " : "Step ") +
                                                       std::to_string(step) +
                                                       (portuguese ? " de 22" : " of 22"));
                EXPECT_EQ(demo.cmdAnterior.enabled(), step > 1);
                EXPECT_EQ(demo.cmdProximo.enabled(), step < quopa::kNumeroDePassos);
                if (demo.cmdMostrar.visible()) {
                    showMe(demo);
                    EXPECT_FALSE(demo.demonstrando());
                }
                demo.cmdProximo_Click();
            }
            EXPECT_EQ(demo.passo(), quopa::kNumeroDePassos);
            demo.cmdFechar_Click();
        });
    }
    // Every step has a title of its own, and each language its own texts.
    EXPECT_EQ(titles.size(), 2u * quopa::kNumeroDePassos);
}

TEST_F(Tutorial, BackAndNextMoveOneStepAndEachStepStartsFromItsOwnScene) {
    load();
    open([&](frmDemo& demo) {
        for (int i = 0; i < 6; ++i) demo.cmdProximo_Click();
        EXPECT_EQ(demo.passo(), 7);
        // Column Dn's first two boxes are filled for the lesson on its order.
        EXPECT_EQ(demo.lblB[2].caption(), "4");
        showMe(demo);
        EXPECT_EQ(demo.lblB[3].caption(), "6");
        demo.cmdAnterior_Click();
        EXPECT_EQ(demo.passo(), 6);
        EXPECT_EQ(demo.lblB[2].caption(), "");
        EXPECT_EQ(demo.lblB[3].caption(), "");
        EXPECT_EQ(demo.faces(), "00000");
        EXPECT_EQ(demo.lblJogar.caption(), "Roll  3");
        demo.unload();
    });
}

TEST_F(Tutorial, EscPressesCloseAndEnterPressesNext) {
    load();
    open([&](frmDemo& demo) {
        // What the window does with Enter and Esc: it clicks its default and its cancel button.
        auto button = [&demo](bool cancel) -> rt::CommandButton* {
            for (rt::Control* c : demo.picLicao.children()) {
                auto* b = dynamic_cast<rt::CommandButton*>(c);
                if (b && (cancel ? b->isCancel() : b->isDefault())) return b;
            }
            return nullptr;
        };
        ASSERT_NE(button(false), nullptr);
        button(false)->onClick();
        EXPECT_EQ(demo.passo(), 2);
        ASSERT_NE(button(true), nullptr);
        button(true)->onClick();
    });
    EXPECT_FALSE(rt::FormInstance<frmDemo>::isLoaded());
}

// --- Demonstrations -------------------------------------------------------------------------

TEST_F(Tutorial, ARollShowsTheAnimationFramesThenLandsAndCountsDown) {
    auto& f = load();
    open([&](frmDemo& demo) {
        demo.cmdProximo_Click();  // step 2: one roll
        std::vector<rt::Picture> seen;
        std::vector<long long> when;  // on the virtual clock
        struct Watch : rt::Peer {
            rt::Image& image;
            std::vector<rt::Picture>& seen;
            std::vector<long long>& when;
            testing_support::FakeTimers& clock;
            Watch(rt::Image& i, std::vector<rt::Picture>& s, std::vector<long long>& w,
                  testing_support::FakeTimers& c)
                : image(i), seen(s), when(w), clock(c) {}
            void changed(rt::Property p) override {
                if (p != rt::Property::Picture) return;
                seen.push_back(image.picture());
                when.push_back(clock.now());
            }
        } watch(demo.imgSort1, seen, when, services.timers);
        demo.imgSort1.setPeer(&watch);
        const long long start = services.timers.now();
        demo.cmdMostrar_Click();
        // Nothing happens at once: the demonstration waits on its timer.
        EXPECT_TRUE(demo.demonstrando());
        EXPECT_TRUE(services.timers.running(demo.tmrDemo));
        EXPECT_EQ(demo.faces(), "00000");
        // Every event waits its own interval after the one before: the pause of 700 ms, twelve
        // frames of 60 ms each, and the landing 60 ms after the last frame.
        services.timers.advance(700 + 12 * 60 + 59);
        EXPECT_EQ(demo.faces(), "00000");
        services.timers.advance(1);
        EXPECT_EQ(demo.faces(), "35146");
        services.timers.runUntilIdle(60000);
        demo.imgSort1.setPeer(nullptr);
        ASSERT_GE(when.size(), 12u);  // one picture a frame
        EXPECT_EQ(when[0], start + 700 + 60);
        for (std::size_t i = 1; i < when.size(); ++i) EXPECT_EQ(when[i] - when[i - 1], 60) << i;

        EXPECT_EQ(demo.faces(), "35146");
        EXPECT_EQ(demo.imgSort1.picture(), f.imgDado1[3].picture());
        EXPECT_EQ(demo.lblPontos.caption(), "19");
        EXPECT_EQ(demo.lblJogar.caption(), "Roll  2");
        EXPECT_FALSE(services.timers.running(demo.tmrDemo));
        // The frames are the face pictures 2, 3, 4, 5, 1 in turn.
        ASSERT_GE(seen.size(), 10u);
        EXPECT_EQ(seen[0], f.imgDado1[2].picture());
        EXPECT_EQ(seen[1], f.imgDado1[3].picture());
        EXPECT_EQ(seen[4], f.imgDado1[1].picture());

        demo.cmdProximo_Click();  // step 3: three rolls
        showMe(demo);
        EXPECT_EQ(demo.lblJogar.caption(), "Mark points");
        demo.unload();
    });
}

TEST_F(Tutorial, HeldDiceStayUpAndKeepTheirFaces) {
    load();
    open([&](frmDemo& demo) {
        for (int i = 0; i < 3; ++i) demo.cmdProximo_Click();  // step 4
        showMe(demo);
        EXPECT_EQ(demo.faces(), "55554");
        for (int die = 1; die <= 5; ++die) EXPECT_EQ(demo.segurado(die), die <= 3) << die;
        EXPECT_EQ(demo.imgSort3.top(), 890);
        EXPECT_EQ(demo.imgSort4.top(), 1380);
        demo.unload();
    });
}

TEST_F(Tutorial, TheBonusAndTotalsOfTheCopyAreThoseOfTheGamesRunningTotals) {
    load();
    open([&](frmDemo& demo) {
        for (int i = 0; i < 17; ++i) demo.cmdProximo_Click();  // step 18
        showMe(demo);
        EXPECT_EQ(demo.lblD[quopa::kBonus].caption(), "+30");
        EXPECT_EQ(demo.lblD[quopa::kTotalSuperior].caption(), "93");
        demo.cmdProximo_Click();  // step 19
        EXPECT_EQ(sheet_testing::shownRows(demo.lblD),
                  sheet_testing::runningRows(demo.lblD, sheet_testing::Guard::Either));
        showMe(demo);
        EXPECT_EQ(demo.lblD[quopa::kTotalInferior].caption(), "305");
        EXPECT_EQ(demo.lblD[quopa::kTotalColuna].caption(), "398");
        EXPECT_EQ(sheet_testing::shownRows(demo.lblD),
                  sheet_testing::runningRows(demo.lblD, sheet_testing::Guard::Either));
        demo.unload();
    });
}

TEST_F(Tutorial, BackTakesTheMarkingOffTheCopyAndGivesTheRollsBack) {
    load();
    open([&](frmDemo& demo) {
        for (int i = 0; i < 19; ++i) demo.cmdProximo_Click();  // step 20
        demo.cmdMostrar_Click();
        // Run until the marking is written, then on to the end.
        while (demo.lblD[4].caption().empty() && demo.demonstrando()) services.timers.advance(50);
        EXPECT_EQ(demo.lblD[4].caption(), "8");
        EXPECT_TRUE(demo.picVoltar.visible());
        EXPECT_EQ(demo.lblJogar.caption(), "Roll  3");
        services.timers.runUntilIdle(60000);
        EXPECT_EQ(demo.lblD[4].caption(), "");
        EXPECT_FALSE(demo.picVoltar.visible());
        EXPECT_EQ(demo.lblJogar.caption(), "Roll  2");
        demo.unload();
    });
}

// Every marking the tutorial shows scores what the game scores: the same dice, rolled in a fresh
// game and pressed into the same row of the game's column D (any order), give the same caption.
TEST_F(Tutorial, EveryMarkingShownScoresWhatTheGameScores) {
    struct Marking {
        int step;
        std::string faces;
        int row;
        std::string caption;
    };
    std::vector<Marking> markings;
    for (int step = 1; step <= quopa::kNumeroDePassos; ++step) {
        std::string faces = "00000", held = "00000";
        int rolls = 0;
        for (const quopa::Acao& a : quopa::Passos()[step - 1].demonstracao) {
            const std::string text = a.texto;
            switch (a.tipo) {
                case quopa::TipoDeAcao::Lancar:
                    ASSERT_EQ(text.size(), 5u) << step;
                    if (rolls == 0) held = "00000";
                    for (int i = 0; i < 5; ++i) {
                        // A held die is written "-", every other die gets a face.
                        ASSERT_EQ(text[i] == '-', held[i] == '1') << step;
                        if (text[i] != '-') faces[i] = text[i];
                    }
                    ++rolls;
                    break;
                case quopa::TipoDeAcao::Segurar:
                    for (char c : text) held[c - '1'] = held[c - '1'] == '1' ? '0' : '1';
                    break;
                case quopa::TipoDeAcao::Marcar:
                    if (text != "0") markings.push_back({step, faces, a.linha, text});
                    rolls = 0;
                    break;
                default:
                    break;
            }
        }
    }
    ASSERT_GE(markings.size(), 15u);
    for (const Marking& m : markings) {
        SCOPED_TRACE("step " + std::to_string(m.step));
        rt::FormInstance<frmQUOPA>::discard();
        rt::destroyRetiredForms();
        auto& f = load();
        roll(m.faces);
        f.lblD_MouseDown(m.row, 1, 0, 0, 0);
        EXPECT_EQ(f.lblD[m.row].caption(), m.caption);
    }
}

// --- The game in progress -------------------------------------------------------------------

TEST_F(Tutorial, EveryDemonstrationLeavesTheGameInProgressAsItWas) {
    auto& f = load();
    roll("33335");
    mark(f.lblD, 3);
    roll("12456");
    f.imgSort2_Click();
    auto snapshot = [&f] {
        std::vector<std::string> s;
        for (const auto& col : quopa::ColunasDe(f).all)
            col.cells->forEach([&s](int, rt::Label& c) {
                s.push_back(c.caption() + "|" + std::to_string(c.backColor()) + "|" +
                            std::to_string(c.mousePointer()));
            });
        for (rt::Label* l : {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5, &f.lblJogadas,
                             &f.Jogad1, &f.lblPontos, &f.lblSomaSelecionados, &f.lblResultado})
            s.push_back(l->caption());
        for (rt::Image* d : {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5})
            s.push_back(
                std::to_string(d->top()) + "|" +
                std::to_string(reinterpret_cast<std::uintptr_t>(d->picture().handle().get())));
        s.push_back(f.cmdPlay.caption() + "|" + f.cmdVolta.caption());
        return s;
    };
    const auto before = snapshot();
    open([&](frmDemo& demo) {
        for (int step = 1; step <= quopa::kNumeroDePassos; ++step) {
            if (demo.cmdMostrar.visible()) showMe(demo);
            demo.cmdProximo_Click();
        }
        demo.unload();
    });
    EXPECT_EQ(snapshot(), before);
}

// --- Timers ---------------------------------------------------------------------------------

TEST_F(Tutorial, TheDemonstrationTimerStopsWhenTheStepChangesOrTheWindowCloses) {
    load();
    open([&](frmDemo& demo) {
        for (int i = 0; i < 15; ++i) demo.cmdProximo_Click();  // step 16
        demo.cmdMostrar_Click();
        services.timers.advance(1000);
        ASSERT_TRUE(services.timers.running(demo.tmrDemo));
        demo.cmdProximo_Click();
        EXPECT_FALSE(services.timers.running(demo.tmrDemo));
        EXPECT_EQ(demo.faces(), "00000");

        demo.cmdMostrar_Click();
        services.timers.advance(1000);
        ASSERT_TRUE(services.timers.running(demo.tmrDemo));
        // The close box unloads the window, as Close and Esc do.
        demo.unload();
        EXPECT_FALSE(services.timers.running(demo.tmrDemo));
    });
    EXPECT_FALSE(rt::FormInstance<frmDemo>::isLoaded());
}

}  // namespace
