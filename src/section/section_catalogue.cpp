#include "section/section_catalogue.h"

#include <stdexcept>

namespace tarnex {

const std::vector<std::string>& BeamShapeTexts() { throw std::logic_error("not implemented"); }
std::vector<std::string> SectionListTexts(int) { throw std::logic_error("not implemented"); }
std::string SectionListText(int, int) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
