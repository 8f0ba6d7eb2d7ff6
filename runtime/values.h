// Values: numbers and truth values read from and written to text, random numbers, and text
// helpers that count characters (UTF-8 code points), never bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// The number at the start of a text: leading blanks (spaces, tabs, line breaks) are skipped, an
// optional sign and the digits that follow (with one decimal point) make the number, and the
// first other character ends it. "" and "/" read 0, "+30" reads 30, " 45" reads 45, "5x" reads 5.
// Also accepts "&H" hexadecimal. Never throws.
double Val(std::string_view text);

// The greatest whole number not above x (Int(-1.5) is -2).
double Int(double x);

// Rounds to the nearest whole number, halves to the even one (the forms runtime's CInt rounding).
double roundHalfEven(double x);

// Shortest decimal text of a number, with no leading blank: 45 -> "45", -3 -> "-3", 2.5 -> "2.5".
std::string CStr(double x);

// The sign-reserving form: one leading blank for a number that is not negative, "-" otherwise:
// 245 -> " 245", -3 -> "-3".
std::string Str(double x);

// Truth values as text: "True" / "False".
std::string boolText(bool value);

// Reads a truth value: "True"/"False" in any letter case (surrounding blanks allowed), or a number
// (true unless 0). Anything else has no truth value.
std::optional<bool> parseBool(std::string_view text);

// Reads a whole number that fits 32 bits ("-12", " 45"); nothing for anything else, including
// a number with trailing text or out of range.
std::optional<int32_t> parseInt32(std::string_view text);

// Random numbers. Rnd() returns a value in [0, 1). Randomize() mixes the clock into the
// generator's state; it never resets the state to a function of the clock alone, so draws made
// within one tick of the clock stay independent.
double Rnd();
void Randomize();
// Seeds the generator with a fixed value (tests and benchmarks). From then on Randomize mixes in
// the clock service's reading but not the machine's running time, so the draws repeat run after
// run for the same seed and the same clock readings.
void seedRandom(uint64_t seed);
// Replaces the generator by a source of values in [0, 1) (tests script the dice with it); an empty
// function gives the generator back.
void setRandomSource(std::function<double()> source);

// Character-counting text helpers (UTF-8 aware).
std::size_t Len(std::string_view text);
std::string Left(std::string_view text, std::size_t count);
std::string Right(std::string_view text, std::size_t count);
// Characters from position `start` (1-based), `count` of them, or to the end.
std::string Mid(std::string_view text, std::size_t start, std::size_t count = std::string::npos);
// Removes blanks (spaces only) at both ends.
std::string Trim(std::string_view text);
std::string UCase(std::string_view text);
// A text of `count` blanks.
std::string Space(std::size_t count);

// A text of exactly N characters, like a fixed-length string: assigning a longer text keeps its
// first N characters, a shorter one is padded with blanks.
template <std::size_t N>
class FixedString {
  public:
    FixedString() : text_(Space(N)) {}
    FixedString(std::string_view text) { *this = text; }  // NOLINT: converts like the original
    FixedString& operator=(std::string_view text) {
        std::string kept = Left(text, N);
        text_ = kept + Space(N - Len(kept));
        return *this;
    }
    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }  // NOLINT
    bool operator==(std::string_view other) const { return text_ == other; }

  private:
    std::string text_;
};

}  // namespace rt
