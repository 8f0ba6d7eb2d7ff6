// The sheet rows that the main window builds when it loads.
#include <gtest/gtest.h>

#include "game/window/frm_quopa.h"
#include "tests/support/fake_services.h"

namespace {

using quopa::frmQUOPA;
using quopa::LabelArray;

class SheetRows : public ::testing::Test {
  protected:
    void SetUp() override { form.MontaColunas(); }
    testing_support::FakeServices services;
    frmQUOPA form;
};

TEST_F(SheetRows, EveryColumnGetsVisibleRowsAtColumnBsTopsAndHeights) {
    LabelArray* columns[] = {&form.lblC,  &form.lblD,  &form.lblS, &form.lblBB,
                             &form.lblCB, &form.lblDB, &form.lblSB};
    for (LabelArray* column : columns) {
        ASSERT_EQ(column->lbound(), 1) << column->name();
        ASSERT_EQ(column->ubound(), 18) << column->name();
        for (int r = 2; r <= 18; ++r) {
            SCOPED_TRACE(column->name() + " row " + std::to_string(r));
            rt::Label& cell = (*column)[r];
            EXPECT_TRUE(cell.visible());
            EXPECT_EQ(cell.top(), form.lblB[r].top());
            EXPECT_EQ(cell.height(), form.lblB[r].height());
            // Column B's computed rows sit 5 twips further right; the other columns do not
            // repeat that indent.
            EXPECT_EQ(cell.left(), (*column)[1].left());
            EXPECT_EQ(cell.width(), (*column)[1].width());
            EXPECT_EQ(cell.caption(), "");
        }
    }
    EXPECT_EQ(form.lblD[9].width(), 465);
    EXPECT_EQ(form.lblDB[17].width(), 465);
    EXPECT_EQ(form.lblSB[18].left(), 1425);
    EXPECT_EQ(form.lblS[7].left(), 1430);
}

TEST_F(SheetRows, PlayerTwosLegendsReadLikePlayerOnes) {
    EXPECT_EQ(form.lblLegenB[1].caption(), "1");
    for (int r = 2; r <= 18; ++r) {
        SCOPED_TRACE(r);
        EXPECT_TRUE(form.lblLegenB[r].visible());
        EXPECT_EQ(form.lblLegenB[r].caption(), form.lblLegen[r].caption());
        EXPECT_EQ(form.lblLegenB[r].top(), form.lblLegen[r].top());
        EXPECT_FALSE(form.lblLegenB[r].caption().empty());
    }
    EXPECT_EQ(form.lblLegenB[16].caption(), "Quopa");
    EXPECT_EQ(form.lblLegenB[18].caption(), "T+T");
}

TEST_F(SheetRows, KeyboardCursorsStartOnRowOneOfColumnB) {
    EXPECT_EQ(form.LTc1.left(), form.lblB[1].left());
    EXPECT_EQ(form.LTc1.top(), form.lblB[1].top());
    EXPECT_EQ(form.LTc2.left(), form.lblBB[1].left());
    EXPECT_EQ(form.LTc2.top(), form.lblBB[1].top());
}

}  // namespace
