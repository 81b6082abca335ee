// Vets the expected reports tests/report/golden/*.out against a second, independent computation
// of their figures from the design each was made from (the example as loaded, or the design the
// calculation buttons left, saved by tarnex-batch). Run by scripts/update-golden.sh after it has
// regenerated the expected reports, not by the test suite, whose golden test compares them
// line by line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "golden_runs.h"
#include "independent_check.h"
#include "model/number_text.h"
#include "report_text.h"
#include "support/scratch_folder.h"

namespace tarnex::testing {
namespace {

// ---- Figures of the report -------------------------------------------------------------------

std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

/// Expects a printed figure to show `value` at its printed digits: the figure has `decimals`
/// decimals and lies within half a unit of its last digit of the value (plus float noise).
void ExpectFigure(const std::string& printed, double value, int decimals, const std::string& what) {
    const std::size_t point = printed.find('.');
    ASSERT_NE(point, std::string::npos) << what << ": no point in '" << printed << "'";
    EXPECT_EQ(static_cast<int>(printed.size() - point - 1), decimals)
        << what << ": '" << printed << "'";
    const std::optional<double> shown = ReadCompleteNumber(printed);
    ASSERT_TRUE(shown.has_value()) << what << ": '" << printed << "'";
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + 2e-6 * std::abs(value) + 1e-9;
    EXPECT_NEAR(*shown, value, tolerance) << what << " printed as '" << printed << "'";
}

/// Index of the line of a section title (indent 5), or a failure.
int SectionAt(const std::vector<std::string>& lines, const std::string& title) {
    return FindLine(lines, "     " + title);
}

/// Index of the heading of location `number` (1-based) at or after `from`, or -1.
int LocationAt(const std::vector<std::string>& lines, int from, std::size_t number) {
    const std::string prefix = "     LOCATION NUMBER  " + std::to_string(number) + "  AT X = ";
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    }
    return -1;
}

/// The figures of the first row at or after `from` that begins with `prefix`, or empty.
std::vector<std::string> RowAfter(const std::vector<std::string>& lines, int from,
                                  const std::string& prefix) {
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < lines.size(); ++i) {
        if (lines[i].rfind(prefix, 0) == 0) return Tokens(lines[i].substr(prefix.size()));
    }
    return {};
}

/// Input design and independent check of one example run, with the lines of its expected report.
struct Example {
    std::string name;
    DesignCheck check;
    std::vector<std::string> lines;
    std::string errors;
};

/// Every example in both runs: the design each report was made from, checked independently.
const std::vector<Example>& Examples() {
    static ScratchFolder scratch("tarnex-golden-vet");
    static const std::vector<Example> examples = [] {
        std::vector<Example> all;
        for (const std::string& name : ExampleNames()) {
            for (const bool calc : {false, true}) {
                const GoldenRun run = RunExample(name, calc, scratch);
                Example e;
                e.name = run.stem;
                e.check = CheckDesign(ReadExampleDesign(run.design.string()));
                e.lines = SplitReportLines(ReadText(kGolden / (run.stem + ".out")));
                e.errors = run.errors;
                all.push_back(std::move(e));
            }
        }
        return all;
    }();
    return examples;
}

std::string At(const Example& e, std::size_t i) {
    return e.name + " location " + std::to_string(i + 1) + ": ";
}

TEST(IndependentCheck, CompositePropertiesOfSlabBeamAndHaunch) {
    int checked = 0;
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "C O M P O S I T E   P R O P E R T I E S");
        if (!e.check.design.composite) {
            EXPECT_LT(start, 0) << "composite section printed for a non-composite beam";
            continue;
        }
        ASSERT_GE(start, 0);
        const Section& s = e.check.grossComp;
        const std::vector<std::string> area = RowAfter(lines, start, "     Area = ");
        const std::vector<std::string> moi = RowAfter(lines, start, "     MoI  = ");
        const std::vector<std::string> ytop = RowAfter(lines, start, "     Ytop = ");
        const std::vector<std::string> ybot = RowAfter(lines, start, "     Ybot = ");
        ASSERT_EQ(area.size() + moi.size() + ytop.size() + ybot.size(), 4U);
        ExpectFigure(area[0], s.area, 0, "composite area");
        ExpectFigure(moi[0], s.moi, 0, "composite MoI");
        ExpectFigure(ytop[0], s.ytop, 2, "composite Ytop");
        ExpectFigure(ybot[0], s.ybot, 2, "composite Ybot");
        ++checked;
    }
    EXPECT_GT(checked, 0) << "no composite example";
}

