// The help item and the information menu's files: help files opened through the help key, and a
// copy of the rules archive on the Desktop.
#include <exception>

#include "app/frm_chama_ajuda.h"
#include "app/module1.h"
#include "app/two_language_message.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/files.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// Opens a file beside the program with the help key pressed on the launcher window; a context of
// 0 opens the file at its start. Every step that fails is skipped.
void abreComLancador(const std::string& arquivo, int contexto) {
    frmChamaAjuda* lancador = nullptr;
    rt::ignoreErrors([&] { lancador = &frmChamaAjuda::instance(); });
    if (!lancador) return;
    rt::ignoreErrors([&] { lancador->setLeft(-5000); });
    rt::ignoreErrors([&] { lancador->show(); });
    if (contexto != 0) rt::ignoreErrors([&] { lancador->setHelpContextID(contexto); });
    rt::ignoreErrors([&] { rt::app().setHelpFile(CaminhoApp + arquivo); });
    rt::ignoreErrors([&] { rt::app().pressHelpKey(lancador); });
    rt::ignoreErrors([&] { lancador->unload(); });
}

// After a foreign file the help key opens the help file of the present language again.
void restauraAjuda(frmQUOPA& f) {
    rt::ignoreErrors([&] {
        bool ingles = rt::Val(Idioma.str()) == 1;
        rt::app().setHelpFile(CaminhoApp + (ingles ? "Helpquopa.hlp" : "Ajudquopa.hlp"));
        f.menu_Representantes.setEnabled(!ingles);
    });
}

}  // namespace

void frmQUOPA::mnuAjuda_Click() {
    rt::app().pressHelpKey(this);
}

void frmQUOPA::menu_Representantes_Click() {
    // Only enabled in Portuguese, whose help file it uses: the help file stays as it is.
    abreComLancador("Ajudquopa.hlp", 1156);
}

void frmQUOPA::mnuMarketing_Click() {
    abreComLancador("marketin.chm", 0);
    restauraAjuda(*this);
}

void frmQUOPA::mnuOstrelo_Click() {
    abreComLancador("ostrelo.chm", 0);
    restauraAjuda(*this);
}

void frmQUOPA::menu_ostreloZIP_Click() {
    try {
        std::string origem = CaminhoApp + "ostrelo.zip";
        std::string desktop = rt::Trim(PegaPastaEspecial(rt::kDesktopFolder));
        // An unknown Desktop would make the target a file at the root of the file system, and the
        // message would then claim a copy on the Desktop that is not there.
        if (desktop.empty()) return;
        std::string destino = desktop + "\\" + "ostrelo.zip";
        if (ArquivoExiste(origem)) {
            rt::SetAttrNormal(origem);
            rt::FileCopy(origem, destino);
            MsgBoxNoIdioma(
                {"O arquivo ostrelo.zip (92ks) foi copiado para a Área de Trabalho, para que "
                 "você possa anexá-lo aos seus e-mails.",
                 "The ostrelo.zip file(92ks) was copied to the Desktop, that you can attach it "
                 "in your e-mails."},
                rt::kSystemModal, {"Arquivo copiado", "The file is in the Desktop"});
        } else {
            MsgBoxNoIdioma(
                {"O arquivo ostrelo.zip (92ks) não foi encontrado na pasta do programa.\r\n\r\n"
                 "Faça download do arquivo em nossos sites, e coloque-o na pasta do programa, ou "
                 "reinstale o programa.",
                 "The ostrelo.zip file(92ks) was not found in the program folder.\r\n\r\n"
                 "Download it in our sites, and put it in the folder of the program, or install "
                 "the program again."},
                rt::kCritical | rt::kSystemModal, {"Arquivo não encontrado", "File not found"});
        }
    } catch (const std::exception&) {
        // The copy reports nothing but its own two messages.
    }
}

}  // namespace quopa
