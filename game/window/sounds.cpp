// The game's sounds: one routine per sound decides from the option menus whether it plays, and
// the start-up check switches the sound options off on a machine without an output device.
#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/errors.h"

namespace quopa {

namespace {

// Resource ids of the sounds (type "QUOPA_SOM").
enum SomDoJogo : int16_t {
    kAplauso = 1,
    kRecorde = 2,
    kReclamacao = 3,
    kTresDadosLongo = 4,
    kTresDadosCurto = 5,
    kDoisDadosLongo = 6,
    kDoisDadosCurto = 7,
    kUmDadoLongo = 8,
    kUmDadoCurto = 9,
};

// A sound that cannot be loaded or played is simply not heard: the game goes on silently.
void Toca(int16_t id) {
    rt::ignoreErrors([id] { TocaSom(id); });
}

// The roll sounds last as long as the animation does; without it the short version plays.
void TocaRolagem(frmQUOPA& f, int16_t longo, int16_t curto) {
    if (f.mnuNenhumSom.checked()) return;
    Toca(f.mnuAnimacao.checked() ? longo : curto);
}

// The other sounds have an option of their own besides "no sounds".
void TocaSeLigado(frmQUOPA& f, const rt::Menu& opcao, int16_t id) {
    if (f.mnuNenhumSom.checked()) return;
    if (!opcao.checked()) return;
    Toca(id);
}

}  // namespace

void frmQUOPA::TocaSomUmDado() {
    TocaRolagem(*this, kUmDadoLongo, kUmDadoCurto);
}
void frmQUOPA::TocaSomDoisDados() {
    TocaRolagem(*this, kDoisDadosLongo, kDoisDadosCurto);
}
void frmQUOPA::TocaSomTresDados() {
    TocaRolagem(*this, kTresDadosLongo, kTresDadosCurto);
}
void frmQUOPA::TocaReclamacao() {
    TocaSeLigado(*this, MnuReclamacao, kReclamacao);
}
void frmQUOPA::TocaAplauso() {
    TocaSeLigado(*this, MnuAplaudirQuopa, kAplauso);
}
void frmQUOPA::SomRecorde() {
    TocaSeLigado(*this, mnuFama, kRecorde);
}

void frmQUOPA::ConfereSom() {
    ConferePlacaSom();
}

void frmQUOPA::ConferePlacaSom() {
    if (rt::app().sound().deviceCount() >= 1) {
        mnuTodosSons.setEnabled(true);
        return;
    }
    // No output device: every sound option goes off, and the choice is saved with the others.
    mnuTodosSons.setEnabled(false);
    mnuNenhumSom.setChecked(true);
    MnuAplaudirQuopa.setChecked(false);
    mnuFama.setChecked(false);
    MnuReclamacao.setChecked(false);
}

}  // namespace quopa
