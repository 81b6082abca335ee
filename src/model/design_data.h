#pragma once

#include <string>

#include "model/load_location.h"
#include "model/one_based_array.h"
#include "model/settings.h"

namespace tarnex {

using FloatArray = OneBasedArray<float>;

/// The one design record: settings, every input quantity, the load locations, the computed
/// results and the window and file state. Internal units: inches, lb, psi, lb-in.
struct DesignData {
    // Settings.
    Units units = Units::English;
    DesignCriteria designCriteria = DesignCriteria::AASHTO;
    Prestressing prestressing = Prestressing::Pretensioning;
    bool Composite = false;
    SectionBasis sectionBasis = SectionBasis::Gross;

    // Material properties.
    float BUW = 0, CS28 = 0, CSps = 0, M28 = 0, Mps = 0;
    float SUW = 0, SS28 = 0, SM28 = 0;
    float RS = 0, RM = 0;
    SteelType PStype = SteelType::StressRelieved;
    float PSdia = 0, PSus = 0, PSys = 0, PSmod = 0;
    float K = 0, MU = 0;

    // Section.
    BeamShapeKind BeamShape = BeamShapeKind::General;
    int SectionNo = 0;
    float D = 0, Btop = 0, Htop = 0, Bweb = 0, Bbot = 0, Hbot = 0, Ftop = 0, Fbot = 0;
    float Area = 0, MoI = 0, Ytop = 0, Ybot = 0;

    // Loads.
    int nll = 0;
    int PrevNll = 0;
    float Pjack = 0;
    OneBasedArray<LoadLocation> locations;

    // Allowable stresses and losses.
    float ACS1 = 0, ATS1 = 0, ACS2 = 0, ATS2 = 0, PSi = 0;
    float PSloss = 0, PStrans = 0, Aset = 0;

    // Configuration.
    PathKind PathConfig = PathKind::Straight;
    float Yl = 0, Ym = 0, Yr = 0, Xl = 0, Xm = 0, Xr = 0;
    float Blength = 0, Bspace = 0;
    float Tslab = 0, Beff = 0, Slope = 0, Haunch = 0;

    // Gross beam properties: the persisted section properties.
    float BeamArea = 0, BeamMoI = 0, BeamYtop = 0, BeamYbot = 0;

    // Composite section (gross, and in use).
    float GCompArea = 0, GCompMoI = 0, GCompYtop = 0, GCompYbot = 0;
    float CompArea = 0, CompMoI = 0, CompYtop = 0, CompYbot = 0;

    // Prestress path and transformed sections per location.
    FloatArray Ypath;
    FloatArray TArea, TMoI, TYtop, TYbot;
    FloatArray TCompArea, TCompMoI, TCompYtop, TCompYbot;
    FloatArray Ecc, Theta;

    // Losses.
    float SH = 0, ES = 0, CRc = 0, CRs = 0;
    FloatArray PSlossAt;
    FloatArray FRloss, ASloss;
    float FRASmax = 0;

    // Load stresses per location (psi, compression positive).
    FloatArray StopD, SbotD, StopCD, SbotCD, StopAD, SbotAD, StopL, SbotL;
    FloatArray StopPS, SbotPS, StopPS2, SbotPS2, StopM, SbotM;

    // Prestress effects at transfer per location.
    FloatArray PforceT, PmomT, StopPSi, SbotPSi;

    // Critical concrete stresses.
    float MaxInitComp = 0, MinFinalDL = 0, MinFinalAll = 0, MaxFinalComp = 0, MaxCompLL = 0,
          MinTop = 0;

    // Moment capacity work values.
    float GammaP = 0, Beta1 = 0;

    // Window and file state.
    int CurrentLocation = 0;
    int FillingForm = 0;
    int InputIncomplete = 0;
    std::string InputFileName, InputFileTitle;
    std::string OutputFileName, OutputFileTitle;
    std::string OutputTitle;
    std::string VersionText;
    std::string UnitsKeyword, PrestressingKeyword, CriteriaKeyword, CompositeKeyword,
        SectionKeyword;
    float ForceFactor = 0;
    float MomentFactor = 0;

    /// Re-creates the locations with `count` zero entries, with FRloss and PSlossAt.
    void RecreateLocations(int count) {
        locations.Recreate(count);
        FRloss.Recreate(count);
        PSlossAt.Recreate(count);
    }
};

/// Pounds per kip and pound-inches per kip-foot: the window's units of the internal ones.
inline constexpr float kForceFactor = 1000.0F;
inline constexpr float kMomentFactor = 12000.0F;
inline constexpr double kInchesPerFoot = 12.0;
/// Largest accepted number of load locations.
inline constexpr int kMaxLocations = 100000;

/// Output options of the report run.
struct OutputOptions {
    bool Stresses = true;
    bool Deflections = false;
    bool UltimateMoment = false;
    bool UltimateShear = false;
};

/// Program state next to the design record: the output options and the relative humidity
/// used by the long-term loss calculation.
struct ProgramState {
    DesignData data;
    OutputOptions output;
    float RH = 0;
};

}  // namespace tarnex
