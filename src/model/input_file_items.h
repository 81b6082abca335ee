#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tarnex {

/// A fault in an input file: a missing item, a word where a number is due, a count out of range.
class InputFileError : public std::runtime_error {
  public:
    explicit InputFileError(const std::string& what) : std::runtime_error(what) {}
};

/// Reads the items of an input file in order. A comma or a line end ends an item; blanks and
/// tabs around an item are ignored; a keyword may stand with or without double quotes; blank
/// lines are skipped. Any fault throws InputFileError naming its line.
class InputItems {
  public:
    explicit InputItems(const std::string& text) : text_(text) {}

    /// The next item as a keyword, without its quotes.
    std::string Keyword();
    /// The next item as a 32-bit real.
    float Real();
    /// The next item as an integer.
    int Integer();
    /// The line (counted from 1) on which the last item read begins.
    [[nodiscard]] int Line() const;
    /// An InputFileError whose text names the line of the last item read.
    [[nodiscard]] InputFileError ErrorAtLine(const std::string& fault) const;

  private:
    struct Item {
        std::string text;
        bool quoted = false;
    };
    Item Next();
    [[nodiscard]] bool AtLineEnd() const;
    void SkipBlanks();

    const std::string& text_;
    std::size_t pos_ = 0;
    std::size_t itemStart_ = 0;
    bool afterComma_ = false;
};

}  // namespace tarnex
