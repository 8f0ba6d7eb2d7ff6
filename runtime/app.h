// The application object: hands out the services, and holds what the forms runtime keeps for the
// whole program (help file, program folder, the screen).
#pragma once

#include <functional>
#include <string>

#include "runtime/services.h"

namespace rt {

struct Services {
    SettingsStore* settings = nullptr;
    Dialogs* dialogs = nullptr;
    HelpViewer* help = nullptr;
    SoundOutput* sound = nullptr;
    TimerService* timers = nullptr;
    Clock* clock = nullptr;
    Display* display = nullptr;
    SpecialFolders* folders = nullptr;
    InstanceLock* instance = nullptr;
    ColourChooser* colours = nullptr;
};

// The screen: its size in twips and the one mouse pointer of the whole program.
class Screen {
  public:
    int width() const;
    int height() const;
    int mousePointer() const { return pointer_; }
    void setMousePointer(int pointer);

  private:
    int pointer_ = 0;
};

class App {
  public:
    // Installs the services (the program's on start, a test's doubles per test).
    void install(const Services& services) { services_ = services; }
    const Services& services() const { return services_; }

    SettingsStore& settings() const { return *services_.settings; }
    Dialogs& dialogs() const { return *services_.dialogs; }
    HelpViewer& help() const { return *services_.help; }
    SoundOutput& sound() const { return *services_.sound; }
    TimerService& timers() const { return *services_.timers; }
    Clock& clock() const { return *services_.clock; }
    Display& display() const { return *services_.display; }
    SpecialFolders& folders() const { return *services_.folders; }
    InstanceLock& instanceLock() const { return *services_.instance; }
    ColourChooser& colours() const { return *services_.colours; }

    Screen& screen() { return screen_; }

    // App.HelpFile: the file the help key opens.
    const std::string& helpFile() const { return helpFile_; }
    void setHelpFile(const std::string& path) { helpFile_ = path; }
    // App.PrevInstance.
    bool previousInstance() const { return services_.instance->previousInstance(); }
    // App.Path: the folder of the running program, without a trailing separator. Tests may set
    // another one.
    std::string path() const;
    void setPath(const std::string& folder) { path_ = folder; }

    // The help key on the active window: opens the help file at the context of the focused
    // control, or of the window when the control has none.
    void pressHelpKey(Form* activeForm);

  private:
    Services services_;
    Screen screen_;
    std::string helpFile_;
    std::string path_;
};

App& app();
inline Screen& screen() {
    return app().screen();
}

// The forms runtime's dialog and settings calls, on the installed services.
int MsgBox(const std::string& prompt, int style = 0, const std::string& title = "");
std::string InputBox(const std::string& prompt, const std::string& title = "",
                     const std::string& defaultText = "");
std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue = "");
void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value);
// DoEvents.
void DoEvents();

// Runs a call that comes from the event loop (a widget's input, a timer, a menu action, a
// resize): End ends the program, an uncaught run-time error shows the error box and ends it.
// Returns false when the program has ended.
bool guard(const std::function<void()>& call);

}  // namespace rt
