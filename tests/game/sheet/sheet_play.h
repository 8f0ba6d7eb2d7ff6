// Playing the score sheet as the user would (roll, hold, press, move, release), a scripted whole
// sheet of 52 markings, and a plain recomputation of the computed rows from the boxes that is
// independent of the game's own totalling code.
#pragma once

#include <string>
#include <vector>

#include "game/window/frm_quopa.h"
#include "tests/support/game_fixture.h"

namespace sheet_testing {

// --- Plain recomputation --------------------------------------------------------------------

// The five computed rows of a column as texts: 7, 8, 9, 17, 18.
struct ComputedRows {
    std::string sum, bonus, upper, lower, total;
    bool operator==(const ComputedRows&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ComputedRows& rows);

// Which section a column fills first: row 18 of the running mode waits for it.
enum class Guard { Upper, Lower, Either };
Guard guardOf(char column);  // 'B', 'C', 'D', 'S'

// The number a cell's text shows: blanks and a '+' skipped, then digits ("" and "/" are 0).
int cellNumber(const std::string& text);

// The computed rows that the running mode shows for these boxes (rows 1-6 and 10-16 of `col`),
// for a sheet played from empty: the bonus row is empty until it is earned or the upper
// section is complete.
ComputedRows runningRows(quopa::LabelArray& col, Guard guard);
// The computed rows that the completed-section mode shows: a section's rows once it is
// complete, the column total once both are.
ComputedRows sectionRows(quopa::LabelArray& col);
// The computed rows the column shows now.
ComputedRows shownRows(quopa::LabelArray& col);
// The grand total text for these points: "Total:", three blanks for a positive number's sign
// and the first blank, then the points ("Total:   245").
std::string grandTotalText(int points);
// The sum of the running column totals of a player's four columns.
int expectedGrandTotal(quopa::frmQUOPA& f, int player);

// --- Scripted play --------------------------------------------------------------------------

// One turn: the faces of the first roll, optionally dice to hold (digits "1".."5") and the faces
// of a second roll (held positions are drawn and discarded), then a press, move and release on
// the box with the button (1 points, 2 zero).
struct Step {
    char column;  // 'B', 'C', 'D', 'S'
    int row;
    int button;
    std::string faces;
    std::string holds;
    std::string faces2;
};

// A whole sheet of 52 markings in rounds of B, C, D, S. Every column follows its order rule,
// column S scores at the first roll only, some boxes get a zero and some turns hold dice and
// roll again. Player 2's sheet differs in column B so that the two totals differ.
std::vector<Step> wholeSheet(int player);
// The same 52 markings, columns B, C and D first and column S last.
std::vector<Step> columnsBCDFirst();

// A fixture that plays through the real handlers.
class SheetGame : public testing_support::GameFixture {
  protected:
    void TearDown() override;

    // Loads the main window with the players and the display mode stored as options.
    quopa::frmQUOPA& start(int players, bool running);

    quopa::LabelArray& column(int player, char name);
    // Press, move and release on a box, as a click with the mouse.
    void click(quopa::LabelArray& col, int row, int button = 1);
    // Plays one turn of the player whose roll button is visible.
    void play(int player, const Step& step);
    // The computed rows of every column of a player against the plain recomputation.
    void expectRows(int player, bool running);
};

}  // namespace sheet_testing
