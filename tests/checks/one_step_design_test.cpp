// The one-step design: a fixed point of the buttons, whole strands, the summary, and the
// feasibility diagram that explains a stress no force can meet.

#include "checks/one_step_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "checks/design_calculation.h"
#include "checks/feasibility.h"
#include "prestress/buttons.h"
#include "report/design_summary.h"
#include "report/golden_runs.h"
#include "report/report_text.h"

namespace tarnex::testing {
namespace {

constexpr double kStrandSizes[][2] = {{0.375, 0.085}, {0.4375, 0.115}, {0.5, 0.153}, {0.52, 0.167},
                                      {0.6, 0.217},   {0.62, 0.231},   {0.7, 0.294}};

TEST(OneStepDesign, EveryExampleSettlesOnAFixedPointOfTheButtonsAndAsksNothing) {
    for (const std::string& name : ExampleNames()) {
        SCOPED_TRACE(name);
        ProgramState state = LoadExample(name);
        ScriptedDialogs dialogs;
        const DesignOutcome outcome = DesignInOneStep(state, 70, dialogs);
        ASSERT_EQ(outcome.end, DesignEnd::Converged) << DesignOutcomeLine(outcome);
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_TRUE(dialogs.inputs.empty());
        EXPECT_EQ(state.RH, 70.0F);
        EXPECT_LE(outcome.passes, kMaxDesignPasses);
        EXPECT_DOUBLE_EQ(outcome.jackingForce, state.data.Pjack);
        // Stored as the required force button stores it: in single precision.
        EXPECT_EQ(outcome.steelArea,
                  static_cast<float>(static_cast<double>(state.data.Pjack) / state.data.PSi));
        // One more pass of the buttons moves the force by less than 0.01 %.
        const double designed = state.data.Pjack;
        ASSERT_EQ(PressCalcLossAtTransfer(state, dialogs).result, StepResult::Done);
        ASSERT_EQ(PressCalcPrestressForce(state, dialogs).result, StepResult::Done);
        EXPECT_LT(std::fabs(state.data.Pjack - designed), 1e-4 * designed);
        // The strands of every size carry the area, one strand less would not.
        for (const auto& size : kStrandSizes) {
            const std::optional<StrandSize> strand = StrandOfDiameter(size[0]);
            ASSERT_TRUE(strand.has_value());
            EXPECT_EQ(strand->area, size[1]);
            const int n = WholeStrands(outcome.steelArea, strand->area);
            EXPECT_GE(n * strand->area, outcome.steelArea);
            EXPECT_LT((n - 1) * strand->area, outcome.steelArea);
        }
    }
}

TEST(OneStepDesign, StartsWithoutAForceAndPutsWholeStrandsInPlace) {
    ProgramState designed = LoadExample("pretensioned-i-girder");
    ScriptedDialogs dialogs;
    const DesignOutcome outcome = DesignInOneStep(designed, 70, dialogs);
    ProgramState fromNothing = LoadExample("pretensioned-i-girder");
    fromNothing.data.Pjack = 0;
    const DesignOutcome second = DesignInOneStep(fromNothing, 70, dialogs);
    ASSERT_EQ(second.end, DesignEnd::Converged);
    EXPECT_NEAR(second.jackingForce, outcome.jackingForce, 2e-4 * outcome.jackingForce);

    ASSERT_TRUE(outcome.strand.has_value());
    const float lossBefore = designed.data.PSloss;
    ASSERT_TRUE(UseWholeStrands(designed, *outcome.strand, outcome.strands, dialogs));
    EXPECT_FLOAT_EQ(designed.data.Pjack,
                    static_cast<float>(outcome.strands * outcome.strand->area * designed.data.PSi));
    EXPECT_NE(designed.data.PSloss, lossBefore);  // the losses of the larger force
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(OneStepDesign, StopsOnARefusalWithItsMessageAndNamesWhatItCannotCount) {
    ProgramState state = LoadExample("solid-slab");
    state.data.Ym = 0;
    ScriptedDialogs dialogs;
    DesignOutcome outcome = DesignInOneStep(state, 70, dialogs);
    EXPECT_EQ(outcome.end, DesignEnd::Stopped);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Enter prestress path"});
    EXPECT_EQ(DesignOutcomeLine(outcome), "Design stopped after 1 pass: Enter prestress path");

    outcome = {DesignEnd::Converged, 4, 892000, 4.4, StrandOfDiameter(0.5), 29, {}};
    EXPECT_EQ(DesignOutcomeLine(outcome),
              "Design converged after 4 passes: jacking force 892.0 kips, 29 strands of 0.5 in "
              "(As = 4.40 in2)");
    outcome = {DesignEnd::NotConverged, 20, 25050, 0.12, StrandOfDiameter(0.55), 0, {}};
    EXPECT_EQ(DesignOutcomeLine(outcome),
              "Design did not converge after 20 passes: jacking force 25.1 kips, As = 0.12 in2 "
              "(no strand count: the strand diameter is not one of 0.375, 0.4375, 0.5, 0.52, 0.6, "
              "0.62 and 0.7 in)");
    // An absurd area counts no strands rather than overflowing the count.
    outcome = {DesignEnd::Converged,     3, 4.5e10, 3e5, StrandOfDiameter(0.5),
               WholeStrands(3e5, 0.153), {}};
    EXPECT_EQ(outcome.strands, 0);
    EXPECT_EQ(DesignOutcomeLine(outcome),
              "Design converged after 3 passes: jacking force 45000000.0 kips, As = 300000.00 in2 "
              "(no strand count: more than 100000 strands of 0.5 in)");
    EXPECT_EQ(WholeStrands(0.153 * 100000, 0.153), 100000);
    EXPECT_EQ(WholeStrands(0.153 * 3, 0.153), 3);
    EXPECT_EQ(WholeStrands(0.153 * 3 + 1e-9, 0.153), 4);
}

// Each line of the diagram is the report's stress check at that location: at the design's
// point, Pi times the line's value is the stress less its allowable (compression) or the
// allowable less the stress (tension).
TEST(Feasibility, LinesAreTheReportsStressesAndExplainAStressNoForceMeets) {
    ProgramState state = LoadExample("pretensioned-i-girder");
    ScriptedDialogs dialogs;
    DesignInOneStep(state, 70, dialogs);
    const DesignResults r = CalculateDesign(state, ShownOutputSections());
    const int worst = WorstLocation(state.data, r);
    const Feasibility f = AnalyzeFeasibility(state.data, r, worst);
    const CalcValues& v = r.values;
    const double pi = v.PforceT(worst);
    const StressCombinations& c = r.stresses.rows.at(static_cast<std::size_t>(worst) - 1);
    const auto value = [&](ForceLimit limit) {
        for (const FeasibilityLine& line : f.lines) {
            if (line.limit == limit)
                return pi * (line.alpha * f.ecc + line.beta * f.q + line.gamma);
        }
        return 0.0;
    };
    EXPECT_NEAR(value(ForceLimit::InitialTension), -(c.transfer.top + state.data.ATS1), 0.05);
    EXPECT_NEAR(value(ForceLimit::InitialCompression), c.transfer.bottom - state.data.ACS1, 0.05);
    EXPECT_NEAR(value(ForceLimit::FinalTension), -(c.service.bottom + state.data.ATS2), 0.05);
    EXPECT_NEAR(value(ForceLimit::FinalCompression), c.service.top - state.data.ACS2, 0.05);
    // The service compression at midspan needs more force than the transfer compression allows.
    const ForceRange range = ForceRangeAt(f);
    EXPECT_TRUE(range.Empty());
    EXPECT_EQ(range.leastBy, ForceLimit::FinalCompression);
    EXPECT_EQ(range.largestBy, ForceLimit::InitialCompression);
    // A larger offset would serve: the region lies below the design's steel.
    ASSERT_FALSE(f.region.empty());
    for (const auto& [e, q] : f.region) EXPECT_LT(e, f.ecc);  // a larger offset
    const std::vector<std::string> lines = FailedCheckLines(state.data, r);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(),
              "Final compression 2213 psi exceeds 2000 psi at x = 600 in: no force meets both the "
              "final compression and the initial compression limits there");

    // Where every limit holds, the design's point lies in the region and its force in the range.
    const Feasibility end = AnalyzeFeasibility(state.data, r, 2);
    const ForceRange endRange = ForceRangeAt(end);
    EXPECT_FALSE(end.region.empty());
    EXPECT_LE(endRange.least, v.PforceT(2));
    for (const FeasibilityLine& line : end.lines) EXPECT_TRUE(line.Holds(end.ecc, end.q));
}

}  // namespace
}  // namespace tarnex::testing
