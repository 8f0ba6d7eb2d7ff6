// The placement rules of the main window, applied whenever its size or state changes.
#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// Positions are computed in floating point and stored as whole twips.
int twips(double valor) {
    return static_cast<int>(rt::roundHalfEven(valor));
}

}  // namespace

void frmQUOPA::Form_Resize() {
    // Every statement stands alone: a maximised or minimised window cannot be moved or sized, and
    // such a failing step is skipped so the rest of the layout still happens.
    rt::ignoreErrors([&] { PicGame.setLeft(twips((width() - PicGame.width()) / 2.0)); });
    rt::ignoreErrors([&] {
        lblPlayer2.setLeft(twips(scaleWidth() - (PicUserB.width() + lblPlayer2.width() * 1.08)));
    });
    if (rt::screen().width() > 10000) {
        rt::ignoreErrors([&] { CentraForm(*this); });
    } else {
        rt::ignoreErrors([&] { setLeft(0); });
        rt::ignoreErrors([&] { setTop(0); });
    }
    if (PicUserB.visible()) {
        // Two players: the logo sits centred just above the bar of legends.
        rt::ignoreErrors(
            [&] { imgOstrelo.setLeft(twips((scaleWidth() - imgOstrelo.width()) / 2.0)); });
        rt::ignoreErrors([&] {
            imgOstrelo.setTop(scaleHeight() - (imgOstrelo.height() + PicSbar1.height() + 20));
        });
    } else {
        rt::ignoreErrors([&] { imgOstrelo.setLeft(scaleWidth() - (imgOstrelo.width() + 40)); });
        rt::ignoreErrors([&] { imgOstrelo.setTop(30); });
    }
    // Growing the window runs this procedure again, nested, before the rest of this run.
    if (width() < 9500) rt::ignoreErrors([&] { setWidth(9570); });
    if (height() < 7100) rt::ignoreErrors([&] { setHeight(7200); });
    if (left() < 0) rt::ignoreErrors([&] { setLeft(0); });
    if (top() < 0) rt::ignoreErrors([&] { setTop(0); });
}

}  // namespace quopa
