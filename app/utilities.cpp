// Small window, file and folder utilities shared by every window. Each one absorbs its own errors
// and gives a neutral value, so that no caller ever has to handle a failure from them.
#include <exception>

#include "app/module1.h"
#include "game/window/dice.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/files.h"

namespace quopa {

std::string PegaPastaEspecial(int32_t pasta) {
    try {
        // The shell asks for an owner window; asking for the main window loads it when it is not
        // loaded yet, and callers rely on finding it loaded afterwards.
        frmQUOPA::instance();
        return rt::app().folders().path(pasta).value_or("");
    } catch (const std::exception&) {
        return "";
    }
}

namespace {

// One step of CentraForm: a step that fails (a maximised window cannot be moved) is skipped, and
// the hourglass it left is taken back at once.
template <class F>
void passoDeCentrar(F&& passo) {
    try {
        passo();
    } catch (const rt::RuntimeError&) {
        rt::screen().setMousePointer(rt::kPointerDefault);
    }
}

// Twips are whole numbers here; the computed position is rounded as the runtime rounds numbers.
int twips(double valor) {
    return static_cast<int>(rt::roundHalfEven(valor));
}

// A roll of the main window is under way; it is never loaded just to ask.
bool RolagemEmCurso() {
    const frmQUOPA* principal = rt::FormInstance<frmQUOPA>::existing();
    return principal && DadosRolando(*principal);
}

}  // namespace

void CentraForm(rt::Form& F) {
    const int ponteiroAnterior = rt::screen().mousePointer();
    passoDeCentrar([] { rt::screen().setMousePointer(rt::kPointerHourglass); });
    // Vertically the window is centred on the upper 90 % of the screen, leaving room for the
    // task bar below it.
    passoDeCentrar([&F] { F.setTop(twips(rt::screen().height() * 0.9 / 2 - F.height() / 2.0)); });
    passoDeCentrar([&F] { F.setLeft(twips(rt::screen().width() / 2.0 - F.width() / 2.0)); });
    passoDeCentrar([] { rt::screen().setMousePointer(rt::kPointerDefault); });
    // While the dice roll the hourglass they showed stays until their faces are drawn.
    if (RolagemEmCurso()) rt::screen().setMousePointer(ponteiroAnterior);
}

bool ArquivoExiste(const std::string& caminho) {
    try {
        rt::CloseAllFiles();
        return (rt::GetAttr(caminho) & rt::kAttributeDirectory) == 0;
    } catch (const std::exception&) {
        return false;
    }
}

bool PastaExiste(const std::string& caminho) {
    try {
        return (rt::GetAttr(caminho) & rt::kAttributeDirectory) != 0;
    } catch (const std::exception&) {
        return false;
    }
}

void PegaCaminhoApp() {
    CaminhoApp = rt::app().path();
    // The root folder already ends in the separator and keeps just the one.
    if (CaminhoApp.empty() || CaminhoApp.back() != '/') CaminhoApp += "/";
}

void PoeFormNoTopo(rt::Form& F, bool noTopo) {
    try {
        // Without a display (a headless run) there is no stacking to change.
        if (rt::app().services().display) rt::app().display().setTopMost(F, noTopo);
    } catch (const std::exception&) {
    }
}

}  // namespace quopa
