// The colours of the scheme live in colour properties of the main window's carrier controls;
// these read and write one such property, so that a table can name it.
#pragma once

#include "game/window/frm_quopa.h"

namespace quopa {

using LeCor = rt::Color (*)(const frmQUOPA&);
using PoeCor = void (*)(frmQUOPA&, rt::Color);

template <auto Controle>
rt::Color frenteDe(const frmQUOPA& f) {
    return (f.*Controle).foreColor();
}
template <auto Controle>
void poeFrente(frmQUOPA& f, rt::Color cor) {
    (f.*Controle).setForeColor(cor);
}
template <auto Controle>
rt::Color fundoDe(const frmQUOPA& f) {
    return (f.*Controle).backColor();
}
template <auto Controle>
void poeFundo(frmQUOPA& f, rt::Color cor) {
    (f.*Controle).setBackColor(cor);
}
inline rt::Color fundoDaJanela(const frmQUOPA& f) {
    return f.backColor();
}
inline void poeFundoDaJanela(frmQUOPA& f, rt::Color cor) {
    f.setBackColor(cor);
}

}  // namespace quopa
