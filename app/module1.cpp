// The shared variables and the start of the program: the language, the single-instance check and
// the splash window.
#include "app/module1.h"

#include <exception>

#include "app/frm_splash.h"
#include "app/two_language_message.h"
#include "runtime/app.h"
#include "runtime/errors.h"

namespace quopa {

rt::FixedString<1> Idioma;
std::string CaminhoApp;
std::string Arquivo;
std::shared_ptr<const std::vector<uint8_t>> SomDados;

bool IdiomaPortugues() {
    return rt::Val(Idioma.str()) == 0;
}

void InformaIdioma() {
    rt::app().dialogs().setLanguage(IdiomaPortugues() ? rt::Language::Portuguese
                                                      : rt::Language::English);
}

void Main() {
    Idioma = "0";
    PegaIdioma();
    VerificaInstancia();
    frmSplash::instance().show();
}

void PegaIdioma() {
    try {
        // A Portuguese system keeps its programs in a folder of that name at the root of the
        // drive; its absence is the best hint that the user reads English.
        std::string padrao = PastaExiste("\\Arquivos de programas") ? "0" : "1";
        Idioma = rt::GetSetting(kNomeAplicativo, "MainForm", "Language", padrao);
    } catch (const std::exception&) {
        Idioma = "0";
    }
    InformaIdioma();
}

void VerificaInstancia() {
    if (!rt::app().previousInstance()) return;
    MsgBoxNoIdioma({"O Aplicativo já está sendo executado!", "The Application is running already!"},
                   rt::kInformation, {" Aviso", " Warning"});
    // The running copy is left alone; this one goes without unloading or saving anything.
    rt::End();
}

}  // namespace quopa
