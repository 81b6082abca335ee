#pragma once

#include <QString>
#include <iostream>

#include "model/dialogs.h"

namespace tarnex::ui {

class MainWindow;

/// Dialogs for an unattended run: messages go to stderr, questions are answered No.
class LoggingDialogs : public Dialogs {
  public:
    void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
    bool AskYesNo(const std::string& text, const std::string&) override {
        std::cerr << text << " -> No\n";
        return false;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void Beep() override {}
};

/// Opens the diagrams of the loaded design and saves a picture of each tab as
/// PREFIX + the diagram's key + ".png".
void SaveDiagramScreenshots(MainWindow& window, const QString& folder, const QString& prefix);

/// Writes the report of the loaded design next to the pictures, then saves a picture of each
/// tab, the output options dialog, the report viewer, the diagrams, the help window and the
/// about box.
void SaveScreenshots(MainWindow& window, const QString& folder);

}  // namespace tarnex::ui
