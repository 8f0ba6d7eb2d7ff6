#include "runtime/values.h"

#include <gtest/gtest.h>

namespace {

TEST(Val, ReadsTheNumberAtTheStartOfATextAsTheGameRelies) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"", 0},       {"/", 0},          {"+30", 30},  {" 45", 45}, {"5x", 5},
                 {"-3", -3},    {"  -12abc", -12}, {"1.5", 1.5}, {"x5", 0},   {"+", 0},
                 {"&HFF", 255}, {"Total:  12", 0}, {"0", 0},     {"\t 7", 7}, {" 1944", 1944}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(rt::Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, PlainAndSignReservingForms) {
    EXPECT_EQ(rt::CStr(45), "45");
    EXPECT_EQ(rt::CStr(0), "0");
    EXPECT_EQ(rt::CStr(-3), "-3");
    EXPECT_EQ(rt::CStr(2.5), "2.5");
    EXPECT_EQ(rt::Str(245), " 245");
    EXPECT_EQ(rt::Str(0), " 0");
    EXPECT_EQ(rt::Str(-3), "-3");
}

TEST(NumberText, RoundsHalvesToEven) {
    EXPECT_EQ(rt::roundHalfEven(2.5), 2);
    EXPECT_EQ(rt::roundHalfEven(3.5), 4);
    EXPECT_EQ(rt::roundHalfEven(13.4), 13);
    EXPECT_EQ(rt::Int(-1.5), -2);
    EXPECT_EQ(rt::Int(6.99), 6);
}

TEST(TruthText, ReadsTextFormsAndNumbers) {
    EXPECT_EQ(rt::boolText(true), "True");
    EXPECT_EQ(rt::parseBool("True"), true);
    EXPECT_EQ(rt::parseBool(" false "), false);
    EXPECT_EQ(rt::parseBool("-1"), true);
    EXPECT_EQ(rt::parseBool("0"), false);
    EXPECT_EQ(rt::parseBool("2"), true);
    EXPECT_FALSE(rt::parseBool("yes").has_value());
    EXPECT_FALSE(rt::parseBool("").has_value());
    EXPECT_FALSE(rt::parseBool("1x").has_value());
}

TEST(IntText, AcceptsOnlyAWholeNumberThatFits) {
    EXPECT_EQ(rt::parseInt32("-12"), -12);
    EXPECT_EQ(rt::parseInt32(" 8388608"), 8388608);
    EXPECT_FALSE(rt::parseInt32("12.5").has_value());
    EXPECT_FALSE(rt::parseInt32("99999999999").has_value());
    EXPECT_FALSE(rt::parseInt32("abc").has_value());
    EXPECT_FALSE(rt::parseInt32("").has_value());
}

TEST(Text, CountsCharactersNotBytes) {
    std::string name = "João Conceição";  // 14 characters, more bytes
    EXPECT_EQ(rt::Len(name), 14u);
    EXPECT_EQ(rt::Left(name, 4), "João");
    EXPECT_EQ(rt::Right(name, 3), "ção");
    EXPECT_EQ(rt::Mid(name, 6, 4), "Conc");
    EXPECT_EQ(rt::Trim("  a b  "), "a b");
    EXPECT_EQ(rt::UCase("jogador ção"), "JOGADOR ÇÃO");
    EXPECT_EQ(rt::Right("Total:   245", 5), "  245");
}

TEST(FixedString, KeepsExactlyItsLength) {
    rt::FixedString<1> idioma;
    idioma = "12";
    EXPECT_EQ(idioma.str(), "1");
    idioma = "";
    EXPECT_EQ(idioma.str(), " ");
    idioma = "ã";
    EXPECT_EQ(idioma.str(), "ã");
}

TEST(Random, DrawsStayInRangeAndAreScriptable) {
    rt::seedRandom(7);
    for (int i = 0; i < 10000; ++i) {
        double r = rt::Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    rt::setRandomSource([] { return 0.25; });
    EXPECT_EQ(rt::Rnd(), 0.25);
    rt::setRandomSource(nullptr);
    EXPECT_NE(rt::Rnd(), 0.25);
}

TEST(Random, ReseedingWithTheSameClockDoesNotRepeatDraws) {
    // Without a clock service the clock reads the same value every time: the draws must still
    // differ, because the clock is mixed into the state, not put in its place.
    rt::Randomize();
    double a = rt::Rnd();
    rt::Randomize();
    double b = rt::Rnd();
    EXPECT_NE(a, b);
}

}  // namespace