TEST(IndependentCheck, TransformedPropertiesPerLocation) {
    int checked = 0;
    for (const Example& e : Examples()) {
        if (!e.check.design.transformed) continue;
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "T R A N S F O R M E D   P R O P E R T I E S");
        ASSERT_GE(start, 0);
        for (std::size_t i = 0; i < e.check.at.size(); ++i) {
            const LocationCheck& c = e.check.at[i];
            const int loc = LocationAt(lines, start, i + 1);
            ASSERT_GE(loc, 0);
            const std::vector<std::string> steel =
                RowAfter(lines, loc, "     P/S STEEL LOCATED AT ");
            ASSERT_FALSE(steel.empty());
            ExpectFigure(steel[0], c.path.y, 2, At(e, i) + "steel height");
            const std::vector<std::string> area = RowAfter(lines, loc, "          Area ");
            const std::vector<std::string> moi = RowAfter(lines, loc, "          MoI  ");
            const std::vector<std::string> ytop = RowAfter(lines, loc, "          Ytop ");
            const std::vector<std::string> ybot = RowAfter(lines, loc, "          Ybot ");
            ASSERT_EQ(area.size() + moi.size() + ytop.size() + ybot.size(), 8U);
            ExpectFigure(area[0], c.trans.area, 0, At(e, i) + "TArea");
            ExpectFigure(area[1], c.transComp.area, 0, At(e, i) + "TCompArea");
            ExpectFigure(moi[0], c.trans.moi, 0, At(e, i) + "TMoI");
            ExpectFigure(moi[1], c.transComp.moi, 0, At(e, i) + "TCompMoI");
            ExpectFigure(ytop[0], c.trans.ytop, 2, At(e, i) + "TYtop");
            if (e.check.design.composite)
                ExpectFigure(ytop[1], c.transComp.ytop, 2, At(e, i) + "TCompYtop");
            ExpectFigure(ybot[0], c.trans.ybot, 2, At(e, i) + "TYbot");
            ExpectFigure(ybot[1], c.transComp.ybot, 2, At(e, i) + "TCompYbot");
        }
        ++checked;
    }
    EXPECT_GT(checked, 0) << "no example uses the transformed section";
}

TEST(IndependentCheck, PrestressForcesFromPathAndLosses) {
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "P R E S T R E S S   F O R C E S");
        ASSERT_GE(start, 0);
        const ExampleDesign& d = e.check.design;
        for (std::size_t i = 0; i < e.check.at.size(); ++i) {
            const LocationCheck& c = e.check.at[i];
            const int loc = LocationAt(lines, start, i + 1);
            ASSERT_GE(loc, 0);
            auto figure = [&](const std::string& label) {
                const std::vector<std::string> row = RowAfter(lines, loc, "          " + label);
                return row.empty() ? std::string("<missing>") : row[0];
            };
            ExpectFigure(figure("INITIAL FORCE"), d.Pjack / 1000, 1, At(e, i) + "initial force");
            ExpectFigure(figure("CABLE ECCENTRICITY"), c.ecc, 2, At(e, i) + "eccentricity");
            ExpectFigure(figure("FORCE AT TRANSFER"), c.forceTransfer / 1000, 1,
                         At(e, i) + "force at transfer");
            ExpectFigure(figure("MOMENT AT TRANSFER"), c.momentTransfer / 12000, 0,
                         At(e, i) + "moment at transfer");
            ExpectFigure(figure("FINAL FORCE"), c.finalForce / 1000, 1, At(e, i) + "final force");
            ExpectFigure(figure("FINAL MOMENT"), c.finalMoment / 12000, 0,
                         At(e, i) + "final moment");
        }
    }
}

