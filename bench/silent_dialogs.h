#pragma once

#include <string>

#include "model/dialogs.h"

namespace tarnex::bench {

/// Dialogs that answer nothing and count the messages (a benchmark shows none).
class SilentDialogs : public tarnex::Dialogs {
  public:
    void ShowMessage(const std::string&) override { ++messages; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    void Beep() override {}
    int messages = 0;
};

}  // namespace tarnex::bench
