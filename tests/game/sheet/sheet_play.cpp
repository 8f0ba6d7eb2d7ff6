#include "tests/game/sheet/sheet_play.h"

#include <ostream>

#include "dialogs/frm_recor.h"

namespace sheet_testing {

std::ostream& operator<<(std::ostream& out, const ComputedRows& r) {
    return out << "{7:'" << r.sum << "' 8:'" << r.bonus << "' 9:'" << r.upper << "' 17:'" << r.lower
               << "' 18:'" << r.total << "'}";
}

Guard guardOf(char column) {
    switch (column) {
        case 'B':
            return Guard::Upper;
        case 'C':
            return Guard::Lower;
        default:
            return Guard::Either;
    }
}

int cellNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '+')) ++i;
    int n = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') n = n * 10 + (text[i++] - '0');
    return n;
}

namespace {

struct Section {
    bool any = false;
    bool all = true;
    int sum = 0;
};

Section section(quopa::LabelArray& col, int first, int last) {
    Section s;
    for (int row = first; row <= last; ++row) {
        const std::string& text = col[row].caption();
        if (text.empty())
            s.all = false;
        else
            s.any = true;
        s.sum += cellNumber(text);
    }
    return s;
}

}  // namespace

ComputedRows runningRows(quopa::LabelArray& col, Guard guard) {
    Section up = section(col, 1, 6), low = section(col, 10, 16);
    ComputedRows r;
    if (up.any) {
        r.sum = std::to_string(up.sum);
        r.bonus = up.sum >= 60 ? "+30" : up.all ? "/" : "";
        r.upper = std::to_string(up.sum + (up.sum >= 60 ? 30 : 0));
    }
    if (low.any) r.lower = std::to_string(low.sum);
    bool written = guard == Guard::Upper   ? up.any
                   : guard == Guard::Lower ? low.any
                                           : up.any || low.any;
    if (written) r.total = std::to_string(cellNumber(r.upper) + cellNumber(r.lower));
    return r;
}

ComputedRows sectionRows(quopa::LabelArray& col) {
    Section up = section(col, 1, 6), low = section(col, 10, 16);
    ComputedRows r;
    if (up.all) {
        r.sum = std::to_string(up.sum);
        r.bonus = up.sum >= 60 ? "+30" : "/";
        r.upper = std::to_string(up.sum + (up.sum >= 60 ? 30 : 0));
    }
    if (low.all) r.lower = std::to_string(low.sum);
    if (up.all && low.all) r.total = std::to_string(cellNumber(r.upper) + low.sum);
    return r;
}

ComputedRows shownRows(quopa::LabelArray& col) {
    return {col[7].caption(), col[8].caption(), col[9].caption(), col[17].caption(),
            col[18].caption()};
}

std::string grandTotalText(int points) {
    return "Total:   " + std::to_string(points);
}

int expectedGrandTotal(quopa::frmQUOPA& f, int player) {
    int sum = 0;
    for (char c : {'B', 'C', 'D', 'S'}) {
        quopa::LabelArray& col = player == 1 ? (c == 'B'   ? f.lblB
                                                : c == 'C' ? f.lblC
                                                : c == 'D' ? f.lblD
                                                           : f.lblS)
                                             : (c == 'B'   ? f.lblBB
                                                : c == 'C' ? f.lblCB
                                                : c == 'D' ? f.lblDB
                                                           : f.lblSB);
        sum += cellNumber(runningRows(col, guardOf(c)).total);
    }
    return sum;
}

// --- The script -----------------------------------------------------------------------------

