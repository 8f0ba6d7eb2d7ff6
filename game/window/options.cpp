// The game's options: the ticks of the option menu items, read from the settings store once while
// the main window loads and written back once while it unloads.
#include <cassert>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/module1.h"
#include "app/settings_save.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/values.h"

namespace quopa {

namespace {

constexpr const char* kSecaoOpcoes = "MainForm";

// An option kept as the tick of a menu item, stored as a truth value.
struct OpcaoMarcada {
    const char* chave;
    rt::Menu frmQUOPA::*item;
    bool padrao;  // when the key is absent
};

// In the order they are saved: the first nine come before the rolls, players and language, the
// last two after them.
constexpr OpcaoMarcada kOpcoesMarcadas[] = {
    {"Animation", &frmQUOPA::mnuAnimacao, true},
    {"NoSounds", &frmQUOPA::mnuNenhumSom, false},
    {"Quopa", &frmQUOPA::MnuAplaudirQuopa, true},
    {"Complaint", &frmQUOPA::MnuReclamacao, true},
    {"HighScore", &frmQUOPA::mnuFama, true},
    {"Possibilities", &frmQUOPA::mnuPossibilidade, true},
    {"Labels", &frmQUOPA::mnuExibeLegendas, true},
    {"Points", &frmQUOPA::MnuExibePontos, true},
    {"Total", &frmQUOPA::mnuTotal, false},
    {"Keyboard", &frmQUOPA::mnuHabilitaTeclado, false},
    {"Shortcutkeys", &frmQUOPA::MostC, false},
};
constexpr std::span<const OpcaoMarcada> kOpcoesDoMenu{kOpcoesMarcadas, 9};
constexpr std::span<const OpcaoMarcada> kOpcoesDoTeclado{kOpcoesMarcadas + 9, 2};

const OpcaoMarcada& opcaoPorChave(std::string_view chave) {
    for (const OpcaoMarcada& opcao : kOpcoesMarcadas)
        if (chave == opcao.chave) return opcao;
    assert(false && "unknown option key");
    return kOpcoesMarcadas[0];
}

std::string pegaOpcao(const char* chave, const std::string& padrao) {
    return rt::GetSetting(kNomeAplicativo, kSecaoOpcoes, chave, padrao);
}

// The options are gathered and saved together, in one replacement of the store.
using Opcoes = std::vector<rt::Setting>;

void salvaOpcao(Opcoes& opcoes, const char* chave, const std::string& valor) {
    opcoes.push_back({kSecaoOpcoes, chave, valor});
}

// Reads the stored truth value of one ticked option into its item. A text that is no truth value
// leaves the item as it is (unticked, as at design), so a damaged store never stops the start.
void pegaMarca(frmQUOPA& f, const char* chave) {
    const OpcaoMarcada& opcao = opcaoPorChave(chave);
    if (auto marcada = rt::parseBool(pegaOpcao(opcao.chave, rt::boolText(opcao.padrao))))
        (f.*opcao.item).setChecked(*marcada);
}

void salvaMarca(Opcoes& opcoes, frmQUOPA& f, const OpcaoMarcada& opcao) {
    salvaOpcao(opcoes, opcao.chave, rt::boolText((f.*opcao.item).checked()));
}

// Only the first character of these stored texts counts ("5x" reads as "5").
std::string primeiroCaractere(const char* chave, const char* padrao) {
    return rt::Left(pegaOpcao(chave, padrao), 1);
}

}  // namespace

void frmQUOPA::PegaOpcoes() {
    // Every step stands on its own: a step that fails is skipped and the next one runs, so one
    // unreadable value costs only its own option.
    auto passo = [](auto&& instrucao) { rt::ignoreErrors(instrucao); };

    // 1. The window state: anything but "0" opens the window maximised.
    passo([&] {
        setWindowState(primeiroCaractere("WindowState", "2") == "0" ? rt::WindowState::Normal
                                                                    : rt::WindowState::Maximized);
    });

    // 2. The sound options.
    for (const char* chave : {"Animation", "Quopa", "Complaint", "HighScore"})
        passo([&] { pegaMarca(*this, chave); });

    // 3. No sounds silences the three sounds that belong to a choice of the player.
    passo([&] { pegaMarca(*this, "NoSounds"); });
    if (mnuNenhumSom.checked()) {
        MnuAplaudirQuopa.setEnabled(false);
        MnuAplaudirQuopa.setChecked(false);
        MnuReclamacao.setChecked(false);
        MnuReclamacao.setEnabled(false);
        mnuFama.setChecked(false);
        mnuFama.setEnabled(false);
    }

    // 4.-5. The key hints and the complaint only make sense while the possibilities are shown.
    passo([&] { pegaMarca(*this, "Shortcutkeys"); });
    passo([&] { pegaMarca(*this, "Possibilities"); });
    if (mnuPossibilidade.checked()) {
        MostC.setEnabled(true);
        if (!mnuNenhumSom.checked()) MnuReclamacao.setEnabled(true);
    } else {
        MnuReclamacao.setChecked(false);
        MnuReclamacao.setEnabled(false);
        MostC.setChecked(false);
        MostC.setEnabled(false);
    }

    // 6. Rolls per turn, through the menu's own handler so the counters follow.
    passo([&] { MnuJogadas_Click(primeiroCaractere("Chances", "3") == "5" ? 1 : 0); });

    // 7. The players' handler toggles from the state of item 0: ticking it first turns the click
    // on item 1 into "two players"; with it unticked the same click gives one player.
    passo([&] {
        if (primeiroCaractere("Players", "1") == "2") MnuJoga[0].setChecked(true);
    });
    passo([&] { MnuJoga_Click(1); });

    // 8.-10. What the window shows.
    passo([&] { pegaMarca(*this, "Labels"); });
    passo([&] { PicSbar1.setVisible(mnuExibeLegendas.checked()); });
    passo([&] { pegaMarca(*this, "Points"); });
    passo([&] {
        lblSomaSelecionados.setVisible(MnuExibePontos.checked());
        lblPontos.setVisible(MnuExibePontos.checked());
    });
    passo([&] { pegaMarca(*this, "Total"); });
    passo([&] {
        lblTgeral1.setVisible(mnuTotal.checked());
        lblTgeral2.setVisible(mnuTotal.checked());
    });

    // 11. Keyboard play.
    passo([&] { pegaMarca(*this, "Keyboard"); });
    passo([&] {
        if (mnuHabilitaTeclado.checked()) AjustaTabStop();
    });
}

void frmQUOPA::SalvaOpcoes() {
    // A minimised window is stored as maximised, so the next start never opens as an icon.
    if (windowState() == rt::WindowState::Minimized) setWindowState(rt::WindowState::Maximized);
    Opcoes opcoes;
    salvaOpcao(opcoes, "WindowState", std::to_string(static_cast<int>(windowState())));

    for (const OpcaoMarcada& opcao : kOpcoesDoMenu) salvaMarca(opcoes, *this, opcao);
    salvaOpcao(opcoes, "Chances", MnuJogadas[0].checked() ? "3" : "5");
    salvaOpcao(opcoes, "Players", MnuJoga[0].checked() ? "1" : "2");
    salvaOpcao(opcoes, "Language", Idioma.str());
    for (const OpcaoMarcada& opcao : kOpcoesDoTeclado) salvaMarca(opcoes, *this, opcao);
    GravaConfiguracoes(opcoes);
}

}  // namespace quopa
