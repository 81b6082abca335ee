// End-to-end reports of the bundled example designs: each is produced by tarnex-batch with all
// four output options, once as loaded and once after the calculation buttons, and compared line
// by line with its expected file (date masked). The figures of the expected files are vetted
// against an independent computation when they are regenerated (scripts/update-golden.sh).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "golden_runs.h"
#include "report_text.h"
#include "support/scratch_folder.h"

namespace tarnex::testing {
namespace {

namespace fs = std::filesystem;

TEST(GoldenReport, EveryExampleReportMatchesItsExpectedFile) {
    ScratchFolder scratch("tarnex-golden");
    ASSERT_FALSE(ExampleNames().empty());
    for (const std::string& name : ExampleNames()) {
        for (const bool calc : {false, true}) {
            const GoldenRun run = RunExample(name, calc, scratch);
            SCOPED_TRACE(run.stem);
            ASSERT_EQ(run.exitStatus, 0) << run.errors;
            const fs::path goldenPath = kGolden / (run.stem + ".out");
            ASSERT_TRUE(fs::exists(goldenPath)) << "no expected report " << goldenPath;
            const std::vector<std::string> expected = SplitReportLines(ReadText(goldenPath));
            const std::vector<std::string> produced = SplitReportLines(ReadText(run.report));
            const std::size_t common = std::min(expected.size(), produced.size());
            for (std::size_t i = 0; i < common; ++i) {
                ASSERT_EQ(MaskDate(produced[i]), MaskDate(expected[i]))
                    << "first difference at line " << i + 1;
            }
            ASSERT_EQ(produced.size(), expected.size()) << "reports agree up to line " << common;
        }
    }
}

}  // namespace
}  // namespace tarnex::testing
