#include "app/two_language_message.h"

#include "app/module1.h"
#include "runtime/app.h"

namespace quopa {

int MsgBoxNoIdioma(const Bilingue& prompt, int estilo, const Bilingue& titulo) {
    const bool portugues = IdiomaPortugues();
    return rt::MsgBox(portugues ? prompt.portugues : prompt.ingles, estilo,
                      portugues ? titulo.portugues : titulo.ingles);
}

}  // namespace quopa
