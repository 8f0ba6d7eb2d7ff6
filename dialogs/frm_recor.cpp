#include "dialogs/frm_recor.h"

#include <algorithm>
#include <string>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/values.h"

namespace quopa {

namespace {

// The grid, twips: one line per rank under a header line, four columns at fixed places in a
// fixed-width font, so the scores and dates line up.
constexpr int kLarguraCliente = 6480;
constexpr int kTopoCabecalho = 240;
constexpr int kTopoPrimeiraLinha = 600;
constexpr int kAlturaLinha = 285;
constexpr int kAlturaBotao = 375;
constexpr int kLarguraBotao = 1215;

struct ColunaDaGrade {
    int left;
    int width;
    rt::Alignment alignment;
};
constexpr ColunaDaGrade kPosicao{240, 600, rt::Alignment::Right};
constexpr ColunaDaGrade kPontos{960, 900, rt::Alignment::Right};
constexpr ColunaDaGrade kNome{2100, 2640, rt::Alignment::Left};
constexpr ColunaDaGrade kData{4860, 1380, rt::Alignment::Left};

// The header and the window caption by language: Portuguese, English.
struct Textos {
    const char* titulo;
    const char* posicao;
    const char* pontos;
    const char* nome;
    const char* data;
};
constexpr Textos kPortugues{" Recordes", "Pos.", "Pontos", "Nome", "Data"};
constexpr Textos kIngles{" High Scores", "Rank", "Score", "Name", "Date"};

void DesenhaCelula(rt::Label& cell, const ColunaDaGrade& col, int top, bool header) {
    cell.move(col.left, top, col.width, kAlturaLinha);
    cell.setAlignment(col.alignment);
    cell.setBackStyle(rt::BackStyle::Transparent);
    rt::Font font;
    font.name = "Courier New";
    font.size = 9;
    font.bold = header;
    cell.setFont(font);
}

// The score a grand-total label shows: the number in its last five characters, where the
// points stand right-aligned.
double PontosDoTotal(const rt::Label& total) {
    return rt::Val(rt::Right(total.caption(), 5));
}

// Whether the player still has the default name of either language ("Jogador 1", "Player 1"),
// in any letter case and with blanks around it.
bool NomePadrao(const std::string& nome, int jogador) {
    const std::string n = rt::UCase(rt::Trim(nome));
    const std::string numero = std::to_string(jogador);
    return n == rt::UCase("Jogador " + numero) || n == rt::UCase("Player " + numero);
}

std::string PerguntaNome(int jogador, const std::string& padrao) {
    const std::string numero = std::to_string(jogador);
    const bool pt = IdiomaPortugues();
    const std::string prompt =
        pt ? "Parabéns, jogador " + numero +
                 "! Seu total entrou na tabela de recordes. Digite o seu nome (até 15 "
                 "caracteres) e clique OK."
           : "Congratulations, player " + numero +
                 "! Your total made the high-score table. Type your name (up to 15 characters) "
                 "and click OK.";
    const std::string answer =
        rt::InputBox(prompt, pt ? " Novo recorde" : " New high score", padrao);
    return rt::Trim(rt::Left(answer, 15));
}

}  // namespace

frmRecor::frmRecor() : rt::Form("frmRecor") {
    design();
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmRecor::design() {
    setBorderStyle(rt::FormBorder::FixedDialog);
    setHelpContextID(200);
    const int linhas = kTopoPrimeiraLinha + kNumeroDeRecordes * kAlturaLinha;
    setClientSize(kLarguraCliente, linhas + 240 + kAlturaBotao + 240);
    for (int i = 0; i <= kNumeroDeRecordes; ++i) {
        const bool header = i == 0;
        const int top = header ? kTopoCabecalho : kTopoPrimeiraLinha + (i - 1) * kAlturaLinha;
        DesenhaCelula(lblPosicao.create(i), kPosicao, top, header);
        DesenhaCelula(lblPontos.create(i), kPontos, top, header);
        DesenhaCelula(lblNome.create(i), kNome, top, header);
        DesenhaCelula(lblData.create(i), kData, top, header);
    }
    cmdOK.move((kLarguraCliente - kLarguraBotao) / 2, linhas + 240, kLarguraBotao, kAlturaBotao);
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);
}

void frmRecor::Form_Load() {
    const Textos& t = IdiomaPortugues() ? kPortugues : kIngles;
    setCaption(t.titulo);
    lblPosicao[0].setCaption(t.posicao);
    lblPontos[0].setCaption(t.pontos);
    lblNome[0].setCaption(t.nome);
    lblData[0].setCaption(t.data);

    LeTabela();
    MostraTabela();
}

void frmRecor::LeTabela() {
    RecordesLidos lidos = LeRecordes();
    reparada_ = lidos.reparada;
    lstRecordes = std::move(lidos.entradas);
    // Kept sorted whatever order the store holds; equal scores keep their stored order.
    OrdenaRecordes(lstRecordes);
}

void frmRecor::Form_Unload(int&) {
    ParaSom();
    // The repair reads the store again: a record that another copy of the game saved while this
    // table was open is kept.
    if (reparada_) ReparaRecordes(lstRecordes);
}

void frmRecor::cmdOK_Click() {
    unload();
}

void frmRecor::MostraTabela() {
    for (int i = 1; i <= kNumeroDeRecordes; ++i) {
        const EntradaDeRecorde& e = lstRecordes[static_cast<std::size_t>(i - 1)];
        lblPosicao[i].setCaption(std::to_string(i) + ".");
        lblPontos[i].setCaption(e.vazia() ? "" : std::to_string(e.pontos));
        lblNome[i].setCaption(e.nome);
        lblData[i].setCaption(DataCurta(e.data));
    }
}

void frmRecor::VejaRecord1() {
    VejaRecord(frmQUOPA::instance().lblTgeral1, &frmRecor::InsereRecord1);
}
void frmRecor::VejaRecord2() {
    VejaRecord(frmQUOPA::instance().lblTgeral2, &frmRecor::InsereRecord2);
}

void frmRecor::VejaRecord(rt::Label& total, void (frmRecor::*insere)()) {
    frmQUOPA& main = frmQUOPA::instance();
    main.lblNegrito.setCaption("");
    const double pontos = PontosDoTotal(total);
    // Judged against the table as stored now, with what another copy of the game saved since
    // this window was loaded.
    LeTabela();
    const bool entra = std::any_of(lstRecordes.begin(), lstRecordes.end(),
                                   [pontos](const auto& e) { return e.pontos < pontos; });
    if (entra) {
        (this->*insere)();
        MostraTabela();
        main.SomRecorde();
        CentraForm(*this);
        show(rt::ShowMode::Modal);
    } else {
        unload();
    }
    // This window may be unloaded by now; only the main window is touched.
    main.lblNegrito.setCaption("");
}

void frmRecor::InsereRecord1() {
    frmQUOPA& main = frmQUOPA::instance();
    InsereRecord(1, main.lblTgeral1, main.lblPlayer1);
}

void frmRecor::InsereRecord2() {
    frmQUOPA& main = frmQUOPA::instance();
    InsereRecord(2, main.lblTgeral2, main.lblPlayer2);
}

void frmRecor::InsereRecord(int jogador, const rt::Label& total, const rt::Label& nome) {
    EntradaDeRecorde e;
    e.pontos = static_cast<int>(PontosDoTotal(total));
    e.nome = rt::Trim(rt::Left(nome.caption(), 15));
    if (NomePadrao(e.nome, jogador)) {
        std::string digitado = PerguntaNome(jogador, e.nome);
        if (!digitado.empty()) e.nome = digitado;
    }
    e.data = DataDeHoje();
    // The entry goes into the table as stored at this moment, not as it was read before the name
    // prompt: another copy of the game may have saved a record while the player typed. The
    // insertion and the save are one step under the store's lock.
    if (GravaNovoRecorde(e, lstRecordes)) reparada_ = false;  // all ten entries written whole
}

}  // namespace quopa
