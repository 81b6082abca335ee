#pragma once

#include <ostream>
#include <string>

#include "model/dialogs.h"

namespace tarnex {

/// The command line's dialogs: every message, question and input prompt goes to `err` as its
/// text (a carriage return as a line break); questions are answered No, input boxes cancelled.
class BatchDialogs : public Dialogs {
  public:
    explicit BatchDialogs(std::ostream& err) : err_(err) {}

    void ShowMessage(const std::string& text) override { Print(text); }
    bool AskYesNo(const std::string& text, const std::string& /*title*/) override {
        Print(text);
        return false;
    }
    std::string InputBox(const std::string& prompt, const std::string& /*title*/,
                         const std::string& /*defaultText*/) override {
        Print(prompt);
        return {};
    }
    void Beep() override {}

    /// Prints one text on its own line(s).
    void Print(const std::string& text);

  private:
    std::ostream& err_;
};

}  // namespace tarnex