TEST(IndependentCheck, BeamStressComponentsAndCombinations) {
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "B E A M   S T R E S S E S");
        ASSERT_GE(start, 0);
        for (std::size_t i = 0; i < e.check.at.size(); ++i) {
            const LocationCheck& c = e.check.at[i];
            const int loc = LocationAt(lines, start, i + 1);
            ASSERT_GE(loc, 0);
            const std::vector<std::string> loss = RowAfter(lines, loc, "     Prestress loss = ");
            ASSERT_EQ(loss.size(), 1U);
            EXPECT_NEAR(std::stod(loss[0]), c.lossAt, 0.5 + 2e-6 * c.lossAt)
                << At(e, i) << "prestress loss";
            auto expectRow = [&](const std::string& label, const Fibers& f, bool bottomPrinted) {
                const std::vector<std::string> row = RowAfter(lines, loc, "          " + label);
                ASSERT_EQ(row.size(), bottomPrinted ? 2U : 1U) << At(e, i) << label;
                ExpectFigure(row[0], f.top, 0, At(e, i) + label + " top");
                if (bottomPrinted) ExpectFigure(row[1], f.bottom, 0, At(e, i) + label + " bottom");
            };
            expectRow("INITIAL PRESTRESS   ", c.initialPS, true);
            expectRow("FINAL PRESTRESS     ", c.finalPS, true);
            expectRow("SECONDARY PRESTRESS ", c.secondaryPS, true);
            expectRow("BEAM DEAD           ", c.beamDead, true);
            expectRow("NON-COMP DEAD       ", c.nonCompDead, true);
            expectRow("COMPOSITE DEAD      ", c.compDead, true);
            expectRow("LIVE PLUS IMPACT    ", c.live, true);
            expectRow("INIT P/S + BEAM DL  ", c.initPlusBeam(), true);
            expectRow("FINAL P/S + TOT DL  ", c.finalPlusDead(), true);
            if (e.check.design.aashto())
                expectRow("LL + (P/S + DL)/2   ", {c.liveHalfSustained(), 0}, false);
            expectRow("P/S + ALL LOADS     ", c.allLoads(), true);
        }
    }
}

TEST(IndependentCheck, CriticalStressesAgainstAllowables) {
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "CHECK CRITICAL CONCRETE STRESSES");
        ASSERT_GE(start, 0);
        const ExampleDesign& d = e.check.design;
        CriticalStresses s = FindCriticalStresses(e.check);
        if (d.aashto()) s.maxFinalComp = std::max(s.maxFinalComp, s.maxCompLL);
        auto expectCheck = [&](const std::string& label, double actual, double allowable,
                               bool holds) {
            const std::vector<std::string> row = RowAfter(lines, start, "          " + label);
            ASSERT_EQ(row.size(), 5U) << label;  // actual, allowable and the two-word verdict
            ExpectFigure(row[0], actual, 0, e.name + " " + label + " actual");
            ExpectFigure(row[1], allowable, 0, e.name + " " + label + " allowable");
            EXPECT_EQ(row[2] + " " + row[3] + " " + row[4], holds ? "< OK >" : "* NG *") << label;
        };
        // Every check forgives 0.01 psi of round-off.
        const double r = 0.01;
        expectCheck("TENSION (TOP FIBER)    ", s.minTop, -d.ATS1, s.minTop >= -d.ATS1 - r);
        expectCheck("INITIAL COMPRESSION    ", s.maxInitComp, d.ACS1, s.maxInitComp <= d.ACS1 + r);
        expectCheck("FINAL TENSION (DL ONLY)", s.minFinalDL, 0, s.minFinalDL >= -r);
        if (d.aashto())
            expectCheck("COMP @ (LL + [PS+DL]/2)", s.maxCompLL, d.ACS2, s.maxCompLL <= d.ACS2 + r);
        expectCheck("FINAL TENSION          ", s.minFinalAll, -d.ATS2,
                    s.minFinalAll >= -d.ATS2 - r);
        expectCheck("FINAL COMPRESSION      ", s.maxFinalComp, d.ACS2,
                    s.maxFinalComp <= d.ACS2 + r);
    }
}

/// The rows of a capacity table: the lines after its 53-dash rule up to the first empty line.
std::vector<std::string> TableRows(const std::vector<std::string>& lines, int start) {
    std::vector<std::string> rows;
    const int rule = FindLine(std::vector<std::string>(lines.begin() + start, lines.end()),
                              "     " + std::string(53, '-'));
    if (rule < 0) return rows;
    for (std::size_t i = static_cast<std::size_t>(start + rule + 1);
         i < lines.size() && !lines[i].empty(); ++i) {
        rows.push_back(lines[i]);
    }
    return rows;
}

