// The shared module: the program's start, the shared variables, and small window, file, folder
// and sound utilities used by every window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/values.h"

namespace quopa {

// The interface language: "0" Portuguese, any other value English. Exactly one character.
extern rt::FixedString<1> Idioma;
// The program folder, always ending in a separator.
extern std::string CaminhoApp;
// A scratch full file name used by the file checks.
extern std::string Arquivo;
// The bytes of the sound last started; kept until that sound is stopped or replaced.
extern std::shared_ptr<const std::vector<uint8_t>> SomDados;

// The settings store's application name.
inline constexpr const char* kNomeAplicativo = "Tuvel Quopa";

// The number value of the language: Val(Idioma).
bool IdiomaPortugues();
// Tells the runtime the language of Idioma, so that the standard buttons of message and input
// boxes speak it as the messages do. Called whenever Idioma changes.
void InformaIdioma();

// The start procedure.
void Main();
void PegaIdioma();
void VerificaInstancia();

// Utilities; each absorbs its own errors and returns a neutral value.
std::string PegaPastaEspecial(int32_t pasta);
void CentraForm(rt::Form& F);
bool ArquivoExiste(const std::string& caminho);
bool PastaExiste(const std::string& caminho);
void PegaCaminhoApp();
void PoeFormNoTopo(rt::Form& F, bool noTopo);

// Sounds: plays the sound resource `id` asynchronously from memory; stops any sound.
void TocaSom(int16_t id);
void ParaSom();

}  // namespace quopa
