#include "model/defaults.h"

#include <cmath>
#include <optional>

#include "model/design_code.h"
#include "model/setting_handlers.h"
#include "model/typed_number.h"

namespace tarnex {

std::optional<float> ConcreteModulus(float unitWeight, float strength) {
    const double w = 1728.0 * static_cast<double>(unitWeight);
    const auto f = static_cast<double>(strength);
    if (w < 0.0 || f < 0.0) return std::nullopt;
    return StorableFloat(33.0 * std::pow(w, 1.5) * std::sqrt(f));
}

AllowableStresses InitialAllowables(DesignCriteria criteria, Prestressing prestressing,
                                    float CSps) {
    return CodeOf(criteria).InitialAllowables(prestressing, CSps);
}

AllowableStresses FinalAllowables(DesignCriteria criteria, float CS28) {
    return CodeOf(criteria).FinalAllowables(CS28);
}

float SteelYieldStrength(SteelType PStype, float PSus) {
    const double share = PStype == SteelType::StressRelieved ? 0.85 : 0.9;
    return static_cast<float>(share * static_cast<double>(PSus));
}

float LossAtTransfer(SteelType PStype, float PSi, float PSus) {
    const double share = PStype == SteelType::StressRelieved ? 0.63 : 0.69;
    return static_cast<float>(static_cast<double>(PSi) - share * static_cast<double>(PSus));
}

SteelTypeLosses SteelTypeChoiceLosses(const DesignData& data, SteelType PStype) {
    const bool post = data.prestressing == Prestressing::PostTensioning;
    const bool lowRelaxation = PStype != SteelType::StressRelieved;
    SteelTypeLosses losses;
    if (post) {
        losses.PSloss = lowRelaxation ? 32000.0F : 24000.0F;
    } else {
        losses.PSloss = lowRelaxation ? 35000.0F : 45000.0F;
    }
    double share = 0.70;
    if (!post) {
        share = CodeOf(data.designCriteria)
                    .PretensionedStressShare()
                    .value_or(lowRelaxation ? 0.75 : 0.70);
    }
    losses.PSi = static_cast<float>(share * static_cast<double>(data.PSus));
    losses.PStrans = LossAtTransfer(PStype, losses.PSi, data.PSus);
    return losses;
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
    data.CS28 = CodeOf(data.designCriteria).DefaultConcreteStrength();
    data.CSps = 4000.0F;
    data.M28 = ConcreteModulus(data.BUW, data.CS28).value_or(0.0F);
    data.Mps = ConcreteModulus(data.BUW, data.CSps).value_or(0.0F);
    ApplySlabConcreteDefaults(data);
    data.RS = 60000.0F;
    data.RM = 29000000.0F;
    data.PStype = SteelType::LowRelaxation;
    data.PSdia = 0.5F;
    data.PSus = 270000.0F;
    data.PSys = SteelYieldStrength(data.PStype, data.PSus);
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
    data.BeamShape = BeamShapeKind::General;
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
    const std::optional<double> pretensionedShare =
        CodeOf(data.designCriteria).PretensionedStressShare();
    const auto psus = static_cast<double>(data.PSus);

    // Allowable concrete stresses at transfer and at service.
    const AllowableStresses transfer =
        InitialAllowables(data.designCriteria, data.prestressing, data.CSps);
    data.ACS1 = transfer.compression;
    data.ATS1 = transfer.tension.value_or(0.0F);
    const AllowableStresses service = FinalAllowables(data.designCriteria, data.CS28);
    data.ACS2 = service.compression;
    data.ATS2 = service.tension.value_or(0.0F);

    // Initial steel stress: 0.75 fpu post-tensioned; pretensioned, the share the code fixes for
    // every strand, or by steel type (low-relaxation strand shares 0.75 fpu with
    // post-tensioning).
    // NOLINTNEXTLINE(bugprone-branch-clone)
    if (post) {
        data.PSi = static_cast<float>(0.75 * psus);
    } else if (pretensionedShare) {
        data.PSi = static_cast<float>(*pretensionedShare * psus);
    } else if (data.PStype == SteelType::StressRelieved) {
        data.PSi = static_cast<float>(0.70 * psus);
    } else if (data.PStype == SteelType::LowRelaxation) {
        data.PSi = static_cast<float>(0.75 * psus);
    }
    if (post) {
        data.PSloss = data.PStype == SteelType::StressRelieved ? 32000.0F : 24000.0F;
    } else {
        data.PSloss = data.PStype == SteelType::StressRelieved ? 45000.0F : 35000.0F;
    }
    data.FRloss.Recreate(data.nll);
    data.PSlossAt.Recreate(data.nll);
    data.PStrans = LossAtTransfer(data.PStype, data.PSi, data.PSus);
    data.Aset = post ? 0.375F : 0.0F;
    state.RH = 0.0F;
}

void ResetConfiguration(DesignData& data) {
    data.PathConfig = PathKind::Straight;
    data.Yl = data.Ym = data.Yr = data.Xl = data.Xm = data.Xr = 0.0F;
    data.Blength = data.Bspace = 0.0F;
    data.Tslab = data.Beff = data.Slope = data.Haunch = 0.0F;
}

}  // namespace tarnex
