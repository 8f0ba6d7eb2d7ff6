// Holding dice between the rolls of a turn: a click lifts a die out of the next roll or puts it
// back, and the pointer over a die shows which of the two a click would do.
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// Reads the face of a die that is being lifted back from the picture it shows. The face label
// already holds the face the roll drew; it is only replaced when it disagrees with the picture,
// so a stored dice style that gives two faces the same picture cannot turn a held die's face
// into another number.
void RelerFace(frmQUOPA& f, const Dado& d) {
    int atual = static_cast<int>(rt::Val(d.face.caption()));
    if (atual >= 1 && atual <= 6 && d.imagem.picture() == f.imgDado1[atual].picture()) return;
    // A die that shows a 6 keeps its face text, as it always did.
    for (int face = 1; face <= 5; ++face)
        if (d.imagem.picture() == f.imgDado1[face].picture()) d.face.setCaption(rt::CStr(face));
}

void ClicaDado(frmQUOPA& f, const Dado& d) {
    if (!PodeSegurarDados(f) || DadosRolando(f)) return;
    if (d.imagem.top() < kTopoEmBaixo) {
        d.imagem.setTop(kTopoEmBaixo);
        // A die is back on the table, so a roll refused because all five were held may go on.
        f.cmdPlay.setEnabled(true);
        f.cmdPlay2.setEnabled(true);
        f.lblQuantos.setCaption(rt::CStr(rt::Val(f.lblQuantos.caption()) + 1));
    } else {
        d.imagem.setTop(kTopoSelecionado);
        f.lblQuantos.setCaption(rt::CStr(rt::Val(f.lblQuantos.caption()) - 1));
        RelerFace(f, d);
    }
    f.SomaSelecionados();
}

void PonteiroSobreDado(frmQUOPA& f, const Dado& d) {
    if (!f.MostC.checked())
        d.imagem.setToolTipText("");
    else
        f.DicaTeclasDados();
    // The pointer tells what a click would do; it does not look at a running roll, which the
    // click itself refuses.
    if (PodeSegurarDados(f)) {
        d.imagem.setMousePointer(kPonteiroPersonalizado);
        d.imagem.setMouseIcon(d.imagem.top() < kTopoEmBaixo ? f.imgDesce.picture()
                                                            : f.imgSobe.picture());
    } else {
        d.imagem.setMousePointer(kPonteiroPadrao);
    }
}

Dado DadoNumero(frmQUOPA& f, int n) {
    return DadosDe(f)[n - 1];
}

}  // namespace

void frmQUOPA::imgSort1_Click() {
    ClicaDado(*this, DadoNumero(*this, 1));
}
void frmQUOPA::imgSort2_Click() {
    ClicaDado(*this, DadoNumero(*this, 2));
}
void frmQUOPA::imgSort3_Click() {
    ClicaDado(*this, DadoNumero(*this, 3));
}
void frmQUOPA::imgSort4_Click() {
    ClicaDado(*this, DadoNumero(*this, 4));
}
void frmQUOPA::imgSort5_Click() {
    ClicaDado(*this, DadoNumero(*this, 5));
}

// Pressing a button on a die gives it the default pointer until the next move.
void frmQUOPA::imgSort1_MouseDown(int, int, float, float) {
    imgSort1.setMousePointer(0);
}
void frmQUOPA::imgSort2_MouseDown(int, int, float, float) {
    imgSort2.setMousePointer(0);
}
void frmQUOPA::imgSort3_MouseDown(int, int, float, float) {
    imgSort3.setMousePointer(0);
}
void frmQUOPA::imgSort4_MouseDown(int, int, float, float) {
    imgSort4.setMousePointer(0);
}
void frmQUOPA::imgSort5_MouseDown(int, int, float, float) {
    imgSort5.setMousePointer(0);
}

void frmQUOPA::imgSort1_MouseMove(int, int, float, float) {
    PonteiroSobreDado(*this, DadoNumero(*this, 1));
}
void frmQUOPA::imgSort2_MouseMove(int, int, float, float) {
    PonteiroSobreDado(*this, DadoNumero(*this, 2));
}
void frmQUOPA::imgSort3_MouseMove(int, int, float, float) {
    PonteiroSobreDado(*this, DadoNumero(*this, 3));
}
void frmQUOPA::imgSort4_MouseMove(int, int, float, float) {
    PonteiroSobreDado(*this, DadoNumero(*this, 4));
}
void frmQUOPA::imgSort5_MouseMove(int, int, float, float) {
    PonteiroSobreDado(*this, DadoNumero(*this, 5));
}

void frmQUOPA::SomaSelecionados() {
    lblSomaSelecionados.setCaption("0");
    // Only a die exactly at the held position counts; the sum of five faces fits 16 bits.
    int16_t soma = 0;
    for (const Dado& d : DadosDe(*this))
        if (d.imagem.top() == kTopoSelecionado)
            soma = static_cast<int16_t>(soma + rt::Val(d.face.caption()));
    lblSomaSelecionados.setCaption(rt::CStr(soma));
}

}  // namespace quopa
