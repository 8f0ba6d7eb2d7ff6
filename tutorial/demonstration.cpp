// "Show me": a step's actions become a queue of timed events, played one per tick of tmrDemo on
// the tutorial's own copy of the sheet and the dice. Between two events the program only waits in
// the event loop; nothing here ever polls the clock.
#include <array>
#include <string>

#include "app/module1.h"
#include "game/sheet/column_sums.h"
#include "game/sheet/sheet_model.h"
#include "tutorial/frm_demo.h"

namespace quopa {

namespace {

constexpr int kPausa = 700;      // ms before each action, so the eye can follow
constexpr int kQuadroMs = 60;    // one frame of the roll animation
constexpr int kQuadros = 12;     // frames of one roll
constexpr int kApontaMs = 600;   // a box is shown pointed at for this long before it is marked
constexpr int kLevantaMs = 350;  // between the lifting of two dice
constexpr int kTopoEmBaixo = 1380;
constexpr int kTopoLevantado = 890;
// The frames of a roll are the faces 2, 3, 4, 5, 1 in turn, as the main window animates its dice
// when it does not use the stamp.
constexpr const char* kFacesDaAnimacao = "23451";

std::array<rt::Image*, 5> DadosDe(frmDemo& f) {
    return {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5};
}

// The computed rows of a column as the main window's running totals write them.
void SomaComoOJogo(LabelArray& c, TipoDeColuna tipo) {
    if (AlgumaPreenchida(c, 1, 6)) {
        const double soma = SomaDasLinhas(c, 1, 6);
        c[kSomaSuperior].setCaption(rt::CStr(soma));
        if (soma > 59)
            c[kBonus].setCaption("+30");
        else
            c[kBonus].setCaption(TodasPreenchidas(c, 1, 6) ? "/" : "");
        c[kTotalSuperior].setCaption(rt::CStr(soma + ValorDaCasa(c[kBonus])));
    } else {
        for (int linha : {kSomaSuperior, kBonus, kTotalSuperior}) c[linha].setCaption("");
    }
    const bool baixo = AlgumaPreenchida(c, kQuadra, kQuopa);
    c[kTotalInferior].setCaption(baixo ? rt::CStr(SomaDasLinhas(c, kQuadra, kQuopa)) : "");
    bool total = !CasaVazia(c[kTotalSuperior]) || !CasaVazia(c[kTotalInferior]);
    if (tipo == TipoDeColuna::Descida) total = !CasaVazia(c[kTotalSuperior]);
    if (tipo == TipoDeColuna::Subida) total = !CasaVazia(c[kTotalInferior]);
    c[kTotalColuna].setCaption(
        total ? rt::CStr(ValorDaCasa(c[kTotalSuperior]) + ValorDaCasa(c[kTotalInferior])) : "");
}

}  // namespace

bool frmDemo::segurado(int dado) const {
    return segurados_[static_cast<std::size_t>(dado - 1)] == '1';
}

const rt::Picture& frmDemo::FiguraDaFace(char face) const {
    switch (face) {
        case '1':
            return d1.picture();
        case '2':
            return d2.picture();
        case '3':
            return d3.picture();
        case '4':
            return d4.picture();
        case '5':
            return d5.picture();
        case '6':
            return d6.picture();
        default:
            return tmp.picture();
    }
}

void frmDemo::MostraDados() {
    const auto dados = DadosDe(*this);
    for (int i = 0; i < 5; ++i) {
        dados[i]->setPicture(FiguraDaFace(faces_[i]));
        dados[i]->setTop(segurado(i + 1) ? kTopoLevantado : kTopoEmBaixo);
    }
}

void frmDemo::PoeBotaoJogar() {
    const int restam = lancamentosPorVez_ - lancamentos_;
    if (restam > 0)
        lblJogar.setCaption("Roll  " + std::to_string(restam));
    else
        lblJogar.setCaption(IdiomaPortugues() ? "Marcar pontos" : "Mark points");
}

void frmDemo::LimpaCopia() {
    for (int coluna = kColunaDn; coluna <= kColunaF; ++coluna)
        Coluna(coluna).forEach([this](int linha, rt::Label& casa) {
            casa.setCaption("");
            if (LinhaDePontos(linha)) casa.setBackColor(corDaCasa_);
        });
    faces_ = "00000";
    segurados_ = "00000";
    lancamentos_ = 0;
    lancamentosAntes_ = 0;
    ultimaColuna_ = 0;
    lblPontos.setCaption("");
    picVoltar.setVisible(false);
    LTc.setVisible(false);
    LTc.setCaption("");
}

void frmDemo::PoeCena(const Passo& p) {
    ParaDemonstracao();
    LimpaCopia();
    for (const CasaPreenchida& c : p.cena) Coluna(c.coluna)[c.linha].setCaption(c.texto);
    if (p.somas)
        for (int coluna = kColunaDn; coluna <= kColunaF; ++coluna) SomaColuna(coluna);
    MostraDados();
    PoeBotaoJogar();
}

void frmDemo::SomaColuna(int coluna) {
    static constexpr TipoDeColuna kTipos[] = {TipoDeColuna::Descida, TipoDeColuna::Subida,
                                              TipoDeColuna::Desordem, TipoDeColuna::PrimeiraMao};
    SomaComoOJogo(Coluna(coluna), kTipos[coluna - 1]);
}

void frmDemo::ParaDemonstracao() {
    tmrDemo.setTimerEnabled(false);
    fila_.clear();
}

void frmDemo::cmdMostrar_Click() {
    const Passo& p = Passos()[static_cast<std::size_t>(passo_ - 1)];
    // Each "Show me" plays the step from its start, also when the last one is still playing.
    PoeCena(p);
    for (const Acao& a : p.demonstracao) AgendaAcao(a);
    if (fila_.empty()) return;
    tmrDemo.setInterval(fila_.front().esperaMs);
    tmrDemo.setTimerEnabled(true);
}

void frmDemo::tmrDemo_Timer() {
    if (fila_.empty()) {
        ParaDemonstracao();
        return;
    }
    Evento e = std::move(fila_.front());
    fila_.pop_front();
    // The wait for the next event starts now; the last event stops the timer.
    if (fila_.empty())
        tmrDemo.setTimerEnabled(false);
    else
        tmrDemo.setInterval(fila_.front().esperaMs);
    e.acao();
}

void frmDemo::Agenda(int esperaMs, std::function<void()> acao) {
    fila_.push_back({esperaMs, std::move(acao)});
}

void frmDemo::AgendaAcao(const Acao& a) {
    switch (a.tipo) {
        case TipoDeAcao::Lancar:
            AgendaLancamento(a.texto);
            break;
        case TipoDeAcao::Segurar:
            AgendaSegurar(a.texto);
            break;
        case TipoDeAcao::Marcar:
            AgendaMarcar(a);
            break;
        case TipoDeAcao::Voltar:
            Agenda(2 * kPausa, [this] {
                Coluna(ultimaColuna_)[ultimaLinha_].setCaption("");
                if (Passos()[static_cast<std::size_t>(passo_ - 1)].somas) SomaColuna(ultimaColuna_);
                lancamentos_ = lancamentosAntes_;
                PoeBotaoJogar();
                picVoltar.setVisible(false);
            });
            break;
        case TipoDeAcao::Cursor:
            Agenda(kPausa, [this, a] {
                const rt::Label& casa = Coluna(a.coluna)[a.linha];
                LTc.move(casa.left(), casa.top(), casa.width(), casa.height());
                LTc.setCaption(casa.caption());
                LTc.setVisible(true);
            });
            break;
    }
}

void frmDemo::AgendaLancamento(const std::string& novas) {
    Agenda(kPausa, [this] {
        // A turn's first roll throws all five dice; the back button goes with the new roll.
        if (lancamentos_ == 0) {
            segurados_ = "00000";
            faces_ = "00000";
            MostraDados();
        }
        picVoltar.setVisible(false);
    });
    for (int q = 0; q < kQuadros; ++q) {
        Agenda(kQuadroMs, [this, q] {
            const rt::Picture& quadro = FiguraDaFace(kFacesDaAnimacao[q % 5]);
            const auto dados = DadosDe(*this);
            for (int i = 0; i < 5; ++i)
                if (!segurado(i + 1)) dados[i]->setPicture(quadro);
        });
    }
    Agenda(kQuadroMs, [this, novas] {
        double soma = 0;
        for (int i = 0; i < 5; ++i) {
            if (!segurado(i + 1) && novas[static_cast<std::size_t>(i)] != '-')
                faces_[static_cast<std::size_t>(i)] = novas[static_cast<std::size_t>(i)];
            soma += faces_[static_cast<std::size_t>(i)] - '0';
        }
        ++lancamentos_;
        MostraDados();
        lblPontos.setCaption(rt::CStr(soma));
        PoeBotaoJogar();
    });
}

void frmDemo::AgendaSegurar(const std::string& clicados) {
    // One die at a time, as a player clicks them: each click lifts a die that is down and puts
    // down one that is lifted.
    int espera = kPausa;
    for (char c : clicados) {
        const int dado = c - '0';
        Agenda(espera, [this, dado] {
            char& estado = segurados_[static_cast<std::size_t>(dado - 1)];
            estado = estado == '1' ? '0' : '1';
            MostraDados();
        });
        espera = kLevantaMs;
    }
}

void frmDemo::AgendaMarcar(const Acao& a) {
    Agenda(kPausa, [this, a] { Coluna(a.coluna)[a.linha].setBackColor(corPossivel_); });
    Agenda(kApontaMs, [this, a] { MarcaNaCopia(a.coluna, a.linha, a.texto); });
}

void frmDemo::MarcaNaCopia(int coluna, int linha, const std::string& texto) {
    rt::Label& casa = Coluna(coluna)[linha];
    casa.setBackColor(corDaCasa_);
    casa.setCaption(texto);
    if (Passos()[static_cast<std::size_t>(passo_ - 1)].somas) SomaColuna(coluna);
    // The marking ends the turn: the roll button is full again and the back button appears.
    ultimaColuna_ = coluna;
    ultimaLinha_ = linha;
    lancamentosAntes_ = lancamentos_;
    lancamentos_ = 0;
    PoeBotaoJogar();
    picVoltar.setVisible(true);
    LTc.setVisible(false);
}

}  // namespace quopa
