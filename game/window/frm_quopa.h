// The main window: the dice table, both players' score sheets, the roll and back buttons, the
// menus and the hidden holders of the game state.
//
// The whole state of a game lives in the properties of these controls (captions, positions,
// visibility, mouse pointers, colours) and in four fields. Writing the caption of a label with a
// change handler runs the handler at once, so the order of caption writes inside a procedure is
// part of its behaviour.
//
// The procedures are defined by concern in the files of game/window/, game/sheet/ and game/aids/.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/control_array.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/menu.h"

namespace quopa {

using LabelArray = rt::ControlArray<rt::Label>;
using ImageArray = rt::ControlArray<rt::Image>;

class frmQUOPA : public rt::Form {
  public:
    frmQUOPA();
    ~frmQUOPA() override;

    // The global instance, loaded on first use.
    static frmQUOPA& instance() { return rt::FormInstance<frmQUOPA>::get(); }
    // Every font the window's controls are designed with, so that they can be opened before the
    // window is made.
    static std::vector<rt::Font> designFonts();
    // The pictures of the default dice style (its six faces, then its stamp's three frames), so
    // that they can be drawn before the window is made.
    static std::vector<rt::Picture> defaultStylePictures();

    // ------------------------------------------------------------------------------------------
    // Containers
    rt::PictureBox PicUser{this, "PicUser"};        // player 1's sheet panel, docked left
    rt::PictureBox PicUserB{this, "PicUserB"};      // player 2's sheet panel, docked right
    rt::PictureBox PicSbar1{this, "PicSbar1"};      // the bar of combination legends, docked bottom
    rt::PictureBox PicGame{this, "PicGame"};        // the dice table
    rt::PictureBox picEsconde{this, "picEsconde"};  // never visible: the hidden holders
    rt::PictureBox Picture1{&PicUser, "Picture1"};  // player 1's grid
    rt::PictureBox Picture1B{&PicUserB, "Picture1B"};  // player 2's grid

    // ------------------------------------------------------------------------------------------
    // Player 1's sheet (panel PicUser, grid Picture1)
    LabelArray lblLegen{&PicUser, "lblLegen"};
    rt::Label lblLegen2{&PicUser, "lblLegen2"};
    rt::Label lblTgeral1{&PicUser, "lblTgeral1"};
    LabelArray lblB{&Picture1, "lblB"};
    LabelArray lblC{&Picture1, "lblC"};
    LabelArray lblD{&Picture1, "lblD"};
    LabelArray lblS{&Picture1, "lblS"};
    rt::Label LTc1{&Picture1, "LTc1"};  // player 1's keyboard cursor

    // Player 2's sheet (panel PicUserB, grid Picture1B)
    LabelArray lblLegenB{&PicUserB, "lblLegenB"};
    rt::Label lblLegen2B{&PicUserB, "lblLegen2B"};
    rt::Label lblTgeral2{&PicUserB, "lblTgeral2"};
    LabelArray lblBB{&Picture1B, "lblBB"};
    LabelArray lblCB{&Picture1B, "lblCB"};
    LabelArray lblDB{&Picture1B, "lblDB"};
    LabelArray lblSB{&Picture1B, "lblSB"};
    rt::Label LTc2{&Picture1B, "LTc2"};  // player 2's keyboard cursor

    // ------------------------------------------------------------------------------------------
    // The bar of combination legends (PicSbar1)
    rt::Label lblTrinca{&PicSbar1, "lblTrinca"};
    rt::Label lblQuadra{&PicSbar1, "lblQuadra"};
    rt::Label lblFull{&PicSbar1, "lblFull"};
    rt::Label lblSegMn{&PicSbar1, "lblSegMn"};
    rt::Label lblSegMx{&PicSbar1, "lblSegMx"};
    rt::Label lblQuopa{&PicSbar1, "lblQuopa"};

