#include "prestress/buttons.h"

#include <stdexcept>

namespace tarnex {

ButtonResult PressCalcSectionProperties(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
ButtonResult PressCalcEffectiveSlabWidth(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
ButtonResult PressCalcTotalLosses(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
ButtonResult PressCalcLossAtTransfer(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
ButtonResult PressCalcPrestressForce(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
