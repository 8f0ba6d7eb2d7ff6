// Random play against a model of the rolls: long random sequences of what a player can do at any
// moment (clicks on the buttons, the dice and the sheets, keys, menu items, layout passes, a new
// game), many of them while the dice roll, in one- and two-player games. After every step the
// window is checked against a plain count of the rolls that were drawn and against the rules
// that no action may break:
//   - the rolls made plus the rolls left of the player on turn are his rolls per turn (one more
//     while a roll is under way, which is counted as made but not yet taken off), and the rolls
//     made are exactly the rolls drawn in his turn;
//   - in a two-player game the other player has all his rolls for his next turn;
//   - the roll button on show is never enabled, and the hourglass always shows, while the dice
//     roll;
//   - the player on turn can always roll or mark;
//   - nothing is scored while the dice roll, and no held die is without a face.
// The generators are seeded, so every run plays the same games.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/module1.h"
#include "runtime/app.h"
#include "runtime/values.h"
#include "tests/support/game_fixture.h"

namespace random_play {

using quopa::LabelArray;
using testing_support::columnOf;
using testing_support::GameFixture;

constexpr int kLinhas[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};

int numero(const std::string& text) {
    return static_cast<int>(rt::Val(text));
}

class RandomPlay : public GameFixture {
  protected:
    // Plays `passos` random steps from a fresh window with this number of players.
    void joga(const char* jogadores, uint32_t semente, int passos) {
        services.settings.values["MainForm"]["Players"] = jogadores;
        load();
        for (int jogador : {1, 2})
            for (char c : {'B', 'C', 'D', 'S'}) colunas_.push_back(&columnOf(f(), jogador, c));
        gerador_.seed(semente);
        std::mt19937 dados(semente ^ 0x5eedu);
        rt::setRandomSource([this, dados]() mutable {
            ++sorteios_;
            return std::uniform_real_distribution<double>(0.0, 1.0)(dados);
        });
        confere("start");
        for (int passo = 0; passo < passos && !HasFatalFailure(); ++passo) {
            const std::string acao = umPasso();
            confere("step " + std::to_string(passo) + " (" + acao + ")");
        }
        EXPECT_GT(jogosTerminados_, 0) << "no game was played to its end";
        EXPECT_GT(acoesDuranteRolagem_, passos / 20) << "too few actions hit a roll under way";
    }

  private:
    int sorteio(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gerador_); }
    bool moeda(int percent) { return sorteio(100) < percent; }

    // Whose roll button is on show: 1, 2, or 0 when no one may roll (the game is over).
    int jogadorNaVez() {
        if (f().cmdPlay.visible()) return 1;
        if (f().cmdPlay2.visible()) return 2;
        return 0;
    }
    rt::CommandButton& botao(int jogador) { return jogador == 1 ? f().cmdPlay : f().cmdPlay2; }
    rt::Label& restantes(int jogador) { return jogador == 1 ? f().Jogad1 : f().Jogad2; }
    rt::Label& casas(int jogador) { return jogador == 1 ? f().lblTotJogador1 : f().lblTotJogador2; }
    int16_t naoJogou(int jogador) { return jogador == 1 ? f().NaoJogou1 : f().NaoJogou2; }
    bool rolando() { return f().Timer1.timerEnabled(); }
    int porVez(int jogador) {
        return restantes(jogador).fontItalic() ? 1 : numero(f().lblPodeJogar.caption());
    }
    int casasMarcadas() {
        return numero(f().lblTotJogador1.caption()) + numero(casas(2).caption());
    }

    // Every scoring box of both sheets, for the check that nothing is scored during a roll.
    std::string folhas() {
        std::string s;
        for (LabelArray* coluna : colunas_)
            for (int row : kLinhas) {
                s += (*coluna)[row].caption();
                s += '|';
            }
        return s;
    }

    std::vector<rt::Image*> dados() {
        return {&f().imgSort1, &f().imgSort2, &f().imgSort3, &f().imgSort4, &f().imgSort5};
    }
    std::vector<rt::Label*> faces() {
        return {&f().Label1, &f().Label2, &f().Label3, &f().Label4, &f().Label5};
    }

    // A box of the column that its order leaves open: the first empty one from the top in B,
    // from the bottom in C, any empty one in D and S; 0 when the column is full.
    int casaAberta(LabelArray& coluna, char col) {
        std::vector<int> vazias;
        for (int row : kLinhas)
            if (coluna[row].caption().empty()) vazias.push_back(row);
        if (vazias.empty()) return 0;
        if (col == 'B') return vazias.front();
        if (col == 'C') return vazias.back();
        return vazias[sorteio(static_cast<int>(vazias.size()))];
    }

