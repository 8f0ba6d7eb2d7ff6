// The roll: the roll buttons with their refusals, the first roll of a turn, the animation and its
// frames, the drawing of the faces and the counters it lowers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/module1.h"
#include "runtime/app.h"
#include "runtime/values.h"
#include "tests/game/window/recording_peer.h"
#include "tests/support/game_fixture.h"

namespace {

using testing_support::GameFixture;
using testing_support::RecordingPeer;

constexpr int kDadoEmBaixo = 1380;
constexpr int kDadoSelecionado = 890;

rt::Image& dadoDaMesa(quopa::frmQUOPA& f, int n) {
    rt::Image* dados[] = {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5};
    return *dados[n - 1];
}

rt::Label& face(quopa::frmQUOPA& f, int n) {
    rt::Label* faces[] = {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5};
    return *faces[n - 1];
}

std::string faces(quopa::frmQUOPA& f) {
    std::string s;
    for (int n = 1; n <= 5; ++n) s += face(f, n).caption();
    return s;
}

class RollButton : public GameFixture {};

// ---------------------------------------------------------------------------------------------
// Refusals: the messages, and the changes of the click that stand all the same.

struct Recusa {
    const char* idioma;
    const char* texto;
    const char* titulo;
};

const Recusa kJogadasEsgotadas[] = {
    {"0", "A última jogada ainda não foi marcada.\r\n\r\nVocê precisa marcar os pontos ou ZERO.",
     " Aviso"},
    {"1", "The last points were not marked yet.\r\n\r\nYou must mark the points or ZERO.",
     " Warning"},
};

const Recusa kTodosSelecionados[] = {
    {"0",
     "Todos os dados foram selecionados.(estão na parte superior)\n\n"
     "Para jogar, clique e remova pelo menos um dado da seleção.",
     " Aviso"},
    {"1",
     "All dice were selected.(they are in the superior part)\n\n"
     "To roll, click and remove one block at least of the selection.",
     " Warning"},
};

// What every click leaves, refused or not: the player on turn, the other player's rolls
// refilled, no box taking the dice, the button disabled and both back buttons hidden.
void esperaPassoUm(quopa::frmQUOPA& f) {
    EXPECT_EQ(f.lblQuemJoga.caption(), "1");
    EXPECT_EQ(f.Jogad2.caption(), "3");
    EXPECT_EQ(f.lblTermOquePor.caption(), "0");
    EXPECT_FALSE(f.cmdPlay.enabled());
    EXPECT_FALSE(f.cmdBack.visible());
    EXPECT_FALSE(f.cmdBack2.visible());
}

void preparaPassoUm(quopa::frmQUOPA& f) {
    f.lblQuemJoga.setCaption("2");
    f.Jogad2.setCaption("1");
    f.lblTermOquePor.setCaption("1");
    f.cmdBack.setVisible(true);
    f.cmdBack2.setVisible(true);
    f.cmdPlay.setEnabled(true);
}

// A fixture whose roll click is refused with the message of its language.
class RollRefusal : public GameFixture, public ::testing::WithParamInterface<Recusa> {
  protected:
    // Clicks player 1's roll button in the refusal's language and checks its one message (OK
    // only, no icon) and the first step that every click leaves.
    void clicaERecusa(const Recusa& r) {
        quopa::Idioma = r.idioma;
        preparaPassoUm(f());
        services.dialogs.messages.clear();

        f().cmdPlay_Click();

        ASSERT_EQ(services.dialogs.messages.size(), 1u);
        EXPECT_EQ(services.dialogs.messages[0].prompt, r.texto);
        EXPECT_EQ(services.dialogs.messages[0].title, r.titulo);
        EXPECT_EQ(services.dialogs.messages[0].style, 0);
        esperaPassoUm(f());
    }
};

class RollsUsedUp : public RollRefusal {};

TEST_P(RollsUsedUp, RefusesTheRollAndKeepsTheFirstStep) {
    const Recusa& r = GetParam();
    load();
    roll("11111");
    roll("22222");
    roll("33333");
    clicaERecusa(r);
    EXPECT_EQ(f().lblJogadas.caption(), "3");
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(faces(f()), "33333");
}

INSTANTIATE_TEST_SUITE_P(Languages, RollsUsedUp, ::testing::ValuesIn(kJogadasEsgotadas),
                         [](const auto& info) {
                             return std::string("Idioma") + info.param.idioma;
                         });

class AllDiceHeld : public RollRefusal {};

TEST_P(AllDiceHeld, RefusesTheRollUntilADieIsPutDown) {
    const Recusa& r = GetParam();
    load();
    roll("12345");
    for (int n = 1; n <= 5; ++n) dadoDaMesa(f(), n).onClick();
    clicaERecusa(r);
    EXPECT_EQ(f().lblJogadas.caption(), "1");
    EXPECT_FALSE(f().Timer1.timerEnabled());

    f().imgSort3_Click();  // put die 3 down
    EXPECT_TRUE(f().cmdPlay.enabled());
    roll("66666");
    EXPECT_EQ(faces(f()), "12645");
    EXPECT_EQ(f().lblJogadas.caption(), "2");
}

INSTANTIATE_TEST_SUITE_P(Languages, AllDiceHeld, ::testing::ValuesIn(kTodosSelecionados),
                         [](const auto& info) {
                             return std::string("Idioma") + info.param.idioma;
                         });

TEST_F(RollButton, ButtonAskingForAMarkingOnlyTakesTheFirstStep) {
    load();
    roll("12345");
    f().cmdPlay.setCaption("Mark points");
    f().cmdPlay_Click();
    EXPECT_TRUE(services.dialogs.messages.empty());
    EXPECT_EQ(f().lblJogadas.caption(), "1");
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_FALSE(f().cmdPlay.enabled());
}

// ---------------------------------------------------------------------------------------------
// The roll itself.

TEST_F(RollButton, FirstRollOfATurnPutsEveryDieDownAndClearsTheSummary) {
    load();
    roll("33335");
    f().imgSort1_Click();
    ASSERT_EQ(f().imgSort1.top(), kDadoSelecionado);
    ASSERT_TRUE(f().lblQuadra.visible());
    mark(f().lblD, 3);
    ASSERT_EQ(f().lblJogadas.caption(), "0");
    f().cmdBack.setVisible(true);

    scriptFaces("12345");
    f().cmdPlay_Click();

    // Inside the roll, before any tick.
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(dadoDaMesa(f(), n).top(), kDadoEmBaixo) << "die " << n;
        EXPECT_EQ(face(f(), n).caption(), "0") << "die " << n;
    }
    EXPECT_EQ(f().lblSomaSelecionados.caption(), "0");
    EXPECT_EQ(f().lblPontos.caption(), "0");
    EXPECT_EQ(f().lblResultado.caption(), "00000");
    for (rt::Label* l : {&f().lblQuopa, &f().lblQuadra, &f().lblFull, &f().lblSegMx, &f().lblSegMn,
                         &f().lblTrinca})
        EXPECT_FALSE(l->visible()) << l->name();
    EXPECT_EQ(f().lblQuantos.caption(), "5");
    EXPECT_EQ(f().lblJogadas.caption(), "1");
    EXPECT_EQ(f().cmdVolta.caption(), "cmdvolta");
    EXPECT_EQ(f().NaoJogou1, 0);
    EXPECT_FALSE(f().cmdBack.visible());
    EXPECT_EQ(rt::screen().mousePointer(), 11);
    EXPECT_TRUE(f().Timer1.timerEnabled());

