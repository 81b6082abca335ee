#include "model/design_code.h"
#include "model/design_data.h"
#include "model/root_allowable.h"

namespace tarnex {

/// ACI 318-99.
class AciCode final : public DesignCode {
  public:
    /// ACI 18.4.1: 0.60 f'ci and 3 sqrt(f'ci).
    [[nodiscard]] AllowableStresses InitialAllowables(Prestressing /*prestressing*/,
                                                      float CSps) const override {
        return ShareAndRoot(0.6, 3.0, CSps);
    }
    /// ACI 18.4.2: 0.45 f'c and 6 sqrt(f'c).
    [[nodiscard]] AllowableStresses FinalAllowables(float CS28) const override {
        return ShareAndRoot(0.45, 6.0, CS28);
    }
    [[nodiscard]] float DefaultConcreteStrength() const override { return 4000.0F; }
    /// ACI 18.5.1: 0.74 fpu for every pretensioned strand.
    [[nodiscard]] std::optional<double> PretensionedStressShare() const override { return 0.74; }
    /// ACI 9.3.2.1: 0.90 for flexure.
    [[nodiscard]] double FlexurePhi(Prestressing /*prestressing*/) const override { return 0.90; }
    /// ACI 9.3.2.3: 0.85 for shear.
    [[nodiscard]] double ShearPhi() const override { return 0.85; }
    /// ACI 318 9.2.1: 1.4 D + 1.7 L.
    [[nodiscard]] LoadFactors GeneratedLoadFactors() const override { return {1.4F, 1.7F}; }
    [[nodiscard]] bool ChecksLiveLoadCompression() const override { return false; }
    /// A uniform live load that the engineer gives.
    [[nodiscard]] LiveLoad DefaultLiveLoad() const override { return {LiveLoadKind::Uniform, 0}; }
    [[nodiscard]] double Distribution(double /*spacing*/) const override { return 1.0; }
    [[nodiscard]] double DistributedShare(double distribution) const override {
        return distribution;
    }
    /// A building load: no impact.
    [[nodiscard]] double Impact(double /*loadedLength*/, double /*span*/,
                                double /*spacing*/) const override {
        return 0.0;
    }
};

const DesignCode& AciRules() {
    static const AciCode code;
    return code;
}

}  // namespace tarnex
