#include "app/frm_splash.h"

#include <cstdint>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"
#include "runtime/values.h"

namespace quopa {

frmSplash::frmSplash() : rt::Form("frmSplash") {
    design();
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void frmSplash::design() {
    namespace pal = rt::palette;
    constexpr rt::Color kFundo = 0x404040;
    setCaption("");
    setBorderStyle(rt::FormBorder::FixedDialog);
    setClientSize(3360, 1815);
    setCentreOnShow(true);
    setBackColor(kFundo);

    Frame1.move(0, 0, 3360, 1815);
    Frame1.setBackColor(kFundo);

    imgLogo.move(240, 420, 480, 480);

    // The title is drawn twice, 15 twips apart, so the white copy stands on a navy shadow; the
    // shadow comes first so that the title lies above it.
    rt::Font titulo;
    titulo.size = 18;
    titulo.bold = true;
    for (rt::Label* l : {&Label5, &Label3}) {
        l->setCaption("Tuvel Quopa");
        l->setFont(titulo);
        l->setBackStyle(rt::BackStyle::Transparent);
        l->setAutoSize(true);
    }
    Label5.setForeColor(pal::kDarkBlue);
    Label5.move(915, 420, 2235, 435);
    Label3.setForeColor(pal::kWhite);
    Label3.move(930, 435, 2235, 435);

    Label2.setCaption("Ostrelo");
    Label2.setBackStyle(rt::BackStyle::Transparent);
    Label2.setForeColor(pal::kLightGrey);
    Label2.setAutoSize(true);
    Label2.move(1845, 855, 525, 195);

    Picture1.move(240, 1455, 2865, 270);
    Picture1.setBackColor(kFundo);

    // The bar starts just outside the box and grows to the right with the count.
    Label1.setCaption("");
    Label1.setBackStyle(rt::BackStyle::Opaque);
    Label1.setBackColor(pal::kBlue);
    Label1.setEnabled(false);
    Label1.move(-60, 0, 60, 255);

    lblLoading.setCaption("loading");
    lblLoading.setForeColor(pal::kWhite);
    lblLoading.setBackStyle(rt::BackStyle::Transparent);
    lblLoading.setAutoSize(true);
    lblLoading.move(1200, 15, 525, 195);

    Timer1.setInterval(300);
    Timer1.setTimerEnabled(false);
}

void frmSplash::Form_Load() {
    imgLogo.setPicture(resources::icon(101));
    PoeFormNoTopo(*this, true);
    Timer1.setTimerEnabled(true);
}

void frmSplash::Form_Unload(int&) {
    Timer1.setTimerEnabled(false);
    PoeFormNoTopo(*this, false);
}

void frmSplash::Timer1_Timer() {
    // The whole count runs in this one tick: the main window loads halfway and is shown at the
    // end, while the bar and the percentage follow the count.
    int16_t i = 1;
    for (;;) {
        if (i > 1003) return;
        lblLoading.setCaption(rt::CStr(i / 10) + " %");
        i = static_cast<int16_t>(i + 1);
        Label1.setWidth(i * 3 + 5);
        if (i == 510) {
            frmQUOPA::instance();
        } else if (i >= 1000) {
            frmQUOPA::instance().show();
            Timer1.setTimerEnabled(false);
            unload();
            return;
        }
        i = static_cast<int16_t>(i + 1);
    }
}

}  // namespace quopa
