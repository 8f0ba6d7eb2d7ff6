#include "dialogs/frm_prefe.h"

#include <array>
#include <string>

#include "app/module1.h"
#include "game/window/colour_carriers.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"

namespace quopa {

namespace {

using F = frmQUOPA;

// One row of the dialog: the category's name in both languages and the carriers its colours are
// read from (nullptr: the category has no such colour). The keyboard cursor is read from player
// 1's cursor, which player 2's always copies.
struct LinhaDeCor {
    const char* portugues;
    const char* ingles;
    LeCor texto;
    LeCor fundo;
};
constexpr std::array<LinhaDeCor, frmPrefe::kCategorias> kLinhasDeCor = {{
    {"Fundo da janela e da mesa dos dados", "Window and dice table background", nullptr,
     fundoDaJanela},
    {"Painel da folha de pontos", "Score sheet panel", nullptr, fundoDe<&F::PicUser>},
    {"Linhas entre as casas", "Lines between the boxes", nullptr, fundoDe<&F::Picture1>},
    {"Legendas das casas de pontos", "Labels of the scoring boxes", frenteDe<&F::lblVolta>,
     nullptr},
    {"Legendas das casas de somas", "Labels of the sum boxes", frenteDe<&F::lblQuemJoga>, nullptr},
    {"Casas de pontos", "Scoring boxes", frenteDe<&F::lblVolte11>, fundoDe<&F::lblVolte11>},
    {"Casas de somas", "Sum boxes", frenteDe<&F::lblVolte12>, fundoDe<&F::lblVolte12>},
    {"Casa onde os dados podem ser marcados", "Box where the dice can be scored", nullptr,
     fundoDe<&F::Jogad1>},
    {"Casa de cima que fica sem bônus", "Upper box that misses the bonus", nullptr,
     fundoDe<&F::Jogad2>},
    {"Casa onde só cabe zero", "Box for a zero only", nullptr, fundoDe<&F::lblTermOquePor>},
    {"Nome do jogador 1", "Name of player 1", frenteDe<&F::lblPlayer1>, nullptr},
    {"Nome do jogador 2", "Name of player 2", frenteDe<&F::lblPlayer2>, nullptr},
    {"Soma dos dados separados", "Sum of the held dice", frenteDe<&F::lblSomaSelecionados>,
     nullptr},
    {"Soma dos dados", "Sum of the dice", frenteDe<&F::lblPontos>, nullptr},
    {"Cursor do teclado", "Keyboard cursor", frenteDe<&F::LTc1>, fundoDe<&F::LTc1>},
}};

// The writes of OK, in the order the main window expects them; lblVolta's colour is written
// twice, as it always was. Player 2's cursor takes the same colours as player 1's.
enum class Lado { Texto, Fundo };
struct Escrita {
    int categoria;
    Lado lado;
    PoeCor poe;
};
using P = frmPrefe;
constexpr std::array<Escrita, 21> kEscritas = {{
    {P::kJanela, Lado::Fundo, poeFundoDaJanela},
    {P::kPainel, Lado::Fundo, poeFundo<&F::PicUser>},
    {P::kGrade, Lado::Fundo, poeFundo<&F::Picture1>},
    {P::kLegendaPontos, Lado::Texto, poeFrente<&F::lblVolta>},
    {P::kLegendaPontos, Lado::Texto, poeFrente<&F::lblVolta>},
    {P::kLegendaTotais, Lado::Texto, poeFrente<&F::lblQuemJoga>},
    {P::kCasaPontos, Lado::Texto, poeFrente<&F::lblVolte11>},
    {P::kCasaPontos, Lado::Fundo, poeFundo<&F::lblVolte11>},
    {P::kCasaTotais, Lado::Texto, poeFrente<&F::lblVolte12>},
    {P::kCasaTotais, Lado::Fundo, poeFundo<&F::lblVolte12>},
    {P::kSomaSeparados, Lado::Texto, poeFrente<&F::lblSomaSelecionados>},
    {P::kSomaDados, Lado::Texto, poeFrente<&F::lblPontos>},
    {P::kNome1, Lado::Texto, poeFrente<&F::lblPlayer1>},
    {P::kNome2, Lado::Texto, poeFrente<&F::lblPlayer2>},
    {P::kCasaPossivel, Lado::Fundo, poeFundo<&F::Jogad1>},
    {P::kCasaSemBonus, Lado::Fundo, poeFundo<&F::Jogad2>},
    {P::kCursor, Lado::Fundo, poeFundo<&F::LTc1>},
    {P::kCursor, Lado::Fundo, poeFundo<&F::LTc2>},
    {P::kCursor, Lado::Texto, poeFrente<&F::LTc1>},
    {P::kCursor, Lado::Texto, poeFrente<&F::LTc2>},
    {P::kCasaSoZero, Lado::Fundo, poeFundo<&F::lblTermOquePor>},
}};

// The grid, twips: a column of names, then a column of text swatches and one of background
// swatches, one row per category, and the buttons below.
constexpr int kMargem = 240;
constexpr int kLarguraNome = 4200;
constexpr int kColunaTexto = kMargem + kLarguraNome + 120;
constexpr int kLarguraColuna = 1200;
constexpr int kColunaFundo = kColunaTexto + kLarguraColuna;
constexpr int kLarguraAmostra = 900;
constexpr int kTopoCabecalho = 180;
constexpr int kTopoPrimeiraLinha = 540;
constexpr int kAlturaLinha = 345;
constexpr int kTopoBotoes = kTopoPrimeiraLinha + frmPrefe::kCategorias * kAlturaLinha + 180;
constexpr int kLarguraBotao = 1025;
constexpr int kAlturaBotao = 400;
constexpr int kLarguraCliente = kColunaFundo + kLarguraColuna + kMargem;
constexpr int kAlturaCliente = kTopoBotoes + kAlturaBotao + kMargem;

int topoDaLinha(int categoria) {
    return kTopoPrimeiraLinha + (categoria - 1) * kAlturaLinha;
}

void desenhaTexto(rt::Label& rotulo, int left, int top, int width, rt::Alignment alinhamento) {
    rotulo.move(left, top, width, 255);
    rotulo.setBackStyle(rt::BackStyle::Transparent);
    rotulo.setAlignment(alinhamento);
}

void desenhaAmostra(rt::Label& amostra, int coluna, int categoria) {
    amostra.move(coluna + (kLarguraColuna - kLarguraAmostra) / 2, topoDaLinha(categoria) + 15,
                 kLarguraAmostra, kAlturaLinha - 60);
    amostra.setBorderStyle(rt::BorderStyle::FixedSingle);
}

void desenhaBotao(rt::CommandButton& botao, int left) {
    botao.move(left, kTopoBotoes, kLarguraBotao, kAlturaBotao);
}

// The texts of the window by language: Portuguese, English.
struct Textos {
    const char* titulo;
    const char* texto;
    const char* fundo;
    const char* ajuda;
    const char* cancelar;
    const char* dica;
};
constexpr Textos kPortugues{" Cores", "Texto",     "Fundo",
                            "&Ajuda", "&Cancelar", "Clique para escolher outra cor"};
constexpr Textos kIngles{" Colors", "Text",    "Background",
                         "&Help",   "&Cancel", "Click to choose another colour"};

}  // namespace

frmPrefe::frmPrefe() : rt::Form("frmPrefe") {
    design();
}

void frmPrefe::design() {
    setCaption(" Cores");
    setBorderStyle(rt::FormBorder::FixedDialog);
    setClientSize(kLarguraCliente, kAlturaCliente);
    setHelpContextID(300);
    desenhaTexto(lblColunaTexto, kColunaTexto, kTopoCabecalho, kLarguraColuna,
                 rt::Alignment::Center);
    desenhaTexto(lblColunaFundo, kColunaFundo, kTopoCabecalho, kLarguraColuna,
                 rt::Alignment::Center);
    lblColunaTexto.setFontBold(true);
    lblColunaFundo.setFontBold(true);
    for (int c = 1; c <= kCategorias; ++c) {
        desenhaTexto(lblNome.create(c), kMargem, topoDaLinha(c) + 45, kLarguraNome,
                     rt::Alignment::Left);
        const LinhaDeCor& categoria = kLinhasDeCor[c - 1];
        if (categoria.texto) desenhaAmostra(lblCorTexto.create(c), kColunaTexto, c);
        if (categoria.fundo) desenhaAmostra(lblCorFundo.create(c), kColunaFundo, c);
    }
    lblCorTexto.onClick = [this](int i) { lblCorTexto_Click(i); };
    lblCorFundo.onClick = [this](int i) { lblCorFundo_Click(i); };

    desenhaBotao(cmdAjuda, kMargem);
    desenhaBotao(cmdOK, kLarguraCliente - kMargem - 2 * kLarguraBotao - 120);
    desenhaBotao(cmdCancelar, kLarguraCliente - kMargem - kLarguraBotao);
    cmdOK.setCaption("&OK");
    cmdOK.setDefault(true);
    cmdCancelar.setCancel(true);
    cmdAjuda.onClick = [this] { cmdAjuda_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancelar.onClick = [this] { cmdCancelar_Click(); };
}

void frmPrefe::Form_Load() {
    if (IdiomaPortugues())
        FrasesPortugues();
    else
        FrasesIngles();
    PegaCoresAtuais();
}

namespace {

void poeTextos(frmPrefe& f, const Textos& t, const char* LinhaDeCor::*nome) {
    f.setCaption(t.titulo);
    f.lblColunaTexto.setCaption(t.texto);
    f.lblColunaFundo.setCaption(t.fundo);
    for (int c = 1; c <= frmPrefe::kCategorias; ++c)
        f.lblNome[c].setCaption(kLinhasDeCor[c - 1].*nome);
    const auto dica = [&t](int, rt::Label& amostra) { amostra.setToolTipText(t.dica); };
    f.lblCorTexto.forEach(dica);
    f.lblCorFundo.forEach(dica);
    f.cmdAjuda.setCaption(t.ajuda);
    f.cmdCancelar.setCaption(t.cancelar);
}

}  // namespace

void frmPrefe::FrasesPortugues() {
    poeTextos(*this, kPortugues, &LinhaDeCor::portugues);
}

void frmPrefe::FrasesIngles() {
    poeTextos(*this, kIngles, &LinhaDeCor::ingles);
}

void frmPrefe::PegaCoresAtuais() {
    const frmQUOPA& f = frmQUOPA::instance();
    for (int c = 1; c <= kCategorias; ++c) {
        const LinhaDeCor& categoria = kLinhasDeCor[c - 1];
        if (categoria.texto) lblCorTexto[c].setBackColor(categoria.texto(f));
        if (categoria.fundo) lblCorFundo[c].setBackColor(categoria.fundo(f));
    }
}

void frmPrefe::EscolheCor(rt::Label& amostra, int categoria, const char* ladoPt,
                          const char* ladoEn) {
    const LinhaDeCor& c = kLinhasDeCor[categoria - 1];
    const bool pt = IdiomaPortugues();
    std::string titulo = std::string(" ") + (pt ? c.portugues : c.ingles);
    // Where a category has two colours the title says which one is being chosen.
    if (c.texto && c.fundo) titulo += std::string(" - ") + (pt ? ladoPt : ladoEn);
    if (auto cor = rt::app().colours().choose(amostra.backColor(), titulo))
        amostra.setBackColor(*cor);
}

void frmPrefe::lblCorTexto_Click(int Index) {
    EscolheCor(lblCorTexto[Index], Index, "texto", "text");
}

void frmPrefe::lblCorFundo_Click(int Index) {
    EscolheCor(lblCorFundo[Index], Index, "fundo", "background");
}

void frmPrefe::cmdOK_Click() {
    frmQUOPA& f = frmQUOPA::instance();
    for (const Escrita& e : kEscritas) {
        rt::Label& amostra =
            e.lado == Lado::Texto ? lblCorTexto[e.categoria] : lblCorFundo[e.categoria];
        e.poe(f, amostra.backColor());
    }
    f.PoeCores();
    f.SalvaCoresFquopa();
    unload();
}

void frmPrefe::cmdCancelar_Click() {
    unload();
}

void frmPrefe::cmdAjuda_Click() {
    // As the help key on this window: the help file opens at the dialog's context.
    rt::app().pressHelpKey(this);
}

}  // namespace quopa
