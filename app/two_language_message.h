// Messages in the player's language: every message of the game exists in Portuguese and English.
#pragma once

namespace quopa {

// One text in each language.
struct Bilingue {
    const char* portugues;
    const char* ingles;
};

// Shows a message box with the prompt and title of the present language (Portuguese while
// IdiomaPortugues() holds) and the same style in both; returns the button the player chose.
int MsgBoxNoIdioma(const Bilingue& prompt, int estilo, const Bilingue& titulo);

}  // namespace quopa