namespace {

// Five faces with `count` dice of `face` and no other face repeated as often.
std::string upperFaces(int face, int count) {
    std::string faces(static_cast<std::size_t>(count), static_cast<char>('0' + face));
    for (int other = 1; faces.size() < 5; ++other)
        if (other != face) faces += static_cast<char>('0' + other);
    return faces;
}

// The lower boxes' dice: four of a kind 36, full house 51, the straights 50 and 60, a minimum
// of 9, a maximum of 26 and five of a kind 75.
Step lower(char column, int row) {
    static const char* faces[] = {"44442", "33366", "12345", "23456", "11223", "66554", "55555"};
    return {column, row, 1, faces[row - 10], "", ""};
}

Step upper(char column, int row, int count) {
    return {column, row, 1, upperFaces(row, count), "", ""};
}

Step columnStep(char column, int index, int player) {
    static const int orderB[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};
    static const int orderC[] = {16, 15, 14, 13, 12, 11, 10, 6, 5, 4, 3, 2, 1};
    static const int orderD[] = {16, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15};
    switch (column) {
        case 'B': {
            int row = orderB[index];
            if (row == 12) return {'B', 12, 1, "12366", "123", "11145"};  // held 1 2 3, then 4 5
            return row <= 6 ? upper('B', row, player == 1 ? 3 : 2) : lower('B', row);
        }
        case 'C': {
            int row = orderC[index];
            if (row == 13) return {'C', 13, 2, "11234", "", ""};  // a zero
            if (row == 16) return {'C', 16, 1, "66666", "", ""};  // 80
            return row <= 6 ? upper('C', row, 2) : lower('C', row);
        }
        case 'D': {
            int row = orderD[index];
            if (row == 16) return {'D', 16, 2, "12346", "", ""};  // a zero before anything else
            if (row == 1) return {'D', 1, 2, "23456", "", ""};
            if (row == 10) return {'D', 10, 1, "44123", "12", "11442"};  // held 4 4, then 4 4 2
            return row <= 6 ? upper('D', row, 4) : lower('D', row);
        }
        default: {
            int row = orderB[index];
            return row <= 6 ? upper('S', row, 1) : lower('S', row);
        }
    }
}

}  // namespace

std::vector<Step> wholeSheet(int player) {
    std::vector<Step> steps;
    for (int round = 0; round < 13; ++round)
        for (char c : {'B', 'C', 'D', 'S'}) steps.push_back(columnStep(c, round, player));
    return steps;
}

std::vector<Step> columnsBCDFirst() {
    std::vector<Step> steps;
    for (char c : {'B', 'C', 'D', 'S'})
        for (int i = 0; i < 13; ++i) steps.push_back(columnStep(c, i, 1));
    return steps;
}

// --- The fixture ----------------------------------------------------------------------------

void SheetGame::TearDown() {
    rt::FormInstance<quopa::frmRecor>::discard();
    GameFixture::TearDown();
}

quopa::frmQUOPA& SheetGame::start(int players, bool running) {
    services.settings.values["MainForm"]["Players"] = players == 2 ? "2" : "1";
    services.settings.values["MainForm"]["Animation"] = "True";
    quopa::frmQUOPA& form = load();
    // Switched on through its menu item, so both grand totals start at 0 points.
    if (running) form.mnuTotal_Click();
    return form;
}

quopa::LabelArray& SheetGame::column(int player, char name) {
    return testing_support::columnOf(f(), player, name);
}

void SheetGame::click(quopa::LabelArray& col, int row, int button) {
    col.onMouseDown(row, button, 0, 0, 0);
    col.onMouseMove(row, button, 0, 0, 0);
    col.onMouseUp(row, button, 0, 0, 0);
}

void SheetGame::play(int player, const Step& step) {
    roll(step.faces);
    if (!step.holds.empty()) {
        rt::Image* dice[] = {&f().imgSort1, &f().imgSort2, &f().imgSort3, &f().imgSort4,
                             &f().imgSort5};
        for (char d : step.holds) dice[d - '1']->onClick();
        roll(step.faces2);
    }
    click(column(player, step.column), step.row, step.button);
}

void SheetGame::expectRows(int player, bool running) {
    for (char c : {'B', 'C', 'D', 'S'}) {
        quopa::LabelArray& col = column(player, c);
        ComputedRows expected = running ? runningRows(col, guardOf(c)) : sectionRows(col);
        EXPECT_EQ(shownRows(col), expected) << "player " << player << " column " << c;
    }
}

}  // namespace sheet_testing
