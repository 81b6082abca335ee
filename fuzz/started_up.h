#pragma once

// What every fuzz target starts from: the design as the program starts, made once.

#include <memory>
#include <string>

#include "model/design_data.h"
#include "model/dialogs.h"
#include "model/setting_handlers.h"

namespace tarnex::fuzzing {

/// Dialogs that answer every question No and drop every message.
class SilentDialogs : public Dialogs {
  public:
    void ShowMessage(const std::string& /*text*/) override {}
    bool AskYesNo(const std::string& /*text*/, const std::string& /*title*/) override {
        return false;
    }
    std::string InputBox(const std::string& /*prompt*/, const std::string& /*title*/,
                         const std::string& /*defaultText*/) override {
        return {};
    }
    void Beep() override {}
};

/// The design as the program starts, made once.
inline const ProgramState& StartedUp() {
    static const std::unique_ptr<ProgramState> state = [] {
        auto started = std::make_unique<ProgramState>();
        SilentDialogs dialogs;
        RunStartUp(*started, dialogs);
        return started;
    }();
    return *state;
}

}  // namespace tarnex::fuzzing
