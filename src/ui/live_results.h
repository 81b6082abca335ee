#pragma once

#include <optional>

#include "checks/design_results.h"
#include "model/design_data.h"

namespace tarnex::ui {

/// The last results of the window's design, with the inputs they were computed from, so that
/// the report, the diagrams, the CSV and the checks summary read one calculation. Results are
/// used only while the design is exactly the one they came from.
class LiveResults {
  public:
    /// The results of `state` for the sections of `output`: the kept ones when they were
    /// computed from this very design and hold those sections, a new calculation otherwise
    /// (kept when it covers every section).
    const DesignResults& For(const ProgramState& state, const OutputOptions& output);
    /// Keeps results of every section computed elsewhere (off the interface thread) from
    /// `inputs`.
    void Keep(const ProgramState& inputs, DesignResults results);
    /// The kept results when they belong to `state` as it stands; nothing otherwise.
    [[nodiscard]] const DesignResults* CurrentFor(const ProgramState& state) const;
    /// The kept results, current or not; nothing before the first calculation.
    [[nodiscard]] const DesignResults* Latest() const { return kept_ ? &kept_->results : nullptr; }

  private:
    struct Kept {
        ProgramState inputs;
        DesignResults results;
    };
    std::optional<Kept> kept_;
    std::optional<DesignResults> other_;  ///< a calculation for fewer sections
};

}  // namespace tarnex::ui
