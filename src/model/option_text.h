#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnex {

// The text of command options and vehicle names, as the batch and the dialogs read them.

/// The items of a comma-separated list, blanks kept; one empty item for an empty list.
std::vector<std::string> SplitCommaList(std::string_view list);

/// The text in capitals without its blanks and tabs ("hs20-44 " -> "HS20-44").
std::string UpperWithoutBlanks(std::string_view text);

}  // namespace tarnex
