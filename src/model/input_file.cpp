#include "model/input_file.h"

#include <stdexcept>

namespace tarnex {

bool WriteInputFile(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
bool ReadInputFile(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
