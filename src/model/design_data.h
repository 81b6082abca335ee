#pragma once

#include <string>

#include "model/load_location.h"
#include "model/one_based_array.h"
#include "model/rating_options.h"
#include "model/settings.h"

namespace tarnex {

using FloatArray = OneBasedArray<float>;

/// The inputs of a design: settings, every input quantity, the load locations and what the
/// calculation buttons store. Internal units: inches, lb, psi, lb-in. Two designs with equal
/// inputs have the same results.
struct DesignInputs {
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

    // Losses, as the loss buttons store them: the parts of the total loss, the total loss
    // per location and the friction and anchor-set losses (fractions of PSi).
    float SH = 0, ES = 0, CRc = 0, CRs = 0;
    FloatArray PSlossAt;
    FloatArray FRloss, ASloss;
    float FRASmax = 0;

    bool operator==(const DesignInputs&) const = default;

    /// Re-creates the locations with `count` zero entries, with FRloss and PSlossAt.
    void RecreateLocations(int count) {
        locations.Recreate(count);
        FRloss.Recreate(count);
        PSlossAt.Recreate(count);
    }
};

/// The one design record: the inputs and the window and file state. What a calculation
/// computes from it is kept in its results, never here.
struct DesignData : DesignInputs {
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

    /// True when `other` holds the same inputs: its results are the same.
    [[nodiscard]] bool SameInputs(const DesignData& other) const {
        return static_cast<const DesignInputs&>(*this) == other;
    }
};

/// Pounds per kip and pound-inches per kip-foot: the window's and the report's units of the
/// internal ones (English units; the metric system is refused where the units are chosen).
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
    /// The load rating section, for the vehicles and limits of `rating` (run options, not
    /// part of the design).
    bool LoadRating = false;
    RatingOptions rating = {};

    bool operator==(const OutputOptions&) const = default;
};

/// Program state next to the design record: the output options and the relative humidity
/// used by the long-term loss calculation.
struct ProgramState {
    DesignData data;
    OutputOptions output;
    float RH = 0;
};

/// True when two states have the same inputs (the record's, the humidity and the load
/// rating's): the same results, whatever the window shows or the other output options say.
inline bool SameInputs(const ProgramState& a, const ProgramState& b) {
    return a.RH == b.RH && a.output.LoadRating == b.output.LoadRating &&
           a.output.rating == b.output.rating && a.data.SameInputs(b.data);
}

}  // namespace tarnex
