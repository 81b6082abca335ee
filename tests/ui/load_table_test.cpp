#include "ui/load_table.h"

#include <gtest/gtest.h>

#include "model/typed_number.h"
#include "scripted_shell.h"
#include "support/scripted_dialogs.h"
#include "ui/input_presenter.h"

namespace tarnex::ui::testing {
namespace {

// Cells in kips and kip-ft read back as the stored pounds and pound-inches, however many
// digits that takes.
TEST(LoadTable, CellTextsReadBackAsTheStoredValue) {
    DesignData d;
    d.RecreateLocations(1);
    LoadLocation& loc = d.locations(1);
    loc.x = 120.5F;
    loc.LP = 100.0F;      // 0.1 kips
    loc.LM = 1234567.0F;  // 102.88058 kip-ft: seven digits come back as 1234567.25
    loc.MM = -30000.0F;   // -2.5 kip-ft
    loc.LF = 2.17F;
    EXPECT_EQ(LoadCellText(d, 1, 0), "120.5");
    EXPECT_EQ(LoadCellText(d, 1, 13), "0.1");
    EXPECT_EQ(LoadCellText(d, 1, 27), "-2.5");
    EXPECT_EQ(LoadCellText(d, 1, 16), "2.17");
    const std::string moment = LoadCellText(d, 1, 15);
    EXPECT_GT(moment.size(), std::string("102.8806").size());
    EXPECT_EQ(ReadTypedNumber(moment, 12000.0).value, 1234567.0F);
    EXPECT_EQ(LoadColumnHeader(15), "Live plus Impact Moment (kip-ft)");
    EXPECT_EQ(LoadColumnHeader(28), "Miscellaneous Factor");
    EXPECT_EQ(CopyLoadCells(d, 1, 1, 13, 16, true),
              "Live plus Impact Axial (kips)\tLive plus Impact Shear (kips)\tLive plus Impact "
              "Moment (kip-ft)\tLive plus Impact Factor\n0.1\t0\t" +
                  moment + "\t2.17\n");
}

// A pasted block: a header row skipped, blank cells kept, CR LF or LF; a cell that is not a
// number or a row wider than the table refuses the whole block and says where.
TEST(LoadTable, PastedBlocksReadOrAreRefusedWhole) {
    const LoadBlock block =
        ReadLoadBlock("x (in)\tBeam Dead Axial (kips)\r\n12\t1.5\r\n\t-2\n\n", 0);
    ASSERT_EQ(block.problem, "");
    ASSERT_EQ(block.rows.size(), 2U);
    EXPECT_EQ(block.rows[0][0], 12.0F);
    EXPECT_EQ(block.rows[0][1], 1500.0F);
    EXPECT_FALSE(block.rows[1][0].has_value());
    EXPECT_EQ(block.rows[1][1], -2000.0F);
    EXPECT_EQ(ReadLoadBlock("1\t2\n3\t1e39\n", 2).problem,
              "Row 2, Beam Dead Moment (kip-ft): Too large a number to be stored.");
    EXPECT_EQ(ReadLoadBlock("1\t2\t3\n", 27).problem,
              "Row 1 has 3 columns; from the column Miscellaneous Moment (kip-ft) the table has "
              "2.");
    EXPECT_EQ(ReadLoadBlock("1\t2\n", 27).problem, "");
    EXPECT_EQ(ReadLoadBlock("a\tb\n", 0).problem, "There are no numbers to paste.");
}

// More rows than locations: No leaves the design as it was; Yes adds the locations, the
// count box and the per-location losses follow.
TEST(LoadTable, APasteBeyondTheLastLocationAsksToAddLocations) {
    ProgramState state;
    tarnex::testing::ScriptedDialogs dialogs;
    ScriptedShell shell;
    InputPresenter presenter{state, dialogs, &shell};
    presenter.StartUp();
    const DesignInputs before = state.data;
    EXPECT_FALSE(presenter.PasteLoads(1, 0, "10\n20\n30\n"));
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(dialogs.questions[0].text,
              "The pasted rows reach location 3; the design has 1.\rAdd 2 locations?");
    EXPECT_EQ(static_cast<const DesignInputs&>(state.data), before);
    dialogs.yesNoAnswers = {true};
    EXPECT_TRUE(presenter.PasteLoads(2, 3, "10\n20\n"));
    EXPECT_EQ(state.data.nll, 3);
    EXPECT_EQ(state.data.PSlossAt.size(), 3);
    EXPECT_EQ(state.data.locations(3).DM, 240000.0F);
    EXPECT_EQ(presenter["txtnll"].text, " 3");
    // A typed cell: stored by the typed-number rule or refused with the reason.
    EXPECT_EQ(presenter.SetLoadCell(1, 1, "12a"), "Not a number: \"12a\"");
    EXPECT_EQ(presenter.SetLoadCell(1, 1, "-2.5"), "");
    EXPECT_EQ(state.data.locations(1).DP, -2500.0F);
    EXPECT_EQ(presenter["txtDP"].text, "-2.5");
}

}  // namespace
}  // namespace tarnex::ui::testing
