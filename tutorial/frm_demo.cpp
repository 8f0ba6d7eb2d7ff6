// The tutorial window: its design, its copy of the main window's sheet, its layout over the whole
// screen and the moves between steps.
#include "tutorial/frm_demo.h"

#include <algorithm>
#include <array>

#include "app/module1.h"
#include "game/window/frm_quopa.h"

namespace quopa {

namespace {

namespace pal = rt::palette;

// The dice table keeps the main window's design: dice 480 twips wide, 625 apart, down at 1380
// and lifted at 890 (the same tops the game uses), the points below them, the buttons under it.
constexpr int kLarguraMesa = 3270;
constexpr int kAlturaMesa = 4230;
constexpr int kTopoDadoEmBaixo = 1380;
constexpr int kMargem = 240;
constexpr int kAlturaBotao = 420;
constexpr int kLarguraBotao = 1500;

rt::Font Fonte(double tamanho, bool negrito = false) {
    rt::Font f;
    f.size = tamanho;
    f.bold = negrito;
    return f;
}

bool LinhaCalculada(int linha) {
    return linha == 7 || linha == 8 || linha == 9 || linha == 17 || linha == 18;
}

// Fixed captions by language: Portuguese, English.
struct Legendas {
    const char* janela;
    const char* mostrar;
    const char* anterior;
    const char* proximo;
    const char* fechar;
    const char* voltar;  // the copy's back button, a picture: no access key
    const char* passo;
    const char* de;
};
constexpr Legendas kPortugues{" Tutorial - como jogar Quopa",
                              "&Mostre-me",
                              "< &Voltar",
                              "&Avançar >",
                              "&Fechar",
                              "Voltar",
                              "Passo ",
                              " de "};
constexpr Legendas kIngles{" Tutorial - how to play Quopa",
                           "&Show me",
                           "< &Back",
                           "&Next >",
                           "&Close",
                           "Back",
                           "Step ",
                           " of "};

const Legendas& LegendasDoIdioma() {
    return IdiomaPortugues() ? kPortugues : kIngles;
}

}  // namespace

frmDemo::frmDemo() : rt::Form("frmDemo") {
    design();
    cmdMostrar.onClick = [this] { cmdMostrar_Click(); };
    cmdAnterior.onClick = [this] { cmdAnterior_Click(); };
    cmdProximo.onClick = [this] { cmdProximo_Click(); };
    cmdFechar.onClick = [this] { cmdFechar_Click(); };
    tmrDemo.onTimer = [this] { tmrDemo_Timer(); };
}

frmDemo::~frmDemo() = default;

void frmDemo::design() {
    setBorderStyle(rt::FormBorder::Sizable);
    // The tutorial teaches the game: the help key opens the game's own page.
    setHelpContextID(10);
    setBackColor(pal::kDarkGreen);
    for (rt::Image* figura : {&tmp, &d1, &d2, &d3, &d4, &d5, &d6}) figura->setVisible(false);
    designFolha();
    designMesa();
    designLicao();
    tmrDemo.setTimerEnabled(false);
    setClientSize(12000, 8000);
    setWindowState(rt::WindowState::Maximized);
}

void frmDemo::designFolha() {
    picFolha.setDock(rt::Dock::Left);
    picFolha.setBorderStyle(rt::BorderStyle::None);
    picFolha.setTabStop(false);
    picGrade.setBorderStyle(rt::BorderStyle::None);
    picGrade.setTabStop(false);
    lblCabecalho.setBackStyle(rt::BackStyle::Transparent);
    lblCabecalho.setAlignment(rt::Alignment::Center);
    for (int linha = 1; linha <= 18; ++linha) {
        rt::Label& legenda = lblLegenda.create(linha);
        legenda.setBackStyle(rt::BackStyle::Transparent);
        legenda.setAlignment(rt::Alignment::Center);
        for (int coluna = kColunaDn; coluna <= kColunaF; ++coluna) {
            rt::Label& casa = Coluna(coluna).create(linha);
            casa.setAlignment(rt::Alignment::Center);
            casa.setTabStop(false);
        }
    }
    LTc.setAlignment(rt::Alignment::Center);
    LTc.setVisible(false);
}

void frmDemo::designMesa() {
    picMesa.setBorderStyle(rt::BorderStyle::None);
    picMesa.setTabStop(false);
    picMesa.move(0, 0, kLarguraMesa, kAlturaMesa);
    const std::array<rt::Image*, 5> dados{&imgSort1, &imgSort2, &imgSort3, &imgSort4, &imgSort5};
    for (int i = 0; i < 5; ++i) dados[i]->move(145 + i * 625, kTopoDadoEmBaixo, 480, 480);
    lblPontos.move(0, 1950, kLarguraMesa, 500);
    lblPontos.setAlignment(rt::Alignment::Center);
    lblPontos.setBackStyle(rt::BackStyle::Transparent);
    lblPontos.setFont(Fonte(18, true));
    // The captions sit in the middle of their boxes, as on a button, in the fonts of the main
    // window's roll and back buttons: the longest caption, "Marcar pontos", fits on one line
    // there and so here, where a larger font would wrap its second word out of sight.
    struct Botao {
        rt::PictureBox& caixa;
        rt::Label& legenda;
        int top, width, height;
        double fonte;
    };
    for (const Botao& b : {Botao{picJogar, lblJogar, 2700, 1560, 840, 10.5},
                           Botao{picVoltar, lblVoltar, 3720, 1155, 480, 8.25}}) {
        b.caixa.move(45, b.top, b.width, b.height);
        b.caixa.setBackColor(pal::kButtonFace);
        b.caixa.setTabStop(false);
        const int altura = b.fonte > 10 ? 330 : 240;
        b.legenda.move(0, (b.height - altura) / 2, b.width - 30, altura);
        b.legenda.setAlignment(rt::Alignment::Center);
        b.legenda.setBackStyle(rt::BackStyle::Transparent);
        b.legenda.setFont(Fonte(b.fonte, true));
    }
    picVoltar.setVisible(false);
}

void frmDemo::designLicao() {
    picLicao.setBorderStyle(rt::BorderStyle::FixedSingle);
    picLicao.setBackColor(pal::kWhite);
    lblTitulo.setFont(Fonte(16, true));
    lblTitulo.setForeColor(pal::kDarkBlue);
    lblTitulo.setBackStyle(rt::BackStyle::Transparent);
    lblTexto.setFont(Fonte(12));
    lblTexto.setBackStyle(rt::BackStyle::Transparent);
    lblTexto.setWordWrap(true);
    lblPasso.setFont(Fonte(10));
    lblPasso.setForeColor(pal::kGrey);
    lblPasso.setBackStyle(rt::BackStyle::Transparent);
    lblPasso.setAlignment(rt::Alignment::Right);
    for (rt::CommandButton* b : {&cmdMostrar, &cmdAnterior, &cmdProximo, &cmdFechar})
        b->setFont(Fonte(10, b == &cmdMostrar));
    // Enter goes on to the next step; Esc ends the tutorial.
    cmdProximo.setDefault(true);
    cmdFechar.setCancel(true);
}

rt::ControlArray<rt::Label>& frmDemo::Coluna(int coluna) {
    switch (coluna) {
        case kColunaDn:
            return lblB;
        case kColunaUp:
            return lblC;
        case kColunaD:
            return lblD;
        default:
            return lblS;
    }
}

void frmDemo::Form_Load() {
    CopiaFolha();
    PoeTextos();
    MostraPasso(1);
}

void frmDemo::Form_Unload(int&) {
    ParaDemonstracao();
}

// The copy takes the main window's sheet as it stands: where each cell, legend and the header
// are, their fonts, and the colours of the scheme. The scheme is read from its carriers rather
// than from the cells, which may be wearing the marks of the roll in progress.
void frmDemo::CopiaFolha() {
    frmQUOPA& jogo = frmQUOPA::instance();
    setBackColor(jogo.backColor());
    picFolha.setBackColor(jogo.PicUser.backColor());
    picFolha.setWidth(jogo.PicUser.width());
    picGrade.move(jogo.Picture1.left(), jogo.Picture1.top(), jogo.Picture1.width(),
                  jogo.Picture1.height());
    picGrade.setBackColor(jogo.Picture1.backColor());
    lblCabecalho.move(jogo.lblLegen2.left(), jogo.lblLegen2.top(), jogo.lblLegen2.width(),
                      jogo.lblLegen2.height());
    lblCabecalho.setCaption(jogo.lblLegen2.caption());
    lblCabecalho.setFont(jogo.lblLegen2.font());
    lblCabecalho.setForeColor(jogo.lblVolta.foreColor());
    LabelArray* colunasDoJogo[] = {&jogo.lblB, &jogo.lblC, &jogo.lblD, &jogo.lblS};
    for (int linha = 1; linha <= 18; ++linha) {
        const rt::Label& legendaDoJogo = jogo.lblLegen[linha];
        rt::Label& legenda = lblLegenda[linha];
        legenda.move(legendaDoJogo.left(), legendaDoJogo.top(), legendaDoJogo.width(),
                     legendaDoJogo.height());
        legenda.setCaption(legendaDoJogo.caption());
        legenda.setFont(legendaDoJogo.font());
        const bool calculada = LinhaCalculada(linha);
        legenda.setForeColor(calculada ? jogo.lblQuemJoga.foreColor() : jogo.lblVolta.foreColor());
        const rt::Label& modelo = calculada ? jogo.lblVolte12 : jogo.lblVolte11;
        for (int coluna = kColunaDn; coluna <= kColunaF; ++coluna) {
            const rt::Label& casaDoJogo = (*colunasDoJogo[coluna - 1])[linha];
            rt::Label& casa = Coluna(coluna)[linha];
            casa.move(casaDoJogo.left(), casaDoJogo.top(), casaDoJogo.width(), casaDoJogo.height());
            casa.setFont(casaDoJogo.font());
            casa.setBackColor(modelo.backColor());
            casa.setForeColor(modelo.foreColor());
        }
    }
    LTc.setFont(jogo.LTc1.font());
    LTc.setForeColor(jogo.LTc1.foreColor());
    LTc.setBackColor(jogo.LTc1.backColor());
    corPossivel_ = jogo.Jogad1.backColor();
    corDaCasa_ = jogo.lblVolte11.backColor();
    picMesa.setBackColor(jogo.backColor());
    lblPontos.setForeColor(jogo.lblPontos.foreColor());
}

void frmDemo::PoeTextos() {
    const Legendas& l = LegendasDoIdioma();
    setCaption(l.janela);
    cmdMostrar.setCaption(l.mostrar);
    cmdAnterior.setCaption(l.anterior);
    cmdProximo.setCaption(l.proximo);
    cmdFechar.setCaption(l.fechar);
    lblVoltar.setCaption(l.voltar);
}

void frmDemo::MostraPasso(int numero) {
    passo_ = std::clamp(numero, 1, kNumeroDePassos);
    const Passo& p = Passos()[static_cast<std::size_t>(passo_ - 1)];
    const bool portugues = IdiomaPortugues();
    const Legendas& l = LegendasDoIdioma();
    lblTitulo.setCaption(p.titulo.em(portugues));
    lblTexto.setCaption(p.texto.em(portugues));
    lblPasso.setCaption(l.passo + std::to_string(passo_) + l.de + std::to_string(kNumeroDePassos));
    cmdMostrar.setVisible(!p.demonstracao.empty());
    cmdAnterior.setEnabled(passo_ > 1);
    cmdProximo.setEnabled(passo_ < kNumeroDePassos);
    PoeCena(p);
}

void frmDemo::cmdAnterior_Click() {
    if (passo_ > 1) MostraPasso(passo_ - 1);
}

void frmDemo::cmdProximo_Click() {
    if (passo_ < kNumeroDePassos) MostraPasso(passo_ + 1);
}

void frmDemo::cmdFechar_Click() {
    unload();
}

namespace {
// Room for "Passo 22 de 22" in the step count's font.
constexpr int kLarguraPasso = 1800;
}  // namespace

void frmDemo::Form_Resize() {
    // The window is maximised: its parts share the client area, the sheet docked on the left,
    // the dice table beside it and the lesson taking the rest.
    const int w = scaleWidth(), h = scaleHeight();
    const int esquerdaMesa = picFolha.width() + 2 * kMargem;
    picMesa.move(esquerdaMesa, 2 * kMargem, kLarguraMesa, kAlturaMesa);
    const int esquerda = esquerdaMesa + kLarguraMesa + 2 * kMargem;
    const int largura = std::max(6000, w - esquerda - 2 * kMargem);
    const int altura = std::max(5000, h - 4 * kMargem);
    picLicao.move(esquerda, 2 * kMargem, largura, altura);

    const int interna = largura - 2 * kMargem;
    // A title has room for a second line on a narrow screen.
    lblTitulo.move(kMargem, kMargem, interna, 780);
    const int topoBotoes = altura - kMargem - kAlturaBotao - 30;
    lblTexto.move(kMargem, kMargem + 900, interna, std::max(600, topoBotoes - kMargem - 1260));
    cmdMostrar.move(kMargem, topoBotoes, kLarguraBotao, kAlturaBotao);
    int x = largura - kMargem - kLarguraBotao;
    for (rt::CommandButton* b : {&cmdFechar, &cmdProximo, &cmdAnterior}) {
        b->move(x, topoBotoes, kLarguraBotao, kAlturaBotao);
        x -= kLarguraBotao + 120;
    }
    // The step count sits between the buttons, or above them on a screen too narrow for that.
    const int esquerdaPasso = kMargem + kLarguraBotao + 120;
    const int entreBotoes = cmdAnterior.left() - 240 - esquerdaPasso;
    if (entreBotoes >= kLarguraPasso)
        lblPasso.move(esquerdaPasso, topoBotoes + 90, entreBotoes, 300);
    else
        lblPasso.move(kMargem, topoBotoes - 360, interna, 300);
    // The pictures of the dice arrive after the window has loaded, before it is first shown.
    MostraDados();
}

}  // namespace quopa