    // ------------------------------------------------------------------------------------------
    // The dice table (PicGame)
    rt::Label lblSomaSelecionados{&PicGame, "lblSomaSelecionados"};
    rt::Image imgSort1{&PicGame, "imgSort1"};
    rt::Image imgSort2{&PicGame, "imgSort2"};
    rt::Image imgSort3{&PicGame, "imgSort3"};
    rt::Image imgSort4{&PicGame, "imgSort4"};
    rt::Image imgSort5{&PicGame, "imgSort5"};
    rt::Label lblPontos{&PicGame, "lblPontos"};
    rt::CommandButton cmdPlay{&PicGame, "cmdPlay"};
    rt::CommandButton cmdPlay2{&PicGame, "cmdPlay2"};
    rt::CommandButton cmdBack{&PicGame, "cmdBack"};
    rt::CommandButton cmdBack2{&PicGame, "cmdBack2"};

    // ------------------------------------------------------------------------------------------
    // On the form
    rt::Image imgOstrelo{this, "imgOstrelo"};
    rt::Label lblPlayer1{this, "lblPlayer1"};
    rt::Label lblPlayer2{this, "lblPlayer2"};

    // ------------------------------------------------------------------------------------------
    // Hidden holders (picEsconde)
    rt::Label Label1{&picEsconde, "Label1"};  // faces of dice 1-5: "1".."6", "0" to be rolled
    rt::Label Label2{&picEsconde, "Label2"};
    rt::Label Label3{&picEsconde, "Label3"};
    rt::Label Label4{&picEsconde, "Label4"};
    rt::Label Label5{&picEsconde, "Label5"};
    rt::Label lblQuantos{&picEsconde, "lblQuantos"};
    rt::Label lblResultado{&picEsconde, "lblResultado"};
    rt::Label lblPodeJogar{&picEsconde, "lblPodeJogar"};
    rt::Label lblJogadas{&picEsconde, "lblJogadas"};
    rt::Label Jogad1{&picEsconde, "Jogad1"};
    rt::Label Jogad2{&picEsconde, "Jogad2"};
    rt::Label lblQuemJoga{&picEsconde, "lblQuemJoga"};
    rt::Label lblTotJogador1{&picEsconde, "lblTotJogador1"};
    rt::Label lblTotJogador2{&picEsconde, "lblTotJogador2"};
    rt::Label lblTermOquePor{&picEsconde, "lblTermOquePor"};
    rt::CommandButton cmdVolta{&picEsconde, "cmdVolta"};  // the undo key
    rt::Label lblVolta{&picEsconde, "lblVolta"};
    rt::Label lblVolte11{&picEsconde, "lblVolte11"};
    rt::Label lblVolte12{&picEsconde, "lblVolte12"};
    rt::Label lblTemPo{&picEsconde, "lblTemPo"};
    rt::Label lblTipoAnimacao{&picEsconde, "lblTipoAnimacao"};
    rt::Label lblTMP{&picEsconde, "lblTMP"};
    LabelArray lblDados{&picEsconde, "lblDados"};     // 1-6: library index of each face
    ImageArray imgDado1{&picEsconde, "imgDado1"};     // 1-6: the face pictures in use
    ImageArray imgTMPx{&picEsconde, "imgTMPx"};       // 1-3: the stamp's frames
    rt::Image imgSobe{&picEsconde, "imgSobe"};        // pointer over a die that is down
    rt::Image imgDesce{&picEsconde, "imgDesce"};      // pointer over a lifted die
    rt::Label lblNegrito{&picEsconde, "lblNegrito"};  // the records table's own

    rt::Timer Timer1{this, "Timer1"};  // the roll animation, 10 ms

    // ------------------------------------------------------------------------------------------
    // Menus, in screen order
    rt::Menu nnuJogo{this, "nnuJogo"};
    rt::Menu mnuNovo{&nnuJogo, "mnuNovo"};
    rt::Menu asepa{&nnuJogo, "asepa"};
    rt::Menu mnuSair{&nnuJogo, "mnuSair"};

