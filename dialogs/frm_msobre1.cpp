#include "dialogs/frm_msobre1.h"

#include <vector>

#include "app/created_folders.h"
#include "app/module1.h"
#include "dialogs/desktop_launcher.h"
#include "resources/resources.h"
#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/files.h"
#include "runtime/services.h"

namespace quopa {

namespace {

constexpr int kLarguraCliente = 6120;

// A text in both languages.
struct Texto {
    const char* pt;
    const char* en;
    std::string operator()() const { return IdiomaPortugues() ? pt : en; }
};

// The places a launcher can go, in the order they are made and reported.
struct LugarDoAtalho {
    rt::CheckBox frmMsobre1::*caixa;
    int32_t pasta;
    // A launcher on the Desktop must be executable, or desktops will not start it.
    rt::FileMode modo;
    Texto legenda;  // the check box
    Texto onde;     // in the messages
};
const LugarDoAtalho kLugares[] = {
    {&frmMsobre1::chkAreaDeTrabalho,
     rt::kDesktopFolder,
     rt::FileMode::Executable,
     {"Na Área de &Trabalho", "On the &Desktop"},
     {"na Área de Trabalho", "on the Desktop"}},
    {&frmMsobre1::chkMenu,
     rt::kStartMenuFolder,
     rt::FileMode::Plain,
     {"No &menu de aplicativos", "In the applications &menu"},
     {"no menu de aplicativos", "in the applications menu"}},
};

struct Resultado {
    bool feito;
    std::string texto;
};

// Makes the launcher of one place and says, in the current language, what became of it.
Resultado CriaAtalho(const LugarDoAtalho& lugar) {
    const bool pt = IdiomaPortugues();
    const std::string onde = lugar.onde();
    const PastaCriada criada = PegaPastaEspecialCriada(lugar.pasta);
    const std::string& pasta = criada.caminho;
    // A file where the folder should be is named: the user can move it, and a folder "not found"
    // would send him looking for the wrong thing.
    if (!criada.arquivoNoCaminho.empty())
        return {false,
                pt ? "Não foi possível criar o atalho " + onde +
                         ": um arquivo está no caminho da pasta:\r\n" + criada.arquivoNoCaminho
                   : "The shortcut could not be made " + onde +
                         ": a file is in the way of the folder:\r\n" + criada.arquivoNoCaminho};
    if (pasta.empty())
        return {false, pt ? "Não foi possível criar o atalho " + onde +
                                ": a pasta não foi encontrada e não pôde ser criada."
                          : "The shortcut could not be made " + onde +
                                ": the folder was not found and could not be made."};
    const std::string arquivo = rt::nativePath(pasta + "\\" + kArquivoDoAtalho);
    try {
        // The program folder is already a path of this system: taken as it stands, so the
        // command names exactly the running program's file.
        rt::writeFileAtomically(
            arquivo, launcherText(CaminhoApp + kArquivoDoPrograma, CaminhoApp + kArquivoDoIcone),
            lugar.modo);
    } catch (const rt::RuntimeError&) {
        return {false,
                pt ? "Não foi possível criar o atalho " + onde +
                         ". Verifique se você pode gravar na pasta:\r\n" + rt::nativePath(pasta)
                   : "The shortcut could not be made " + onde +
                         ". Check that you may write to the folder:\r\n" + rt::nativePath(pasta)};
    }
    return {true, (pt ? "Atalho criado " : "Shortcut made ") + onde + ":\r\n" + arquivo};
}

}  // namespace

frmMsobre1::frmMsobre1() : rt::Form("frmMsobre1") {
    design();
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancelar.onClick = [this] { cmdCancelar_Click(); };
    chkAreaDeTrabalho.onClick = [this] { chkAreaDeTrabalho_Click(); };
    chkMenu.onClick = [this] { chkMenu_Click(); };
}

void frmMsobre1::design() {
    setBorderStyle(rt::FormBorder::FixedDialog);
    setHelpContextID(500);
    setClientSize(kLarguraCliente, 2760);

    imgIcone.move(300, 300, 480, 480);
    imgIcone.setPicture(resources::icon(1));
    lblTexto.move(1020, 300, kLarguraCliente - 1320, 645);
    lblTexto.setWordWrap(true);
    lblTexto.setBackStyle(rt::BackStyle::Transparent);

    chkAreaDeTrabalho.move(1020, 1050, kLarguraCliente - 1320, 330);
    chkMenu.move(1020, 1440, kLarguraCliente - 1320, 330);
    chkAreaDeTrabalho.setValue(true);
    chkMenu.setValue(true);

    cmdOK.move(kLarguraCliente - 300 - 2 * 1215 - 120, 2100, 1215, 375);
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    cmdCancelar.move(kLarguraCliente - 300 - 1215, 2100, 1215, 375);
    cmdCancelar.setCancel(true);
}

void frmMsobre1::Form_Load() {
    const bool pt = IdiomaPortugues();
    setCaption(pt ? "Atalhos" : "Shortcuts");
    lblTexto.setCaption(pt ? "Crie atalhos que iniciam o Tuvel Quopa. Escolha onde:"
                           : "Make shortcuts that start Tuvel Quopa. Choose where:");
    for (const LugarDoAtalho& lugar : kLugares) (this->*lugar.caixa).setCaption(lugar.legenda());
    cmdCancelar.setCaption(pt ? "Cancelar" : "Cancel");
}

void frmMsobre1::cmdOK_Click() {
    std::string relato;
    bool falhou = false;
    for (const LugarDoAtalho& lugar : kLugares) {
        if (!(this->*lugar.caixa).value()) continue;
        Resultado r = CriaAtalho(lugar);
        falhou = falhou || !r.feito;
        relato += (relato.empty() ? "" : "\r\n\r\n") + r.texto;
    }
    const bool pt = IdiomaPortugues();
    if (falhou) {
        // The dialog stays open, so that the user can choose again.
        rt::MsgBox(relato, rt::kCritical, pt ? "Atalho não criado" : "Shortcut not made");
        return;
    }
    rt::MsgBox(relato, rt::kInformation, pt ? "Atalhos criados" : "Shortcuts made");
    unload();
}

void frmMsobre1::cmdCancelar_Click() {
    unload();
}

void frmMsobre1::chkAreaDeTrabalho_Click() {
    AtualizaOK();
}

void frmMsobre1::chkMenu_Click() {
    AtualizaOK();
}

void frmMsobre1::AtualizaOK() {
    cmdOK.setEnabled(chkAreaDeTrabalho.value() || chkMenu.value());
}

}  // namespace quopa
