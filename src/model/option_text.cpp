#include "model/option_text.h"

#include <cctype>

namespace tarnex {

std::vector<std::string> SplitCommaList(std::string_view list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        items.emplace_back(
            list.substr(start, comma == std::string_view::npos ? list.npos : comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

std::string UpperWithoutBlanks(std::string_view text) {
    std::string upper;
    for (char c : text) {
        if (c != ' ' && c != '\t') {
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return upper;
}

}  // namespace tarnex
