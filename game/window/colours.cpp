// The colour scheme: 18 colours kept in colour properties of 16 carrier controls of the main
// window, read from and written to section "Colors" of the settings store, and spread over the
// sheets and the dice table.
#include <array>
#include <string>
#include <vector>

#include "app/module1.h"
#include "app/settings_save.h"
#include "game/sheet/sheet_model.h"
#include "game/window/colour_carriers.h"
#include "game/window/frm_quopa.h"
#include "runtime/app.h"
#include "runtime/values.h"

namespace quopa {

namespace {

namespace pal = rt::palette;

constexpr const char* kSecaoCores = "Colors";

// One colour of the scheme: its key, the carrier property that holds it and its default.
struct CorDoEsquema {
    const char* chave;
    LeCor le;
    PoeCor poe;
    rt::Color padrao;
};

using F = frmQUOPA;

// In the order PegaCores reads them. The keys of lblVolte11 are spelt "lblVolta11..." in the
// store; stored data uses exactly these keys.
constexpr std::array<CorDoEsquema, 18> kEsquema = {{
    {"MainBack", fundoDaJanela, poeFundoDaJanela, pal::kDarkGreen},
    {"PicUser", fundoDe<&F::PicUser>, poeFundo<&F::PicUser>, pal::kLightGrey},
    {"Picture1", fundoDe<&F::Picture1>, poeFundo<&F::Picture1>, pal::kGrey},
    {"lblVolta", frenteDe<&F::lblVolta>, poeFrente<&F::lblVolta>, pal::kDarkBlue},
    {"lblQuemJoga", frenteDe<&F::lblQuemJoga>, poeFrente<&F::lblQuemJoga>, pal::kGrey},
    {"lblVolta11F", frenteDe<&F::lblVolte11>, poeFrente<&F::lblVolte11>, pal::kBlack},
    {"lblVolta11B", fundoDe<&F::lblVolte11>, poeFundo<&F::lblVolte11>, pal::kWhite},
    {"lblVolte12F", frenteDe<&F::lblVolte12>, poeFrente<&F::lblVolte12>, pal::kDarkBlue},
    {"lblVolte12B", fundoDe<&F::lblVolte12>, poeFundo<&F::lblVolte12>, pal::kLightGrey},
    {"lblJogad1", fundoDe<&F::Jogad1>, poeFundo<&F::Jogad1>, pal::kCyan},
    {"lblJogad2", fundoDe<&F::Jogad2>, poeFundo<&F::Jogad2>, pal::kLightGrey},
    {"lblPlayer1", frenteDe<&F::lblPlayer1>, poeFrente<&F::lblPlayer1>, pal::kWhite},
    {"lblPlayer2", frenteDe<&F::lblPlayer2>, poeFrente<&F::lblPlayer2>, pal::kWhite},
    {"lblSeleTotal", frenteDe<&F::lblSomaSelecionados>, poeFrente<&F::lblSomaSelecionados>,
     pal::kGreen},
    {"lblPontos", frenteDe<&F::lblPontos>, poeFrente<&F::lblPontos>, pal::kGreen},
    {"KeybFore", frenteDe<&F::LTc1>, poeFrente<&F::LTc1>, pal::kYellow},
    {"KeybBack", fundoDe<&F::LTc1>, poeFundo<&F::LTc1>, pal::kRed},
    {"ZeroPoints", fundoDe<&F::lblTermOquePor>, poeFundo<&F::lblTermOquePor>, pal::kDarkRed},
}};

constexpr std::size_t kZeroPoints = 17;  // the last key; LTc2 takes LTc1's colours before it
// The order of the writes: "KeybBack" goes before "KeybFore".
constexpr std::array<std::size_t, 18> kOrdemDeGravacao = {0, 1,  2,  3,  4,  5,  6,  7,  8,
                                                          9, 10, 11, 12, 13, 14, 16, 15, 17};

// The stored colour of a key. The store may hold anything a user or another program put there:
// a text that is not a whole decimal number, or a number that is no 24-bit colour, gives the
// key's default instead.
rt::Color corGuardada(const CorDoEsquema& cor) {
    const std::string texto =
        rt::GetSetting(kNomeAplicativo, kSecaoCores, cor.chave, std::to_string(cor.padrao));
    const auto valor = rt::parseInt32(texto);
    return valor && rt::isValidColor(*valor) ? *valor : cor.padrao;
}

// Paints the cells of one row of all eight columns and that row's two legends.
void pintaLinha(frmQUOPA& f, const Colunas& colunas, int linha, const rt::Label& modeloDaCasa,
                rt::Color corDaLegenda) {
    for (const ColunaDaFolha& coluna : colunas.all) {
        rt::Label& casa = (*coluna.cells)[linha];
        casa.setBackColor(modeloDaCasa.backColor());
        casa.setForeColor(modeloDaCasa.foreColor());
    }
    f.lblLegen[linha].setForeColor(corDaLegenda);
    f.lblLegenB[linha].setForeColor(corDaLegenda);
}

}  // namespace

void frmQUOPA::PegaCores() {
    for (std::size_t i = 0; i < kEsquema.size(); ++i) {
        if (i == kZeroPoints) {
            // Player 2's keyboard cursor has no keys of its own: it always looks like player 1's.
            LTc2.setForeColor(LTc1.foreColor());
            LTc2.setBackColor(LTc1.backColor());
        }
        kEsquema[i].poe(*this, corGuardada(kEsquema[i]));
    }
}

void frmQUOPA::PoeCores() {
    // Every cell takes its row's plain colour; the marks in the mouse pointers stay as they are,
    // and the play aids paint them again at their next marking.
    const Colunas colunas = ColunasDe(*this);
    for (int linha : kLinhasDePontos)
        pintaLinha(*this, colunas, linha, lblVolte11, lblVolta.foreColor());
    for (int linha : kLinhasCalculadas)
        pintaLinha(*this, colunas, linha, lblVolte12, lblQuemJoga.foreColor());
    lblLegen2.setForeColor(lblVolta.foreColor());
    lblLegen2B.setForeColor(lblVolta.foreColor());
    PicUserB.setBackColor(PicUser.backColor());
    PicGame.setBackColor(backColor());
    Picture1B.setBackColor(Picture1.backColor());
}

void frmQUOPA::SalvaCoresFquopa() {
    // The scheme is saved together, in one replacement of the store: a crash during the save
    // keeps either the whole old scheme or the whole new one.
    std::vector<rt::Setting> esquema;
    for (std::size_t i : kOrdemDeGravacao)
        esquema.push_back({kSecaoCores, kEsquema[i].chave, std::to_string(kEsquema[i].le(*this))});
    GravaConfiguracoes(esquema);
}

}  // namespace quopa
