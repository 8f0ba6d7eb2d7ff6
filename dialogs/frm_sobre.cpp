#include "dialogs/frm_sobre.h"

#include "app/module1.h"
#include "resources/resources.h"

namespace quopa {

namespace {

// Twips. The message moves 3 pixels a tick: 30 pixels a second, slow enough to read.
constexpr int kLarguraCliente = 6000;
constexpr int kPassoDaMensagem = 45;

struct Textos {
    const char* titulo;
    const char* versao;
    const char* descricao;
    const char* feitoPor;
    const char* mensagem;
};
constexpr Textos kPortugues{
    "Sobre o Tuvel Quopa", "Versão ", "Jogo de dados para um ou dois jogadores", "Um jogo da",
    "Obrigado por jogar Tuvel Quopa!   Cinco dados, quatro colunas e um pouco de sorte: "
    "boa diversão!"};
constexpr Textos kIngles{
    "About Tuvel Quopa", "Version ", "A dice game for one or two players", "A game by",
    "Thank you for playing Tuvel Quopa!   Five dice, four columns and a little luck: have fun!"};

rt::Font fonte(double pontos, bool negrito) {
    rt::Font f;
    f.size = pontos;
    f.bold = negrito;
    return f;
}

void textoLivre(rt::Label& l, int left, int top, const rt::Font& f) {
    l.move(left, top, 4800, 300);
    l.setFont(f);
    l.setBackStyle(rt::BackStyle::Transparent);
    l.setAutoSize(true);
}

}  // namespace

frmSobre::frmSobre() : rt::Form("frmSobre") {
    design();
    cmdOK.onClick = [this] { cmdOK_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void frmSobre::design() {
    setBorderStyle(rt::FormBorder::FixedDialog);
    setHelpContextID(1000);
    setClientSize(kLarguraCliente, 4020);

    imgIcone.move(360, 300, 480, 480);
    imgIcone.setPicture(resources::icon(1));
    textoLivre(lblNome, 1080, 240, fonte(16, true));
    lblNome.setCaption("Tuvel Quopa");
    textoLivre(lblVersao, 1080, 720, fonte(9, false));
    textoLivre(lblDescricao, 1080, 1000, fonte(9, false));

    // The maker: the logo, with its name beside it.
    imgOstrelo.move(360, 1440, 1920, 1245);
    imgOstrelo.setStretch(true);
    imgOstrelo.setPicture(resources::logo());
    textoLivre(lblFeitoPor, 2640, 1740, fonte(9, false));
    textoLivre(lblOstrelo, 2640, 2000, fonte(14, true));
    lblOstrelo.setCaption("Ostrelo");

    Picture1.move(360, 2880, kLarguraCliente - 720, 390);
    Picture1.setBackColor(rt::palette::kWhite);
    Picture1.setBorderStyle(rt::BorderStyle::FixedSingle);
    lblMensagem.move(Picture1.width(), 60, 9000, 255);
    lblMensagem.setBackStyle(rt::BackStyle::Transparent);
    lblMensagem.setForeColor(rt::palette::kDarkBlue);
    lblMensagem.setAutoSize(true);

    cmdOK.move(kLarguraCliente - 360 - 1215, 3450, 1215, 375);
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);

    Timer1.setInterval(100);
    Timer1.setTimerEnabled(false);
}

void frmSobre::Form_Load() {
    const Textos& t = IdiomaPortugues() ? kPortugues : kIngles;
    setCaption(t.titulo);
    lblVersao.setCaption(std::string(t.versao) + QUOPA_VERSION);
    lblDescricao.setCaption(t.descricao);
    lblFeitoPor.setCaption(t.feitoPor);
    lblMensagem.setCaption(t.mensagem);
    lblMensagem.setLeft(Picture1.width());
    Timer1.setTimerEnabled(true);
}

void frmSobre::Form_Unload(int&) {
    // With the box gone nothing is left to move: the program is idle again.
    Timer1.setTimerEnabled(false);
}

void frmSobre::cmdOK_Click() {
    unload();
}

void frmSobre::Timer1_Timer() {
    int left = lblMensagem.left() - kPassoDaMensagem;
    if (left + lblMensagem.width() <= 0) left = Picture1.width();
    lblMensagem.setLeft(left);
}

}  // namespace quopa
