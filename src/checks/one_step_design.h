#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/design_data.h"
#include "model/dialogs.h"

namespace tarnex {

/// Seven-wire strand: nominal diameter (in) and area (in^2).
struct StrandSize {
    double diameter = 0;
    double area = 0;
};

/// The nominal area of the seven-wire strand of `diameter` (in), or nothing for a diameter
/// that is not a standard size.
std::optional<StrandSize> StrandOfDiameter(double diameter);
/// The most strands the design counts: more is no beam but a wrong input.
inline constexpr int kMaxStrands = 100000;
/// The smallest whole number of strands of `area` whose total area reaches `steelArea`; 0 when
/// there is no steel or more than kMaxStrands strands would be needed.
int WholeStrands(double steelArea, double area);

/// How the one-step design ended.
enum class DesignEnd {
    Converged,     ///< force and losses settled
    NotConverged,  ///< still moving after the last pass
    Stopped        ///< a step refused or failed; its message says why
};

/// The outcome of the one-step design: the passes, the jacking force (lb) and steel area
/// (in^2) it settled on, and the whole strands that carry it.
struct DesignOutcome {
    DesignEnd end = DesignEnd::Stopped;
    int passes = 0;
    double jackingForce = 0;
    double steelArea = 0;
    std::optional<StrandSize> strand;  ///< nothing for a diameter out of the table
    int strands = 0;
    std::string stopMessage;  ///< the message of the step that stopped the design
};

inline constexpr int kMaxDesignPasses = 20;

/// Designs the prestress in one step from the design as it stands: the effective slab width
/// when composite, then losses, loss at transfer and the required force, pass after pass,
/// until the jacking force moves by less than 0.01 % and every loss by less than 1 psi. A
/// design without a force starts from the required force of the losses it holds. Changes what
/// the calculation buttons change and asks nothing they would not; their result messages are
/// not shown, a refusal or failure is.
DesignOutcome DesignInOneStep(ProgramState& state, double relativeHumidity, Dialogs& dialogs);

/// Sets the jacking force to `strands` whole strands of `strand` at the initial prestress and
/// runs the losses and the loss at transfer once more. False (with the message shown) when
/// the losses refuse or fail; the force then stays as it was.
bool UseWholeStrands(ProgramState& state, const StrandSize& strand, int strands, Dialogs& dialogs);

}  // namespace tarnex