TEST(IndependentCheck, MomentCapacityRectangularAndFlangedSections) {
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "M O M E N T   C A P A C I T Y");
        ASSERT_GE(start, 0);
        const std::vector<std::string> rows = TableRows(lines, start);
        ASSERT_FALSE(rows.empty());
        for (std::size_t i = 0; i < e.check.at.size(); ++i) {
            const MomentRow expected = CheckMomentCapacity(e.check, i);
            ASSERT_LT(i, rows.size()) << At(e, i) << "row missing";
            if (!expected.message.empty()) {
                EXPECT_EQ(rows[i], "     " + expected.message);
                EXPECT_EQ(rows.size(), i + 1) << "rows after the message";
                break;
            }
            const std::vector<std::string> row = Tokens(rows[i]);
            ASSERT_GE(row.size(), 5U) << rows[i];
            ExpectFigure(row[1], expected.mult / 12000, 0, At(e, i) + "Mult");
            ExpectFigure(row[2], expected.crackingTimes12 / 12000, 0, At(e, i) + "1.2Mcr");
            ExpectFigure(row[3], expected.phiMn / 12000, 0, At(e, i) + "phiMn");
            const std::string verdict = rows[i].substr(rows[i].find(row[3]) + row[3].size());
            if (expected.ok) {
                EXPECT_EQ(Tokens(verdict), Tokens("< OK >")) << At(e, i);
            } else if (expected.mildSteel > 0) {
                ASSERT_EQ(row.size(), 8U) << rows[i];
                EXPECT_EQ(row[4] + " " + row[5] + " " + row[6], "Mild steel =");
                ExpectFigure(row[7], expected.mildSteel, 3, At(e, i) + "mild steel");
            } else {
                EXPECT_EQ(Tokens(verdict), Tokens("* NG *")) << At(e, i);
            }
        }
    }
}

/// The rating factor where the live effect moves towards the limit (`sense`), else nothing.
std::optional<double> RatingFactor(double room, double live, double sense) {
    if (!(live * sense > 0)) return std::nullopt;
    return room / live;
}

TEST(IndependentCheck, LoadRatingFactorsFromBruteForceLoading) {
    int rated = 0;
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "L O A D   R A T I N G");
        if (start < 0) continue;
        const ExampleDesign& d = e.check.design;
        const double L = d.Blength / 12;
        const double share = d.Bspace / 12 / 5.5 / 2;
        const double impact = std::min(0.3, 50 / (L + 125));
        const double aps = d.Pjack / d.PSi;
        const double n = d.PSmod / d.M28;
        const double limits[4] = {-6 * std::sqrt(d.CS28), 0.6 * d.CS28, 0.8 * d.PSys, 0.9 * d.PSys};
        // The moment check's strengths up to its refusal.
        std::vector<MomentRow> moments;
        for (std::size_t i = 0; i < e.check.at.size(); ++i) {
            moments.push_back(CheckMomentCapacity(e.check, i));
            if (!moments.back().message.empty()) break;
        }
        for (std::size_t line = static_cast<std::size_t>(start); line < lines.size(); ++line) {
            const std::string prefix = "     VEHICLE ";
            // A vehicle's table, not the summary's header.
            if (lines[line].rfind(prefix, 0) != 0 ||
                lines[line].find(" tons)") == std::string::npos)
                continue;
            const std::string name = Tokens(lines[line].substr(prefix.size())).at(0);
            const std::optional<RatingTruck> truck = RatingTruckNamed(name);
            ASSERT_TRUE(truck) << lines[line];
            std::vector<std::string> rows;
            std::size_t first = line;
            while (first < lines.size() && lines[first].rfind("     ---", 0) != 0) ++first;
            for (++first; first < lines.size() && !lines[first].empty(); ++first) {
                rows.push_back(lines[first]);
            }
            ASSERT_EQ(rows.size(), e.check.at.size()) << name;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const std::string where = At(e, i) + name + " ";
                const LocationCheck& c = e.check.at[i];
                const LocationLoads& loads = d.locations[i];
                const std::vector<std::string> row = Tokens(rows[i]);
                ASSERT_GE(row.size(), 8U) << rows[i];
                const double ml = share * (1 + impact) * RatingMoment(*truck, L, c.x / 12);
                ExpectFigure(row[1], ml, 0, where + "ML(1+I)");
                std::optional<double> expected[6];
                const bool strength = i < moments.size() && moments[i].message.empty();
                const bool negative = strength && moments[i].mult < 0;
                if (strength && !negative) {
                    const double md =
                        (loads.beamDead.M + loads.nonCompDead.M + loads.compDead.M + loads.misc.M) /
                        12000;
                    const double room =
                        moments[i].phiMn / 12000 - (1.3 * md + loads.secondary.M / 12000);
                    expected[0] = RatingFactor(room, 2.17 * ml, 1);
                    expected[1] = RatingFactor(room, 1.3 * ml, 1);
                }
                EXPECT_EQ(negative, rows[i].find("negative moment: not rated") != std::string::npos)
                    << where;
                // Stresses of ML(1+I) on the composite section, at the fibers and the steel.
                const double yc = d.composite
                                      ? e.check.inUse.ytop + e.check.inUse.ybot - c.transComp.ybot
                                      : c.trans.ytop;
                const double m = ml * 12000;
                const double liveTop = yc * m / c.transComp.moi;
                const double liveBottom = -c.transComp.ybot * m / c.transComp.moi;
                const auto atSteel = [&](Fibers f, double depth) {
                    return f.bottom + (f.top - f.bottom) * c.path.y / depth;
                };
                const double beamDepth = c.trans.ytop + c.trans.ybot;
                const double compDepth = yc + c.transComp.ybot;
                const double deadSteel =
                    c.finalForce / aps -
                    n * (atSteel(c.beamDead, beamDepth) + atSteel(c.nonCompDead, beamDepth) +
                         atSteel(c.secondaryPS, beamDepth) + atSteel(c.compDead, compDepth));
                const double liveSteel = -n * atSteel({liveTop, liveBottom}, compDepth);
                const Fibers dead = c.finalPlusDead();
                expected[2] = RatingFactor(limits[0] - dead.bottom, liveBottom, -1);
                expected[3] = RatingFactor(limits[1] - dead.top, liveTop, 1);
                expected[4] = RatingFactor(limits[2] - deadSteel, liveSteel, 1);
                expected[5] = RatingFactor(limits[3] - deadSteel, liveSteel, 1);
                for (int k = 0; k < 6; ++k) {
                    const std::string& printed = row[static_cast<std::size_t>(2 + k)];
                    if (!expected[k]) {
                        EXPECT_EQ(printed, "-") << where << "factor " << k;
                    } else {
                        ExpectFigure(printed, *expected[k], 2,
                                     where + "factor " + std::to_string(k));
                    }
                }
                ++rated;
            }
        }
    }
    EXPECT_GT(rated, 0) << "no example is rated";
}

