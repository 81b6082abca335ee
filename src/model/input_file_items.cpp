#include "model/input_file_items.h"

#include <optional>

#include "model/number_text.h"

namespace tarnex {

bool InputItems::AtLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void InputItems::SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

InputItems::Item InputItems::Next() {
    SkipBlanks();
    if (!afterComma_) {
        // A new item after a line end: blank lines before it do not count.
        while (AtLineEnd()) {
            ++pos_;
            SkipBlanks();
        }
    }
    itemStart_ = pos_;
    if (pos_ >= text_.size() && !afterComma_) {
        throw ErrorAtLine("the file ends before all items were read");
    }
    Item item;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        item.quoted = true;
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !AtLineEnd()) {
            item.text += text_[pos_++];
        }
        if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
        // Anything between the closing quote and the separator is not part of the item.
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
    } else {
        const std::size_t first = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) ++pos_;
        std::size_t last = pos_;
        while (last > first && (text_[last - 1] == ' ' || text_[last - 1] == '\t')) --last;
        item.text.assign(text_, first, last - first);
    }
    afterComma_ = pos_ < text_.size() && text_[pos_] == ',';
    if (afterComma_) ++pos_;
    return item;
}

std::string InputItems::Keyword() { return Next().text; }

namespace {

/// Why an item is no number: a quoted text, or a text that is no number the file may hold
/// (a word, trailing letters, a fraction for a whole number, a real beyond the 32-bit range).
std::string NotANumber(const std::string& text, bool quoted, bool whole) {
    const std::string number = whole ? "whole number" : "number";
    if (quoted) return "a " + number + " is due, not the quoted text \"" + text + "\"";
    return "\"" + text + "\" is not a valid " + number;
}

}  // namespace

float InputItems::Real() {
    const Item item = Next();
    const std::optional<float> value = item.quoted ? std::nullopt : ParseFileReal(item.text);
    if (!value) throw ErrorAtLine(NotANumber(item.text, item.quoted, false));
    return *value;
}

int InputItems::Integer() {
    const Item item = Next();
    const std::optional<int> value = item.quoted ? std::nullopt : ParseFileInteger(item.text);
    if (!value) throw ErrorAtLine(NotANumber(item.text, item.quoted, true));
    return *value;
}

int InputItems::Line() const {
    // Only counted when a fault is reported: CR LF, LF and a lone CR each end a line.
    int line = 1;
    for (std::size_t i = 0; i < itemStart_ && i < text_.size(); ++i) {
        if (text_[i] == '\n' ||
            (text_[i] == '\r' && (i + 1 == text_.size() || text_[i + 1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

InputFileError InputItems::ErrorAtLine(const std::string& fault) const {
    return InputFileError("line " + std::to_string(Line()) + ": " + fault);
}

}  // namespace tarnex
