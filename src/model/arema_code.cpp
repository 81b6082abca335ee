#include "model/calc_error.h"
#include "model/design_code.h"
#include "model/design_data.h"
#include "model/root_allowable.h"

namespace tarnex {

/// AREMA Manual for Railway Engineering (2002), chapter 8 part 17.
class AremaCode final : public DesignCode {
  public:
    /// At transfer 0.60 f'ci (0.55 f'ci post-tensioned) and 3 sqrt(f'ci).
    [[nodiscard]] AllowableStresses InitialAllowables(Prestressing prestressing,
                                                      float CSps) const override {
        return ShareAndRoot(prestressing == Prestressing::PostTensioning ? 0.55 : 0.6, 3.0, CSps);
    }
    /// At service 0.40 f'c and no tension in the precompressed tensile zone.
    [[nodiscard]] AllowableStresses FinalAllowables(float CS28) const override {
        return {static_cast<float>(0.4 * static_cast<double>(CS28)), 0.0F};
    }
    [[nodiscard]] float DefaultConcreteStrength() const override { return 4500.0F; }
    [[nodiscard]] std::optional<double> PretensionedStressShare() const override { return {}; }
    [[nodiscard]] double FlexurePhi(Prestressing /*prestressing*/) const override { return 0.95; }
    [[nodiscard]] double ShearPhi() const override { return 0.90; }
    /// AREMA 8.2.3: 1.4 and 1.4 x 5/3.
    [[nodiscard]] LoadFactors GeneratedLoadFactors() const override { return {1.4F, 2.33F}; }
    [[nodiscard]] bool ChecksLiveLoadCompression() const override { return false; }
    [[nodiscard]] LiveLoad DefaultLiveLoad() const override { return {LiveLoadKind::Cooper, 80}; }
    /// Half a track to each of two beams.
    [[nodiscard]] double Distribution(double /*spacing*/) const override { return 0.5; }
    [[nodiscard]] double DistributedShare(double distribution) const override {
        return distribution;
    }
    /// AREMA 8.2.3.3: 100 / S + 40 - 3 L^2 / 1600 below 80 ft, 100 / S + 16 + 600 / (L - 30)
    /// from 80 ft (percent; S the beam spacing and L the span, in feet).
    [[nodiscard]] double Impact(double /*loadedLength*/, double span,
                                double spacing) const override {
        const double s = spacing / kInchesPerFoot;
        const double l = span / kInchesPerFoot;
        if (!(s > 0)) throw CalcError("the beam spacing is 0");
        const double percent =
            l < 80 ? 100 / s + 40 - 3 * l * l / 1600 : 100 / s + 16 + 600 / (l - 30);
        return Finite(percent / 100, "the impact fraction");
    }
};

const DesignCode& AremaRules() {
    static const AremaCode code;
    return code;
}

}  // namespace tarnex
