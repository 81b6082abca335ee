#include <array>
#include <optional>
#include <string>

#include "model/number_text.h"
#include "report/capacity_sections.h"

namespace tarnex {

namespace {

const char* const kRule = "=====================================================";

/// The service limits in the order of the section's head: label, multiple and what it
/// multiplies, the limit in psi.
void WriteLimits(ReportFile& report, const LoadRatingResults& r) {
    const RatingLimits& m = r.options.limits;
    struct Line {
        const char* label;
        double multiple;
        const char* of;
        double psi;
    };
    const std::array<Line, 4> lines = {{
        {"Concrete tension, bottom fiber (INV)  = -", m.tension, " sqrt(f'c) = ", r.limits.tension},
        {"Concrete compression, top fiber (INV) = ", m.compression,
         " f'c = ", r.limits.compression},
        {"Prestressing steel tension (INV)      = ", m.steelInventory,
         " fy* = ", r.limits.steelInventory},
        {"Prestressing steel tension (OPR)      = ", m.steelOperating,
         " fy* = ", r.limits.steelOperating},
    }};
    for (const Line& line : lines) {
        report.Write(ReportLine()
                         .Indent(10)
                         .Text(line.label)
                         .Pattern(line.multiple, 2, "a rating limit")
                         .Text(line.of)
                         .Pattern(line.psi, 0, "a rating limit"));
    }
}

/// The dead load effects that every vehicle shares, one row per location.
void WriteDeadLoadEffects(ReportFile& report, const VehicleRating& any) {
    const double kipFt = kMomentFactor;
    report.Write(5, "DEAD LOAD EFFECTS");
    report.Empty();
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("X")
                     .Zone()
                     .Text("MD")
                     .Zone()
                     .Text("MS")
                     .Zone()
                     .Text("phiMn")
                     .Zone()
                     .Text("TOP FIBER")
                     .Zone()
                     .Text("BOTTOM FIBER")
                     .Zone()
                     .Text("STEEL"));
    report.Write(5, std::string(87, '-'));
    for (const RatingRow& row : any.rows) {
        ReportLine line;
        line.Indent(5)
            .Plain(row.x, "the location")
            .Zone()
            .Pattern(row.deadMoment / kipFt, 0, "the dead load moment")
            .Zone()
            .Pattern(row.secondaryMoment / kipFt, 0, "the secondary moment")
            .Zone();
        if (row.phiMn) {
            line.Pattern(*row.phiMn / kipFt, 0, "the moment capacity");
        } else {
            line.Text("-");
        }
        line.Zone()
            .Pattern(row.deadTop, 0, "a dead load stress")
            .Zone()
            .Pattern(row.deadBottom, 0, "a dead load stress")
            .Zone()
            .Pattern(row.deadSteel, 0, "the steel stress");
        report.Write(line);
    }
    report.Empty();
}

/// One vehicle's live load moment and rating factors at every location.
void WriteVehicleRating(ReportFile& report, const VehicleRating& v) {
    const double kipFt = kMomentFactor;
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("VEHICLE ")
                     .Text(RatingVehicleName(v.vehicle))
                     .Text(" (")
                     .Text(ShortestForm(RatingVehicleTons(v.vehicle)))
                     .Text(" tons)"));
    report.Empty();
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("X")
                     .Zone()
                     .Text("ML(1+I)")
                     .Zone()
                     .Text("INV MOMENT")
                     .Zone()
                     .Text("OPR MOMENT")
                     .Zone()
                     .Text("INV TENSION")
                     .Zone()
                     .Text("INV COMP")
                     .Zone()
                     .Text("INV STEEL")
                     .Zone()
                     .Text("OPR STEEL"));
    report.Write(5, std::string(101, '-'));
    for (const RatingRow& row : v.rows) {
        ReportLine line;
        line.Indent(5)
            .Plain(row.x, "the location")
            .Zone()
            .Pattern(row.liveMoment / kipFt, 0, "the live load moment");
        for (const std::optional<double>& factor : row.factor) {
            line.Zone();
            if (factor) {
                line.Pattern(*factor, 2, "a rating factor");
            } else {
                line.Text("-");
            }
        }
        if (row.negativeMoment) line.Zone().Text("negative moment: not rated");
        report.Write(line);
    }
    report.Empty();
}

/// One controlling rating of the summary: RF, tons, location and limit.
void WriteControlling(ReportFile& report, const char* vehicle, const char* kind,
                      const ControllingRating& c, double tons) {
    ReportLine line;
    line.Indent(5).Text(vehicle).Zone().Text(kind).Zone();
    if (!c.factor) {
        line.Text("none");
    } else {
        line.Pattern(*c.factor, 2, "a rating factor")
            .Zone()
            .Pattern(*c.factor * tons, 1, "a rating in tons")
            .Zone()
            .Plain(c.x, "the location")
            .Zone()
            .Text(RatingLimitName(c.limit));
    }
    report.Write(line);
}

}  // namespace

void WriteLoadRating(ReportFile& report, const DesignData& d, const LoadRatingResults& r) {
    report.Write(5, "L O A D   R A T I N G");
    report.Write(5, kRule);
    if (d.units == Units::English) report.Write(5, "(Units = kip-ft, psi)");
    report.Empty();
    if (!r.refusal.empty()) {
        report.Write(5, r.refusal);
        report.Empty();
        return;
    }
    report.Write(5, "Load factor method: RF = (C - A1 D) / (A2 L(1+I))");
    report.Write(10, "Moment: C = phiMn, A1 D = 1.3 MD + MS, A2 = 2.17 (INV), 1.3 (OPR)");
    report.Write(10, "Stresses: C = limit, D = FINAL P/S + TOT DL, A1 = A2 = 1");
    report.Write(5, "Shear is not rated: the design holds no provided stirrups");
    report.Empty();
    report.Write(5, "LIMITS");
    report.Empty();
    WriteLimits(report, r);
    report.Write(ReportLine()
                     .Indent(10)
                     .Text("Impact                                = ")
                     .Pattern(r.impact, 3, "the impact fraction"));
    report.Write(ReportLine()
                     .Indent(10)
                     .Text("Distribution                          = ")
                     .Pattern(r.distribution, 3, "the distribution factor")
                     .Text(" wheel lines"));
    report.Empty();
    if (r.vehicles.empty()) return;
    WriteDeadLoadEffects(report, r.vehicles.front());
    if (!r.momentRefusal.empty()) {
        report.Write(5, "Moment rating stops: " + r.momentRefusal);
        report.Empty();
    }
    for (const VehicleRating& v : r.vehicles) WriteVehicleRating(report, v);

    report.Write(5, "SUMMARY");
    report.Empty();
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("VEHICLE")
                     .Zone()
                     .Text("RATING")
                     .Zone()
                     .Text("RF")
                     .Zone()
                     .Text("TONS")
                     .Zone()
                     .Text("X")
                     .Zone()
                     .Text("LIMIT"));
    report.Write(5, std::string(81, '-'));
    for (const VehicleRating& v : r.vehicles) {
        const double tons = RatingVehicleTons(v.vehicle);
        WriteControlling(report, RatingVehicleName(v.vehicle), "INVENTORY", v.inventory, tons);
        WriteControlling(report, "", "OPERATING", v.operating, tons);
    }
    report.Empty();
}

}  // namespace tarnex