    void clica(LabelArray& coluna, int row, int button) {
        coluna.onMouseDown(row, button, 0, 0, 0);
        coluna.onMouseMove(row, button, 0, 0, 0);
        coluna.onMouseUp(row, button, 0, 0, 0);
    }
    void teclaPress(int ascii) { f().Form_KeyPress(ascii); }
    void teclaDown(int code) { f().Form_KeyDown(code, 0); }

    // One random action; returns its name for the failure messages.
    std::string umPasso() {
        antesRolando_ = rolando();
        if (antesRolando_) ++acoesDuranteRolagem_;
        if (antesRolando_) folhasAntes_ = folhas();
        novoJogo_ = false;
        const int jogador = jogadorNaVez();
        switch (sorteio(24)) {
            case 0:
            case 1:
            case 2:
                services.timers.advance(sorteio(200));
                return "time";
            case 3:
                finishRoll();
                return "finish roll";
            case 4:
            case 5:
                if (jogador == 0) return "no roll button";
                // The click reaches the handler whatever the button shows, as a key would.
                if (jogador == 1)
                    f().cmdPlay_Click();
                else
                    f().cmdPlay2_Click();
                return "roll button";
            case 6:
                teclaPress(moeda(50) ? 13 : 32);
                return "Enter/Space";
            case 7: {
                const int n = 1 + sorteio(5);
                if (moeda(50))
                    teclaPress('0' + n);
                else
                    dados()[n - 1]->onClick();
                return "die " + std::to_string(n);
            }
            case 8:
            case 9: {
                // A press, move and release anywhere on either sheet, with any button.
                const int quem = 1 + sorteio(2);
                const char col = "BCDS"[sorteio(4)];
                const int row = 1 + sorteio(18);
                const int button = std::vector<int>{1, 2, 4}[sorteio(3)];
                clica(columnOf(f(), quem, col), row, button);
                return std::string("box ") + std::to_string(quem) + col + std::to_string(row);
            }
            case 10:
            case 11:
            case 12: {
                // A marking the player on turn may well make: a box his column's order opens.
                if (jogador == 0) return "no player";
                const char col = "BCDS"[sorteio(4)];
                const int row = casaAberta(columnOf(f(), jogador, col), col);
                if (row == 0) return "full column";
                clica(columnOf(f(), jogador, col), row, moeda(60) ? 2 : 1);
                return std::string("mark ") + col + std::to_string(row);
            }
            case 13: {
                // Only a release, or only a move: a press may have landed elsewhere.
                const int quem = 1 + sorteio(2);
                LabelArray& coluna = columnOf(f(), quem, "BCDS"[sorteio(4)]);
                if (moeda(50))
                    coluna.onMouseUp(1 + sorteio(18), 1, 0, 0, 0);
                else
                    coluna.onMouseMove(1 + sorteio(18), 0, 0, 0, 0);
                return "release/move";
            }
            case 14:
                f().lblSomaSelecionados_Click();
                return "held sum";
            case 15: {
                static constexpr int kTeclas[] = {80, 90, 37, 38, 39, 40, 27, 8, 46};
                const int tecla = kTeclas[sorteio(9)];
                teclaDown(tecla);
                return "key " + std::to_string(tecla);
            }
            case 16:
                if (f().cmdBack.visible()) f().cmdBack_Click();
                if (f().cmdBack2.visible()) f().cmdBack2_Click();
                return "back";
            case 17:
                if (moeda(50))
                    f().Form_Resize();
                else
                    quopa::CentraForm(f());
                return "layout";
            case 18:
                f().mnuPlacar.click();
                return "records";
            case 19: {
                rt::Menu* itens[] = {&f().mnuTotal,         &f().mnuHabilitaTeclado,
                                     &f().mnuPossibilidade, &f().MnuExibePontos,
                                     &f().mnuAnimacao,      &f().MostC};
                rt::Menu* item = itens[sorteio(6)];
                item->click();
                return "option " + item->name();
            }
            case 20:
                f().mnuLingua[sorteio(2)].click();
                return "language";
            case 21:
                // Now and then in the middle of a game, always once it is over.
                if (jogador != 0 && sorteio(300) != 0) return "new game (skipped)";
                services.dialogs.answers = {moeda(70) ? rt::kAnswerYes : rt::kAnswerNo};
                f().mnuNovo.click();
                services.dialogs.answers.clear();
                novoJogo_ = true;
                return "new game";
            case 22:
                f().MnuJogadas[sorteio(2)].click();
                return "rolls per turn";
            default:
                f().MnuJoga[sorteio(2)].click();
                return "players";
        }
    }

