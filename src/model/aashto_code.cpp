#include <algorithm>
#include <cmath>

#include "model/design_code.h"
#include "model/design_data.h"
#include "model/root_allowable.h"

namespace tarnex {

/// AASHTO Standard Specifications (1996).
class AashtoCode final : public DesignCode {
  public:
    /// AASHTO 9.15.2.1: 0.60 f'ci (0.55 f'ci post-tensioned) and 3 sqrt(f'ci).
    [[nodiscard]] AllowableStresses InitialAllowables(Prestressing prestressing,
                                                      float CSps) const override {
        return ShareAndRoot(prestressing == Prestressing::PostTensioning ? 0.55 : 0.6, 3.0, CSps);
    }
    /// AASHTO 9.15.2.2: 0.40 f'c and 6 sqrt(f'c).
    [[nodiscard]] AllowableStresses FinalAllowables(float CS28) const override {
        return ShareAndRoot(0.4, 6.0, CS28);
    }
    [[nodiscard]] float DefaultConcreteStrength() const override { return 4000.0F; }
    [[nodiscard]] std::optional<double> PretensionedStressShare() const override { return {}; }
    /// AASHTO 9.14: 1.0 plant-made pretensioned, 0.95 post-tensioned.
    [[nodiscard]] double FlexurePhi(Prestressing prestressing) const override {
        return prestressing == Prestressing::Pretensioning ? 1.0 : 0.95;
    }
    /// AASHTO 9.14: 0.90 for shear.
    [[nodiscard]] double ShearPhi() const override { return 0.90; }
    /// AASHTO 3.22 group I: 1.3 and 1.3 x 1.67.
    [[nodiscard]] LoadFactors GeneratedLoadFactors() const override { return {1.3F, 2.17F}; }
    [[nodiscard]] bool ChecksLiveLoadCompression() const override { return true; }
    [[nodiscard]] LiveLoad DefaultLiveLoad() const override { return {LiveLoadKind::HS20, 0}; }
    /// AASHTO 3.23.2: S / 5.5 wheel lines, S in feet.
    [[nodiscard]] double Distribution(double spacing) const override {
        return spacing / kInchesPerFoot / 5.5;
    }
    /// One wheel line is half a lane.
    [[nodiscard]] double DistributedShare(double distribution) const override {
        return distribution / 2;
    }
    /// AASHTO 3.8.2.1: I = 50 / (L + 125), L in feet, at most 30 %.
    [[nodiscard]] double Impact(double loadedLength, double /*span*/,
                                double /*spacing*/) const override {
        return std::min(0.30, 50.0 / (std::max(0.0, loadedLength) / kInchesPerFoot + 125.0));
    }
};

const DesignCode& AashtoRules() {
    static const AashtoCode code;
    return code;
}

}  // namespace tarnex
