// The dice-picture dialog at work: filling it from the main window, the texts of both languages,
// the hover frames, picking faces and stamps, and applying the choice to the main window.
#include "game/window/frm_choic.h"

#include <array>
#include <string>

#include "app/module1.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"
#include "runtime/app.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// How far a pressed picture moves right and down, and how far outside a picture its hover
// frame lies, twips.
constexpr int kDeslocamento = 30;
constexpr int kFolgaDaMoldura = 60;

// The animation lengths of the list's items, ticks.
constexpr std::array<const char*, 3> kTempos = {"10", "20", "30"};

template <auto Controle>
void poeLegenda(frmChoic& f, const char* texto) {
    (f.*Controle).setCaption(texto);
}
void poeTitulo(frmChoic& f, const char* texto) {
    f.setCaption(texto);
}

// The texts by language. The Portuguese texts of the animation frame and its label are those of
// the design, which the Portuguese routine leaves as they are (nullptr).
struct Legenda {
    void (*poe)(frmChoic&, const char*);
    const char* portugues;
    const char* ingles;
};
using F = frmChoic;
constexpr std::array<Legenda, 10> kLegendas = {{
    {poeTitulo, " Dados", " Dice"},
    {poeLegenda<&F::Frame1>, "Clique as figuras à esquerda para alterar os dados",
     "Click on images to the left to change dice"},
    {poeLegenda<&F::Frame2>, "Clique uma figura como estampa dos dados",
     "click on an image below for dice mask"},
    {poeLegenda<&F::Frame3>, nullptr, "Animation"},
    {poeLegenda<&F::Label1>, nullptr, "&Timer animation:"},
    {poeLegenda<&F::cmdHelp>, "&Ajuda", "&Help"},
    {poeLegenda<&F::cmdCancel>, "&Cancelar", "&Cancel"},
    {poeLegenda<&F::cmdSalvar>, "&OK", "&OK"},
    {poeLegenda<&F::Option1>, "animar &estampas", "mas&k animation"},
    {poeLegenda<&F::Option2>, "animar &dados", "&dice animation"},
}};

// The selected option is shown in bold, the other one not.
void realcaOpcao(rt::OptionButton& escolhida, rt::OptionButton& outra) {
    if (!escolhida.value()) return;
    escolhida.setFontBold(true);
    outra.setFontBold(false);
}

}  // namespace

void frmChoic::Form_Load() {
    EscondeLinhas();
    const rt::Color fundo = frmQUOPA::instance().backColor();
    Picture1.setBackColor(fundo);
    Picture2.setBackColor(fundo);
    Picture3.setBackColor(fundo);
    if (Idioma == "0")
        FrasesPortugalDados();
    else
        FrasesEnglishDados();
    PegaDadosAtuais();
}

void frmChoic::FrasesPortugalDados() {
    for (const Legenda& l : kLegendas)
        if (l.portugues) l.poe(*this, l.portugues);
}

void frmChoic::FrasesEnglishDados() {
    for (const Legenda& l : kLegendas) l.poe(*this, l.ingles);
    Combo1.clear();
    for (const char* item : {"Short", "Medium", "Long"}) Combo1.addItem(item);
}

void frmChoic::PegaDadosAtuais() {
    frmQUOPA& f = frmQUOPA::instance();
    for (int k = 1; k <= 6; ++k) imgEst[k].setPicture(resources::icon(k * 100 + 1));
    imgTMP.setPicture(f.imgTMPx[1].picture());
    lblTMP.setCaption(f.lblTMP.caption());
    const std::string& tempo = f.lblTemPo.caption();
    Combo1.setListIndex(tempo == "10" ? 0 : tempo == "30" ? 2 : 1);
    for (int i = 1; i <= 6; ++i) {
        lblDados[i].setCaption(f.lblDados[i].caption());
        imgEsco1[i].setPicture(f.imgDado1[i].picture());
    }
    if (f.lblTipoAnimacao.caption() == "0")
        Option1.setValue(true);
    else
        Option2.setValue(true);
}

void frmChoic::EscondeLinhas() {
    for (rt::Line* linha : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8})
        linha->setVisible(false);
}

// Anywhere but over a picture the hover frames vanish.
void frmChoic::Form_MouseMove(int, int, float, float) {
    EscondeLinhas();
}
void frmChoic::Frame1_MouseMove(int, int, float, float) {
    EscondeLinhas();
}
void frmChoic::Frame2_MouseMove(int, int, float, float) {
    EscondeLinhas();
}
void frmChoic::Frame3_MouseMove(int, int, float, float) {
    EscondeLinhas();
}
void frmChoic::imgEsco1_MouseMove(int, int, int, float, float) {
    EscondeLinhas();
}
void frmChoic::imgTMP_MouseMove(int, int, float, float) {
    EscondeLinhas();
}
void frmChoic::Picture3_MouseMove(int, int, float, float) {
    EscondeLinhas();
}

