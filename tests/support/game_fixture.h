// A fixture that loads the main window headless, with the test doubles and a program folder that
// holds the help and companion files, and helpers that act as the user would.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "game/window/frm_quopa.h"
#include "tests/support/fake_services.h"

namespace testing_support {

// The folder of the repository's sources (help and companion files live in resources/files).
std::string sourceDir();

// Makes a fresh program folder under the test's temporary folder with the help and companion
// files (and "ostrelo.zip"), and returns it with a trailing separator.
std::string makeProgramFolder(const std::string& name);

// The next draws of the dice give these faces ("33335"), one character a draw; later draws give 1.
void scriptDice(const std::string& faces);

// A column of a player's sheet by its header letter: 'B', 'C', 'D' or 'S'.
quopa::LabelArray& columnOf(quopa::frmQUOPA& form, int player, char letter);

class GameFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the main window (runs its Form_Load) as the splash window would, and returns it.
    // Put values into services.settings.values before calling it to start from a stored state.
    quopa::frmQUOPA& load();
    // The loaded main window.
    quopa::frmQUOPA& f() { return *form_; }

    // The next five draws of the dice give these faces ("33335"); the draws for held dice are
    // still made (and discarded), as the roll does.
    void scriptFaces(const std::string& faces);
    // Clicks the visible roll button (player 1's when both are visible) and runs the animation to
    // its end; the drawn faces are `faces`.
    void roll(const std::string& faces);
    // Presses and releases a box as a mouse click would (button 1 points, 2 zero).
    void mark(quopa::LabelArray& column, int row, int button = 1);
    // Runs the timers until the roll animation is over.
    void finishRoll();

    FakeServices services;
    std::string programDir;

  private:
    quopa::frmQUOPA* form_ = nullptr;
};

}  // namespace testing_support
