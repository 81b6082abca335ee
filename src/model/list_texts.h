#pragma once

#include <array>
#include <string>

namespace tarnex {

/// Texts of the prestressing steel type list (PStype 0, 1).
inline const std::array<std::string, 2> kSteelTypeTexts = {"Stress relieved strand",
                                                           "Low relaxation strand"};
/// Texts of the prestress path list (PathConfig 0..5).
inline const std::array<std::string, 6> kPathConfigTexts = {"Straight",
                                                            "Harped",
                                                            "Simple-Simple Parabolic",
                                                            "Simple-Fixed Parabolic",
                                                            "Fixed-Simple Parabolic",
                                                            "Fixed-Fixed Parabolic"};

/// The list text of an index, empty for an index outside the list.
template <std::size_t N>
std::string ListText(const std::array<std::string, N>& texts, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? texts[static_cast<std::size_t>(index)]
               : std::string();
}

}  // namespace tarnex
