// Message and input boxes on Qt widgets.
#pragma once

#include <memory>
#include <string>

#include "runtime/services.h"

class QTranslator;

namespace rt::qt {

// Both boxes run a nested event loop and return when the user answers. They belong to no window
// of the game and route nothing through it. Titles and default texts are shown exactly as given;
// prompts are plain text (never read as markup) whose "\r\n", "\r" and "\n" break lines.
//
// msgBox takes the forms runtime's style number: the buttons in its low three bits (0 OK,
// 1 OK/Cancel, 2 Abort/Retry/Ignore, 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel), the icon in
// 0x70 (16 critical, 32 question, 48 exclamation, 64 information) and 4096 for a box that stays
// above every window. It returns the answer's number: 1 OK, 2 Cancel, 3 Abort, 4 Retry,
// 5 Ignore, 6 Yes, 7 No. Escape and the close button answer Cancel when the box has one, No in a
// Yes/No box, OK in an OK box and Abort in an Abort/Retry/Ignore box.
//
// inputBox shows the prompt and a line edit that holds the default text, selected; OK returns the
// text, Cancel, Escape and the close button return "".
//
// F1 on either box is the help key of the game window the box stands over (the active one when
// it opened): the help opens at that window's context, in front of the box.
//
// In Portuguese the boxes use Qt's own Brazilian Portuguese translation (qtbase_pt_BR from Qt's
// translations folder), installed for the whole program, so the standard buttons read "Sim",
// "Não", "Cancelar". It is read from disk when the first box needs it; after that a switch of
// language installs or removes it at once. Without the file the buttons stay English.
class QtDialogs : public Dialogs {
  public:
    QtDialogs();
    ~QtDialogs() override;

    int msgBox(const std::string& prompt, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void setLanguage(Language language) override;

  private:
    void applyLanguage();

    std::unique_ptr<QTranslator> translator_;  // read on first use
    bool loaded_ = false;                      // the translation file was found and read
    bool portuguese_ = false;                  // the language the program told
    bool installed_ = false;
};

}  // namespace rt::qt
