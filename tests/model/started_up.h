#pragma once

#include "model/setting_handlers.h"
#include "support/scripted_dialogs.h"

namespace tarnex::testing {

/// The design as the program starts: English, AASHTO, pretensioned, the code defaults.
inline ProgramState StartedUp() {
    ProgramState state;
    ScriptedDialogs dialogs;
    RunStartUp(state, dialogs);
    return state;
}

}  // namespace tarnex::testing
