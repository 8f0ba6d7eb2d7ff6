// The help item and the information menu's files: help files opened through the help key, and a
// copy of the rules archive on the Desktop.
#include <string>

#include "app/created_folders.h"
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

// The copy's failure messages.
constexpr Bilingue kArquivoNaoEncontrado{
    "O arquivo ostrelo.zip (92ks) não foi encontrado na pasta do programa.\r\n\r\n"
    "Faça download do arquivo em nossos sites, e coloque-o na pasta do programa, ou reinstale o "
    "programa.",
    "The ostrelo.zip file(92ks) was not found in the program folder.\r\n\r\n"
    "Download it in our sites, and put it in the folder of the program, or install the program "
    "again."};
constexpr Bilingue kSemAreaDeTrabalho{
    "A pasta da Área de Trabalho não foi encontrada e não pôde ser criada.\r\n\r\n"
    "O arquivo ostrelo.zip não foi copiado.",
    "The Desktop folder was not found and could not be made.\r\n\r\n"
    "The ostrelo.zip file was not copied."};
constexpr Bilingue kNaoCopiado{"Arquivo não copiado", "File not copied"};

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
    const std::string origem = CaminhoApp + "ostrelo.zip";
    const int critico = rt::kCritical | rt::kSystemModal;
    // The archive is looked for first: with nothing to copy, no Desktop folder is made.
    if (!ArquivoExiste(origem)) {
        MsgBoxNoIdioma(kArquivoNaoEncontrado, critico,
                       {"Arquivo não encontrado", "File not found"});
        return;
    }
    const PastaCriada criada = PegaPastaEspecialCriada(rt::kDesktopFolder);
    const std::string& desktop = criada.caminho;
    if (!criada.arquivoNoCaminho.empty()) {
        // The file that stands in the way is named, so that the player can move it.
        const std::string pt =
            "A pasta da Área de Trabalho não pôde ser criada: um arquivo está no caminho:"
            "\r\n\r\n" +
            criada.arquivoNoCaminho + "\r\n\r\nO arquivo ostrelo.zip não foi copiado.";
        const std::string en =
            "The Desktop folder could not be made: a file is in the way:\r\n\r\n" +
            criada.arquivoNoCaminho + "\r\n\r\nThe ostrelo.zip file was not copied.";
        MsgBoxNoIdioma({pt.c_str(), en.c_str()}, critico, kNaoCopiado);
        return;
    }
    if (desktop.empty()) {
        MsgBoxNoIdioma(kSemAreaDeTrabalho, critico, kNaoCopiado);
        return;
    }
    const std::string destino = desktop + "\\" + "ostrelo.zip";
    try {
        rt::SetAttrNormal(origem);
        rt::FileCopy(origem, destino);
    } catch (const rt::RuntimeError&) {
        // The folder is named, so that the player can see where the copy could not go.
        const std::string pasta = rt::nativePath(destino);
        const std::string pt =
            "O arquivo ostrelo.zip não pôde ser copiado para a Área de Trabalho. Verifique se há "
            "espaço livre e se você pode gravar em:\r\n\r\n" +
            pasta;
        const std::string en =
            "The ostrelo.zip file could not be copied to the Desktop. Check that there is free "
            "space and that you may write to:\r\n\r\n" +
            pasta;
        MsgBoxNoIdioma({pt.c_str(), en.c_str()}, critico, kNaoCopiado);
        return;
    }
    MsgBoxNoIdioma({"O arquivo ostrelo.zip (92ks) foi copiado para a Área de Trabalho, para que "
                    "você possa anexá-lo aos seus e-mails.",
                    "The ostrelo.zip file(92ks) was copied to the Desktop, that you can attach it "
                    "in your e-mails."},
                   rt::kSystemModal, {"Arquivo copiado", "The file is in the Desktop"});
}

}  // namespace quopa
