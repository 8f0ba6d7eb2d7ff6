// The renderer: shows the runtime's forms as Qt windows and runs the program's event loop.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "runtime/form.h"
#include "runtime/services.h"

class QEventLoop;
class QWidget;

namespace rt::qt {

class FormWindow;

// A form gets its window and widgets on its first showing and loses them when it is unloaded.
// Modal shows run a nested event loop that returns when the form is hidden or unloaded; after
// End (quit) every loop of the renderer returns, and a modal show or DoEvents that was running
// then throws EndProgram so that the code that called it does not go on.
class QtDisplay : public QObject, public Display {
    Q_OBJECT

  public:
    QtDisplay();
    ~QtDisplay() override;

    void show(Form& form, ShowMode mode) override;
    void hide(Form& form) override;
    void unloaded(Form& form) override;
    void controlAdded(Control& control) override;
    void processEvents() override;
    ScreenSize screenSize() override;
    void setScreenPointer(int pointer) override;
    void setTopMost(Form& form, bool topMost) override;
    void quit() override;

    // The program's event loop: runs while some shown form is still loaded and the program has
    // not ended. Returns at once when neither holds.
    void run();
    // Whether a form that was shown is still loaded (hidden or not).
    bool hasForms() const { return !windows_.empty(); }
    bool ended() const { return ended_; }
    // The window of a form, from its first showing until its unload; nullptr otherwise.
    FormWindow* windowOf(const Form& form) const;
    // Work that may be done at any time before it is needed (pictures drawn, the toolkit's
    // first-use costs paid): it runs once, as soon as the first window has been drawn, while
    // the program would otherwise wait for its user or its timers.
    void setWorkAhead(std::function<void()> work) { workAhead_ = std::move(work); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void flushPending();
    void scheduleWorkAhead(FormWindow& window);
    void focusChanged(QWidget* now);

    std::map<const Form*, FormWindow*> windows_;
    std::set<const Form*> topMost_;  // asked for before the form had a window
    std::vector<Control*> pending_;  // created after their form was shown; widgets still to make
    bool flushQueued_ = false;
    std::vector<QEventLoop*> modalLoops_;
    QEventLoop* mainLoop_ = nullptr;
    bool leaving_ = false;  // run()'s loop was left because no form was left
    bool overrideCursor_ = false;
    bool ended_ = false;
    std::function<void()> workAhead_;
    bool workAheadWaiting_ = false;  // for the first exposure of the first window
};

}  // namespace rt::qt
