// Set-up and shut-down of the main window: loading it, building the sheet rows, checking the
// companion files, and unloading it.
#include <array>

#include "app/frm_splash.h"
#include "app/module1.h"
#include "game/sheet/sheet_model.h"
#include "game/window/frm_quopa.h"
#include "game/window/required_files.h"

namespace quopa {

void frmQUOPA::Form_Load() {
    QuadroAnimacao = 0;
    TiqueAnimacao = 1;
    PegaCaminhoApp();
    // The item of the other language gets the check mark first, so the click on the wanted one
    // always switches and sets every text of that language (checking its help file).
    if (Idioma == "1") {
        mnuLingua[0].setChecked(true);
        mnuLingua_Click(1);
    } else {
        Idioma = "0";
        mnuLingua[1].setChecked(true);
        mnuLingua_Click(0);
    }
    ConfereArquivos();
    NaoJogou1 = 1;
    NaoJogou2 = 1;
    MontaColunas();
    PegaDados();
    PegaCores();
    PoeCores();
    PegaOpcoes();
    // Each write runs the rolls-left handler of its player.
    Jogad1.setCaption(lblPodeJogar.caption());
    Jogad2.setCaption(lblPodeJogar.caption());
    lblSomaSelecionados.setCaption("");
    lblPontos.setCaption("");
    lblTgeral1.setCaption("");
    lblTgeral2.setCaption("");
    // Last, so that a machine without sound output overrides the stored sound options.
    ConfereSom();
}

void frmQUOPA::Form_Unload(int&) {
    rt::FormInstance<frmSplash>::unloadIfLoaded();
    SalvaOpcoes();
    SalvaDados();
    ParaSom();
    Timer1.setTimerEnabled(false);
}

void frmQUOPA::MontaColunas() {
    lblLegenB[1].setCaption("");
    for (int r = 2; r <= kUltimaLinha; ++r) {
        for (LabelArray* coluna : {&lblC, &lblD, &lblS}) {
            rt::Label& casa = coluna->load(r);
            casa.setTop(lblB[r].top());
            casa.setHeight(lblB[r].height());
            casa.setLeft((*coluna)[1].left());
            casa.setVisible(true);
        }
        // Player 2's rows share player 1's heights; their Lefts stay those of their row 1.
        for (LabelArray* coluna : {&lblBB, &lblCB, &lblDB, &lblSB}) {
            rt::Label& casa = coluna->load(r);
            casa.setTop(lblB[r].top());
            casa.setHeight(lblB[r].height());
            casa.setVisible(true);
        }
        rt::Label& legenda = lblLegenB.load(r);
        legenda.setCaption(lblLegen[r].caption());
        legenda.setVisible(true);
        legenda.setTop(lblLegen[r].top());
    }
    lblLegenB[1].setCaption("1");
    LTc1.setLeft(lblB[1].left());
    LTc1.setTop(lblB[1].top());
    LTc2.setLeft(lblBB[1].left());
    LTc2.setTop(lblBB[1].top());
}

void frmQUOPA::ConfereArquivos() {
    static constexpr std::array<const char*, 3> kArquivos = {"ostrelo.chm", "ostrelo.zip",
                                                             "marketin.chm"};
    for (const std::string arquivo : kArquivos) {
        Arquivo = CaminhoApp + arquivo;
        if (ArquivoExiste(Arquivo)) continue;
        if (IdiomaPortugues())
            EncerraSemArquivo(*this,
                              "Não será possível continuar. O arquivo " + arquivo +
                                  " não se encontra na pasta: " + CaminhoApp,
                              "Arquivo não encontrado na pasta do Programa");
        EncerraSemArquivo(*this,
                          "Can not load Tuvel Quopa. Required file " + arquivo +
                              " is not in same folder as Dazivuvera.exe",
                          "File was not found in " + CaminhoApp);
    }
}

}  // namespace quopa
