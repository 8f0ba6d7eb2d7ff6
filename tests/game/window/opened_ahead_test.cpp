// What is opened or drawn ahead of the main window (its fonts, the default dice) is what the
// loaded window uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/module1.h"
#include "tests/support/game_fixture.h"

namespace {

class OpenedAhead : public testing_support::GameFixture {};

void collectFonts(const rt::Container& container, std::vector<rt::Font>& fonts) {
    for (const rt::Control* c : container.children()) {
        if (std::find(fonts.begin(), fonts.end(), c->font()) == fonts.end())
            fonts.push_back(c->font());
        if (auto* inner = dynamic_cast<const rt::Container*>(c)) collectFonts(*inner, fonts);
    }
}

std::string describe(const rt::Font& f) {
    return f.name + " " + std::to_string(f.size) + (f.bold ? " bold" : "") +
           (f.italic ? " italic" : "") + (f.underline ? " underlined" : "");
}

TEST_F(OpenedAhead, EveryFontOfTheLoadedWindowIsListedInBothLanguages) {
    for (const char* language : {"0", "1"}) {
        SCOPED_TRACE(std::string("language ") + language);
        quopa::Idioma = language;
        auto& f = load();
        std::vector<rt::Font> used;
        collectFonts(f, used);
        const std::vector<rt::Font> listed = quopa::frmQUOPA::designFonts();
        for (const rt::Font& font : used)
            EXPECT_NE(std::find(listed.begin(), listed.end(), font), listed.end())
                << describe(font) << " is used but not opened ahead";
        // Nothing is opened that no control shows.
        for (const rt::Font& font : listed)
            EXPECT_NE(std::find(used.begin(), used.end(), font), used.end())
                << describe(font) << " is opened ahead but no control uses it";
        rt::FormInstance<quopa::frmQUOPA>::discard();
    }
}

TEST_F(OpenedAhead, TheDefaultStylePicturesAreTheOnesAFirstStartShows) {
    auto& f = load();
    const std::vector<rt::Picture> ahead = quopa::frmQUOPA::defaultStylePictures();
    ASSERT_EQ(ahead.size(), 9u);
    // The same shared pictures, so that what was drawn ahead is what the window shows.
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(f.imgDado1[k].picture(), ahead[k - 1]) << "face " << k;
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(f.imgTMPx[j].picture(), ahead[5 + j]) << "frame " << j;
    EXPECT_EQ(f.imgSort1.picture(), ahead[6]);
}

}  // namespace