    rt::Menu mnuPrefere{this, "mnuPrefere"};
    rt::Menu mnuAnimacao{&mnuPrefere, "mnuAnimacao"};
    rt::Menu mnuTodosSons{&mnuPrefere, "mnuTodosSons"};
    rt::Menu mnuNenhumSom{&mnuTodosSons, "mnuNenhumSom"};
    rt::Menu MnuAplaudirQuopa{&mnuTodosSons, "MnuAplaudirQuopa"};
    rt::Menu MnuReclamacao{&mnuTodosSons, "MnuReclamacao"};
    rt::Menu mnuFama{&mnuTodosSons, "mnuFama"};
    rt::Menu psepa1{&mnuPrefere, "psepa1"};
    rt::Menu mnutentar{&mnuPrefere, "mnutentar"};
    rt::MenuArray MnuJogadas{&mnutentar, "MnuJogadas", {0, 1}};
    rt::Menu psepa2{&mnuPrefere, "psepa2"};
    rt::Menu MnuJogado{&mnuPrefere, "MnuJogado"};
    rt::MenuArray MnuJoga{&MnuJogado, "MnuJoga", {0, 1}};
    rt::Menu mnuNome1{&MnuJogado, "mnuNome1"};
    rt::Menu mnuNome2{&MnuJogado, "mnuNome2"};
    rt::Menu psepa3{&mnuPrefere, "psepa3"};
    rt::Menu mnuDicas{&mnuPrefere, "mnuDicas"};
    rt::Menu mnuPossibilidade{&mnuDicas, "mnuPossibilidade"};
    rt::Menu mnuExibeLegendas{&mnuDicas, "mnuExibeLegendas"};
    rt::Menu MnuExibePontos{&mnuDicas, "MnuExibePontos"};
    rt::Menu septa{&mnuDicas, "septa"};
    rt::Menu mnuTotal{&mnuDicas, "mnuTotal"};
    rt::Menu maisumsep{&mnuDicas, "maisumsep"};
    rt::Menu MostC{&mnuDicas, "MostC"};

    rt::Menu mnuPapel{this, "mnuPapel"};
    rt::Menu mnuCriaAtalhos{&mnuPapel, "mnuCriaAtalhos"};
    rt::Menu mpsepa{&mnuPapel, "mpsepa"};
    rt::Menu MnuCores{&mnuPapel, "MnuCores"};
    rt::Menu mnuDados{&mnuPapel, "mnuDados"};
    rt::Menu mpsepa2{&mnuPapel, "mpsepa2"};
    rt::Menu mnuHabilitaTeclado{&mnuPapel, "mnuHabilitaTeclado"};

    rt::Menu mnuidioma{this, "mnuidioma"};
    rt::MenuArray mnuLingua{&mnuidioma, "mnuLingua", {0, 1}};

    rt::Menu mnuInfo{this, "mnuInfo"};
    rt::Menu mnuPlacar{&mnuInfo, "mnuPlacar"};
    rt::Menu ajsepa1{&mnuInfo, "ajsepa1"};
    rt::Menu mnuAjuda{&mnuInfo, "mnuAjuda"};
    rt::Menu mnuDemonstra{&mnuInfo, "mnuDemonstra"};
    rt::Menu ajsepa2{&mnuInfo, "ajsepa2"};
    rt::Menu mnuMarketing{&mnuInfo, "mnuMarketing"};
    rt::Menu menu_Representantes{&mnuInfo, "menu_Representantes"};
    rt::Menu mnuOstrelo{&mnuInfo, "mnuOstrelo"};
    rt::Menu menu_ostreloZIP{&mnuInfo, "menu_ostreloZIP"};
    rt::Menu ajsepa4{&mnuInfo, "ajsepa4"};
    rt::Menu MnuSobre{&mnuInfo, "MnuSobre"};

