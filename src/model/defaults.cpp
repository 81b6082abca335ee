#include "model/defaults.h"

#include <stdexcept>

namespace tarnex {

void ApplyProgramOptionDefaults(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
void ApplyMaterialDefaults(DesignData&) { throw std::logic_error("not implemented"); }
void ResetSection(DesignData&) { throw std::logic_error("not implemented"); }
void ResetLoads(DesignData&) { throw std::logic_error("not implemented"); }
void ApplyAllowableDefaults(ProgramState&) { throw std::logic_error("not implemented"); }
void ResetConfiguration(DesignData&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
