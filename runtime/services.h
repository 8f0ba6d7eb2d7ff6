// The services the game needs of the system. Each is an interface here, with a Qt
// implementation in runtime/qt/ and a test double in tests/support/. rt::app() hands them out.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rt {

class Form;
class Control;
class Timer;
enum class ShowMode;

// One stored value of the settings store: its section, key and text.
struct Setting {
    std::string section;
    std::string key;
    std::string value;
};

// What became of a save of the settings store.
enum class SaveResult {
    Saved,       // the values are stored (or the change named none)
    Unwritable,  // the store cannot be written: read-only, full disk, a folder in the file's place
    InUse,       // another running program kept the store locked for longer than a save waits
    StillInUse,  // the program found keeping it locked at an earlier save still does: this save
                 // waited only briefly for it
};

// The per-user settings store: text values by application, section and key.
//
// Several copies of the program may share one store (two logins on one home folder, one home on
// two machines). Every save therefore reads the store afresh under a lock that all savers take,
// and replaces only the keys it names: what another copy saved meanwhile is kept.
class SettingsStore {
  public:
    // Reads a value as the store holds it at that moment: nothing when the key is absent.
    using Reader = std::function<std::optional<std::string>(const std::string& section,
                                                            const std::string& key)>;
    // Computes the values to save from the values stored now.
    using Change = std::function<std::vector<Setting>(const Reader& stored)>;

    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key is absent.
    virtual std::optional<std::string> get(const std::string& app, const std::string& section,
                                           const std::string& key) = 0;
    // Saves what `change` computes from the store as it is now, as one step that no other save
    // can come between: the store is locked and read afresh, `change` runs, and the values it
    // returns replace their keys in one atomic replacement of the stored data, on disk when the
    // call returns. A crash at any moment leaves either all the old values or all the new ones.
    // A lock left behind by a save that died is taken over at once; a live holder is waited for,
    // but not for ever. `change` runs under the lock: it must neither wait for the user nor save.
    // Anything but Saved means that nothing was saved, and says why.
    virtual SaveResult update(const std::string& app, const Change& change) = 0;
    // Where the store keeps an application's settings (a file's path), to name it to the user.
    virtual std::string location(const std::string& app) = 0;

    // Saves these values together, in one replacement of the stored data.
    SaveResult save(const std::string& app, const std::vector<Setting>& values) {
        return update(app, [&values](const Reader&) { return values; });
    }
    SaveResult save(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& value) {
        return save(app, std::vector<Setting>{{section, key, value}});
    }
};

// Message box styles and answers, by the numbers of the forms runtime.
enum MsgBoxStyle : int {
    kOkOnly = 0,
    kYesNo = 4,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
    kSystemModal = 4096,
};
enum MsgBoxResult : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

// The languages the program speaks.
enum class Language { English, Portuguese };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows a message box and waits for the answer (an MsgBoxResult).
    virtual int msgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // Asks for a text; "" after Cancel, as the forms runtime gives it.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // The language of the boxes' own texts (the standard buttons: Yes, No, OK, Cancel); English
    // until told otherwise. The program tells it whenever its language changes.
    virtual void setLanguage(Language language) = 0;
};

// Opens a help file at a context (0: its start).
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void show(const std::string& file, int context) = 0;
};

// Plays WAV images from memory, asynchronously, one at a time.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // How many output devices the system has.
    virtual int deviceCount() = 0;
    // Stops any sound and starts this one; returns at once. The bytes stay owned by the caller's
    // shared pointer for as long as the sound may play. Returns false when it cannot play.
    virtual bool play(std::shared_ptr<const std::vector<uint8_t>> wav) = 0;
    // Stops any sound.
    virtual void stop() = 0;
};

// Runs timers. The program uses the event loop's timers; tests advance a virtual clock.
class TimerService {
  public:
    virtual ~TimerService() = default;
    // Starts (or restarts) the timer's schedule: onTimer every `milliseconds`.
    virtual void start(Timer& timer, int milliseconds) = 0;
    virtual void stop(Timer& timer) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // The wall-clock time.
    virtual std::chrono::system_clock::time_point now() = 0;
    // Seconds since midnight, with the clock's resolution (the forms runtime's Timer).
    virtual double secondsSinceMidnight() = 0;
};

// The screen as the runtime sees it.
struct ScreenSize {
    int width = 19200;  // twips
    int height = 15360;
};

// What shows the forms: the renderer, or nothing in headless tests.
class Display {
  public:
    virtual ~Display() = default;
    // The form becomes visible: create its peers if needed and show it. A modal show returns
    // when the form is hidden or unloaded.
    virtual void show(Form& form, ShowMode mode) = 0;
    virtual void hide(Form& form) = 0;
    // The form is unloaded: its peers go.
    virtual void unloaded(Form& form) = 0;
    // A control was created after its form got its peers.
    virtual void controlAdded(Control& control) = 0;
    // Runs pending events (DoEvents).
    virtual void processEvents() = 0;
    virtual ScreenSize screenSize() = 0;
    // Shows a screen-wide mouse pointer (a MousePointer number).
    virtual void setScreenPointer(int pointer) = 0;
    // Keeps the form above all others, or takes it back among the ordinary windows; never moves,
    // sizes or activates it.
    virtual void setTopMost(Form& form, bool topMost) = 0;
    // Ends the program: closes every window at once, running no handler, and leaves the loop.
    virtual void quit() = 0;
};

// Special folders by the shell's numbers.
enum SpecialFolder : int { kDesktopFolder = 0, kStartMenuFolder = 11 };
class SpecialFolders {
  public:
    virtual ~SpecialFolders() = default;
    // The folder's path without a trailing separator, or nothing when it is unknown.
    virtual std::optional<std::string> path(int folder) = 0;
};

// Tells whether another copy of the program is running (and holds this copy's claim).
class InstanceLock {
  public:
    virtual ~InstanceLock() = default;
    virtual bool previousInstance() = 0;
};

}  // namespace rt

namespace rt {

// The system's standard colour chooser.
class ColourChooser {
  public:
    virtual ~ColourChooser() = default;
    // Lets the user pick a colour in a modal window titled `title`, starting from `initial` (a
    // 24-bit colour, red in the low byte). Returns the colour picked, always a 24-bit colour, or
    // nothing when the user cancels.
    virtual std::optional<int32_t> choose(int32_t initial, const std::string& title) = 0;
};

}  // namespace rt
