// Message and input boxes on Qt widgets.
#pragma once

#include <string>

#include "runtime/services.h"

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
class QtDialogs : public Dialogs {
  public:
    int msgBox(const std::string& prompt, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
};

}  // namespace rt::qt
