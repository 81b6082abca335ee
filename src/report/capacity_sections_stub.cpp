#include <stdexcept>

#include "report/capacity_sections.h"

namespace tarnex {

void WriteMomentCapacity(ReportFile&, ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
void WriteDeflections(ReportFile&, ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
void WriteShearCapacity(ReportFile&, ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
