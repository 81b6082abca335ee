#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/input_presenter.h"

namespace tarnex::ui::testing {

/// A desktop without a display: file dialogs answer from a script, the rest is recorded.
class ScriptedShell : public ShellPort {
  public:
    std::optional<std::string> ChooseOpenFile(const std::string& filters, int) override {
        return Next(filters);
    }
    std::optional<std::string> ChooseSaveFile(const std::string& filters, int) override {
        return Next(filters);
    }
    void SetBusy(bool busy) override { busyCalls.push_back(busy); }
    void ShowReport(const std::string& path) override { shownReports.push_back(path); }
    void HideOutputDialog() override { ++hides; }

    std::deque<std::optional<std::string>> files;
    std::vector<std::string> filterLists;
    std::vector<bool> busyCalls;
    std::vector<std::string> shownReports;
    int hides = 0;

  private:
    std::optional<std::string> Next(const std::string& filters) {
        filterLists.push_back(filters);
        if (files.empty()) return std::nullopt;
        auto file = files.front();
        files.pop_front();
        return file;
    }
};

}  // namespace tarnex::ui::testing
