#include "section/section_properties.h"

#include <stdexcept>

namespace tarnex {

bool CalcSectionProperties(DesignData&, Dialogs&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