    finishRoll();
    EXPECT_EQ(faces(f()), "12345");
    EXPECT_EQ(f().lblResultado.caption(), "12345");
    EXPECT_EQ(f().lblPontos.caption(), "15");
    EXPECT_EQ(rt::screen().mousePointer(), 0);
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(f().Jogad1.caption(), "2");
    EXPECT_EQ(f().cmdPlay.caption(), "&Roll  2");
    EXPECT_TRUE(f().cmdPlay.enabled());
}

TEST_F(RollButton, SecondRollClearsTheMarksOfColumnS) {
    load();
    roll("12345");
    bool marcada = false;
    for (int row = 1; row <= 18; ++row) marcada |= f().lblS[row].mousePointer() == 10;
    ASSERT_TRUE(marcada) << "the first roll marks column S";
    f().cmdPlay_Click();
    for (int row = 1; row <= 18; ++row) EXPECT_EQ(f().lblS[row].mousePointer(), 0) << row;
    finishRoll();
}

TEST_F(RollButton, HeldDiceNeverChangeAndThePointsShowTheirSumMeanwhile) {
    load();
    roll("12345");
    f().imgSort4_Click();
    f().imgSort5_Click();
    rt::Picture quatro = f().imgSort4.picture();
    RecordingPeer peer4(f().imgSort4), peer5(f().imgSort5);

    scriptFaces("66666");
    f().cmdPlay_Click();
    EXPECT_EQ(f().lblPontos.caption(), "9");
    EXPECT_EQ(f().lblQuantos.caption(), "3");
    services.timers.advance(50);
    EXPECT_EQ(f().lblPontos.caption(), "9");
    finishRoll();

    EXPECT_EQ(faces(f()), "66645");
    EXPECT_EQ(f().imgSort4.picture(), quatro);
    EXPECT_EQ(peer4.count(rt::Property::Picture), 0);
    EXPECT_EQ(peer5.count(rt::Property::Picture), 0);
    EXPECT_EQ(f().lblPontos.caption(), "27");
}

