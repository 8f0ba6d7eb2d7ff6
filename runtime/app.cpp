#include "runtime/app.h"

#include "runtime/errors.h"
#include "runtime/files.h"
#include "runtime/form.h"

namespace rt {

App& app() {
    static App instance;
    return instance;
}

int Screen::width() const {
    return app().services().display ? app().display().screenSize().width : ScreenSize{}.width;
}

int Screen::height() const {
    return app().services().display ? app().display().screenSize().height : ScreenSize{}.height;
}

void Screen::setMousePointer(int pointer) {
    if (pointer_ == pointer) return;
    pointer_ = pointer;
    if (app().services().display) app().display().setScreenPointer(pointer);
}

std::string App::path() const {
    return path_.empty() ? programFolder() : path_;
}

void App::pressHelpKey(Form* activeForm) {
    if (!activeForm || helpFile_.empty()) return;
    int context = 0;
    if (Control* c = activeForm->activeControl()) context = c->helpContextID();
    if (context == 0) context = activeForm->helpContextID();
    help().show(helpFile_, context);
}

int MsgBox(const std::string& prompt, int style, const std::string& title) {
    return app().dialogs().msgBox(prompt, style, title.empty() ? "Dazivuvera" : title);
}

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText) {
    return app().dialogs().inputBox(prompt, title.empty() ? "Dazivuvera" : title, defaultText);
}

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue) {
    return app().settings().get(appName, section, key).value_or(defaultValue);
}

void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value) {
    app().settings().save(appName, section, key, value);
}

void DoEvents() {
    if (app().services().display) app().display().processEvents();
}

namespace {
int guardDepth = 0;
}

bool guard(const std::function<void()>& call) {
    ++guardDepth;
    bool running = true;
    try {
        call();
    } catch (const EndProgram&) {
        running = false;
    } catch (const RuntimeError& e) {
        app().dialogs().msgBox(
            "Run-time error '" + std::to_string(e.number()) + "':\n\n" + e.what(), kCritical,
            "Dazivuvera");
        running = false;
    } catch (const std::exception& e) {
        app().dialogs().msgBox(std::string("Run-time error:\n\n") + e.what(), kCritical,
                               "Dazivuvera");
        running = false;
    }
    --guardDepth;
    if (!running && app().services().display) app().display().quit();
    // Forms unloaded during the call are destroyed only once no handler can still be running on
    // them: when the outermost call returns.
    if (guardDepth == 0) destroyRetiredForms();
    return running;
}

}  // namespace rt
