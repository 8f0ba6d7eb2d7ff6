// The help viewer: our own window that shows the program's help files.
#pragma once

#include <memory>
#include <string>

#include "runtime/services.h"

class QTextBrowser;

namespace rt::qt {

// A help file is UTF-8 text: a first line that begins with "?_" (the mark of a valid help file,
// not shown), then HTML with one anchor per help context (<a name="650">). show() opens the file
// in one top-level window titled as the page titles itself (its <title>, else its first heading,
// else the file's base name), scrolled to the context's anchor, or at the start for context 0 or
// a context without an anchor. The window is reused and raised when it is already open. Opened
// while a modal window is up, the window stands above the modal one and takes input while the
// modal one is open. A file that is missing or cannot be read shows nothing; show() never throws.
// Links to anchors inside the page work; links to web addresses open in the user's browser.
class QtHelpViewer : public HelpViewer {
  public:
    QtHelpViewer();
    ~QtHelpViewer() override;

    void show(const std::string& file, int context) override;

    // The window, once it has been opened (for tests).
    QTextBrowser* window() const { return browser_.get(); }

  private:
    void standAboveModal();

    std::unique_ptr<QTextBrowser> browser_;
};

}  // namespace rt::qt
