#include "game/sheet/sheet_rules.h"

#include <algorithm>
#include <cstddef>

#include "runtime/values.h"

namespace quopa {

namespace {

double Soma(const DadosNaMesa& d) {
    return rt::Val(d.f.lblPontos.caption());
}

// The face of four of a kind ends the caption of lblQuadra ("Quadra de 4", "Four of 4").
double FaceDaQuadra(const DadosNaMesa& d) {
    return rt::Val(rt::Right(d.f.lblQuadra.caption(), 2));
}

// The rule of a span of scoring rows: the condition the dice must meet, and the caption then
// written.
struct RegraDaLinha {
    int primeira;
    int ultima;
    bool (*condicao)(const DadosNaMesa&, const LabelArray& coluna, int linha);
    std::string (*pontos)(const DadosNaMesa&, int linha);
};

constexpr RegraDaLinha kRegras[] = {
    {1, 6,
     [](const DadosNaMesa& d, const LabelArray&, int linha) {
         return DadosDaFace(d.faces, linha) > 0;
     },
     [](const DadosNaMesa& d, int linha) {
         return std::to_string(linha * DadosDaFace(d.faces, linha));
     }},
    {kQuadra, kQuadra,
     [](const DadosNaMesa& d, const LabelArray&, int) { return d.f.lblQuadra.visible(); },
     [](const DadosNaMesa& d, int) { return rt::CStr(4 * FaceDaQuadra(d) + 20); }},
    {kFull, kFull,
     [](const DadosNaMesa& d, const LabelArray&, int) { return d.f.lblFull.visible(); },
     [](const DadosNaMesa& d, int) { return rt::Str(Soma(d) + 30); }},
    {kSeguidaMinima, kSeguidaMinima,
     [](const DadosNaMesa& d, const LabelArray&, int) { return d.f.lblSegMn.visible(); },
     [](const DadosNaMesa&, int) { return std::string("50"); }},
    {kSeguidaMaxima, kSeguidaMaxima,
     [](const DadosNaMesa& d, const LabelArray&, int) { return d.f.lblSegMx.visible(); },
     [](const DadosNaMesa&, int) { return std::string("60"); }},
    {kMinimo, kMaximo,
     [](const DadosNaMesa& d, const LabelArray& coluna, int linha) {
         return SomaCabeNoMinMax(coluna, linha, Soma(d));
     },
     [](const DadosNaMesa& d, int) { return d.f.lblPontos.caption(); }},
    {kQuopa, kQuopa,
     [](const DadosNaMesa& d, const LabelArray&, int) { return d.f.lblQuopa.visible(); },
     [](const DadosNaMesa& d, int) { return rt::Str(Soma(d) + 50); }},
};

const RegraDaLinha* RegraDe(int linha) {
    for (const RegraDaLinha& r : kRegras)
        if (linha >= r.primeira && linha <= r.ultima) return &r;
    return nullptr;
}

// The row before `row` in a fill order; 0 for the first row of the order.
template <std::size_t N>
int LinhaAnterior(const int (&ordem)[N], int row) {
    for (std::size_t i = 1; i < N; ++i)
        if (ordem[i] == row) return ordem[i - 1];
    return 0;
}

}  // namespace

int DadosDaFace(std::string_view faces, int face) {
    return static_cast<int>(std::count(faces.begin(), faces.end(), static_cast<char>('0' + face)));
}

bool DadosServem(const DadosNaMesa& dados, const LabelArray& coluna, int linha) {
    const RegraDaLinha* regra = RegraDe(linha);
    return regra && regra->condicao(dados, coluna, linha);
}

std::string PontosDaLinha(const DadosNaMesa& dados, int linha) {
    const RegraDaLinha* regra = RegraDe(linha);
    return regra ? regra->pontos(dados, linha) : std::string();
}

bool SomaCabeNoMinMax(const LabelArray& column, int row, double soma) {
    if (soma <= 0) return false;
    const int outra = row == kMinimo ? kMaximo : kMinimo;
    const std::string& limite = column[outra].caption();
    if (limite.empty() || limite == "0") return true;
    return row == kMinimo ? soma < rt::Val(limite) : soma > rt::Val(limite);
}

bool OrdemPermite(const LabelArray& column, TipoDeColuna kind, int row) {
    int before = 0;
    switch (kind) {
        case TipoDeColuna::Descida:
            before = LinhaAnterior(kLinhasDePontos, row);
            break;
        case TipoDeColuna::Subida:
            before = LinhaAnterior(kLinhasSubindo, row);
            break;
        case TipoDeColuna::Desordem:
        case TipoDeColuna::PrimeiraMao:
            return true;
    }
    return before == 0 || !CasaVazia(column[before]);
}

bool ColunaAceitaPontos(const frmQUOPA& f, TipoDeColuna kind) {
    return kind != TipoDeColuna::PrimeiraMao || rt::Val(f.lblJogadas.caption()) == 1;
}

}  // namespace quopa
