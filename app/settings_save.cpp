#include "app/settings_save.h"

#include <string>

#include "app/module1.h"
#include "runtime/app.h"

namespace quopa {

bool AvisouFalhaNaGravacao = false;

namespace {

// One message per run: the store that failed once will fail again, and a message at every save
// (each end of a game, the exit) would only nag.
void AvisaFalhaNaGravacao() {
    if (AvisouFalhaNaGravacao) return;
    AvisouFalhaNaGravacao = true;
    const std::string onde = rt::app().settings().location(kNomeAplicativo);
    if (IdiomaPortugues())
        rt::MsgBox("Seus resultados e opções não podem ser gravados em:\n\n" + onde +
                       "\n\nNovos recordes e opções alteradas não serão guardados.",
                   rt::kExclamation, " Aviso");
    else
        rt::MsgBox("Your results and options cannot be saved to:\n\n" + onde +
                       "\n\nNew high scores and changed options will not be kept.",
                   rt::kExclamation, " Warning");
}

}  // namespace

bool GravaConfiguracoes(const std::vector<rt::Setting>& valores) {
    return AtualizaConfiguracoes([&valores](const rt::SettingsStore::Reader&) { return valores; });
}

bool AtualizaConfiguracoes(const rt::SettingsStore::Change& mudanca) {
    const bool gravou = rt::app().settings().update(kNomeAplicativo, mudanca);
    if (!gravou) AvisaFalhaNaGravacao();
    return gravou;
}

}  // namespace quopa