void frmChoic::pressionaFigura(rt::ControlArray<rt::Image>& figuras, int Index) {
    figuras.forEach([&](int i, rt::Image& figura) {
        if (i != Index) {
            figura.setBorderStyle(rt::BorderStyle::None);
            return;
        }
        figura.setBorderStyle(rt::BorderStyle::FixedSingle);
        if (FiguraPressionada) return;
        FiguraPressionada = true;
        EsquerdaAntes = figura.left();
        TopoAntes = figura.top();
        figura.setLeft(EsquerdaAntes + kDeslocamento);
        figura.setTop(TopoAntes + kDeslocamento);
    });
    EscondeLinhas();
}

void frmChoic::emolduraFigura(rt::ControlArray<rt::Image>& figuras, int Index, rt::Line& cima,
                              rt::Line& baixo, rt::Line& esquerda, rt::Line& direita) {
    for (rt::Line* linha : {&cima, &baixo, &esquerda, &direita}) linha->setVisible(true);
    figuras.forEach([&](int i, rt::Image& figura) {
        if (i != Index) {
            figura.setBorderStyle(rt::BorderStyle::None);
            return;
        }
        // From the picture's present place: over a pressed picture the frame follows its shift.
        const int e = figura.left() - kFolgaDaMoldura;
        const int d = figura.left() + figura.width() + kFolgaDaMoldura;
        const int c = figura.top() - kFolgaDaMoldura;
        const int b = figura.top() + figura.height() + kFolgaDaMoldura;
        cima.setEnds(e, c, d, c);
        baixo.setEnds(e, b, d, b);
        esquerda.setEnds(e, c, e, b);
        direita.setEnds(d, c, d, b);
    });
}

void frmChoic::soltaFigura(rt::ControlArray<rt::Image>& figuras, int Index) {
    figuras.forEach([](int, rt::Image& figura) { figura.setBorderStyle(rt::BorderStyle::None); });
    if (!FiguraPressionada) return;
    FiguraPressionada = false;
    figuras[Index].setLeft(EsquerdaAntes);
    figuras[Index].setTop(TopoAntes);
}

void frmChoic::imgDado1_MouseDown(int Index, int, int, float, float) {
    pressionaFigura(imgDado1, Index);
}

void frmChoic::imgDado1_MouseMove(int Index, int, int, float, float) {
    emolduraFigura(imgDado1, Index, Line1, Line2, Line3, Line4);
}

void frmChoic::imgDado1_MouseUp(int Index, int, int, float, float) {
    soltaFigura(imgDado1, Index);
    // Row d of the gallery is design d: the column gives the face the picture belongs to.
    const int face = (Index - 1) % 6 + 1;
    imgEsco1[face].setPicture(imgDado1[Index].picture());
    lblDados[face].setCaption(rt::CStr(Index));
}

void frmChoic::imgEst_MouseDown(int Index, int, int, float, float) {
    pressionaFigura(imgEst, Index);
}

void frmChoic::imgEst_MouseMove(int Index, int, int, float, float) {
    emolduraFigura(imgEst, Index, Line5, Line6, Line7, Line8);
}

void frmChoic::imgEst_MouseUp(int Index, int, int, float, float) {
    soltaFigura(imgEst, Index);
    imgTMP.setPicture(imgEst[Index].picture());
    lblTMP.setCaption(rt::CStr(Index));
}

void frmChoic::Option1_Click() {
    realcaOpcao(Option1, Option2);
}

void frmChoic::Option2_Click() {
    realcaOpcao(Option2, Option1);
}

void frmChoic::cmdSalvar_Click() {
    frmQUOPA& f = frmQUOPA::instance();
    for (int i = 1; i <= 6; ++i) {
        f.lblDados[i].setCaption(lblDados[i].caption());
        f.imgDado1[i].setPicture(imgEsco1[i].picture());
    }
    f.lblTMP.setCaption(lblTMP.caption());
    for (int j = 1; j <= 3; ++j)
        f.imgTMPx[j].setPicture(
            resources::icon(static_cast<int>(rt::Val(lblTMP.caption() + "0" + std::to_string(j)))));
    const std::string tipo = Option1.value() ? "0" : "1";
    // A roll still running counts its frames by the kind it started with: the dice pictures
    // have five frames, the stamps two. A new kind starts again at its first frame, so that the
    // roll goes on and ends as usual.
    if (f.Timer1.timerEnabled() && tipo != f.lblTipoAnimacao.caption()) f.QuadroAnimacao = 0;
    f.lblTipoAnimacao.setCaption(tipo);
    // Rolled dice show their face's new picture; dice still to be rolled in this turn, and those
    // of a roll still running, the new stamp. Held dice stay where they are.
    for (const Dado& d : DadosDe(f)) {
        if (d.face.caption() != "0")
            d.imagem.setPicture(imgEsco1[static_cast<int>(rt::Val(d.face.caption()))].picture());
        else
            d.imagem.setPicture(imgTMP.picture());
    }
    const int item = Combo1.listIndex();
    if (item >= 0 && item < static_cast<int>(kTempos.size())) f.lblTemPo.setCaption(kTempos[item]);
    unload();
}

void frmChoic::cmdCancel_Click() {
    unload();
}

void frmChoic::cmdHelp_Click() {
    // As the help key on this window: the help file opens at the dialog's context.
    rt::app().pressHelpKey(this);
}

}  // namespace quopa
