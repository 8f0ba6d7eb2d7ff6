// The game's options: the ticks of the option menu items, read from the settings store once while
// the main window loads and written back once while it unloads.
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

// Where a ticked option is saved among the other options: the menu's options before the rolls,
// players and language, the keyboard's after them.
enum class Gravada { AntesDasJogadas, DepoisDoIdioma };

// An option kept as the tick of a menu item, stored as a truth value.
struct OpcaoMarcada {
    const char* chave;
    rt::Menu frmQUOPA::*item;
    bool padrao;  // when the key is absent
    Gravada gravada;
};

// In the order they are saved within their group.
constexpr OpcaoMarcada kOpcoesMarcadas[] = {
    {"Animation", &frmQUOPA::mnuAnimacao, true, Gravada::AntesDasJogadas},
    {"NoSounds", &frmQUOPA::mnuNenhumSom, false, Gravada::AntesDasJogadas},
    {"Quopa", &frmQUOPA::MnuAplaudirQuopa, true, Gravada::AntesDasJogadas},
    {"Complaint", &frmQUOPA::MnuReclamacao, true, Gravada::AntesDasJogadas},
    {"HighScore", &frmQUOPA::mnuFama, true, Gravada::AntesDasJogadas},
    {"Possibilities", &frmQUOPA::mnuPossibilidade, true, Gravada::AntesDasJogadas},
    {"Labels", &frmQUOPA::mnuExibeLegendas, true, Gravada::AntesDasJogadas},
    {"Points", &frmQUOPA::MnuExibePontos, true, Gravada::AntesDasJogadas},
    {"Total", &frmQUOPA::mnuTotal, false, Gravada::AntesDasJogadas},
    {"Keyboard", &frmQUOPA::mnuHabilitaTeclado, false, Gravada::DepoisDoIdioma},
    {"Shortcutkeys", &frmQUOPA::MostC, false, Gravada::DepoisDoIdioma},
};

// The option of a key. Evaluated while compiling: a key that is not in the table stops the
// build, in every build type, instead of reading some other option.
consteval const OpcaoMarcada& opcao(std::string_view chave) {
    for (const OpcaoMarcada& o : kOpcoesMarcadas)
        if (chave == o.chave) return o;
    throw "unknown option key";
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
void pegaMarca(frmQUOPA& f, const OpcaoMarcada& opcao) {
    if (auto marcada = rt::parseBool(pegaOpcao(opcao.chave, rt::boolText(opcao.padrao))))
        (f.*opcao.item).setChecked(*marcada);
}

void salvaMarcas(Opcoes& opcoes, frmQUOPA& f, Gravada grupo) {
    for (const OpcaoMarcada& o : kOpcoesMarcadas)
        if (o.gravada == grupo) salvaOpcao(opcoes, o.chave, rt::boolText((f.*o.item).checked()));
}

// Only the first character of these stored texts counts ("5x" reads as "5").
std::string primeiroCaractere(const char* chave, const char* padrao) {
    return rt::Left(pegaOpcao(chave, padrao), 1);
}

// Every step of reading the options stands on its own: a step that fails is skipped and the
// next one runs, so one unreadable value costs only its own option.
template <class Instrucao>
void passo(Instrucao&& instrucao) {
    rt::ignoreErrors(instrucao);
}

// Steps 1 to 5: the window state, the sounds and the play aids.
void pegaJanelaESons(frmQUOPA& f) {
    // 1. The window state: anything but "0" opens the window maximised.
    passo([&] {
        f.setWindowState(primeiroCaractere("WindowState", "2") == "0" ? rt::WindowState::Normal
                                                                      : rt::WindowState::Maximized);
    });

    // 2. The sound options.
    for (const OpcaoMarcada* o :
         {&opcao("Animation"), &opcao("Quopa"), &opcao("Complaint"), &opcao("HighScore")})
        passo([&] { pegaMarca(f, *o); });

    // 3. No sounds silences the three sounds that belong to a choice of the player.
    passo([&] { pegaMarca(f, opcao("NoSounds")); });
    if (f.mnuNenhumSom.checked()) {
        f.MnuAplaudirQuopa.setEnabled(false);
        f.MnuAplaudirQuopa.setChecked(false);
        f.MnuReclamacao.setChecked(false);
        f.MnuReclamacao.setEnabled(false);
        f.mnuFama.setChecked(false);
        f.mnuFama.setEnabled(false);
    }

    // 4.-5. The key hints and the complaint only make sense while the possibilities are shown.
    passo([&] { pegaMarca(f, opcao("Shortcutkeys")); });
    passo([&] { pegaMarca(f, opcao("Possibilities")); });
    if (f.mnuPossibilidade.checked()) {
        f.MostC.setEnabled(true);
        if (!f.mnuNenhumSom.checked()) f.MnuReclamacao.setEnabled(true);
    } else {
        f.MnuReclamacao.setChecked(false);
        f.MnuReclamacao.setEnabled(false);
        f.MostC.setChecked(false);
        f.MostC.setEnabled(false);
    }
}

// Steps 6 to 11: the rolls and players, what the window shows, and keyboard play.
void pegaJogoEExibicao(frmQUOPA& f) {
    // 6. Rolls per turn, through the menu's own handler so the counters follow.
    passo([&] { f.MnuJogadas_Click(primeiroCaractere("Chances", "3") == "5" ? 1 : 0); });

    // 7. The players' handler toggles from the state of item 0: ticking it first turns the click
    // on item 1 into "two players"; with it unticked the same click gives one player.
    passo([&] {
        if (primeiroCaractere("Players", "1") == "2") f.MnuJoga[0].setChecked(true);
    });
    passo([&] { f.MnuJoga_Click(1); });

    // 8.-10. What the window shows.
    passo([&] { pegaMarca(f, opcao("Labels")); });
    passo([&] { f.PicSbar1.setVisible(f.mnuExibeLegendas.checked()); });
    passo([&] { pegaMarca(f, opcao("Points")); });
    passo([&] {
        f.lblSomaSelecionados.setVisible(f.MnuExibePontos.checked());
        f.lblPontos.setVisible(f.MnuExibePontos.checked());
    });
    passo([&] { pegaMarca(f, opcao("Total")); });
    passo([&] {
        f.lblTgeral1.setVisible(f.mnuTotal.checked());
        f.lblTgeral2.setVisible(f.mnuTotal.checked());
    });

    // 11. Keyboard play.
    passo([&] { pegaMarca(f, opcao("Keyboard")); });
    passo([&] {
        if (f.mnuHabilitaTeclado.checked()) f.AjustaTabStop();
    });
}

}  // namespace

void frmQUOPA::PegaOpcoes() {
    pegaJanelaESons(*this);
    pegaJogoEExibicao(*this);
}

void frmQUOPA::SalvaOpcoes() {
    // A minimised window is stored as maximised, so the next start never opens as an icon.
    if (windowState() == rt::WindowState::Minimized) setWindowState(rt::WindowState::Maximized);
    Opcoes opcoes;
    salvaOpcao(opcoes, "WindowState", std::to_string(static_cast<int>(windowState())));

    salvaMarcas(opcoes, *this, Gravada::AntesDasJogadas);
    salvaOpcao(opcoes, "Chances", MnuJogadas[0].checked() ? "3" : "5");
    salvaOpcao(opcoes, "Players", MnuJoga[0].checked() ? "1" : "2");
    salvaOpcao(opcoes, "Language", Idioma.str());
    salvaMarcas(opcoes, *this, Gravada::DepoisDoIdioma);
    GravaConfiguracoes(opcoes);
}

}  // namespace quopa