    // ------------------------------------------------------------------------------------------
    // The four fields
    int16_t NaoJogou1 = 0;  // must-roll flags: 1 = the player may not mark now
    int16_t NaoJogou2 = 0;
    int32_t QuadroAnimacao = 0;  // frame index of the running roll animation
    int32_t TiqueAnimacao = 0;   // timer ticks of the running roll animation

    // ==========================================================================================
    // Set-up, layout and shut-down (game/window/setup.cpp, layout.cpp)
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& Cancel) override;
    void MontaColunas();
    void ConfereArquivos();

    // Languages, help and information menu (game/window/language.cpp, help_menu.cpp)
    void mnuLingua_Click(int Index);
    void PoeIngles();
    void PoePortugues();
    void mnuAjuda_Click();
    void mnuDemonstra_Click();  // game/window/tutorial_menu.cpp
    void menu_Representantes_Click();
    void mnuMarketing_Click();
    void mnuOstrelo_Click();
    void menu_ostreloZIP_Click();

    // Roll and animation (game/window/roll.cpp)
    void cmdPlay_Click();
    void cmdPlay2_Click();
    void LancaDados();
    void Timer1_Timer();
    void RolaDados();

    // Combination evaluation (game/window/combinations.cpp); Sons: 1 after a roll, 0 after undo
    void VerificaCombinacoes(int16_t& Sons);

    // Holding dice (game/window/holding.cpp)
    void imgSort1_Click();
    void imgSort2_Click();
    void imgSort3_Click();
    void imgSort4_Click();
    void imgSort5_Click();
    void imgSort1_MouseDown(int Button, int Shift, float X, float Y);
    void imgSort2_MouseDown(int Button, int Shift, float X, float Y);
    void imgSort3_MouseDown(int Button, int Shift, float X, float Y);
    void imgSort4_MouseDown(int Button, int Shift, float X, float Y);
    void imgSort5_MouseDown(int Button, int Shift, float X, float Y);
    void imgSort1_MouseMove(int Button, int Shift, float X, float Y);
    void imgSort2_MouseMove(int Button, int Shift, float X, float Y);
    void imgSort3_MouseMove(int Button, int Shift, float X, float Y);
    void imgSort4_MouseMove(int Button, int Shift, float X, float Y);
    void imgSort5_MouseMove(int Button, int Shift, float X, float Y);
    void SomaSelecionados();

    // Sounds (game/window/sounds.cpp)
    void TocaSomUmDado();
    void TocaSomDoisDados();
    void TocaSomTresDados();
    void TocaReclamacao();
    void TocaAplauso();
    void SomRecorde();
    void ConfereSom();
    void ConferePlacaSom();

    // Turn hand-over and rolls left (game/window/turn.cpp)
    void EncerraVezJogador1();
    void EncerraVezJogador2();
    void Jogad1_Change();
    void Jogad2_Change();
    void AtualizaJogadas1();
    void AtualizaJogadas2();

    // End of a player's game and new game (game/window/game_end.cpp)
    void lblTotJogador1_Change();
    void lblTotJogador2_Change();
    void mnuNovo_Click();
    void LimpaTabuleiro();

    // Options (game/window/options.cpp, option_menus.cpp)
    void PegaOpcoes();
    void SalvaOpcoes();
    void mnuAnimacao_Click();
    void MnuAplaudirQuopa_Click();
    void mnuFama_Click();
    void mnuExibeLegendas_Click();
    void MnuExibePontos_Click();
    void mnuTotal_Click();
    void mnuHabilitaTeclado_Click();
    void mnuPossibilidade_Click();
    void MnuReclamacao_Click();
    void MostC_Click();
    void mnuNenhumSom_Click();
    void MnuJogadas_Click(int Index);
    void MnuJoga_Click(int Index);
    void mnuNome1_Click();
    void mnuNome2_Click();
    void mnuPlacar_Click();
    void mnuSair_Click();
    // The about box and the shortcuts dialog (game/window/about_and_shortcuts_menu.cpp)
    void MnuSobre_Click();
    void mnuCriaAtalhos_Click();

