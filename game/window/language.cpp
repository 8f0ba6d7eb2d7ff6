// The two languages of the main window: the language menu, the captions of each language and the
// check of that language's help file.
#include <string>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "game/window/required_files.h"
#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/files.h"
#include "runtime/values.h"

namespace quopa {

namespace {

enum class Lingua { Portugues, Ingles };

struct Texto {
    const char* portugues;
    const char* ingles;
    const char* em(Lingua l) const { return l == Lingua::Portugues ? portugues : ingles; }
};

struct LegendaDeMenu {
    rt::Menu frmQUOPA::*item;
    Texto texto;
};

// The language menu and its Portuguese item read in the other language, so that a user who
// cannot read the present one still finds them.
constexpr LegendaDeMenu kMenus[] = {
    {&frmQUOPA::nnuJogo, {"&Jogo", "&Game"}},
    {&frmQUOPA::mnuNovo, {"&Novo", "&New"}},
    {&frmQUOPA::mnuSair, {"Sai&r", "E&xit"}},
    {&frmQUOPA::mnuPrefere, {"&Preferências", "&Preferences"}},
    {&frmQUOPA::mnuAnimacao, {"&Animação", "&Animation"}},
    {&frmQUOPA::mnuTodosSons, {"&Sons", "&Sounds"}},
    {&frmQUOPA::mnuNenhumSom, {"&Nenhum som", "&No sounds"}},
    {&frmQUOPA::mnuFama, {"R&ecorde", "&High score"}},
    {&frmQUOPA::MnuReclamacao, {"&Reclamação", "&Complaint"}},
    {&frmQUOPA::mnutentar, {"&Tentativas", "&Roll dice"}},
    {&frmQUOPA::MnuJogado, {"&Jogadores", "&Players"}},
    {&frmQUOPA::mnuNome1, {"N&ome jogador 1", "N&ame player 1"}},
    {&frmQUOPA::mnuNome2, {"&Nome jogador 2", "&Name player 2"}},
    {&frmQUOPA::mnuDicas, {"&Dicas", "&Tips"}},
    {&frmQUOPA::mnuPossibilidade, {"&Indicar possibilidades", "&Indicate possibilities"}},
    {&frmQUOPA::mnuExibeLegendas, {"&Exibir legendas", "&Show labels"}},
    {&frmQUOPA::MnuExibePontos, {"E&xibir pontos", "S&how points"}},
    {&frmQUOPA::mnuTotal, {"Exibir &Total", "Show &Total"}},
    {&frmQUOPA::MostC, {"Exibir teclas de &atalho", "Show shortcut &keys"}},
    {&frmQUOPA::mnuPapel, {"&Configurações", "S&ettings"}},
    {&frmQUOPA::mnuCriaAtalhos, {"&Atalhos", "&Shortcuts"}},
    {&frmQUOPA::MnuCores, {"&Cores", "&Colors"}},
    {&frmQUOPA::mnuDados, {"&Dados", "&Dice"}},
    {&frmQUOPA::mnuHabilitaTeclado, {"&Habilitar teclado", "&Keyboard enabled"}},
    {&frmQUOPA::mnuidioma, {"&Language", "I&dioma"}},
    {&frmQUOPA::mnuInfo, {"&Informações", "&Information"}},
    {&frmQUOPA::mnuPlacar, {"&Recordes", "High &Score"}},
    {&frmQUOPA::mnuDemonstra, {"&Tutorial - como jogar Quopa", "&Tutorial - how to play Quopa"}},
    {&frmQUOPA::MnuSobre, {"&Sobre o Programa", "&About Program"}},
};

struct LegendaDeItem {
    rt::MenuArray frmQUOPA::*lista;
    int indice;
    Texto texto;
};

constexpr LegendaDeItem kItens[] = {
    {&frmQUOPA::MnuJogadas, 0, {"&3 jogadas", "&3 chances"}},
    {&frmQUOPA::MnuJogadas, 1, {"&5 jogadas", "&5 chances"}},
    {&frmQUOPA::MnuJoga, 0, {"&1 jogador", "&1 player"}},
    {&frmQUOPA::MnuJoga, 1, {"&2 jogadores", "&2 players"}},
    {&frmQUOPA::mnuLingua, 0, {"&Portuguese", "&Português"}},
};

// The help item shows its key at the right: the caption is padded with blanks.
std::string legendaDaAjuda(Lingua l) {
    return l == Lingua::Portugues ? "&Ajuda" + std::string(34, ' ') + "F1"
                                  : "&Help" + std::string(35, ' ') + "F1";
}

// A player name still at its default is translated; a name the player gave is kept.
void traduzNomePadrao(rt::Label& nome, const std::string& padraoDeOutraLingua,
                      const std::string& padrao) {
    if (rt::UCase(rt::Trim(nome.caption())) == padraoDeOutraLingua) nome.setCaption(padrao);
}

void poeLegendas(frmQUOPA& f, Lingua l) {
    for (const LegendaDeMenu& m : kMenus) (f.*m.item).setCaption(m.texto.em(l));
    for (const LegendaDeItem& i : kItens) (f.*i.lista)[i.indice].setCaption(i.texto.em(l));
    f.mnuAjuda.setCaption(legendaDaAjuda(l));
    const char* voltar = l == Lingua::Portugues ? "&Voltar" : "&Back";
    f.cmdBack.setCaption(voltar);
    f.cmdBack2.setCaption(voltar);
    // The sales representatives' page exists only in the Portuguese help file.
    f.menu_Representantes.setEnabled(l == Lingua::Portugues);
    // Player 1's roll button is translated only while it asks for a marking; while it shows the
    // rolls left, its next update writes it in the new language.
    if (l == Lingua::Ingles) {
        if (f.cmdPlay.caption() == "Marcar pontos") f.cmdPlay.setCaption("Mark points");
        traduzNomePadrao(f.lblPlayer1, "JOGADOR 1", "Player 1");
        traduzNomePadrao(f.lblPlayer2, "JOGADOR 2", "Player 2");
    } else {
        if (f.cmdPlay.caption() == "Mark points") f.cmdPlay.setCaption("Marcar pontos");
        traduzNomePadrao(f.lblPlayer1, "PLAYER 1", "Jogador 1");
        traduzNomePadrao(f.lblPlayer2, "PLAYER 2", "Jogador 2");
    }
}

// A help file is valid when its first text field begins with "?_". A file that cannot be read
// (an empty one among them) is not valid.
bool ajudaValida(const std::string& arquivo) {
    std::string inicio;
    try {
        inicio = rt::Left(rt::readFirstField(arquivo) + "  ", 2);
    } catch (const rt::RuntimeError&) {
    }
    rt::CloseAllFiles();
    return inicio == "?_";
}

// Makes the language's help file the application's; ends the program when it is missing or
// broken.
void confereAjuda(frmQUOPA& f, Lingua l) {
    const std::string nome = l == Lingua::Portugues ? "Ajudquopa.hlp" : "Helpquopa.hlp";
    Arquivo = CaminhoApp + nome;
    rt::app().setHelpFile(Arquivo);
    bool existe = ArquivoExiste(Arquivo);
    if (existe && ajudaValida(Arquivo)) return;
    if (l == Lingua::Portugues) {
        if (!existe)
            EncerraSemArquivo(f,
                              "Não será possível continuar. O arquivo de ajuda: Ajudquopa.hlp não "
                              "se encontra na pasta: " +
                                  CaminhoApp,
                              "Arquivo não encontrado na pasta do Programa");
        EncerraSemArquivo(f,
                          "Não será possível continuar. O arquivo de ajuda: Ajudquopa.hlp não foi "
                          "encontrado ou está corrompido.",
                          "Arquivo não encontrado ou corrompido");
    }
    if (!existe)
        EncerraSemArquivo(f,
                          "Can not load Tuvel Quopa. The help file Helpquopa.hlp is not in the "
                          "same folder as Dazivuvera.exe",
                          "File was not found in " + CaminhoApp);
    EncerraSemArquivo(f,
                      "Can not load Tuvel Quopa. The help file Helpquopa.hlp is missing or "
                      "corrupted.",
                      "Missing or Corrupted file");
}

}  // namespace

void frmQUOPA::mnuLingua_Click(int Index) {
    if (mnuLingua[Index].checked()) return;
    if (mnuLingua[0].checked()) {
        mnuLingua[0].setChecked(false);
        mnuLingua[1].setChecked(true);
        Idioma = "1";
        InformaIdioma();
        PoeIngles();
    } else {
        mnuLingua[1].setChecked(false);
        mnuLingua[0].setChecked(true);
        // The language becomes Portuguese only after its texts and help file are in place.
        PoePortugues();
        Idioma = "0";
        InformaIdioma();
    }
}

void frmQUOPA::PoePortugues() {
    poeLegendas(*this, Lingua::Portugues);
    confereAjuda(*this, Lingua::Portugues);
}

void frmQUOPA::PoeIngles() {
    poeLegendas(*this, Lingua::Ingles);
    confereAjuda(*this, Lingua::Ingles);
}

}  // namespace quopa
