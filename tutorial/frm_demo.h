// The tutorial: a window that fills the screen and teaches the game in 22 steps, with a copy of a
// score sheet and of the dice table of its own. On the steps where it helps, "Show me" plays the
// step on that copy: the dice roll with their animation frames, dice are lifted, a box is marked.
//
// The main window gives it its pictures before showing it: `tmp` (a die not yet rolled) and
// `d1`..`d6` (the faces 1 to 6), and its window icon. Its Form_Load reads only the language and
// the main window's sheet (where the cells stand and how they look); it never writes to the main
// window, so a game in progress is left exactly as it was.
//
// Every wait of a demonstration is a tick of the timer `tmrDemo`: between two actions the program
// sleeps in the event loop. The timer stops whenever the step changes and when the window closes.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "runtime/control_array.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "tutorial/steps.h"

namespace quopa {

class frmDemo : public rt::Form {
  public:
    frmDemo();
    ~frmDemo() override;

    // The global instance, loaded on first use.
    static frmDemo& instance() { return rt::FormInstance<frmDemo>::get(); }

    // ------------------------------------------------------------------------------------------
    // The pictures the main window gives: a die not yet rolled, and the faces 1 to 6. Never shown
    // themselves; the copy of the dice table shows them.
    rt::Image tmp{this, "tmp"};
    rt::Image d1{this, "d1"};
    rt::Image d2{this, "d2"};
    rt::Image d3{this, "d3"};
    rt::Image d4{this, "d4"};
    rt::Image d5{this, "d5"};
    rt::Image d6{this, "d6"};

    // ------------------------------------------------------------------------------------------
    // The copy of a player's sheet: panel, grid, legends, header and the four columns.
    rt::PictureBox picFolha{this, "picFolha"};
    rt::PictureBox picGrade{&picFolha, "picGrade"};
    rt::ControlArray<rt::Label> lblLegenda{&picFolha, "lblLegenda"};
    rt::Label lblCabecalho{&picFolha, "lblCabecalho"};
    rt::ControlArray<rt::Label> lblB{&picGrade, "lblB"};  // Dn
    rt::ControlArray<rt::Label> lblC{&picGrade, "lblC"};  // Up
    rt::ControlArray<rt::Label> lblD{&picGrade, "lblD"};  // D
    rt::ControlArray<rt::Label> lblS{&picGrade, "lblS"};  // F
    rt::Label LTc{&picGrade, "LTc"};                      // the keyboard cursor

    // The copy of the dice table.
    rt::PictureBox picMesa{this, "picMesa"};
    rt::Image imgSort1{&picMesa, "imgSort1"};
    rt::Image imgSort2{&picMesa, "imgSort2"};
    rt::Image imgSort3{&picMesa, "imgSort3"};
    rt::Image imgSort4{&picMesa, "imgSort4"};
    rt::Image imgSort5{&picMesa, "imgSort5"};
    rt::Label lblPontos{&picMesa, "lblPontos"};
    // Pictures of the roll and back buttons, not buttons: the copy is there to be watched.
    rt::PictureBox picJogar{&picMesa, "picJogar"};
    rt::Label lblJogar{&picJogar, "lblJogar"};
    rt::PictureBox picVoltar{&picMesa, "picVoltar"};
    rt::Label lblVoltar{&picVoltar, "lblVoltar"};

    // The lesson: title, text, where we are, and the buttons.
    rt::PictureBox picLicao{this, "picLicao"};
    rt::Label lblTitulo{&picLicao, "lblTitulo"};
    rt::Label lblTexto{&picLicao, "lblTexto"};
    rt::Label lblPasso{&picLicao, "lblPasso"};
    rt::CommandButton cmdMostrar{&picLicao, "cmdMostrar"};
    rt::CommandButton cmdAnterior{&picLicao, "cmdAnterior"};
    rt::CommandButton cmdProximo{&picLicao, "cmdProximo"};
    rt::CommandButton cmdFechar{&picLicao, "cmdFechar"};

    rt::Timer tmrDemo{this, "tmrDemo"};

    // ------------------------------------------------------------------------------------------
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_Resize() override;
    void cmdMostrar_Click();
    void cmdAnterior_Click();
    void cmdProximo_Click();
    void cmdFechar_Click();
    void tmrDemo_Timer();

    // The step on screen, 1 to kNumeroDePassos.
    int passo() const { return passo_; }
    // A demonstration is playing (its timer runs).
    bool demonstrando() const { return tmrDemo.timerEnabled(); }
    // The five dice of the copy: their faces ("0" not yet rolled) and whether each is held.
    const std::string& faces() const { return faces_; }
    bool segurado(int dado) const;  // dado 1-5

  private:
    void design();
    void designFolha();
    void designMesa();
    void designLicao();
    void CopiaFolha();
    void PoeTextos();
    void MostraPasso(int numero);
    void LimpaCopia();
    void PoeCena(const Passo& p);
    void MostraDados();
    void PoeBotaoJogar();
    void ParaDemonstracao();
    void Agenda(int esperaMs, std::function<void()> acao);
    void AgendaAcao(const Acao& a);
    void AgendaLancamento(const std::string& novas);
    void AgendaSegurar(const std::string& clicados);
    void AgendaMarcar(const Acao& a);
    void MarcaNaCopia(int coluna, int linha, const std::string& texto);
    void SomaColuna(int coluna);
    rt::ControlArray<rt::Label>& Coluna(int coluna);
    const rt::Picture& FiguraDaFace(char face) const;

    int passo_ = 1;
    std::string faces_ = "00000";
    std::string segurados_ = "00000";  // "1": lifted
    int lancamentos_ = 0;              // rolls made in the demonstrated turn
    int lancamentosPorVez_ = 3;
    rt::Color corPossivel_ = 0;  // the main window's mark of a box the dice may go into
    rt::Color corDaCasa_ = 0;    // the scheme's colour of an unmarked scoring box
    // The last marking, for the back button: its box and the rolls made before it.
    int ultimaColuna_ = 0;
    int ultimaLinha_ = 0;
    int lancamentosAntes_ = 0;

    struct Evento {
        int esperaMs;
        std::function<void()> acao;
    };
    std::deque<Evento> fila_;
};

}  // namespace quopa