TEST_F(RollButton, RollWithBothButtonsVisibleLowersBothCounters) {
    load();
    f().cmdPlay2.setVisible(true);
    roll("12345");
    EXPECT_EQ(f().Jogad1.caption(), "2");
    EXPECT_EQ(f().Jogad2.caption(), "2");
}

TEST_F(RollButton, PlayerTwoRollsWithHisOwnButton) {
    services.settings.values["MainForm"]["Players"] = "2";
    load();
    roll("12345");
    mark(f().lblD, 1);
    ASSERT_TRUE(f().cmdPlay2.visible());
    f().Jogad1.setCaption("1");
    roll("66666");
    EXPECT_EQ(f().lblQuemJoga.caption(), "2");
    EXPECT_EQ(f().Jogad1.caption(), "3");  // refilled by player 2's click
    EXPECT_EQ(f().Jogad2.caption(), "2");
    EXPECT_EQ(f().NaoJogou2, 0);
    EXPECT_EQ(faces(f()), "66666");
}

// The draw turns a value r of [0, 1) into Int(r * 6 + 1).
TEST_F(RollButton, DrawCoversEveryFaceUpToTheEndsOfTheGeneratorsRange) {
    load();
    struct Caso {
        double r;
        const char* face;
    } casos[] = {{0.0, "1"}, {1.0 / 6 - 1e-9, "1"}, {1.0 / 6, "2"},
                 {0.5, "4"}, {5.0 / 6 - 1e-9, "5"}, {0.9999999999, "6"}};
    for (const Caso& c : casos) {
        rt::setRandomSource([r = c.r] { return r; });
        f().imgSort1.setTop(kDadoEmBaixo);
        f().RolaDados();
        EXPECT_EQ(f().Label1.caption(), c.face) << c.r;
        EXPECT_EQ(f().imgSort1.picture(), f().imgDado1[std::stoi(c.face)].picture());
    }
}

// ---------------------------------------------------------------------------------------------
// The animation.

struct Animacao {
    const char* nome;
    bool ligada;
    const char* tipo;
    const char* duracao;
    int tiques;
    std::vector<int> quadros;  // indexes of imgDado1 (type "1") or imgTMPx (type "0")
};

class RollAnimation : public GameFixture, public ::testing::WithParamInterface<Animacao> {};

TEST_P(RollAnimation, ShowsItsFramesThenDrawsTheFaces) {
    const Animacao& a = GetParam();
    load();
    f().mnuAnimacao.setChecked(a.ligada);
    f().lblTipoAnimacao.setCaption(a.tipo);
    f().lblTemPo.setCaption(a.duracao);
    int tiques = 0;
    auto tick = f().Timer1.onTimer;
    f().Timer1.onTimer = [&] {
        ++tiques;
        tick();
    };
    RecordingPeer peer(f().imgSort1);

    scriptFaces("66666");
    f().cmdPlay_Click();
    EXPECT_EQ(faces(f()), "00000") << "the faces are never drawn inside the click";
    finishRoll();

    EXPECT_EQ(tiques, a.tiques);
    EXPECT_FALSE(f().Timer1.timerEnabled());
    EXPECT_EQ(rt::screen().mousePointer(), 0);
    EXPECT_EQ(faces(f()), "66666");
    ASSERT_EQ(peer.pictures.size(), a.quadros.size() + 1);
    const quopa::ImageArray& origem = std::string(a.tipo) == "1" ? f().imgDado1 : f().imgTMPx;
    for (std::size_t i = 0; i < a.quadros.size(); ++i)
        EXPECT_EQ(peer.pictures[i], origem[a.quadros[i]].picture()) << "frame " << i + 1;
    EXPECT_EQ(peer.pictures.back(), f().imgDado1[6].picture());
}

std::vector<int> repete(std::vector<int> ciclo, std::size_t n) {
    std::vector<int> v;
    while (v.size() < n) v.push_back(ciclo[v.size() % ciclo.size()]);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RollAnimation,
    ::testing::Values(Animacao{"faces20", true, "1", "20", 20, repete({2, 3, 4, 5, 1}, 20)},
                      Animacao{"faces10", true, "1", "10", 10, repete({2, 3, 4, 5, 1}, 10)},
                      Animacao{"stamp30", true, "0", "30", 30, repete({2, 1}, 30)},
                      Animacao{"stamp10", true, "0", "10", 10, repete({2, 1}, 10)},
                      Animacao{"off", false, "1", "20", 1, {}},
                      Animacao{"unknownType", true, "7", "20", 1, {}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(RollButton, HourglassFromTheClickUntilTheFacesAreDrawn) {
    load();
    services.display.pointerLog.clear();
    roll("12345");
    EXPECT_EQ(services.display.pointerLog, (std::vector<int>{11, 0}));
}

}  // namespace
