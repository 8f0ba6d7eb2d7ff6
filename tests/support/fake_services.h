// Test doubles of the runtime's services, and a fixture helper that installs them.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/app.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/services.h"

namespace testing_support {

// An in-memory settings store; records every save in order.
class FakeSettings : public rt::SettingsStore {
  public:
    std::optional<std::string> get(const std::string& app, const std::string& section,
                                   const std::string& key) override;
    rt::SaveResult update(const std::string& app, const Change& change) override;
    std::string location(const std::string&) override { return path; }

    // Direct access: values[section][key] of the game's application name.
    std::map<std::string, std::map<std::string, std::string>> values;
    std::vector<std::string> saveLog;  // "section/key=value"
    // How many times the stored data was replaced: once per update that saved something.
    int replacements = 0;
    // What every update comes to: anything but Saved fails it so, and nothing is saved.
    rt::SaveResult outcome = rt::SaveResult::Saved;
    std::string path = "/home/player/.config/Ostrelo/Tuvel Quopa.ini";
};

// Message and input boxes: records what was shown; answers from a queue (default: OK / Yes for
// message boxes with Yes, the default text for input boxes).
class FakeDialogs : public rt::Dialogs {
  public:
    struct Shown {
        std::string prompt;
        int style;
        std::string title;
        rt::Language language;  // of the box's own buttons
    };
    int msgBox(const std::string& prompt, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void setLanguage(rt::Language l) override { language = l; }

    std::vector<Shown> messages;
    std::vector<Shown> inputs;  // style unused
    std::deque<int> answers;
    std::deque<std::string> inputAnswers;
    // Runs while an input box waits for its answer.
    std::function<void()> whileAsking;
    rt::Language language = rt::Language::English;  // the last language the program told
};

class FakeHelp : public rt::HelpViewer {
  public:
    void show(const std::string& file, int context) override { opened.push_back({file, context}); }
    std::vector<std::pair<std::string, int>> opened;
};

// Records the sounds played, by the identity of their bytes.
class FakeSound : public rt::SoundOutput {
  public:
    int deviceCount() override { return devices; }
    bool play(std::shared_ptr<const std::vector<uint8_t>> wav) override;
    void stop() override { ++stops; }

    int devices = 1;
    std::vector<std::shared_ptr<const std::vector<uint8_t>>> played;
    int stops = 0;
};

// Timers on a virtual clock: advance() fires due timers in order of their due time.
class FakeTimers : public rt::TimerService {
  public:
    void start(rt::Timer& timer, int milliseconds) override;
    void stop(rt::Timer& timer) override;
    // Advances the virtual clock by `milliseconds`, firing every timer that falls due.
    void advance(int milliseconds);
    // Fires timers until none is running or `limitMs` of virtual time has passed; returns the
    // virtual milliseconds that passed.
    int runUntilIdle(int limitMs = 600000);
    bool running(const rt::Timer& timer) const { return schedule_.count(&timer) != 0; }
    long long now() const { return now_; }

  private:
    struct Entry {
        long long due;
        int interval;
    };
    std::map<const rt::Timer*, Entry> schedule_;
    long long now_ = 0;
};

class FakeClock : public rt::Clock {
  public:
    std::chrono::system_clock::time_point now() override { return time; }
    double secondsSinceMidnight() override { return seconds; }
    std::chrono::system_clock::time_point time =
        std::chrono::system_clock::time_point(std::chrono::seconds(1'700'000'000));
    double seconds = 43200.0;
};

// No windows: shows are recorded; a modal show runs the script given for that form (by name),
// or, with none, unloads the form at once, as if the user closed it.
class HeadlessDisplay : public rt::Display {
  public:
    void show(rt::Form& form, rt::ShowMode mode) override;
    void hide(rt::Form& form) override;
    void unloaded(rt::Form& form) override;
    void controlAdded(rt::Control&) override {}
    void processEvents() override {}
    rt::ScreenSize screenSize() override { return screen; }
    void setScreenPointer(int pointer) override { pointerLog.push_back(pointer); }
    void setTopMost(rt::Form& form, bool topMost) override;
    void quit() override { quitCalled = true; }

    rt::ScreenSize screen;
    std::map<std::string, std::function<void(rt::Form&)>> modalScripts;
    std::vector<std::string> shown;  // form names, in order ("name" or "name (modal)")
    std::vector<std::string> unloadedForms;
    std::set<std::string> topMost;
    std::vector<int> pointerLog;
    bool quitCalled = false;
};

class FakeFolders : public rt::SpecialFolders {
  public:
    std::optional<std::string> path(int folder) override;
    std::map<int, std::string> folders;
};

class FakeInstanceLock : public rt::InstanceLock {
  public:
    bool previousInstance() override { return another; }
    bool another = false;
};

// The colour chooser: records every question (initial colour, title); answers from a queue, and
// with the queue empty as a user who cancels.
class FakeColourChooser : public rt::ColourChooser {
  public:
    struct Asked {
        int32_t initial;
        std::string title;
    };
    std::optional<int32_t> choose(int32_t initial, const std::string& title) override;

    std::vector<Asked> asked;
    std::deque<std::optional<int32_t>> answers;
};

// All the doubles, installed into rt::app() for the lifetime of the object (restores nothing:
// every test installs its own).
struct FakeServices {
    FakeSettings settings;
    FakeDialogs dialogs;
    FakeHelp help;
    FakeSound sound;
    FakeTimers timers;
    FakeClock clock;
    HeadlessDisplay display;
    FakeFolders folders;
    FakeInstanceLock instance;
    FakeColourChooser colours;

    FakeServices();
    ~FakeServices();
    void install();
};

}  // namespace testing_support
