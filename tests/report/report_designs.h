#pragma once

#include <string>
#include <vector>

#include "model/design_data.h"
#include "report/capacity_sections.h"
#include "report/design_results.h"
#include "report/report_file.h"
#include "report/report_text.h"
#include "support/scripted_dialogs.h"

namespace tarnex::testing {

/// Kips and kip-ft factors; 5000 psi beam concrete of 0.0868 lb/in^3 (4000 at prestressing)
/// with its moduli, 60 ksi mild steel, 1/2 in low relaxation strand of 270 ksi; jacking
/// force 810 k, allowables 2400 / 2250 psi compression, initial prestress 202.5 ksi with a
/// 20.25 ksi loss at transfer.
inline void SetGirderMaterials(DesignData& d) {
    d.ForceFactor = kForceFactor;
    d.MomentFactor = kMomentFactor;
    d.BUW = 0.0868F;
    d.CS28 = 5000;
    d.CSps = 4000;
    d.M28 = 4286826;
    d.Mps = 3834254;
    d.RS = 60000;
    d.RM = 29000000;
    d.PStype = SteelType::LowRelaxation;
    d.PSdia = 0.5F;
    d.PSus = 270000;
    d.PSys = 243000;
    d.PSmod = 28500000;
    d.Pjack = 810000;
    d.ACS1 = 2400;
    d.ACS2 = 2250;
    d.PSi = 202500;
    d.PStrans = 20250;
}

/// A design of `count` load locations at x = 120, 240, ... in with beam dead load factor 1,
/// kips and kip-ft factors, f'c 5000 and fy 60000, and every per-location array the capacity
/// sections read sized.
inline ProgramState CapacityDesign(int shape, int count) {
    ProgramState state;
    DesignData& d = state.data;
    d.ForceFactor = kForceFactor;
    d.MomentFactor = kMomentFactor;
    d.BeamShape = static_cast<BeamShapeKind>(shape);
    d.CS28 = 5000;
    d.RS = 60000;
    d.nll = count;
    d.RecreateLocations(count);
    for (FloatArray* a :
         {&d.Ypath, &d.TArea, &d.TMoI, &d.TYtop, &d.TYbot, &d.TCompYbot, &d.Ecc, &d.Theta, &d.StopD,
          &d.SbotD, &d.StopCD, &d.SbotCD, &d.StopAD, &d.SbotAD, &d.StopPS, &d.SbotPS, &d.PforceT}) {
        a->Recreate(count);
    }
    for (int i = 1; i <= count; ++i) {
        d.locations(i).x = 120.0F * static_cast<float>(i);
        d.locations(i).DF = 1;
    }
    return state;
}

/// What a capacity section wrote: its report lines and the messages it showed.
struct SectionOutput {
    std::vector<std::string> lines;
    std::vector<std::string> messages;
};

/// Runs a section's calculation and writer on `state`, as the report run does.
template <typename Write>
SectionOutput CaptureSection(Write write) {
    ScriptedDialogs dialogs;
    SectionOutput out;
    out.lines = ReportLinesOf([&](ReportFile& r) { write(r, dialogs); });
    out.messages = dialogs.messages;
    return out;
}

inline SectionOutput RunSection(decltype(&WriteMomentCapacity), ProgramState& state) {
    return CaptureSection([&](ReportFile& r, Dialogs& dialogs) {
        WriteMomentCapacity(r, state.data, CalcMomentCapacity(state.data), dialogs);
    });
}
inline SectionOutput RunSection(decltype(&WriteShearCapacity), ProgramState& state) {
    return CaptureSection([&](ReportFile& r, Dialogs& dialogs) {
        WriteShearCapacity(r, state.data, CalcShearCapacity(state.data), dialogs);
    });
}
inline SectionOutput RunSection(decltype(&WriteDeflections), ProgramState& state) {
    return CaptureSection([&](ReportFile& r, Dialogs& dialogs) {
        WriteDeflections(r, CalcDeflections(state.data), dialogs);
    });
}

}  // namespace tarnex::testing