    // Colour scheme (game/window/colours.cpp)
    void PegaCores();
    void PoeCores();
    void SalvaCoresFquopa();
    void MnuCores_Click();  // opens the colour dialog (game/window/style_menus.cpp)

    // Dice style (game/window/dice_style.cpp)
    void PegaDados();
    void SalvaDados();
    void mnuDados_Click();  // opens the dice-picture dialog (game/window/style_menus.cpp)

    // ==========================================================================================
    // Scoring a box (game/sheet/scoring.cpp)
    void lblB_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblC_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblD_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblS_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblBB_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblCB_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblDB_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void lblSB_MouseDown(int Index, int Button, int Shift, float X, float Y);

    // Running totals and grand totals (game/sheet/running_totals.cpp)
    void TotalizaJogador1();
    void TotalizaJogador2();
    void SomaTotalJogador1();
    void SomaTotalJogador2();
    void lblB_Change(int Index);
    void lblC_Change(int Index);
    void lblD_Change(int Index);
    void lblS_Change(int Index);
    void lblBB_Change(int Index);
    void lblCB_Change(int Index);
    void lblDB_Change(int Index);
    void lblSB_Change(int Index);

    // Section totals (game/sheet/section_totals.cpp)
    void TotalizaColunaB();
    void TotalizaColunaC();
    void TotalizaColunaD();
    void TotalizaColunaS();
    void TotalizaColunaBB();
    void TotalizaColunaCB();
    void TotalizaColunaDB();
    void TotalizaColunaSB();
    void RefazTotais();

    // Column pointer events (game/sheet/pointer_events.cpp)
    void lblB_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblC_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblD_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblS_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblBB_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblCB_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblDB_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblSB_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void lblB_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblC_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblD_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblS_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblBB_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblCB_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblDB_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblSB_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void lblSomaSelecionados_Click();

    // Undo of the last marking (game/sheet/undo.cpp)
    void cmdVolta_Click();
    void cmdBack_Click();
    void cmdBack2_Click();

    // ==========================================================================================
    // Play aids: box marks and bonus hints (game/aids/marks.cpp)
    void LimpaDestaque1();
    void LimpaDestaque2();
    void LimpaDestaqueS1();
    void LimpaDestaqueS2();
    void MarcaPossiveisB();
    void MarcaPossiveisC();
    void MarcaPossiveisD();
    void MarcaPossiveisS();
    void MarcaPossiveisBB();
    void MarcaPossiveisCB();
    void MarcaPossiveisDB();
    void MarcaPossiveisSB();
    void MarcaZerosJogador1();
    void MarcaZerosJogador2();
    void MarcaZerosC();
    void MarcaZerosCB();
    void lblJogadas_Change();

    // Keyboard play (game/aids/keyboard.cpp)
    void AtualizaCursorTeclado1();
    void AtualizaCursorTeclado2();
    void MarcaCursor1(int16_t Button);
    void MarcaCursor2(int16_t Button);
    // Moves the player's cursor to the next scoring box in a direction (arrow keys).
    void MoveCursorTeclado1(int dx, int dy);
    void MoveCursorTeclado2(int dx, int dy);
    void AjustaTabStop();
    void MostraCursorTeclado();
    void DicaTeclasDados();
    void DicaTeclasVolta();
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void cmdBack_MouseMove(int Button, int Shift, float X, float Y);
    void cmdBack2_MouseMove(int Button, int Shift, float X, float Y);
    void cmdBack_MouseUp(int Button, int Shift, float X, float Y);
    void cmdBack2_MouseUp(int Button, int Shift, float X, float Y);

  private:
    // Design values of every control (game/window/design.cpp).
    void design();
    void designSheets();
    void designDiceTable();
    void designHolders();
    void designMenus();
    // Connects every control's events to the handlers above (game/window/events.cpp).
    void wireEvents();
};

}  // namespace quopa
