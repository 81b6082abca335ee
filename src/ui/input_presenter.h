#pragma once

#include <optional>
#include <string>
#include <utility>

#include "model/design_data.h"
#include "model/dialogs.h"
#include "model/setting_handlers.h"
#include "ui/live_results.h"
#include "ui/recent_files.h"
#include "ui/undo_history.h"
#include "ui/window_state.h"

namespace tarnex::ui {

/// What the presenter needs from the desktop beyond message boxes: file dialogs, the busy
/// window, the report viewer and the output options dialog.
class ShellPort {
  public:
    virtual ~ShellPort() = default;
    /// An open-file dialog; `filters` in the form "All Files (*.*)|*.*|...", `selected` the
    /// 1-based filter shown first. Nothing when cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& filters, int selected) = 0;
    /// The save-file dialog, same arguments.
    virtual std::optional<std::string> ChooseSaveFile(const std::string& filters, int selected) = 0;
    /// Disables the window with the busy cursor (true) or enables it again (false).
    virtual void SetBusy(bool busy) = 0;
    /// Shows the report file in the program's read-only viewer.
    virtual void ShowReport(const std::string& path) = 0;
    /// Hides the output options dialog.
    virtual void HideOutputDialog() = 0;
};

/// File dialog filters of the input file commands and of the report file command.
inline constexpr const char* kInputFilters =
    "All Files (*.*)|*.*|Input Files (*.in)|*.in|Text Files (*.txt)|*.txt";
inline constexpr const char* kOutputFilters =
    "All Files (*.*)|*.*|Output Files (*.out)|*.out|Text Files (*.txt)|*.txt";

/// The input window without a display: the state of every control by name, one handler per
/// event, the form refresh, the tooltips and the menu commands. It is the core's Dialogs: it
/// forwards message boxes, questions, input boxes and beeps to `outer` and performs the two
/// window calls itself.
class InputPresenter : public Dialogs {
  public:
    InputPresenter(ProgramState& state, Dialogs& outer, ShellPort* shell = nullptr);

    WindowState& window() { return window_; }
    [[nodiscard]] const WindowState& window() const { return window_; }
    ControlState& operator[](const std::string& name) { return window_.Get(name); }
    ProgramState& state() { return state_; }
    DesignData& data() { return state_.data; }

    // Events of the input window.
    /// The user changed the text of a text box (typing, pasting, deleting): the field is
    /// stored when the whole text is a number it can hold, otherwise the box is marked and
    /// the field keeps its value. Navigation and refreshes never come here.
    void TextEdited(const std::string& box, const std::string& text);
    /// Enter pressed in, or focus leaving, a text box: applies an edited number of locations.
    void Confirm(const std::string& box);
    /// Applies an edited number of locations before the user moves on (step buttons, another
    /// tab, a calculation, a file command).
    void CommitPendingCount();
    /// A click on an option button, the composite check box or a command button. For a check
    /// box `checked` is its new state.
    void Click(const std::string& control, bool checked = true);
    /// A click on row `row` of a list.
    void SelectRow(const std::string& list, int row);
    /// Shows load location `location` (from 1) in the location boxes, as the step buttons do;
    /// a number outside the locations is ignored.
    void GoToLocation(int location);

    // Shell commands.
    void StartUp();
    void LoadInput();
    /// Loads an input file as "&Load Input File" does once the dialog has given its path.
    void LoadInputFile(const std::string& path);
    /// Save As: the design to a file chosen in the save-file dialog; true when written.
    bool SaveInput();
    /// Save: the design to its own file without a dialog; a design without a file asks for a
    /// name as Save As does. True when written.
    bool Save();
    /// New: after the question about unsaved changes, the design the program starts with.
    void NewDesign();
    /// Opens a file named by the recent files list or dropped on the window, after the
    /// question about unsaved changes; a file that is gone is said so and leaves the list.
    void OpenFile(const std::string& path);
    /// The design files last opened or saved.
    RecentFiles& recentFiles() { return recent_; }
    /// Takes a recovered design (the text of the recovery file) as the design of `path`
    /// (empty: a new design), marked changed so that the user saves it where they choose.
    void RecoverDesign(const std::string& text, const std::string& path);
    /// While a box holds text that is not a number: says which box and what it holds, asks the
    /// window to give it the focus, and returns true (the command is to do nothing else).
    bool RefuseMarkedText();
    /// The box that is to get the focus (once), or empty.
    std::string TakeFocusRequest() { return std::exchange(focusRequest_, {}); }

    // Undo and redo: every command between BeginCommand and EndCommand that changes the
    // design is one step (keys typed into one box merge into one).
    void BeginCommand();
    void EndCommand();
    /// The next key typed into a box starts a step of its own (the focus moved).
    void BreakUndoMerge() { history_.BreakMerge(); }
    bool Undo();
    bool Redo();
    [[nodiscard]] bool CanUndo() const { return history_.CanUndo(); }
    [[nodiscard]] bool CanRedo() const { return history_.CanRedo(); }

