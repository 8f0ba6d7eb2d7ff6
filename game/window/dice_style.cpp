// The dice style: the library picture of each face, the stamp of the roll animation, the kind and
// length of the animation. Read from the settings store when the main window loads, written back
// when it unloads.
#include <array>
#include <climits>
#include <string>
#include <vector>

#include "app/module1.h"
#include "app/settings_save.h"
#include "game/window/frm_choic.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"
#include "runtime/app.h"
#include "runtime/errors.h"
#include "runtime/values.h"

namespace quopa {

namespace {

constexpr const char* kSecaoDados = "MainForm";
constexpr std::array<const char*, 6> kChavesDasFaces = {"Dice1", "Dice2", "Dice3",
                                                        "Dice4", "Dice5", "Dice6"};

std::string pegaDado(const char* chave, const std::string& padrao) {
    return rt::GetSetting(kNomeAplicativo, kSecaoDados, chave, padrao);
}

// The style is gathered and saved together, in one replacement of the store.
using Estilo = std::vector<rt::Setting>;

void salvaDado(Estilo& estilo, const char* chave, const std::string& valor) {
    estilo.push_back({kSecaoDados, chave, valor});
}

// The library index a face caption names: the number at its start, rounded half to even ("" and
// text without a number read 0). A number beyond any integer is an overflow, as the runtime's
// integer conversion reports it.
int indiceNaBiblioteca(const std::string& legenda) {
    const double n = rt::roundHalfEven(rt::Val(legenda));
    if (!(n >= INT_MIN && n <= INT_MAX)) throw rt::RuntimeError(rt::kOverflow, "Overflow");
    return static_cast<int>(n);
}

// The six face pictures out of the library: the dialog is loaded hidden, read and unloaded. An
// index outside 1-48 is error 340 of the library's array.
void copiaFiguras(frmQUOPA& f) {
    frmChoic& biblioteca = frmChoic::instance();
    for (int k = 1; k <= 6; ++k)
        f.imgDado1[k].setPicture(
            biblioteca.imgDado1[indiceNaBiblioteca(f.lblDados[k].caption())].picture());
    rt::FormInstance<frmChoic>::unloadIfLoaded();
}

// Frame j of a stamp: the icon whose identifier is the stamp's caption followed by "0" and j
// (stamp "1" gives 101, 102, 103). A caption that makes no identifier names no icon: error 326.
rt::Picture quadroDaEstampa(const std::string& estampa, int j) {
    const std::string identificador = estampa + "0" + std::to_string(j);
    const auto numero = rt::parseInt32(identificador);
    if (!numero)
        throw rt::RuntimeError(rt::kResourceNotFound,
                               "Resource with identifier '" + identificador + "' not found");
    return resources::icon(*numero);
}

// The default style: design 3's faces and stamp 1.
std::string faceDoEstiloPadrao(int k) {
    return std::to_string(12 + k);
}
rt::Picture quadroDoEstiloPadrao(int j) {
    return resources::icon(100 + j);
}

// Every die shows the stamp's first frame until it is rolled.
void estampaNosDados(frmQUOPA& f) {
    for (rt::Image* dado : {&f.imgSort1, &f.imgSort2, &f.imgSort3, &f.imgSort4, &f.imgSort5})
        dado->setPicture(f.imgTMPx[1].picture());
}

// The stored length keeps one character: "0" short, "2" long, anything else the middle length.
std::string tempoGuardado() {
    const std::string c = rt::Left(pegaDado("TimerAnimation", "2"), 1);
    if (c == "0") return "10";
    if (c == "2") return "30";
    return "20";
}

}  // namespace

std::vector<rt::Picture> frmQUOPA::defaultStylePictures() {
    std::vector<rt::Picture> figuras;
    for (int k = 1; k <= 6; ++k)
        figuras.push_back(resources::dicePicture(indiceNaBiblioteca(faceDoEstiloPadrao(k))));
    for (int j = 1; j <= 3; ++j) figuras.push_back(quadroDoEstiloPadrao(j));
    return figuras;
}

void frmQUOPA::PegaDados() {
    try {
        for (int k = 1; k <= 6; ++k)
            lblDados[k].setCaption(pegaDado(kChavesDasFaces[k - 1], faceDoEstiloPadrao(k)));
        lblTMP.setCaption(pegaDado("DiceTmp", "1"));
        lblTemPo.setCaption(tempoGuardado());
        lblTipoAnimacao.setCaption(pegaDado("TypeAnimation", "0"));
        copiaFiguras(*this);
        for (int j = 1; j <= 3; ++j) imgTMPx[j].setPicture(quadroDaEstampa(lblTMP.caption(), j));
        estampaNosDados(*this);
    } catch (const rt::RuntimeError&) {
        // Whatever part of the stored style was at fault, the whole style falls back to design 3,
        // stamp 1, stamp frames and the middle length. The fallback captions are what SalvaDados
        // writes over the faulty values at shut-down.
        rt::FormInstance<frmChoic>::unloadIfLoaded();
        for (int k = 1; k <= 6; ++k) lblDados[k].setCaption(faceDoEstiloPadrao(k));
        lblTMP.setCaption("1");
        copiaFiguras(*this);
        for (int j = 1; j <= 3; ++j) imgTMPx[j].setPicture(quadroDoEstiloPadrao(j));
        estampaNosDados(*this);
        lblTipoAnimacao.setCaption("0");
        lblTemPo.setCaption("20");
    }
}

void frmQUOPA::SalvaDados() {
    Estilo estilo;
    for (int k = 1; k <= 6; ++k) salvaDado(estilo, kChavesDasFaces[k - 1], lblDados[k].caption());
    salvaDado(estilo, "DiceTmp", lblTMP.caption());
    salvaDado(estilo, "TypeAnimation", lblTipoAnimacao.caption());
    // Any other length is not one the dialog offers; the stored one is kept.
    const std::string& tempo = lblTemPo.caption();
    if (tempo == "10")
        salvaDado(estilo, "TimerAnimation", "0");
    else if (tempo == "20")
        salvaDado(estilo, "TimerAnimation", "1");
    else if (tempo == "30")
        salvaDado(estilo, "TimerAnimation", "2");
    GravaConfiguracoes(estilo);
}

}  // namespace quopa
