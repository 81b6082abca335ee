#include "report/report_writer.h"

#include <stdexcept>

namespace tarnex {

bool WriteReport(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
bool RunCalculation(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