    // The load table: `location` from 1, columns as LoadColumnHeader names them.
    /// Stores a typed cell by the typed-number rule; the reason when it was not stored.
    std::string SetLoadCell(int location, int column, const std::string& text);
    /// Pastes tab-separated rows from cell (`location`, `column`). Rows beyond the last
    /// location ask to add locations; a cell that is not a number refuses the whole paste.
    /// True when pasted.
    bool PasteLoads(int location, int column, const std::string& text);
    /// "&Save" > "&Output As"; true when a report file was chosen.
    bool ChooseReportFile();
    void ViewReport();
    void Reset(ResetCommand command);
    void AskOutputTitle();
    void CalculateOutput();
    /// "Design": the one-step design at `relativeHumidity` percent, its summary, and for a
    /// standard strand size the offer to use the whole strands.
    void DesignPrestress(double relativeHumidity);
    /// The results of every section of the design as it stands, for the diagrams and the CSV
    /// (the live ones when current); their messages shown, and nothing when the design cannot
    /// be calculated or the calculation failed.
    const DesignResults* ResultsToShow();
    /// Save ▸ Results as CSV: the results of every section, written as comma-separated values
    /// to the file chosen in the save-file dialog. The design's input file and its report file
    /// are refused. True when written.
    bool SaveResultsCsv();
    /// The last results of the design and the inputs they came from.
    LiveResults& liveResults() { return live_; }
    /// True when the design differs from the one last loaded, saved or started with, as the
    /// input file would hold it.
    [[nodiscard]] bool DesignChanged() const;
    /// Before a command that replaces or closes the design: when it changed, asks whether to
    /// save it first. False when the command is to stop (Cancel, or the save did not happen).
    bool OfferToSave();

    // Dialogs: forwarded to the outer dialogs.
    void ShowMessage(const std::string& text) override { outer_.ShowMessage(text); }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        return outer_.AskYesNo(text, title);
    }
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        return outer_.InputBox(prompt, title, defaultText);
    }
    void Beep() override { outer_.Beep(); }
    bool AskYesNoDefaultYes(const std::string& text, const std::string& title) override {
        return outer_.AskYesNoDefaultYes(text, title);
    }
    SaveChoice AskSaveChanges(const std::string& text) override {
        return outer_.AskSaveChanges(text);
    }

    /// Shows the design record in the window (all boxes, lists, pictures, frames).
    void RefreshForm() override;
    /// Sets the tooltips of the unit system in force and of the current beam shape.
    void SetTooltips() override;
    /// Brings the section tab in line with the beam shape and section number.
    void ShowSectionInputs();
    /// Tooltips and units of the dimension boxes that `shape` uses.
    void SetDimensionTooltips(BeamShapeKind shape);

  private:
    /// Writes a box from the design; a mark on the box goes with the text it was about.
    void SetBox(const std::string& name, const std::string& text) {
        ControlState& box = window_.Get(name);
        box.text = text;
        box.problem.clear();
    }
    void ShowValue(const std::string& name, float value);
    void ShowWhole(const std::string& name, float value);
    void ShowPicture(const std::string& array, int index);
    void SyncSettingButtons();
    void SyncOutputOptions();
    float* FieldOf(const std::string& box);
    float* LoadEntryOf(const std::string& box);
    [[nodiscard]] double UnitFactorOf(const std::string& box) const;
    void DeriveFrom(const std::string& box);
    void SetDerived(const std::string& box, float& field, std::optional<float> value,
                    bool whole = false);
    void MarkSaved();
    void SelectSteelType(int row);
    void SelectPathConfig(int row);
    void SetNumberOfLocations(const std::string& text);
    void StepLocation(int step);
    void PressButton(const std::string& button);
    void ShowLocation();

    /// Where a box is in the window: its tab and label, for a load box its location, row and
    /// column.
    std::string PlaceOfBox(const std::string& box) const;
    void ShowRestored(const DesignSnapshot& snapshot);

    ProgramState& state_;
    Dialogs& outer_;
    ShellPort* shell_;
    WindowState window_;
    LiveResults live_;
    bool countPending_ = false;  ///< txtnll edited and not yet applied
    std::string savedText_;      ///< input file text of the design as last loaded or saved
    /// The inputs that DesignChanged last compared with the saved text, and its answer.
    struct ChangeCheck {
        DesignData inputs;
        bool changed = false;
    };
    mutable std::optional<ChangeCheck> changeChecked_;
    RecentFiles recent_;
    UndoHistory history_;
    int commandDepth_ = 0;
    std::string mergeKey_;  ///< box and location of the keys typed in the running command
    std::string focusRequest_;
    /// The file the design was last read from or written to: Save writes only there (a file
    /// that failed to read is named in the window but never overwritten unasked).
    std::string ownFile_;
};

/// The unit named at the end of a tooltip ("... in lbs/in^2" gives "psi", "... in inches"
/// "in"); empty when the tooltip names none.
std::string UnitOfTooltip(const std::string& tooltip);

/// File dialog filters of the CSV command.
inline constexpr const char* kCsvFilters = "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*";

/// Text of status panel 1 and 2 before any file is chosen.
inline constexpr const char* kNoInputFile = "No input file specified";
inline constexpr const char* kNoOutputFile = "No output file specified";
/// The one message for a number of locations that cannot be applied.
inline constexpr const char* kCountRangeMessage =
    "The number of locations must be a number from 1 to 100,000";

}  // namespace tarnex::ui
