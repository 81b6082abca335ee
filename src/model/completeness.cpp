#include "model/completeness.h"

#include <stdexcept>

namespace tarnex {

void CheckInputComplete(DesignData&, Dialogs&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
