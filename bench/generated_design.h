#pragma once

#include <filesystem>
#include <string>

#include "model/design_data.h"

namespace tarnex::bench {

/// A pretensioned AASHTO I girder (45 in, 100 ft span) acting compositely with an 8 in deck
/// slab, on gross properties with a harped path and `count` locations spread over the span,
/// each with beam dead, non-composite dead, composite dead and live loads of a simple span, so
/// that every report section (stresses, moment capacity, deflections, shear) is written.
inline tarnex::ProgramState MakeGeneratedDesign(int count, const std::string& output) {
    using namespace tarnex;
    namespace fs = std::filesystem;
    ProgramState state;
    state.output = {true, true, true, true};
    DesignData& d = state.data;
    d.Composite = true;
    d.OutputFileName = output;
    d.OutputFileTitle = fs::path(output).filename().string();
    d.InputFileTitle = "generated.in";
    d.BUW = 0.0868F;
    d.CS28 = 5000;
    d.CSps = 4000;
    d.M28 = 4286826;
    d.Mps = 3834254;
    d.SUW = 0.0868F;
    d.SS28 = 4000;
    d.SM28 = 3833886;
    d.RS = 60000;
    d.RM = 29000000;
    d.PStype = SteelType::LowRelaxation;
    d.PSdia = 0.5F;
    d.PSus = 270000;
    d.PSys = 243000;
    d.PSmod = 28500000;
    d.BeamShape = BeamShapeKind::IGirder;
    d.SectionNo = 0;
    d.D = 45;
    d.Btop = 16;
    d.Htop = 7;
    d.Bweb = 7;
    d.Bbot = 22;
    d.Hbot = 7;
    d.Ftop = 4.5F;
    d.Fbot = 7.5F;
    d.Area = d.BeamArea = 560;
    d.MoI = d.BeamMoI = 125390;
    d.Ytop = d.BeamYtop = 24.73F;
    d.Ybot = d.BeamYbot = 20.27F;
    d.Pjack = 810000;
    d.ACS1 = 2400;
    d.ATS1 = 190;
    d.ACS2 = 2250;
    d.ATS2 = 424;
    d.PSi = 202500;
    d.PSloss = 40500;
    d.PStrans = 20250;
    d.PathConfig = PathKind::Harped;
    d.Blength = 1200;
    d.Bspace = 96;
    d.Tslab = 8;
    d.Beff = 96;
    d.Haunch = 1;
    d.Xl = 480;
    d.Xm = 600;
    d.Xr = 720;
    d.Yl = 12;
    d.Ym = 4;
    d.Yr = 12;
    d.nll = count;
    d.RecreateLocations(count);
    const double span = d.Blength;
    for (int i = 1; i <= count; ++i) {
        LoadLocation& loc = d.locations(i);
        const double x = span * i / (count + 1.0);
        loc.x = static_cast<float>(x);
        const double shape = x * (span - x) / 2.0;  // simple span moment per unit load
        loc.DM = static_cast<float>(0.583 / 12 * 1000 * shape);
        loc.DV = static_cast<float>(0.583 / 12 * 1000 * (span / 2 - x));
        loc.DF = 1.3F;
        loc.CDM = static_cast<float>(0.5 / 12 * 1000 * shape);
        loc.CDF = 1.3F;
        loc.ADM = static_cast<float>(0.2 / 12 * 1000 * shape);
        loc.ADV = static_cast<float>(0.2 / 12 * 1000 * (span / 2 - x));
        loc.ADF = 1.3F;
        loc.LM = static_cast<float>(0.64 / 12 * 1000 * shape);
        loc.LV = static_cast<float>(0.64 / 12 * 1000 * (span / 2 - x));
        loc.LF = 2.17F;
        // The primary prestress is no load in the strength checks (factor 0), so every
        // factored moment stays positive, as for a simple span.
        loc.MF = 1.3F;
    }
    return state;
}

}  // namespace tarnex::bench