    // The model: the rolls drawn in the current turn, and those of the marking an undo may take
    // back. A roll draws five numbers, one per die.
    void atualizaModelo() {
        ASSERT_EQ((sorteios_ - sorteiosVistos_) % 5, 0) << "a roll drew part of its dice";
        const int novas = (sorteios_ - sorteiosVistos_) / 5;
        sorteiosVistos_ = sorteios_;
        const int marcadas = casasMarcadas();
        if (novoJogo_ && marcadas == 0 && f().lblJogadas.caption() == "0") {
            sorteadas_ = 0;
        } else if (marcadas == casasVistas_ + 1) {
            sorteadasNaMarcacao_ = sorteadas_;
            sorteadas_ = 0;
            if (marcadas == 104 || (marcadas == 52 && f().MnuJoga[0].checked())) ++jogosTerminados_;
        } else if (marcadas == casasVistas_ - 1) {
            sorteadas_ = sorteadasNaMarcacao_;
        } else {
            ASSERT_TRUE(marcadas == casasVistas_ || novoJogo_) << "boxes " << marcadas;
        }
        casasVistas_ = marcadas;
        sorteadas_ += novas;
    }

    // The counters, for the failure messages.
    std::string estado() {
        return " (made " + f().lblJogadas.caption() + ", left " + f().Jogad1.caption() + " / " +
               f().Jogad2.caption() + ", per turn " + f().lblPodeJogar.caption() + ", italic " +
               std::to_string(f().Jogad1.fontItalic()) + " / " +
               std::to_string(f().Jogad2.fontItalic()) + ", last roller " +
               f().lblQuemJoga.caption() + ", boxes " + f().lblTotJogador1.caption() + " / " +
               f().lblTotJogador2.caption() + ")";
    }

    void confere(const std::string& onde) {
        SCOPED_TRACE(onde);
        atualizaModelo();
        const bool agora = rolando();
        ASSERT_EQ(rt::screen().mousePointer(), agora ? 11 : 0) << "the hourglass and the roll";
        if (antesRolando_ && !novoJogo_) {
            ASSERT_EQ(folhas(), folhasAntes_) << "a box was scored while the dice rolled";
        }
        for (std::size_t i = 0; i < 5; ++i) {
            if (dados()[i]->top() == 890) {
                ASSERT_GE(numero(faces()[i]->caption()), 1) << "a held die has no face";
            }
        }

        const int jogador = jogadorNaVez();
        if (jogador == 0) return;
        rt::CommandButton& b = botao(jogador);
        const int feitas = numero(f().lblJogadas.caption());
        if (agora) {
            ASSERT_FALSE(b.enabled()) << "the roll button is enabled during a roll";
        }
        ASSERT_EQ(feitas, sorteadas_ + (agora ? 1 : 0))
            << "rolls counted and rolls drawn differ" << estado();
        ASSERT_EQ(feitas + numero(restantes(jogador).caption()), porVez(jogador) + (agora ? 1 : 0))
            << "player " << jogador << ": rolls made + rolls left" << estado();
        const int outro = 3 - jogador;
        if (f().MnuJoga[1].checked() && casas(outro).caption() != "52") {
            ASSERT_EQ(numero(restantes(outro).caption()), porVez(outro))
                << "player " << outro << " waits without all his rolls" << estado();
        }
        if (agora) return;

        // The player on turn can roll (or put a held die down and roll), or mark.
        const std::vector<rt::Image*> osDados = dados();
        const bool todosSeguros = std::all_of(osDados.begin(), osDados.end(),
                                              [](rt::Image* d) { return d->top() < 1380; });
        const bool podeJogar = b.enabled() && feitas < numero(f().lblPodeJogar.caption()) &&
                               !(feitas != 0 && todosSeguros) && b.caption()[0] != 'M';
        const bool podeSoltar =
            todosSeguros && feitas != 0 && f().lblJogadas.caption() != f().lblPodeJogar.caption();
        const bool podeMarcar =
            naoJogou(jogador) == 0 && f().lblQuemJoga.caption() == std::to_string(jogador);
        ASSERT_TRUE(podeJogar || podeSoltar || podeMarcar)
            << "player " << jogador << " can neither roll nor mark; button \"" << b.caption()
            << "\" enabled " << b.enabled() << ", rolls made " << feitas;
    }

    std::vector<LabelArray*> colunas_;  // the eight columns of both sheets
    std::mt19937 gerador_;
    int sorteios_ = 0;
    int sorteiosVistos_ = 0;
    int sorteadas_ = 0;
    int sorteadasNaMarcacao_ = 0;
    int casasVistas_ = 0;
    int jogosTerminados_ = 0;
    int acoesDuranteRolagem_ = 0;
    bool antesRolando_ = false;
    bool novoJogo_ = false;
    std::string folhasAntes_;
};

TEST_F(RandomPlay, OnePlayerGames) {
    joga("1", 1234567u, 30000);
}

TEST_F(RandomPlay, TwoPlayerGames) {
    joga("2", 7654321u, 40000);
}

}  // namespace random_play
