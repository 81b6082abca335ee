#include "checks/one_step_design.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/calc_error.h"
#include "prestress/buttons.h"

namespace tarnex {

namespace {

/// ASTM A416 seven-wire strand, with the special 0.52 and 0.62 in sizes.
constexpr std::array<StrandSize, 7> kStrands = {{{0.375, 0.085},
                                                 {0.4375, 0.115},
                                                 {0.5, 0.153},
                                                 {0.52, 0.167},
                                                 {0.6, 0.217},
                                                 {0.62, 0.231},
                                                 {0.7, 0.294}}};

/// The dialogs of the passes: the buttons' result messages are kept, not shown; nothing is
/// asked (the humidity is set before the passes).
class QuietDialogs : public Dialogs {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void Beep() override {}
    std::vector<std::string> messages;
};

/// The values a pass moves: the jacking force and the losses.
struct PassValues {
    double pjack = 0;
    std::array<double, 6> losses{};
};

PassValues ValuesOf(const DesignData& d) {
    return {d.Pjack, {d.SH, d.ES, d.CRc, d.CRs, d.PSloss, d.PStrans}};
}

/// Settled: the force moved by less than 0.01 % and every loss by less than 1 psi.
bool Settled(const PassValues& before, const PassValues& after) {
    if (!(std::fabs(after.pjack - before.pjack) < 1e-4 * std::fabs(after.pjack))) return false;
    for (std::size_t k = 0; k < before.losses.size(); ++k) {
        if (!(std::fabs(after.losses[k] - before.losses[k]) < 1.0)) return false;
    }
    return true;
}

/// Runs one button quietly; a refusal or failure shows its messages and stops the design.
template <typename Button>
bool Press(Button button, ProgramState& state, Dialogs& dialogs, DesignOutcome& outcome) {
    QuietDialogs quiet;
    const ButtonResult result = button(state, quiet);
    if (result.result == StepResult::Done) return true;
    for (const std::string& message : quiet.messages) dialogs.ShowMessage(message);
    outcome.end = DesignEnd::Stopped;
    outcome.stopMessage = quiet.messages.empty() ? std::string() : quiet.messages.back();
    return false;
}

}  // namespace

std::optional<StrandSize> StrandOfDiameter(double diameter) {
    for (const StrandSize& strand : kStrands) {
        if (std::fabs(diameter - strand.diameter) < 5e-4) return strand;
    }
    return std::nullopt;
}

int WholeStrands(double steelArea, double area) {
    if (!(area > 0) || !(steelArea > 0)) return 0;
    const double estimate = std::ceil(steelArea / area);
    if (!(estimate <= kMaxStrands)) return 0;
    int n = static_cast<int>(estimate);
    while (n > 1 && (n - 1) * area >= steelArea) --n;
    while (n * area < steelArea) ++n;
    return n;
}

DesignOutcome DesignInOneStep(ProgramState& state, double relativeHumidity, Dialogs& dialogs) {
    DesignOutcome outcome;
    state.RH = Store(relativeHumidity, "the relative humidity");
    if (state.data.Composite && !Press(PressCalcEffectiveSlabWidth, state, dialogs, outcome)) {
        return outcome;
    }
    // A first force from the losses the design holds.
    if (!(state.data.Pjack > 0.0F) && !Press(PressCalcPrestressForce, state, dialogs, outcome)) {
        return outcome;
    }
    outcome.end = DesignEnd::NotConverged;
    while (outcome.passes < kMaxDesignPasses) {
        const PassValues before = ValuesOf(state.data);
        ++outcome.passes;
        if (!Press(PressCalcLossAtTransfer, state, dialogs, outcome) ||
            !Press(PressCalcPrestressForce, state, dialogs, outcome)) {
            return outcome;
        }
        if (Settled(before, ValuesOf(state.data))) {
            outcome.end = DesignEnd::Converged;
            break;
        }
    }
    const DesignData& d = state.data;
    outcome.jackingForce = d.Pjack;
    // The steel area as the required force button keeps it: a single-precision value.
    outcome.steelArea = Store(Divide(d.Pjack, d.PSi, "the initial prestress"), "the steel area");
    outcome.strand = StrandOfDiameter(d.PSdia);
    if (outcome.strand) outcome.strands = WholeStrands(outcome.steelArea, outcome.strand->area);
    return outcome;
}

bool UseWholeStrands(ProgramState& state, const StrandSize& strand, int strands, Dialogs& dialogs) {
    ProgramState work = state;
    work.data.Pjack = Store(strands * strand.area * work.data.PSi, "the jacking force");
    DesignOutcome outcome;
    if (!Press(PressCalcLossAtTransfer, work, dialogs, outcome)) return false;
    state = std::move(work);
    return true;
}

}  // namespace tarnex
