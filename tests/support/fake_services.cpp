#include "tests/support/fake_services.h"

#include <algorithm>

namespace testing_support {

std::optional<std::string> FakeSettings::get(const std::string&, const std::string& section,
                                             const std::string& key) {
    auto s = values.find(section);
    if (s == values.end()) return std::nullopt;
    auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

rt::SaveResult FakeSettings::update(const std::string& app, const Change& change) {
    if (outcome != rt::SaveResult::Saved) return outcome;
    const std::vector<rt::Setting> changes =
        change([this, &app](const std::string& section, const std::string& key) {
            return get(app, section, key);
        });
    for (const rt::Setting& s : changes) {
        values[s.section][s.key] = s.value;
        saveLog.push_back(s.section + "/" + s.key + "=" + s.value);
    }
    if (!changes.empty()) ++replacements;
    return rt::SaveResult::Saved;
}

int FakeDialogs::msgBox(const std::string& prompt, int style, const std::string& title) {
    messages.push_back({prompt, style, title, language});
    if (!answers.empty()) {
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    return (style & 7) == rt::kYesNo || (style & 7) == 3 ? rt::kAnswerYes : rt::kAnswerOk;
}

std::string FakeDialogs::inputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
    inputs.push_back({prompt, 0, title, language});
    if (whileAsking) whileAsking();
    if (!inputAnswers.empty()) {
        std::string a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    return defaultText;
}

bool FakeSound::play(std::shared_ptr<const std::vector<uint8_t>> wav) {
    if (devices == 0) return false;
    played.push_back(std::move(wav));
    return true;
}

void FakeTimers::start(rt::Timer& timer, int milliseconds) {
    schedule_[&timer] = Entry{now_ + milliseconds, milliseconds};
}

void FakeTimers::stop(rt::Timer& timer) {
    schedule_.erase(&timer);
}

void FakeTimers::advance(int milliseconds) {
    long long end = now_ + milliseconds;
    for (;;) {
        const rt::Timer* next = nullptr;
        long long due = end + 1;
        for (auto& [t, e] : schedule_)
            if (e.due < due) {
                due = e.due;
                next = t;
            }
        if (!next) break;
        now_ = due;
        Entry& e = schedule_[next];
        e.due += e.interval;
        auto* timer = const_cast<rt::Timer*>(next);
        if (timer->onTimer) timer->onTimer();
    }
    now_ = end;
}

int FakeTimers::runUntilIdle(int limitMs) {
    long long start = now_;
    while (!schedule_.empty() && now_ - start < limitMs) {
        long long due = std::min_element(schedule_.begin(), schedule_.end(), [](auto& a, auto& b) {
                            return a.second.due < b.second.due;
                        })->second.due;
        advance(static_cast<int>(std::max(0LL, due - now_)));
    }
    return static_cast<int>(now_ - start);
}

void HeadlessDisplay::show(rt::Form& form, rt::ShowMode mode) {
    bool modal = mode == rt::ShowMode::Modal;
    shown.push_back(form.name() + (modal ? " (modal)" : ""));
    if (!modal) return;
    auto script = modalScripts.find(form.name());
    if (script != modalScripts.end())
        script->second(form);
    else
        form.unload();
}

void HeadlessDisplay::hide(rt::Form&) {}

void HeadlessDisplay::unloaded(rt::Form& form) {
    unloadedForms.push_back(form.name());
}

void HeadlessDisplay::setTopMost(rt::Form& form, bool on) {
    if (on)
        topMost.insert(form.name());
    else
        topMost.erase(form.name());
}

std::optional<std::string> FakeFolders::path(int folder) {
    auto f = folders.find(folder);
    if (f == folders.end()) return std::nullopt;
    return f->second;
}

std::optional<int32_t> FakeColourChooser::choose(int32_t initial, const std::string& title) {
    asked.push_back({initial, title});
    if (answers.empty()) return std::nullopt;
    std::optional<int32_t> answer = answers.front();
    answers.pop_front();
    return answer;
}

FakeServices::FakeServices() {
    install();
}

FakeServices::~FakeServices() {
    rt::destroyRetiredForms();
    rt::app().install(rt::Services{});
}

void FakeServices::install() {
    rt::app().install(rt::Services{&settings, &dialogs, &help, &sound, &timers, &clock, &display,
                                   &folders, &instance, &colours});
    rt::screen().setMousePointer(0);
}

}  // namespace testing_support
