#pragma once

#include <gtest/gtest.h>

#include <string>

#include "scripted_shell.h"
#include "support/scripted_dialogs.h"
#include "ui/input_presenter.h"

namespace tarnex::ui::testing {

/// The window after start-up: English, AASHTO, pretensioning, the code defaults.
class PresenterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        presenter.StartUp();
        dialogs.messages.clear();
        dialogs.questions.clear();
    }
    std::string Text(const std::string& name) { return presenter[name].text; }
    /// The user's edit of a box, as the window reports it.
    void Type(const std::string& box, const std::string& text) { presenter.TextEdited(box, text); }
    /// A number of locations typed and confirmed with Enter.
    void EnterCount(const std::string& text) {
        presenter.TextEdited("txtnll", text);
        presenter.Confirm("txtnll");
    }

    ProgramState state;
    tarnex::testing::ScriptedDialogs dialogs;
    ScriptedShell shell;
    InputPresenter presenter{state, dialogs, &shell};
    DesignData& data = state.data;
};

}  // namespace tarnex::ui::testing
