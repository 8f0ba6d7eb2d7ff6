// Run-time errors and the end of the program.
//
// Errors carry the forms runtime's error numbers so that code which "ignores the error and goes
// on" can do so statement by statement, and so that the error box shows the familiar number.
#pragma once

#include <stdexcept>
#include <string>

namespace rt {

// Error numbers used by the runtime.
enum ErrorNumber : int {
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kPathNotFound = 76,
    kInvalidPropertyValue = 380,
    kCannotMoveMaximised = 384,
    kResourceNotFound = 326,
    kArrayElementMissing = 340,
    kInvalidProcedureCall = 5,
};

// A run-time error of the runtime, with its number. Uncaught, it reaches the guard at the border
// of the event loop, which shows the error box and ends the program.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

// Thrown by End(): ends the program at once, running no unload handler. Deliberately not derived
// from std::exception so that no generic handler swallows it.
struct EndProgram {};

// Ends the program at once (throws EndProgram).
[[noreturn]] inline void End() {
    throw EndProgram{};
}

// Runs `statement`, ignoring any RuntimeError it raises: the "on error resume next" of a single
// statement. EndProgram passes through.
template <class F>
void ignoreErrors(F&& statement) {
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}

}  // namespace rt
