#include "app/settings_save.h"

#include <string>

#include "app/module1.h"
#include "app/two_language_message.h"
#include "runtime/app.h"

namespace quopa {

bool AvisouFalhaNaGravacao = false;

namespace {

// The message of a failed save: the texts before and after the place of the store.
struct AvisoDeFalha {
    Bilingue antes;
    Bilingue depois;
};
const AvisoDeFalha kNaoPodeSerGravado{
    {"Seus resultados e opções não podem ser gravados em:\n\n",
     "Your results and options cannot be saved to:\n\n"},
    {"\n\nNovos recordes e opções alteradas não serão guardados.",
     "\n\nNew high scores and changed options will not be kept."}};
// A file that another copy of the game holds is not one that cannot be written, and the player
// can do something about it: end the other copy.
const AvisoDeFalha kEmUso{
    {"Seus resultados e opções não podem ser gravados agora: o arquivo deles está em uso por "
     "outra cópia do Tuvel Quopa em execução:\n\n",
     "Your results and options cannot be saved now: their file is in use by another running "
     "copy of Tuvel Quopa:\n\n"},
    {"\n\nNovos recordes e opções alteradas não serão guardados enquanto aquela cópia estiver "
     "com o arquivo.",
     "\n\nNew high scores and changed options will not be kept while that copy holds the "
     "file."}};

// One message until a save succeeds again: the store that failed once will fail again, and a
// message at every save (each end of a game, the exit) would only nag.
void AvisaFalhaNaGravacao(rt::SaveResult falha) {
    if (AvisouFalhaNaGravacao) return;
    AvisouFalhaNaGravacao = true;
    const std::string onde = rt::app().settings().location(kNomeAplicativo);
    const AvisoDeFalha& aviso = falha == rt::SaveResult::InUse ? kEmUso : kNaoPodeSerGravado;
    const std::string pt = aviso.antes.portugues + onde + aviso.depois.portugues;
    const std::string en = aviso.antes.ingles + onde + aviso.depois.ingles;
    MsgBoxNoIdioma({pt.c_str(), en.c_str()}, rt::kExclamation, {" Aviso", " Warning"});
}

}  // namespace

bool GravaConfiguracoes(const std::vector<rt::Setting>& valores) {
    return AtualizaConfiguracoes([&valores](const rt::SettingsStore::Reader&) { return valores; });
}

bool AtualizaConfiguracoes(const rt::SettingsStore::Change& mudanca) {
    const rt::SaveResult resultado = rt::app().settings().update(kNomeAplicativo, mudanca);
    if (resultado == rt::SaveResult::Saved) {
        AvisouFalhaNaGravacao = false;
        return true;
    }
    // A copy newly found holding the file, after the one he was told of let go: the player waited
    // for it, and is told of it. He was told of the copy that still holds it.
    if (resultado == rt::SaveResult::InUse) AvisouFalhaNaGravacao = false;
    if (resultado != rt::SaveResult::StillInUse) AvisaFalhaNaGravacao(resultado);
    return false;
}

}  // namespace quopa
