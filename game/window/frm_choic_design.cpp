// The design of the dice-picture dialog: every control at its place, with the Portuguese texts.
#include <array>

#include "game/window/frm_choic.h"
#include "resources/resources.h"

namespace quopa {

namespace {

constexpr int kLadoDaFigura = 480;  // every picture of the dialog: 32 x 32 pixels

// The gallery: design d in row d, face f in column f.
constexpr std::array<int, 6> kColunasDaGaleria = {135, 750, 1365, 1980, 2595, 3210};
constexpr std::array<int, 8> kLinhasDaGaleria = {150, 780, 1410, 2025, 2640, 3270, 3900, 4530};
// The chosen faces, in Picture2.
constexpr std::array<int, 6> kColunasDasFaces = {120, 735, 1350, 1965, 2580, 3195};
constexpr int kTopoDasFaces = 105;
// The six stamps, in Frame2.
constexpr std::array<int, 6> kColunasDasEstampas = {270, 900, 1515, 2130, 2745, 3360};
constexpr int kTopoDasEstampas = 1140;

// The main window's default background, which the panels have until the dialog loads.
constexpr rt::Color kVerde = rt::palette::kDarkGreen;

void desenhaPainel(rt::PictureBox& painel, int left, int top, int width, int height) {
    painel.move(left, top, width, height);
    painel.setBackColor(kVerde);
    // The panels only show pictures: the keyboard goes from list to options to buttons.
    painel.setTabStop(false);
}

void desenhaMoldura(std::initializer_list<rt::Line*> linhas, rt::Color cor) {
    for (rt::Line* linha : linhas) {
        linha->setBorderWidth(2);
        linha->setBorderColor(cor);
    }
}

void desenhaBotao(rt::CommandButton& botao, int left, const char* legenda) {
    botao.move(left, 4830, 1025, 400);
    botao.setCaption(legenda);
}

}  // namespace

frmChoic::frmChoic() : rt::Form("frmChoic") {
    design();
    wireEvents();
}

frmChoic::~frmChoic() = default;

void frmChoic::design() {
    setCaption(" Dados");
    setBorderStyle(rt::FormBorder::FixedDialog);
    setClientSize(8280, 5445);
    setHelpContextID(400);
    designGallery();
    designChosenFaces();
    designStamps();
    designAnimation();
    designButtons();
    // The help key opens the dialog's topic over every part of it.
    for (rt::Control* c : std::initializer_list<rt::Control*>{
             &cmdHelp, &cmdSalvar, &cmdCancel, &Frame1, &Frame2, &Picture1, &Picture2, &Picture3})
        c->setHelpContextID(400);
}

void frmChoic::designGallery() {
    desenhaPainel(Picture3, 105, 120, 3870, 5220);
    // The pictures are the program's shared handles, drawn on first show: creating the library
    // costs no drawing.
    for (int desenho = 1; desenho <= 8; ++desenho) {
        for (int face = 1; face <= 6; ++face) {
            const int indice = (desenho - 1) * 6 + face;
            rt::Image& figura = imgDado1.create(indice);
            figura.move(kColunasDaGaleria[face - 1], kLinhasDaGaleria[desenho - 1], kLadoDaFigura,
                        kLadoDaFigura);
            figura.setBorderStyle(rt::BorderStyle::None);
            figura.setPicture(resources::dicePicture(indice));
        }
    }
    desenhaMoldura({&Line1, &Line2, &Line3, &Line4}, rt::palette::kWhite);
}

void frmChoic::designChosenFaces() {
    Frame1.move(4125, 90, 4095, 1125);
    Frame1.setCaption("Clique as figuras à esquerda para alterar os dados");
    desenhaPainel(Picture2, 150, 270, 3830, 720);
    for (int face = 1; face <= 6; ++face) {
        rt::Image& figura = imgEsco1.create(face);
        figura.move(kColunasDasFaces[face - 1], kTopoDasFaces, kLadoDaFigura, kLadoDaFigura);
        figura.setBorderStyle(rt::BorderStyle::None);
        // The holders lie below the frame's visible area.
        lblDados.create(face).move(kColunasDasFaces[face - 1], 1200, kLadoDaFigura, 255);
    }
}

void frmChoic::designStamps() {
    Frame2.move(4110, 1365, 4100, 1785);
    Frame2.setCaption("Clique uma figura como estampa dos dados");
    desenhaPainel(Picture1, 1590, 300, 900, 720);
    // In the middle of the panel's inside (its border takes one pixel on each side).
    imgTMP.move(195, 105, kLadoDaFigura, kLadoDaFigura);
    imgTMP.setBorderStyle(rt::BorderStyle::None);
    for (int estampa = 1; estampa <= 6; ++estampa) {
        rt::Image& figura = imgEst.create(estampa);
        figura.move(kColunasDasEstampas[estampa - 1], kTopoDasEstampas, kLadoDaFigura,
                    kLadoDaFigura);
        figura.setBorderStyle(rt::BorderStyle::None);
    }
    desenhaMoldura({&Line5, &Line6, &Line7, &Line8}, rt::palette::kBlack);
    lblTMP.move(270, 1860, kLadoDaFigura, 255);
}

void frmChoic::designAnimation() {
    Frame3.move(4125, 3285, 4080, 1320);
    Frame3.setCaption("Animação:");
    Label1.move(165, 345, 1860, 255);
    Label1.setCaption("&tempo de animação:");
    Label1.setBackStyle(rt::BackStyle::Transparent);
    Label1.setUseMnemonic(true);
    Combo1.move(2070, 285, 1845, 315);
    for (const char* item : {"curta", "média", "longa"}) Combo1.addItem(item);
    // Neither kind is selected at design: selecting the current one when the dialog loads runs
    // its click, which shows it in bold.
    Option1.move(165, 810, 1860, 300);
    Option1.setCaption("animar &estampas");
    Option2.move(2070, 810, 1860, 300);
    Option2.setCaption("animar &dados");
}

void frmChoic::designButtons() {
    desenhaBotao(cmdHelp, 4380, "&Ajuda");
    desenhaBotao(cmdSalvar, 5700, "&OK");
    desenhaBotao(cmdCancel, 6990, "&Cancelar");
    cmdCancel.setCancel(true);
}

void frmChoic::wireEvents() {
    using F = frmChoic;
    Frame1.onMouseMove = [this](int b, int s, float x, float y) { Frame1_MouseMove(b, s, x, y); };
    Frame2.onMouseMove = [this](int b, int s, float x, float y) { Frame2_MouseMove(b, s, x, y); };
    Frame3.onMouseMove = [this](int b, int s, float x, float y) { Frame3_MouseMove(b, s, x, y); };
    imgTMP.onMouseMove = [this](int b, int s, float x, float y) { imgTMP_MouseMove(b, s, x, y); };
    Picture3.onMouseMove = [this](int b, int s, float x, float y) {
        Picture3_MouseMove(b, s, x, y);
    };
    imgEsco1.onMouseMove = [this](int i, int b, int s, float x, float y) {
        imgEsco1_MouseMove(i, b, s, x, y);
    };
    imgDado1.wireMouse(this, &F::imgDado1_MouseDown, &F::imgDado1_MouseMove, &F::imgDado1_MouseUp);
    imgEst.wireMouse(this, &F::imgEst_MouseDown, &F::imgEst_MouseMove, &F::imgEst_MouseUp);
    Option1.onClick = [this] { Option1_Click(); };
    Option2.onClick = [this] { Option2_Click(); };
    cmdSalvar.onClick = [this] { cmdSalvar_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    cmdHelp.onClick = [this] { cmdHelp_Click(); };
}

}  // namespace quopa
