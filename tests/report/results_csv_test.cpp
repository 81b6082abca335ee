// The CSV of a run carries, for every location, the figures its report prints: each example is
// run in-process with all four output sections and its CSV compared cell by cell with the
// example's expected report.

#include "report/results_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/input_file.h"
#include "model/number_text.h"
#include "model/setting_handlers.h"
#include "report/report_writer.h"
#include "report_text.h"
#include "support/scratch_folder.h"
#include "support/scripted_dialogs.h"

namespace tarnex::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

/// A report figure as the CSV writes it: a whole number without its point.
std::string Cell(std::string figure) {
    if (!figure.empty() && figure.back() == '.') figure.pop_back();
    return figure;
}

/// The figures after `prefix` on the first line at or after `from` that begins with it.
std::vector<std::string> RowAfter(const std::vector<std::string>& lines, std::size_t from,
                                  const std::string& prefix) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) == 0) return Tokens(lines[i].substr(prefix.size()));
    }
    return {};
}

/// Index of the heading of location `number` at or after `from`.
std::size_t LocationAt(const std::vector<std::string>& lines, std::size_t from,
                       std::size_t number) {
    const std::string prefix = "     LOCATION NUMBER  " + std::to_string(number) + "  AT X = ";
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) == 0) return i;
    }
    return lines.size();
}

/// The rows of a capacity table: the lines after the dashes following `title`, to an empty line.
std::vector<std::vector<std::string>> TableRows(const std::vector<std::string>& lines,
                                                const std::string& title) {
    std::vector<std::vector<std::string>> rows;
    const int start = FindLine(lines, "     " + title);
    if (start < 0) return rows;
    std::size_t i = static_cast<std::size_t>(start);
    while (i < lines.size() && lines[i] != "     " + std::string(53, '-')) ++i;
    for (++i; i < lines.size() && !lines[i].empty(); ++i) rows.push_back(Tokens(lines[i]));
    return rows;
}

TEST(ResultsCsv, EveryExampleAgreesWithItsReportAtEveryLocation) {
    const fs::path examples = fs::path(TARNEX_SOURCE_DIR) / "examples";
    const fs::path golden = fs::path(TARNEX_SOURCE_DIR) / "tests" / "report" / "golden";
    ScratchFolder scratch("tarnex-csv");
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".in") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        ProgramState state;
        ScriptedDialogs dialogs;
        RunStartUp(state, dialogs);
        state.data.InputFileName = entry.path().string();
        ASSERT_TRUE(ReadInputFile(state, dialogs));
        state.output = {true, true, true, true};
        state.data.OutputFileName = scratch.PathOf(name + ".out");
        state.data.OutputFileTitle = name + ".out";
        DesignResults results;
        ASSERT_TRUE(RunCalculation(state, dialogs, &results))
            << (dialogs.messages.empty() ? "" : dialogs.messages.back());

        const std::vector<std::string> report =
            SplitReportLines(ReadText(golden / (name + ".out")));
        std::vector<std::string> csv = Split(FormatResultsCsv(state.data, results), '\n');
        ASSERT_EQ(csv.back(), "");
        csv.pop_back();
        std::map<std::string, std::size_t> column;
        const std::vector<std::string> header = Split(csv[0].substr(0, csv[0].size() - 1), ',');
        for (std::size_t c = 0; c < header.size(); ++c) column[header[c]] = c;
        ASSERT_EQ(csv.size(), static_cast<std::size_t>(state.data.nll) + 1);

        const auto forces =
            static_cast<std::size_t>(FindLine(report, "     P R E S T R E S S   F O R C E S"));
        const auto stresses =
            static_cast<std::size_t>(FindLine(report, "     B E A M   S T R E S S E S"));
        const auto moments = TableRows(report, "M O M E N T   C A P A C I T Y");
        const auto shears = TableRows(report, "S H E A R   C A P A C I T Y");
        for (std::size_t i = 1; i < csv.size(); ++i) {
            SCOPED_TRACE("location " + std::to_string(i));
            ASSERT_EQ(csv[i].back(), '\r');
            const std::vector<std::string> cells = Split(csv[i].substr(0, csv[i].size() - 1), ',');
            ASSERT_EQ(cells.size(), header.size());
            const auto cell = [&](const std::string& name) { return cells.at(column.at(name)); };

            const std::size_t f = LocationAt(report, forces, i);
            EXPECT_EQ(cell("FORCE AT TRANSFER [kips]"),
                      Cell(RowAfter(report, f, "          FORCE AT TRANSFER  ").at(0)));
            EXPECT_EQ(cell("FINAL FORCE [kips]"),
                      Cell(RowAfter(report, f, "          FINAL FORCE        ").at(0)));

            const std::size_t s = LocationAt(report, stresses, i);
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
                    EXPECT_EQ(cell("Moment check"), "NG");
                } else {
                    EXPECT_EQ(cell("Moment check"), m[5] == "OK" ? "OK" : "NG");
                }
            }
            if (i <= shears.size()) {
                const auto& v = shears[i - 1];
                ASSERT_GE(v.size(), 4U);
                EXPECT_EQ(ReadCompleteNumber(v[0]), ReadCompleteNumber(cell("x [in]")));
                EXPECT_EQ(cell("Vult [kips]"), Cell(v[1]));
                EXPECT_EQ(cell("phiVn [kips]"), Cell(v[2]));
                if (v[3] == "Need") {
                    EXPECT_EQ(cell("Web"), "Need to increase web width");
                } else {
                    EXPECT_EQ(cell("Av/S [in2/in]"), v[3]);
                }
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace tarnex::testing
