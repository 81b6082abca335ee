#include "model/setting_handlers.h"

#include <stdexcept>

namespace tarnex {

void SelectUnits(ProgramState&, Dialogs&, Units) { throw std::logic_error("not implemented"); }
void SelectDesignCriteria(ProgramState&, Dialogs&, DesignCriteria) { throw std::logic_error("not implemented"); }
void SelectPrestressing(ProgramState&, Dialogs&, Prestressing) { throw std::logic_error("not implemented"); }
void SelectSectionBasis(ProgramState&, Dialogs&, SectionBasis) { throw std::logic_error("not implemented"); }
void SelectComposite(ProgramState&, Dialogs&, bool) { throw std::logic_error("not implemented"); }
void RunStartUp(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
void RunResetCommand(ProgramState&, Dialogs&, ResetCommand) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
