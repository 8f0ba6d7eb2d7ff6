// The splash window: the title and logo with a loading bar, shown while the main window loads.
// Its timer loads the main window, shows it and closes the splash window.
#pragma once

#include "runtime/controls.h"
#include "runtime/form.h"

namespace quopa {

class frmSplash : public rt::Form {
  public:
    frmSplash();

    // The global instance, loaded on first use.
    static frmSplash& instance() { return rt::FormInstance<frmSplash>::get(); }

    rt::Frame Frame1{this, "Frame1"};
    rt::Image imgLogo{&Frame1, "imgLogo"};
    rt::Label Label5{&Frame1, "Label5"};  // the title's shadow
    rt::Label Label3{&Frame1, "Label3"};  // the title
    rt::Label Label2{&Frame1, "Label2"};
    rt::PictureBox Picture1{&Frame1, "Picture1"};  // the progress box
    rt::Label Label1{&Picture1, "Label1"};         // the progress bar
    rt::Label lblLoading{&Picture1, "lblLoading"};
    rt::Timer Timer1{this, "Timer1"};

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Timer1_Timer();

  private:
    void design();
};

}  // namespace quopa
