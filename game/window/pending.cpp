// Placeholders for the procedures that are not written yet. Each line is one procedure; delete
// its line when you write the real one. This file goes away once it is empty.
#include <stdexcept>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"

#define PENDING(name) throw std::logic_error("not written yet: " name)

namespace quopa {

[[gnu::weak]] void frmQUOPA::Form_Load() { PENDING("Form_Load"); }
[[gnu::weak]] void frmQUOPA::Form_Resize() { PENDING("Form_Resize"); }
[[gnu::weak]] void frmQUOPA::Form_Unload(int&) { PENDING("Form_Unload"); }
[[gnu::weak]] void frmQUOPA::MontaColunas() { PENDING("MontaColunas"); }
[[gnu::weak]] void frmQUOPA::ConfereArquivos() { PENDING("ConfereArquivos"); }
[[gnu::weak]] void frmQUOPA::mnuLingua_Click(int) { PENDING("mnuLingua_Click"); }
[[gnu::weak]] void frmQUOPA::PoeIngles() { PENDING("PoeIngles"); }
[[gnu::weak]] void frmQUOPA::PoePortugues() { PENDING("PoePortugues"); }
[[gnu::weak]] void frmQUOPA::mnuAjuda_Click() { PENDING("mnuAjuda_Click"); }
[[gnu::weak]] void frmQUOPA::menu_Representantes_Click() { PENDING("menu_Representantes_Click"); }
[[gnu::weak]] void frmQUOPA::mnuMarketing_Click() { PENDING("mnuMarketing_Click"); }
[[gnu::weak]] void frmQUOPA::mnuOstrelo_Click() { PENDING("mnuOstrelo_Click"); }
[[gnu::weak]] void frmQUOPA::menu_ostreloZIP_Click() { PENDING("menu_ostreloZIP_Click"); }
[[gnu::weak]] void frmQUOPA::cmdPlay_Click() { PENDING("cmdPlay_Click"); }
[[gnu::weak]] void frmQUOPA::cmdPlay2_Click() { PENDING("cmdPlay2_Click"); }
[[gnu::weak]] void frmQUOPA::LancaDados() { PENDING("LancaDados"); }
[[gnu::weak]] void frmQUOPA::Timer1_Timer() { PENDING("Timer1_Timer"); }
[[gnu::weak]] void frmQUOPA::RolaDados() { PENDING("RolaDados"); }
[[gnu::weak]] void frmQUOPA::VerificaCombinacoes(int16_t&) { PENDING("VerificaCombinacoes"); }
[[gnu::weak]] void frmQUOPA::imgSort1_Click() { PENDING("imgSort1_Click"); }
[[gnu::weak]] void frmQUOPA::imgSort2_Click() { PENDING("imgSort2_Click"); }
[[gnu::weak]] void frmQUOPA::imgSort3_Click() { PENDING("imgSort3_Click"); }
[[gnu::weak]] void frmQUOPA::imgSort4_Click() { PENDING("imgSort4_Click"); }
[[gnu::weak]] void frmQUOPA::imgSort5_Click() { PENDING("imgSort5_Click"); }
[[gnu::weak]] void frmQUOPA::imgSort1_MouseDown(int, int, float, float) { PENDING("imgSort1_MouseDown"); }
[[gnu::weak]] void frmQUOPA::imgSort2_MouseDown(int, int, float, float) { PENDING("imgSort2_MouseDown"); }
[[gnu::weak]] void frmQUOPA::imgSort3_MouseDown(int, int, float, float) { PENDING("imgSort3_MouseDown"); }
[[gnu::weak]] void frmQUOPA::imgSort4_MouseDown(int, int, float, float) { PENDING("imgSort4_MouseDown"); }
[[gnu::weak]] void frmQUOPA::imgSort5_MouseDown(int, int, float, float) { PENDING("imgSort5_MouseDown"); }
[[gnu::weak]] void frmQUOPA::imgSort1_MouseMove(int, int, float, float) { PENDING("imgSort1_MouseMove"); }
[[gnu::weak]] void frmQUOPA::imgSort2_MouseMove(int, int, float, float) { PENDING("imgSort2_MouseMove"); }
[[gnu::weak]] void frmQUOPA::imgSort3_MouseMove(int, int, float, float) { PENDING("imgSort3_MouseMove"); }
[[gnu::weak]] void frmQUOPA::imgSort4_MouseMove(int, int, float, float) { PENDING("imgSort4_MouseMove"); }
[[gnu::weak]] void frmQUOPA::imgSort5_MouseMove(int, int, float, float) { PENDING("imgSort5_MouseMove"); }
[[gnu::weak]] void frmQUOPA::SomaSelecionados() { PENDING("SomaSelecionados"); }
[[gnu::weak]] void frmQUOPA::TocaSomUmDado() { PENDING("TocaSomUmDado"); }
[[gnu::weak]] void frmQUOPA::TocaSomDoisDados() { PENDING("TocaSomDoisDados"); }
[[gnu::weak]] void frmQUOPA::TocaSomTresDados() { PENDING("TocaSomTresDados"); }
[[gnu::weak]] void frmQUOPA::TocaReclamacao() { PENDING("TocaReclamacao"); }
[[gnu::weak]] void frmQUOPA::TocaAplauso() { PENDING("TocaAplauso"); }
[[gnu::weak]] void frmQUOPA::SomRecorde() { PENDING("SomRecorde"); }
[[gnu::weak]] void frmQUOPA::ConfereSom() { PENDING("ConfereSom"); }
[[gnu::weak]] void frmQUOPA::ConferePlacaSom() { PENDING("ConferePlacaSom"); }
[[gnu::weak]] void frmQUOPA::EncerraVezJogador1() { PENDING("EncerraVezJogador1"); }
[[gnu::weak]] void frmQUOPA::EncerraVezJogador2() { PENDING("EncerraVezJogador2"); }
[[gnu::weak]] void frmQUOPA::Jogad1_Change() { PENDING("Jogad1_Change"); }
[[gnu::weak]] void frmQUOPA::Jogad2_Change() { PENDING("Jogad2_Change"); }
[[gnu::weak]] void frmQUOPA::AtualizaJogadas1() { PENDING("AtualizaJogadas1"); }
[[gnu::weak]] void frmQUOPA::AtualizaJogadas2() { PENDING("AtualizaJogadas2"); }
[[gnu::weak]] void frmQUOPA::lblTotJogador1_Change() { PENDING("lblTotJogador1_Change"); }
[[gnu::weak]] void frmQUOPA::lblTotJogador2_Change() { PENDING("lblTotJogador2_Change"); }
[[gnu::weak]] void frmQUOPA::mnuNovo_Click() { PENDING("mnuNovo_Click"); }
[[gnu::weak]] void frmQUOPA::LimpaTabuleiro() { PENDING("LimpaTabuleiro"); }
[[gnu::weak]] void frmQUOPA::PegaOpcoes() { PENDING("PegaOpcoes"); }
[[gnu::weak]] void frmQUOPA::SalvaOpcoes() { PENDING("SalvaOpcoes"); }
[[gnu::weak]] void frmQUOPA::mnuAnimacao_Click() { PENDING("mnuAnimacao_Click"); }
[[gnu::weak]] void frmQUOPA::MnuAplaudirQuopa_Click() { PENDING("MnuAplaudirQuopa_Click"); }
[[gnu::weak]] void frmQUOPA::mnuFama_Click() { PENDING("mnuFama_Click"); }
[[gnu::weak]] void frmQUOPA::mnuExibeLegendas_Click() { PENDING("mnuExibeLegendas_Click"); }
[[gnu::weak]] void frmQUOPA::MnuExibePontos_Click() { PENDING("MnuExibePontos_Click"); }
[[gnu::weak]] void frmQUOPA::mnuTotal_Click() { PENDING("mnuTotal_Click"); }
[[gnu::weak]] void frmQUOPA::mnuHabilitaTeclado_Click() { PENDING("mnuHabilitaTeclado_Click"); }
[[gnu::weak]] void frmQUOPA::mnuPossibilidade_Click() { PENDING("mnuPossibilidade_Click"); }
[[gnu::weak]] void frmQUOPA::MnuReclamacao_Click() { PENDING("MnuReclamacao_Click"); }
[[gnu::weak]] void frmQUOPA::MostC_Click() { PENDING("MostC_Click"); }
[[gnu::weak]] void frmQUOPA::mnuNenhumSom_Click() { PENDING("mnuNenhumSom_Click"); }
[[gnu::weak]] void frmQUOPA::MnuJogadas_Click(int) { PENDING("MnuJogadas_Click"); }
[[gnu::weak]] void frmQUOPA::MnuJoga_Click(int) { PENDING("MnuJoga_Click"); }
[[gnu::weak]] void frmQUOPA::mnuNome1_Click() { PENDING("mnuNome1_Click"); }
[[gnu::weak]] void frmQUOPA::mnuNome2_Click() { PENDING("mnuNome2_Click"); }
[[gnu::weak]] void frmQUOPA::MnuCores_Click() { PENDING("MnuCores_Click"); }
[[gnu::weak]] void frmQUOPA::mnuCriaAtalhos_Click() { PENDING("mnuCriaAtalhos_Click"); }
[[gnu::weak]] void frmQUOPA::mnuDados_Click() { PENDING("mnuDados_Click"); }
[[gnu::weak]] void frmQUOPA::mnuPlacar_Click() { PENDING("mnuPlacar_Click"); }
[[gnu::weak]] void frmQUOPA::MnuSobre_Click() { PENDING("MnuSobre_Click"); }
[[gnu::weak]] void frmQUOPA::mnuDemonstra_Click() { PENDING("mnuDemonstra_Click"); }
[[gnu::weak]] void frmQUOPA::mnuSair_Click() { PENDING("mnuSair_Click"); }
[[gnu::weak]] void frmQUOPA::PegaCores() { PENDING("PegaCores"); }
[[gnu::weak]] void frmQUOPA::PoeCores() { PENDING("PoeCores"); }
[[gnu::weak]] void frmQUOPA::SalvaCoresFquopa() { PENDING("SalvaCoresFquopa"); }
[[gnu::weak]] void frmQUOPA::PegaDados() { PENDING("PegaDados"); }
[[gnu::weak]] void frmQUOPA::SalvaDados() { PENDING("SalvaDados"); }
[[gnu::weak]] void frmQUOPA::lblB_MouseDown(int, int, int, float, float) { PENDING("lblB_MouseDown"); }
[[gnu::weak]] void frmQUOPA::lblC_MouseDown(int, int, int, float, float) { PENDING("lblC_MouseDown"); }
[[gnu::weak]] void frmQUOPA::lblD_MouseDown(int, int, int, float, float) { PENDING("lblD_MouseDown"); }
[[gnu::weak]] void frmQUOPA::lblS_MouseDown(int, int, int, float, float) { PENDING("lblS_MouseDown"); }
[[gnu::weak]] void frmQUOPA::lblBB_MouseDown(int, int, int, float, float) { PENDING("lblBB_MouseDown"); }
[[gnu::weak]] void frmQUOPA::lblCB_MouseDown(int, int, int, float, float) { PENDING("lblCB_MouseDown"); }
[[gnu::weak]] void frmQUOPA::lblDB_MouseDown(int, int, int, float, float) { PENDING("lblDB_MouseDown"); }
[[gnu::weak]] void frmQUOPA::lblSB_MouseDown(int, int, int, float, float) { PENDING("lblSB_MouseDown"); }
[[gnu::weak]] void frmQUOPA::TotalizaJogador1() { PENDING("TotalizaJogador1"); }
[[gnu::weak]] void frmQUOPA::TotalizaJogador2() { PENDING("TotalizaJogador2"); }
[[gnu::weak]] void frmQUOPA::SomaTotalJogador1() { PENDING("SomaTotalJogador1"); }
[[gnu::weak]] void frmQUOPA::SomaTotalJogador2() { PENDING("SomaTotalJogador2"); }
[[gnu::weak]] void frmQUOPA::lblB_Change(int) { PENDING("lblB_Change"); }
[[gnu::weak]] void frmQUOPA::lblC_Change(int) { PENDING("lblC_Change"); }
[[gnu::weak]] void frmQUOPA::lblD_Change(int) { PENDING("lblD_Change"); }
[[gnu::weak]] void frmQUOPA::lblS_Change(int) { PENDING("lblS_Change"); }
[[gnu::weak]] void frmQUOPA::lblBB_Change(int) { PENDING("lblBB_Change"); }
[[gnu::weak]] void frmQUOPA::lblCB_Change(int) { PENDING("lblCB_Change"); }
[[gnu::weak]] void frmQUOPA::lblDB_Change(int) { PENDING("lblDB_Change"); }
[[gnu::weak]] void frmQUOPA::lblSB_Change(int) { PENDING("lblSB_Change"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaB() { PENDING("TotalizaColunaB"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaC() { PENDING("TotalizaColunaC"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaD() { PENDING("TotalizaColunaD"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaS() { PENDING("TotalizaColunaS"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaBB() { PENDING("TotalizaColunaBB"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaCB() { PENDING("TotalizaColunaCB"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaDB() { PENDING("TotalizaColunaDB"); }
[[gnu::weak]] void frmQUOPA::TotalizaColunaSB() { PENDING("TotalizaColunaSB"); }
[[gnu::weak]] void frmQUOPA::RefazTotais() { PENDING("RefazTotais"); }
[[gnu::weak]] void frmQUOPA::lblB_MouseMove(int, int, int, float, float) { PENDING("lblB_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblC_MouseMove(int, int, int, float, float) { PENDING("lblC_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblD_MouseMove(int, int, int, float, float) { PENDING("lblD_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblS_MouseMove(int, int, int, float, float) { PENDING("lblS_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblBB_MouseMove(int, int, int, float, float) { PENDING("lblBB_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblCB_MouseMove(int, int, int, float, float) { PENDING("lblCB_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblDB_MouseMove(int, int, int, float, float) { PENDING("lblDB_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblSB_MouseMove(int, int, int, float, float) { PENDING("lblSB_MouseMove"); }
[[gnu::weak]] void frmQUOPA::lblB_MouseUp(int, int, int, float, float) { PENDING("lblB_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblC_MouseUp(int, int, int, float, float) { PENDING("lblC_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblD_MouseUp(int, int, int, float, float) { PENDING("lblD_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblS_MouseUp(int, int, int, float, float) { PENDING("lblS_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblBB_MouseUp(int, int, int, float, float) { PENDING("lblBB_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblCB_MouseUp(int, int, int, float, float) { PENDING("lblCB_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblDB_MouseUp(int, int, int, float, float) { PENDING("lblDB_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblSB_MouseUp(int, int, int, float, float) { PENDING("lblSB_MouseUp"); }
[[gnu::weak]] void frmQUOPA::lblSomaSelecionados_Click() { PENDING("lblSomaSelecionados_Click"); }
[[gnu::weak]] void frmQUOPA::cmdVolta_Click() { PENDING("cmdVolta_Click"); }
[[gnu::weak]] void frmQUOPA::cmdBack_Click() { PENDING("cmdBack_Click"); }
[[gnu::weak]] void frmQUOPA::cmdBack2_Click() { PENDING("cmdBack2_Click"); }
[[gnu::weak]] void frmQUOPA::LimpaDestaque1() { PENDING("LimpaDestaque1"); }
[[gnu::weak]] void frmQUOPA::LimpaDestaque2() { PENDING("LimpaDestaque2"); }
[[gnu::weak]] void frmQUOPA::LimpaDestaqueS1() { PENDING("LimpaDestaqueS1"); }
[[gnu::weak]] void frmQUOPA::LimpaDestaqueS2() { PENDING("LimpaDestaqueS2"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisB() { PENDING("MarcaPossiveisB"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisC() { PENDING("MarcaPossiveisC"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisD() { PENDING("MarcaPossiveisD"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisS() { PENDING("MarcaPossiveisS"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisBB() { PENDING("MarcaPossiveisBB"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisCB() { PENDING("MarcaPossiveisCB"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisDB() { PENDING("MarcaPossiveisDB"); }
[[gnu::weak]] void frmQUOPA::MarcaPossiveisSB() { PENDING("MarcaPossiveisSB"); }
[[gnu::weak]] void frmQUOPA::MarcaZerosJogador1() { PENDING("MarcaZerosJogador1"); }
[[gnu::weak]] void frmQUOPA::MarcaZerosJogador2() { PENDING("MarcaZerosJogador2"); }
[[gnu::weak]] void frmQUOPA::MarcaZerosC() { PENDING("MarcaZerosC"); }
[[gnu::weak]] void frmQUOPA::MarcaZerosCB() { PENDING("MarcaZerosCB"); }
[[gnu::weak]] void frmQUOPA::lblJogadas_Change() { PENDING("lblJogadas_Change"); }
[[gnu::weak]] void frmQUOPA::AtualizaCursorTeclado1() { PENDING("AtualizaCursorTeclado1"); }
[[gnu::weak]] void frmQUOPA::AtualizaCursorTeclado2() { PENDING("AtualizaCursorTeclado2"); }
[[gnu::weak]] void frmQUOPA::MarcaCursor1(int16_t) { PENDING("MarcaCursor1"); }
[[gnu::weak]] void frmQUOPA::MarcaCursor2(int16_t) { PENDING("MarcaCursor2"); }
[[gnu::weak]] void frmQUOPA::MoveCursorTeclado1(int, int) { PENDING("MoveCursorTeclado1"); }
[[gnu::weak]] void frmQUOPA::MoveCursorTeclado2(int, int) { PENDING("MoveCursorTeclado2"); }
[[gnu::weak]] void frmQUOPA::AjustaTabStop() { PENDING("AjustaTabStop"); }
[[gnu::weak]] void frmQUOPA::MostraCursorTeclado() { PENDING("MostraCursorTeclado"); }
[[gnu::weak]] void frmQUOPA::DicaTeclasDados() { PENDING("DicaTeclasDados"); }
[[gnu::weak]] void frmQUOPA::DicaTeclasVolta() { PENDING("DicaTeclasVolta"); }
[[gnu::weak]] void frmQUOPA::Form_KeyDown(int&, int) { PENDING("Form_KeyDown"); }
[[gnu::weak]] void frmQUOPA::Form_KeyPress(int&) { PENDING("Form_KeyPress"); }
[[gnu::weak]] void frmQUOPA::cmdBack_MouseMove(int, int, float, float) { PENDING("cmdBack_MouseMove"); }
[[gnu::weak]] void frmQUOPA::cmdBack2_MouseMove(int, int, float, float) { PENDING("cmdBack2_MouseMove"); }
[[gnu::weak]] void frmQUOPA::cmdBack_MouseUp(int, int, float, float) { PENDING("cmdBack_MouseUp"); }
[[gnu::weak]] void frmQUOPA::cmdBack2_MouseUp(int, int, float, float) { PENDING("cmdBack2_MouseUp"); }
[[gnu::weak]] void frmQUOPA::design() {}
[[gnu::weak]] void frmQUOPA::designSheets() {}
[[gnu::weak]] void frmQUOPA::designDiceTable() {}
[[gnu::weak]] void frmQUOPA::designHolders() {}
[[gnu::weak]] void frmQUOPA::designMenus() {}
[[gnu::weak]] bool IdiomaPortugues() { PENDING("IdiomaPortugues"); }
[[gnu::weak]] void Main() { PENDING("Main"); }
[[gnu::weak]] void PegaIdioma() { PENDING("PegaIdioma"); }
[[gnu::weak]] void VerificaInstancia() { PENDING("VerificaInstancia"); }
[[gnu::weak]] std::string PegaPastaEspecial(int32_t) { PENDING("PegaPastaEspecial"); }
[[gnu::weak]] void CentraForm(rt::Form&) { PENDING("CentraForm"); }
[[gnu::weak]] bool ArquivoExiste(const std::string&) { PENDING("ArquivoExiste"); }
[[gnu::weak]] bool PastaExiste(const std::string&) { PENDING("PastaExiste"); }
[[gnu::weak]] void PegaCaminhoApp() { PENDING("PegaCaminhoApp"); }
[[gnu::weak]] void PoeFormNoTopo(rt::Form&, bool) { PENDING("PoeFormNoTopo"); }
[[gnu::weak]] void TocaSom(int16_t) { PENDING("TocaSom"); }
[[gnu::weak]] void ParaSom() { PENDING("ParaSom"); }
[[gnu::weak]] rt::FixedString<1> Idioma;
[[gnu::weak]] std::string CaminhoApp;
[[gnu::weak]] std::string Arquivo;
[[gnu::weak]] std::shared_ptr<const std::vector<uint8_t>> SomDados;
[[gnu::weak]] rt::Picture resources::icon(int) { PENDING("resources::icon"); }
[[gnu::weak]] rt::Picture resources::dicePicture(int) { PENDING("resources::dicePicture"); }
[[gnu::weak]] rt::Picture resources::logo() { PENDING("resources::logo"); }
[[gnu::weak]] rt::Picture resources::liftCursor() { PENDING("resources::liftCursor"); }
[[gnu::weak]] rt::Picture resources::dropCursor() { PENDING("resources::dropCursor"); }
[[gnu::weak]] std::shared_ptr<const std::vector<uint8_t>> resources::sound(int) { PENDING("resources::sound"); }

}  // namespace quopa
