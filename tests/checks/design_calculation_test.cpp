// The calculation once, as values: what it refuses, where it stops, when kept results serve
// another view, and that a report from kept results is the report of a calculation of its own.

#include "checks/design_calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/check_summary.h"
#include "report/report_text.h"
#include "report/report_writer.h"
#include "support/scratch_folder.h"

namespace tarnex::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(CalculateDesign, RefusesAnIncompleteDesignOrOneWithoutAJackingForceAndComputesNothing) {
    ProgramState state = LoadExample("solid-slab");
    state.data.Ym = 0;
    for (int i = 1; i <= state.data.nll; ++i) state.data.locations(i).DM = 0;
    DesignResults r = CalculateDesign(state, state.output);
    EXPECT_EQ(r.refusals, (Texts{"Enter loads", "Enter prestress path"}));
    EXPECT_TRUE(r.x.empty());
    EXPECT_FALSE(r.Complete());
    EXPECT_TRUE(SummarizeChecks(state.data, r).empty());

    state = LoadExample("solid-slab");
    state.data.Pjack = 0;
    EXPECT_EQ(CalculateDesign(state, state.output).refusals,
              Texts{"Please enter initial prestress force"});
}

TEST(CalculateDesign, AFailureStopsAtItsStageWithTheStagesBeforeItWhole) {
    ProgramState state = LoadExample("pretensioned-i-girder");
    state.output = AllOutputSections();
    state.data.Mps = 0;  // only the initial camber divides by the modulus at prestressing
    const DesignResults r = CalculateDesign(state, state.output);
    ASSERT_TRUE(r.failedAt.has_value());
    EXPECT_EQ(*r.failedAt, CalcStage::Deflections);
    EXPECT_TRUE(r.Reached(CalcStage::MomentCapacity));
    EXPECT_FALSE(r.Reached(CalcStage::Deflections));
    EXPECT_EQ(r.moment.rows.size(), static_cast<std::size_t>(state.data.nll));
    EXPECT_TRUE(r.shear.rows.empty());  // after the stop
    // A view with the deflections needs no other calculation; one without them does, for the
    // shear that the stop left out.
    EXPECT_TRUE(ResultsServe(r, AllOutputSections()));
    EXPECT_FALSE(ResultsServe(r, ShownOutputSections()));
    state.output = ShownOutputSections();
    EXPECT_TRUE(CalculateDesign(state, state.output).Complete());
}

TEST(CalculateDesign, AReportFromKeptResultsIsTheReportOfItsOwnCalculation) {
    ScratchFolder scratch("tarnex-calc");
    for (const char* name : {"general-section-end-span", "post-tensioned-box-girder"}) {
        SCOPED_TRACE(name);
        ProgramState state = LoadExample(name);
        state.output = {true, false, true, false};  // stresses and moment only
        const DesignResults kept = CalculateDesign(state, AllOutputSections());
        ASSERT_TRUE(ResultsServe(kept, state.output));

        std::vector<std::string> reports;
        std::vector<Texts> messages;
        for (const DesignResults* computed : {&kept, static_cast<const DesignResults*>(nullptr)}) {
            ProgramState run = state;
            run.data.OutputFileName = scratch.PathOf(computed ? "kept.out" : "own.out");
            ScriptedDialogs dialogs;
            EXPECT_TRUE(WriteReport(run, dialogs, computed));
            reports.push_back(ReadText(run.data.OutputFileName));
            messages.push_back(dialogs.messages);
            // The report run clears the prestress case it computed.
            EXPECT_EQ(run.data.locations(1).PSP, 0.0F);
        }
        EXPECT_EQ(SplitReportLines(reports[0]).size(), SplitReportLines(reports[1]).size());
        EXPECT_EQ(reports[0].substr(reports[0].find("OUTPUT DATA")),
                  reports[1].substr(reports[1].find("OUTPUT DATA")));
        // Only the messages of the sections written: no deflection or shear refusal.
        EXPECT_EQ(messages[0], messages[1]);
    }
}

TEST(CheckSummary, EachStressCheckGovernsWhereItsStressOccursWithTheReportsVerdict) {
    ProgramState state = LoadExample("transformed-i-girder-arema");
    state.output = AllOutputSections();
    const DesignResults r = CalculateDesign(state, state.output);
    ASSERT_TRUE(r.Complete());
    const std::vector<CheckSummaryLine> lines = SummarizeChecks(state.data, r);
    ASSERT_EQ(lines.size(), r.checks.size() + 3);
    for (std::size_t k = 0; k < r.checks.size(); ++k) {
        const StressCheck& check = r.checks[k];
        const CheckSummaryLine& line = lines[k];
        SCOPED_TRACE(line.family);
        EXPECT_EQ(line.verdict == CheckVerdict::Pass, check.holds);
        ASSERT_GE(line.location, 1);
        EXPECT_EQ(line.x, r.x[static_cast<std::size_t>(line.location) - 1]);
        // The margin is the reserve: negative exactly when the stress is beyond its allowable.
        EXPECT_EQ(line.margin < 0, !check.holds && std::abs(line.margin) > 0.01);
        // The governing stress is one of the combinations at that location.
        const StressCombinations& c = r.stresses.rows[static_cast<std::size_t>(line.location) - 1];
        const double actual = check.actual;
        bool found = false;
        for (double s : {c.transfer.top, c.transfer.bottom, c.sustained.top, c.sustained.bottom,
                         c.service.top, c.service.bottom, c.liveHalfSustained}) {
            found = found || std::abs(s - actual) < 0.01;
        }
        EXPECT_TRUE(found) << actual;
    }
    EXPECT_EQ(lines[r.checks.size()].family, "Ultimate moment");
    EXPECT_EQ(lines.back().verdict, CheckVerdict::Pass);  // straight path: cambers computed
}

}  // namespace
}  // namespace tarnex::testing
