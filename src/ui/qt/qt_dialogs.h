#pragma once

#include <QWidget>
#include <optional>

#include "model/dialogs.h"

namespace tarnex::ui {

/// Message boxes, Yes/No questions, the input box and the beep on the desktop.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void Beep() override;
    bool AskYesNoDefaultYes(const std::string& text, const std::string& title) override;
    SaveChoice AskSaveChanges(const std::string& text) override;

  private:
    QWidget* parent_;
};

/// The application title used by message boxes without a title of their own.
inline constexpr const char* kApplicationTitle = "TARNEX";

/// A message text with its carriage returns turned into line breaks.
QString MessageText(const std::string& text);

/// A message of "label = value" lines laid out in two columns (labels padded, values right
/// aligned) for a monospaced font; nothing for any other message.
std::optional<QString> AlignedValues(const std::string& text);

}  // namespace tarnex::ui
