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
    if (pos_ >= text_.size() && !afterComma_) {
        throw InputFileError("the file ends before all items were read");
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
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) {
            item.text += text_[pos_++];
        }
        std::size_t last = item.text.size();
        while (last > 0 && (item.text[last - 1] == ' ' || item.text[last - 1] == '\t')) --last;
        item.text.resize(last);
    }
    afterComma_ = pos_ < text_.size() && text_[pos_] == ',';
    if (afterComma_) ++pos_;
    return item;
}

std::string InputItems::Keyword() { return Next().text; }

float InputItems::Real() {
    const Item item = Next();
    const std::optional<float> value = item.quoted ? std::nullopt : ParseFileReal(item.text);
    if (!value) throw InputFileError("a number is due: \"" + item.text + "\"");
    return *value;
}

int InputItems::Integer() {
    const Item item = Next();
    const std::optional<int> value = item.quoted ? std::nullopt : ParseFileInteger(item.text);
    if (!value) throw InputFileError("a whole number is due: \"" + item.text + "\"");
    return *value;
}

}  // namespace tarnex
