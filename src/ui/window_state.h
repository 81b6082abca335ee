#pragma once

#include <map>
#include <string>
#include <vector>

namespace tarnex::ui {

/// What the window shows of one control: the view mirrors these, the handlers write them.
struct ControlState {
    std::string text;  ///< text box contents, label, frame or status panel text
    std::string tooltip;
    std::string problem;  ///< why the typed text was not stored; empty when it was
    std::string unit;     ///< unit shown beside a text box
    bool enabled = true;
    bool visible = true;
    bool checked = false;            ///< option buttons and check boxes
    std::vector<std::string> items;  ///< list entries
    int selection = -1;              ///< selected list row, -1 for none
};

/// The controls of the window by name (txtBUW, cboBeam, optAASHTO, lblD, fraLocation, ...).
/// Asking for a name that was never added throws std::out_of_range, so a misspelt control
/// name is found at once instead of silently creating a control nobody shows.
class WindowState {
  public:
    void Add(const std::string& name) { controls_[name]; }
    [[nodiscard]] bool Has(const std::string& name) const { return controls_.count(name) != 0; }
    ControlState& Get(const std::string& name) { return controls_.at(name); }
    [[nodiscard]] const ControlState& Get(const std::string& name) const {
        return controls_.at(name);
    }
    [[nodiscard]] const std::map<std::string, ControlState>& All() const { return controls_; }

  private:
    std::map<std::string, ControlState> controls_;
};

}  // namespace tarnex::ui
