#pragma once

#include <string>

namespace tarnex {

/// The answer to "save the changes first?": save, go on without saving, or stop the command.
enum class SaveChoice { Save, Discard, Cancel };

/// The one seam through which the core talks to the user: message boxes, Yes/No questions,
/// input boxes, the beep, and the two window calls that the setting handlers make.
/// The window implements it with Qt, the batch command on stderr, the tests with a script.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    /// A message box with the OK button only. A carriage return (char 13) breaks the line.
    virtual void ShowMessage(const std::string& text) = 0;
    /// A Yes/No question with a question icon, No being the default. True for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
    /// An input box; Cancel returns the empty text.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    virtual void Beep() = 0;
    /// A Yes/No question whose default button is Yes, for an offer the user mostly takes.
    virtual bool AskYesNoDefaultYes(const std::string& text, const std::string& title) {
        return AskYesNo(text, title);
    }
    /// Asks whether to save a changed design before it is replaced or closed; without a
    /// desktop the command is cancelled, so nothing is lost.
    virtual SaveChoice AskSaveChanges(const std::string& /*text*/) { return SaveChoice::Cancel; }

    /// Shows the design record in the window; nothing until a window exists.
    virtual void RefreshForm() {}
    /// Sets the tooltips of the unit system in force; nothing until a window exists.
    virtual void SetTooltips() {}
};

/// The carriage return that separates the lines of a message.
inline constexpr char kMessageLineBreak = '\r';

/// The message of a calculation that failed: "Error in calculations" and the cause below it.
inline std::string CalculationErrorText(const std::string& cause) {
    return std::string("Error in calculations") + kMessageLineBreak + cause;
}

}  // namespace tarnex
