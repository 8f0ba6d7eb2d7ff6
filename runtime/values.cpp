#include "runtime/values.h"

#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>

#include "runtime/app.h"

namespace rt {

double Val(std::string_view text) {
    std::size_t i = 0, n = text.size();
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < n && blank(text[i])) ++i;
    if (i + 1 < n && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
        // Hexadecimal: "&HFF" reads 255.
        long long value = 0;
        bool any = false;
        for (i += 2;
             i < n && std::isxdigit(static_cast<unsigned char>(text[i])) && value < (1LL << 40);
             ++i) {
            char c = text[i];
            value = value * 16 + (std::isdigit(static_cast<unsigned char>(c))
                                      ? c - '0'
                                      : (std::tolower(static_cast<unsigned char>(c)) - 'a' + 10));
            any = true;
        }
        return any ? static_cast<double>(value) : 0.0;
    }
    double sign = 1;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    double value = 0;
    bool digits = false;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        digits = true;
    }
    if (i < n && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < n && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) {
            value += (text[i] - '0') * scale;
            digits = true;
        }
    }
    return digits ? sign * value : 0.0;
}

double Int(double x) {
    return std::floor(x);
}

double roundHalfEven(double x) {
    return std::nearbyint(x);
}

std::string CStr(double x) {
    if (x == 0) return "0";
    if (std::floor(x) == x && std::fabs(x) < 1e15) return std::to_string(static_cast<long long>(x));
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x);
    (void)ec;
    return std::string(buf, end);
}

std::string Str(double x) {
    std::string text = CStr(x);
    if (x >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string boolText(bool value) {
    return value ? "True" : "False";
}

std::optional<bool> parseBool(std::string_view text) {
    std::string t = Trim(text);
    std::string upper = UCase(t);
    if (upper == "TRUE") return true;
    if (upper == "FALSE") return false;
    if (t.empty()) return std::nullopt;
    // A number is true unless it is 0; the whole text must be the number.
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    bool digits = false;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) digits = true;
    if (i < t.size() && t[i] == '.')
        for (++i; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i)
            digits = true;
    if (!digits || i != t.size()) return std::nullopt;
    return Val(t) != 0;
}

std::optional<int32_t> parseInt32(std::string_view text) {
    std::string t = Trim(text);
    if (t.empty()) return std::nullopt;
    const char* begin = t.data();
    if (*begin == '+') ++begin;
    int32_t value = 0;
    auto [end, ec] = std::from_chars(begin, t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

// --- Random numbers ---------------------------------------------------------------------------
// xoshiro256** with splitmix64 seeding.

namespace {

uint64_t state[4] = {0x9E3779B97F4A7C15ULL, 0xBF58476D1CE4E5B9ULL, 0x94D049BB133111EBULL,
                     0x2545F4914F6CDD1DULL};

uint64_t rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

uint64_t next() {
    uint64_t result = rotl(state[1] * 5, 7) * 9;
    uint64_t t = state[1] << 17;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= t;
    state[3] = rotl(state[3], 45);
    return result;
}

uint64_t splitmix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Set by seedRandom: a seeded generator repeats its draws run after run.
bool seeded = false;

std::function<double()>& randomSource() {
    static std::function<double()> source;
    return source;
}

}  // namespace

double Rnd() {
    if (randomSource()) return randomSource()();
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

void setRandomSource(std::function<double()> source) {
    randomSource() = std::move(source);
}

void Randomize() {
    // The clock is mixed into the state, never put in its place: two re-seedings within one tick
    // of the clock still leave different states, so their draws stay independent.
    double seconds = app().services().clock ? app().clock().secondsSinceMidnight() : 0.0;
    // The machine's running time makes two runs differ; a seeded run leaves it out and mixes
    // the clock service's reading alone.
    uint64_t mix =
        seeded ? 0
               : static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    uint64_t bits;
    static_assert(sizeof bits == sizeof seconds);
    std::memcpy(&bits, &seconds, sizeof bits);
    mix ^= rotl(bits, 17);
    for (uint64_t& s : state) s ^= splitmix(mix);
    if ((state[0] | state[1] | state[2] | state[3]) == 0) state[0] = 1;
    next();
}

void seedRandom(uint64_t seed) {
    seeded = true;
    for (uint64_t& s : state) s = splitmix(seed);
}

// --- Text -------------------------------------------------------------------------------------

namespace {

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offset of the character `count` characters into the text (or its end).
std::size_t offsetOf(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    while (i < text.size() && count > 0) {
        ++i;
        while (i < text.size() && continuation(static_cast<unsigned char>(text[i]))) ++i;
        --count;
    }
    return i;
}

}  // namespace

std::size_t Len(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if (!continuation(static_cast<unsigned char>(c))) ++n;
    return n;
}

std::string Left(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, offsetOf(text, count)));
}

std::string Right(std::string_view text, std::size_t count) {
    std::size_t len = Len(text);
    if (count >= len) return std::string(text);
    return std::string(text.substr(offsetOf(text, len - count)));
}

std::string Mid(std::string_view text, std::size_t start, std::size_t count) {
    if (start < 1) start = 1;
    std::size_t from = offsetOf(text, start - 1);
    std::string_view rest = text.substr(from);
    if (count == std::string::npos) return std::string(rest);
    return std::string(rest.substr(0, offsetOf(rest, count)));
}

std::string Trim(std::string_view text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return "";
    std::size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::string UCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    // The accented small letters of Portuguese (two-byte UTF-8, U+00E0-U+00FE but U+00F7).
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        auto b0 = static_cast<unsigned char>(out[i]), b1 = static_cast<unsigned char>(out[i + 1]);
        if (b0 == 0xC3 && b1 >= 0xA0 && b1 <= 0xBE && b1 != 0xB7)
            out[i + 1] = static_cast<char>(b1 - 0x20);
    }
    return out;
}

std::string Space(std::size_t count) {
    return std::string(count, ' ');
}

}  // namespace rt
