// The CSV of a run carries, for every location, the figures its report prints: each example is
// run in-process with all four output sections and its CSV compared cell by cell with the
// example's expected report.

#include "report/results_csv.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "report/report_writer.h"
#include "report_fixture.h"
#include "support/scratch_folder.h"

namespace tarnex::testing {
namespace {

/// The parts of `text` between separators, blanks counting as one when `separator` is ' '.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    if (separator == ' ') {
        for (std::string token; in >> token;) parts.push_back(token);
        return parts;
    }
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

/// A report figure as the CSV writes it: a whole number without its point.
std::string Cell(std::string figure) {
    if (!figure.empty() && figure.back() == '.') figure.pop_back();
    return figure;
}

/// Index of the first line from `from` on that begins with `prefix`, or the line count.
std::size_t LineStarting(const std::vector<std::string>& lines, std::size_t from,
                         const std::string& prefix) {
    while (from < lines.size() && lines[from].rfind(prefix, 0) != 0) ++from;
    return from;
}

/// The figures after `prefix` on the first line from `from` on that begins with it.
std::vector<std::string> RowAfter(const std::vector<std::string>& lines, std::size_t from,
                                  const std::string& prefix) {
    const std::size_t i = LineStarting(lines, from, prefix);
    return i < lines.size() ? Split(lines[i].substr(prefix.size()), ' ')
                            : std::vector<std::string>{"<none>"};
}

/// The rows of a capacity table: the lines after the dashes following `title`, to an empty line.
std::vector<std::vector<std::string>> TableRows(const std::vector<std::string>& lines,
                                                const std::string& title) {
    std::vector<std::vector<std::string>> rows;
    const int start = FindLine(lines, "     " + title);
    if (start < 0) return rows;
    std::size_t i = static_cast<std::size_t>(start);
    while (i < lines.size() && lines[i] != "     " + std::string(53, '-')) ++i;
    for (++i; i < lines.size() && !lines[i].empty(); ++i) rows.push_back(Split(lines[i], ' '));
    return rows;
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
        DesignResults results;
        ASSERT_TRUE(RunCalculation(state, dialogs, &results));

        const std::vector<std::string> report =
            SplitReportLines(ReadText(kGolden / (name + ".out")));
        std::vector<std::string> csv = Split(FormatResultsCsv(state.data, results), '\n');
        ASSERT_EQ(csv.back(), "");
        csv.pop_back();
        ASSERT_EQ(csv.size(), static_cast<std::size_t>(state.data.nll) + 1);
        std::map<std::string, std::size_t> column;
        const std::vector<std::string> header = Split(csv[0].substr(0, csv[0].size() - 1), ',');
        for (std::size_t c = 0; c < header.size(); ++c) column[header[c]] = c;

        const auto forces = LineStarting(report, 0, "     P R E S T R E S S   F O R C E S");
        const auto stresses = LineStarting(report, 0, "     B E A M   S T R E S S E S");
        const auto moments = TableRows(report, "M O M E N T   C A P A C I T Y");
        const auto shears = TableRows(report, "S H E A R   C A P A C I T Y");
        for (std::size_t i = 1; i < csv.size(); ++i) {
            SCOPED_TRACE("location " + std::to_string(i));
            ASSERT_EQ(csv[i].back(), '\r');
            const std::vector<std::string> cells = Split(csv[i].substr(0, csv[i].size() - 1), ',');
            ASSERT_EQ(cells.size(), header.size());
            const auto cell = [&](const std::string& name) { return cells.at(column.at(name)); };
            // The block of location i in a section of per-location blocks.
            const auto block = [&](std::size_t section) {
                return LineStarting(report, section,
                                    "     LOCATION NUMBER  " + std::to_string(i) + "  AT X = ");
            };

            const std::size_t f = block(forces);
            EXPECT_EQ(cell("FORCE AT TRANSFER [kips]"),
                      Cell(RowAfter(report, f, "          FORCE AT TRANSFER  ")[0]));
            EXPECT_EQ(cell("FINAL FORCE [kips]"),
                      Cell(RowAfter(report, f, "          FINAL FORCE        ")[0]));
            const std::size_t s = block(stresses);
            for (const std::string state :
                 {"INIT P/S + BEAM DL", "FINAL P/S + TOT DL", "P/S + ALL LOADS"}) {
                const auto row = RowAfter(report, s, "          " + state);
                ASSERT_EQ(row.size(), 2U);
                EXPECT_EQ(cell(state + " TOP FIBER [psi]"), Cell(row[0]));
                EXPECT_EQ(cell(state + " BOTTOM FIBER [psi]"), Cell(row[1]));
            }

            if (i <= moments.size() && ReadCompleteNumber(moments[i - 1].at(0))) {
                const auto& m = moments[i - 1];
                ASSERT_GE(m.size(), 5U);
                EXPECT_EQ(ReadCompleteNumber(m[0]), ReadCompleteNumber(cell("x [in]")));
                EXPECT_EQ(cell("Mult [kip-ft]"), Cell(m[1]));
                EXPECT_EQ(cell("1.2Mcr [kip-ft]"), Cell(m[2]));
                EXPECT_EQ(cell("phiMn [kip-ft]"), Cell(m[3]));
                if (m[4] == "Mild") {
                    EXPECT_EQ(cell("Mild steel [in2]"), m.at(7));
                }
                EXPECT_EQ(cell("Moment check"), m[4] == "<" ? "OK" : "NG");
            }
            if (i <= shears.size()) {
                const auto& v = shears[i - 1];
                ASSERT_GE(v.size(), 4U);
                EXPECT_EQ(ReadCompleteNumber(v[0]), ReadCompleteNumber(cell("x [in]")));
                EXPECT_EQ(cell("Vult [kips]"), Cell(v[1]));
                EXPECT_EQ(cell("phiVn [kips]"), Cell(v[2]));
                EXPECT_EQ(v[3] == "Need" ? cell("Web") : cell("Av/S [in2/in]"),
                          v[3] == "Need" ? "Need to increase web width" : v[3]);
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace tarnex::testing
