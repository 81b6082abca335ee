// The CSV of a run carries, for every location, the figures its report prints: each example is
// run in-process with all four output sections and its CSV compared cell by cell with the
// example's expected report.

#include "report/results_csv.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "checks/design_calculation.h"
#include "model/number_text.h"
#include "report/report_writer.h"
#include "report_text.h"
#include "support/scratch_folder.h"

namespace tarnex::testing {
namespace {

using Cells = std::vector<std::string>;

/// The parts of `text` between separators; with ' ' blanks count as one and a figure loses a
/// trailing point (the CSV writes whole numbers without it).
Cells Split(const std::string& text, char separator) {
    Cells parts;
    std::istringstream in(text + separator);  // an empty last cell is a part too
    for (std::string part; std::getline(in, part, separator);) {
        if (separator == ' ' && part.empty()) continue;
        if (separator == ' ' && part.size() > 1 && part.back() == '.') part.pop_back();
        parts.push_back(part);
    }
    return parts;
}

/// Index of the first line from `from` on that begins with `prefix`, or the line count.
std::size_t LineStarting(const Cells& lines, std::size_t from, const std::string& prefix) {
    while (from < lines.size() && lines[from].rfind(prefix, 0) != 0) ++from;
    return from;
}

/// The rows of a capacity table that start with a location: the lines after the dashes
/// following `title`, to an empty line.
std::vector<Cells> TableRows(const Cells& lines, const std::string& title) {
    std::vector<Cells> rows;
    const std::size_t dashes =
        LineStarting(lines, LineStarting(lines, 0, "     " + title), "     ---");
    for (std::size_t i = dashes + 1; i < lines.size() && !lines[i].empty(); ++i) {
        const Cells row = Split(lines[i], ' ');
        if (ReadCompleteNumber(row.at(0))) rows.push_back(row);
    }
    return rows;
}

/// What the report prints for location `i` (from 1), in the order of the CSV columns after x.
Cells ReportFigures(const Cells& report, std::size_t i, bool aashto, double x) {
    Cells cells;
    const std::string heading = "     LOCATION NUMBER  " + std::to_string(i) + "  AT X = ";
    const auto take = [&](const std::string& section, std::vector<std::string> labels) {
        const std::size_t block = LineStarting(report, LineStarting(report, 0, section), heading);
        for (const std::string& label : labels) {
            const std::size_t at = LineStarting(report, block, "          " + label);
            const Cells figures = Split(report.at(at).substr(10 + label.size()), ' ');
            cells.insert(cells.end(), figures.begin(), figures.end());
        }
    };
    take("     P R E S T R E S S   F O R C E S", {"FORCE AT TRANSFER", "FINAL FORCE"});
    take("     B E A M   S T R E S S E S", {"INIT P/S + BEAM DL", "FINAL P/S + TOT DL"});
    if (aashto) take("     B E A M   S T R E S S E S", {"LL + (P/S + DL)/2"});
    take("     B E A M   S T R E S S E S", {"P/S + ALL LOADS"});

    const auto moments = TableRows(report, "M O M E N T   C A P A C I T Y");
    if (i <= moments.size()) {
        const Cells& m = moments[i - 1];
        EXPECT_EQ(ReadCompleteNumber(m[0]), x);
        cells.insert(cells.end(), {m.at(1), m.at(2), m.at(3), m.at(4) == "Mild" ? m.at(7) : "",
                                   m[4] == "<" ? "OK" : "NG"});
    }
    const auto shears = TableRows(report, "S H E A R   C A P A C I T Y");
    if (i <= shears.size()) {
        const Cells& v = shears[i - 1];
        const bool widen = v.at(3) == "Need";
        EXPECT_EQ(ReadCompleteNumber(v[0]), x);
        cells.insert(cells.end(), {v.at(1), v.at(2), widen ? "" : v[3],
                                   widen ? "Need to increase web width" : ""});
    }
    return cells;
}

TEST(ResultsCsv, EveryExampleAgreesWithItsReportAtEveryLocation) {
    ScratchFolder scratch("tarnex-csv");
    int compared = 0;
    for (const std::string& name : ExampleNames()) {
        SCOPED_TRACE(name);
        ProgramState state = LoadExample(name);
        state.output = {true, true, true, true};
        state.data.OutputFileName = scratch.PathOf(name + ".out");
        ScriptedDialogs dialogs;
        const DesignResults results = CalculateDesign(state, state.output);
        ASSERT_TRUE(RunCalculation(state, dialogs, &results));

        const Cells report = SplitReportLines(ReadText(kGolden / (name + ".out")));
        // CR LF line ends: any other end shows as a marker line and breaks the count.
        const Cells csv = SplitReportLines(FormatResultsCsv(state.data, results));
        ASSERT_EQ(csv.size(), static_cast<std::size_t>(state.data.nll) + 1);
        const std::size_t columns = Split(csv[0], ',').size();
        for (std::size_t i = 1; i < csv.size(); ++i) {
            SCOPED_TRACE("location " + std::to_string(i));
            const Cells cells = Split(csv[i], ',');
            ASSERT_EQ(cells.size(), columns);
            const double x = ReadCompleteNumber(cells[0]).value_or(-1);
            EXPECT_EQ(
                Cells(cells.begin() + 1, cells.end()),
                ReportFigures(report, i, state.data.designCriteria == DesignCriteria::AASHTO, x));
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace tarnex::testing