TEST(IndependentCheck, MidspanCambersAndDeadLoadDeflection) {
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const Deflections expected = CheckDeflections(e.check);
        const int start = SectionAt(lines, "B E A M   D E F L E C T I O N S");
        if (!expected.message.empty()) {
            EXPECT_LT(start, 0);
            EXPECT_NE(e.errors.find(expected.message), std::string::npos);
            continue;
        }
        ASSERT_GE(start, 0);
        const std::vector<std::string> initial =
            RowAfter(lines, start, "     Initial prestress deflection     = ");
        const std::vector<std::string> final =
            RowAfter(lines, start, "     Final prestress deflection       = ");
        const std::vector<std::string> dead =
            RowAfter(lines, start, "     Simple beam dead load deflection = ");
        ASSERT_EQ(initial.size() + final.size() + dead.size(), 3U);
        ExpectFigure(initial[0], expected.initial, 3, e.name + " initial prestress deflection");
        ExpectFigure(final[0], expected.final, 3, e.name + " final prestress deflection");
        ExpectFigure(dead[0], expected.dead, 3, e.name + " dead load deflection");
    }
}

TEST(IndependentCheck, ShearCapacityFlexureShearAndWebShear) {
    for (const Example& e : Examples()) {
        SCOPED_TRACE(e.name);
        const std::vector<std::string>& lines = e.lines;
        const int start = SectionAt(lines, "S H E A R   C A P A C I T Y");
        if (e.check.design.BeamShape == 0) {
            EXPECT_LT(start, 0) << "shear capacity printed for a general section";
            EXPECT_NE(e.errors.find("Shear capacity of general section not available"),
                      std::string::npos);
            continue;
        }
        ASSERT_GE(start, 0);
        const std::vector<std::string> rows = TableRows(lines, start);
        ASSERT_EQ(rows.size(), e.check.at.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ShearRow expected = CheckShearCapacity(e.check, i);
            const std::vector<std::string> row = Tokens(rows[i]);
            ASSERT_GE(row.size(), 4U) << rows[i];
            ExpectFigure(row[1], expected.vu / 1000, 1, At(e, i) + "Vult");
            ExpectFigure(row[2], expected.phiVc / 1000, 1, At(e, i) + "phiVn");
            if (expected.widenWeb) {
                EXPECT_NE(rows[i].find("Need to increase web width"), std::string::npos)
                    << At(e, i);
            } else {
                ExpectFigure(row[3], expected.avs, 3, At(e, i) + "Av/S");
            }
        }
    }
}

}  // namespace
}  // namespace tarnex::testing
