// The tutorial item of the Information menu.
#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "runtime/values.h"
#include "tutorial/frm_demo.h"

namespace quopa {

void frmQUOPA::mnuDemonstra_Click() {
    // The tutorial's copy of the dice wears the pictures of this window's dice: the die not yet
    // rolled of the current stamp and the current faces 1 to 6. Using the instance loads it.
    frmDemo& demo = frmDemo::instance();
    demo.tmp.setPicture(imgTMPx[1].picture());
    rt::Image* faces[] = {&demo.d1, &demo.d2, &demo.d3, &demo.d4, &demo.d5, &demo.d6};
    for (int k = 1; k <= 6; ++k) faces[k - 1]->setPicture(imgDado1[k].picture());
    rt::Randomize();
    int face = static_cast<int>(rt::Int(rt::Rnd() * 6 + 1));
    // A generator that returned exactly 1 would give a 7: there is no seventh face.
    if (face < 1) face = 1;
    if (face > 6) face = 6;
    demo.setIcon(imgDado1[face].picture());
    // Maximised by its design, so not centred; returns when the tutorial closes.
    demo.show(rt::ShowMode::Modal);
}

}  // namespace quopa
