#include "game/window/frm_choic.h"

#include <array>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"

namespace quopa {

namespace {

// The gallery: design d in row d, face f in column f.
constexpr std::array<int, 6> kColunasDaGaleria = {135, 750, 1365, 1980, 2595, 3210};
constexpr std::array<int, 8> kLinhasDaGaleria = {150, 780, 1410, 2025, 2640, 3270, 3900, 4530};
constexpr int kLadoDaFigura = 480;

// The main window's default background, which the panels have until the dialog loads.
constexpr rt::Color kVerde = rt::palette::kDarkGreen;

}  // namespace

frmChoic::frmChoic() : rt::Form("frmChoic") {
    design();
}

frmChoic::~frmChoic() = default;

void frmChoic::design() {
    setCaption(" Dados");
    setBorderStyle(rt::FormBorder::FixedDialog);
    setClientSize(8280, 5445);
    setHelpContextID(400);

    Frame1.move(4125, 90, 4095, 1125);
    Frame1.setCaption("Clique as figuras à esquerda para alterar os dados");
    Picture2.move(150, 270, 3830, 720);
    Picture2.setBackColor(kVerde);
    // The holders lie below the frame's visible area.
    for (int i = 1; i <= 6; ++i) lblDados.create(i).move(120 + (i - 1) * 615, 1200, 480, 255);

    Frame2.move(4110, 1365, 4100, 1785);
    Frame2.setCaption("Clique uma figura como estampa dos dados");
    Picture1.move(1590, 300, 900, 720);
    Picture1.setBackColor(kVerde);
    lblTMP.move(270, 1860, 480, 255);

    Picture3.move(105, 120, 3870, 5220);
    Picture3.setBackColor(kVerde);
    // The pictures are the program's shared handles, drawn once: creating the library costs no
    // drawing, so loading the dialog hidden at every start stays cheap.
    for (int desenho = 1; desenho <= 8; ++desenho) {
        for (int face = 1; face <= 6; ++face) {
            const int indice = (desenho - 1) * 6 + face;
            rt::Image& figura = imgDado1.create(indice);
            figura.move(kColunasDaGaleria[face - 1], kLinhasDaGaleria[desenho - 1], kLadoDaFigura,
                        kLadoDaFigura);
            figura.setPicture(resources::dicePicture(indice));
        }
    }
}

void frmChoic::Form_Load() {
    const rt::Color fundo = frmQUOPA::instance().backColor();
    Picture1.setBackColor(fundo);
    Picture2.setBackColor(fundo);
    Picture3.setBackColor(fundo);
    if (Idioma == "0")
        FrasesPortugalDados();
    else
        FrasesEnglishDados();
}

void frmChoic::FrasesPortugalDados() {
    setCaption(" Dados");
    Frame1.setCaption("Clique as figuras à esquerda para alterar os dados");
    Frame2.setCaption("Clique uma figura como estampa dos dados");
}

void frmChoic::FrasesEnglishDados() {
    setCaption(" Dice");
    Frame1.setCaption("Click on images to the left to change dice");
    Frame2.setCaption("click on an image below for dice mask");
}

}  // namespace quopa
