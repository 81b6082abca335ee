#include "model/defaults.h"

#include <cmath>
#include <optional>

#include "model/setting_handlers.h"

namespace tarnex {

std::optional<float> ConcreteModulus(float unitWeight, float strength) {
    const double w = 1728.0 * static_cast<double>(unitWeight);
    const auto f = static_cast<double>(strength);
    if (w < 0.0 || f < 0.0) return std::nullopt;
    const double e = 33.0 * std::pow(w, 1.5) * std::sqrt(f);
    if (!std::isfinite(e)) return std::nullopt;
    return static_cast<float>(e);
}

void ApplyProgramOptionDefaults(ProgramState& state, Dialogs& dialogs) {
    SelectUnits(state, dialogs, Units::English);
    SelectDesignCriteria(state, dialogs, DesignCriteria::AASHTO);
    SelectPrestressing(state, dialogs, Prestressing::Pretensioning);
    SelectComposite(state, dialogs, false);
    SelectSectionBasis(state, dialogs, SectionBasis::Gross);
    state.output = OutputOptions{};
}

void ApplyMaterialDefaults(DesignData& data) {
    if (data.units == Units::Metric) {
        return;
    }
    data.BUW = 0.0868F;
    data.CS28 = data.designCriteria == DesignCriteria::AREMA ? 4500.0F : 4000.0F;
    data.CSps = 4000.0F;
    data.M28 = ConcreteModulus(data.BUW, data.CS28).value_or(0.0F);
    data.Mps = ConcreteModulus(data.BUW, data.CSps).value_or(0.0F);
    ApplySlabConcreteDefaults(data);
    data.PSys = 243000.0F;
    data.RS = 60000.0F;
    data.RM = 29000000.0F;
    data.PStype = 1;
    data.PSdia = 0.5F;
    data.PSus = 270000.0F;
    data.PSmod = 28000000.0F;
    if (data.prestressing == Prestressing::PostTensioning) {
        data.K = 0.0000167F;
        data.MU = 0.25F;
    } else {
        data.K = 0.0F;
        data.MU = 0.0F;
    }
}

void ApplySlabConcreteDefaults(DesignData& data) {
    if (!data.Composite) {
        data.SUW = data.SS28 = data.SM28 = 0.0F;
        return;
    }
    data.SUW = 0.0868F;
    data.SS28 = 4000.0F;
    data.SM28 = ConcreteModulus(data.SUW, data.SS28).value_or(0.0F);
}

void ResetSection(DesignData& data) {
    data.BeamShape = 0;
    data.SectionNo = 0;
    data.D = data.Btop = data.Htop = data.Bweb = data.Bbot = data.Hbot = data.Ftop = data.Fbot =
        0.0F;
    data.Area = data.MoI = data.Ytop = data.Ybot = 0.0F;
}

void ResetLoads(DesignData& data) {
    data.CurrentLocation = 1;
    data.nll = 1;
    data.PrevNll = 1;
    data.RecreateLocations(1);
    data.Pjack = 0.0F;
}

void ApplyAllowableDefaults(ProgramState& state) {
    DesignData& data = state.data;
    if (data.units == Units::Metric) {
        return;
    }
    const bool post = data.prestressing == Prestressing::PostTensioning;
    const bool aci = data.designCriteria == DesignCriteria::ACI;
    const auto csps = static_cast<double>(data.CSps);
    const auto cs28 = static_cast<double>(data.CS28);
    const auto psus = static_cast<double>(data.PSus);

    // Allowable concrete stresses at transfer and at service.
    data.ACS1 = static_cast<float>(0.6 * csps);
    if (post && !aci) {
        data.ACS1 = static_cast<float>(0.55 * csps);
    }
    data.ATS1 = static_cast<float>(3.0 * std::sqrt(csps));
    data.ACS2 = static_cast<float>(0.4 * cs28);
    if (aci) {
        data.ACS2 = static_cast<float>(0.45 * cs28);
    }
    data.ATS2 = static_cast<float>(6.0 * std::sqrt(cs28));
    if (data.designCriteria == DesignCriteria::AREMA) {
        data.ATS2 = 0.0F;
    }

    // Initial steel stress and lump-sum losses by steel type. Post-tensioning and pretensioned
    // low-relaxation strand share 0.75 fpu; the branches follow the table of the criteria.
    // NOLINTNEXTLINE(bugprone-branch-clone)
    if (post) {
        data.PSi = static_cast<float>(0.75 * psus);
    } else if (aci) {
        data.PSi = static_cast<float>(0.74 * psus);
    } else if (data.PStype == 0) {
        data.PSi = static_cast<float>(0.70 * psus);
    } else if (data.PStype == 1) {
        data.PSi = static_cast<float>(0.75 * psus);
    }
    if (post) {
        data.PSloss = data.PStype == 0 ? 32000.0F : 24000.0F;
    } else {
        data.PSloss = data.PStype == 0 ? 45000.0F : 35000.0F;
    }
    data.FRloss.Recreate(data.nll);
    data.PSlossAt.Recreate(data.nll);
    const double transferFactor = data.PStype == 0 ? 0.63 : 0.69;
    data.PStrans = static_cast<float>(static_cast<double>(data.PSi) - transferFactor * psus);
    data.Aset = post ? 0.375F : 0.0F;
    state.RH = 0.0F;
}

void ResetConfiguration(DesignData& data) {
    data.PathConfig = 0;
    data.Yl = data.Ym = data.Yr = data.Xl = data.Xm = data.Xr = 0.0F;
    data.Blength = data.Bspace = 0.0F;
    data.Tslab = data.Beff = data.Slope = data.Haunch = 0.0F;
}

}  // namespace tarnex
