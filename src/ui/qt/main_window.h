#pragma once

#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/design_data.h"
#include "model/input_fields.h"
#include "ui/input_presenter.h"
#include "ui/qt/qt_dialogs.h"

class QDragEnterEvent;
class QDropEvent;
class QFormLayout;
class QMenu;
class QGridLayout;
class QLineEdit;

namespace tarnex::ui {

class Autosave;
class ChecksDock;
class DiagramsWindow;
class LoadTableModel;
class LiveCalculation;
struct LiveRun;

/// The main window `frminput`: six tabs, menus and status bar, mirroring the presenter. Each
/// widget's objectName is its control name; events go to the presenter and the window is
/// then brought in line with the presenter's state.
class MainWindow : public QMainWindow, private ShellPort {
    Q_OBJECT

  public:
    /// `dialogs` answers the core's messages and questions; `shell` (when given) replaces the
    /// window's own file dialogs and report viewer, for tests.
    MainWindow(ProgramState& state, Dialogs& dialogs, ShellPort* shell = nullptr);
    ~MainWindow() override;

    InputPresenter& presenter() { return presenter_; }
    /// Start-up: factors, defaults, tooltips and refresh, then the window centred.
    void StartUp();
    /// Brings every widget in line with the presenter.
    void Sync();
    QDialog* outputDialog() { return outputDialog_; }
    QDialog* aboutBox();
    QDialog* helpWindow();
    QDialog* reportViewer() { return reportViewer_; }
    /// Loads an input file as "&Load Input File" does, without the file dialog.
    void LoadInputFile(const std::string& path);
    /// Opens the output options dialog, centred.
    void ShowOutputDialog();
    /// Opens "Generate Loads" (window-modal); OK generates through the core and shows
    /// location 1 on the Loads tab.
    void ShowLoadGenerationDialog();
    QDialog* loadGenerationDialog() { return loadGenerationDialog_; }
    /// "Design": asks the relative humidity (kept until the program closes), designs the
    /// prestress in one step and shows its summary and the checks summary.
    void ShowDesignDialog();
    /// Opens "Load Rating" (window-modal): the rating vehicles and limits of the run.
    void ShowRatingDialog();
    QDialog* ratingDialog() { return ratingDialog_; }
    /// Opens the help window at a topic page.
    void ShowHelpTopic(const QString& topic);
    /// View ▸ Diagrams: calculates the results and shows them along the beam.
    void ShowDiagrams();
    DiagramsWindow* diagramsWindow() { return diagrams_; }
    /// Save ▸ Results as CSV.
    void SaveResults();
    /// The checks summary dock, which follows the live results.
    ChecksDock* checksDock() { return checks_; }
    /// Shows location `location` (from 1) on the Loads tab and marks its x (in) in the open
    /// diagrams.
    void ShowLocation(int location, double x);
    /// Waits until the live results of the design as it stands are in (tests, screenshots).
    void WaitForLiveResults();
    /// Runs a command of the window through the presenter: one step of the undo history when
    /// it changes the design, its errors shown, then the window brought in line.
    void Run(const std::function<void()>& action);
    /// Opens a file of the recent files list or dropped on the window.
    void OpenFile(const QString& path);
    /// The writer of the recovery file (none until EnableAutosave).
    Autosave* autosave() { return autosave_.get(); }
    /// Writes the recovery file at most every `intervalMs` after a change (the window of the
    /// program; the tests and the batch run without).
    void EnableAutosave(int intervalMs);
    /// At start-up: offers to recover the design of a session that ended without closing;
    /// true when a design was recovered.
    bool OfferRecovery();
    LoadTableModel* loadTable() { return loadTable_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Closing the window (Exit or the title bar) offers to save a changed design first.
    void closeEvent(QCloseEvent* event) override;
    /// A design file dragged onto the window is opened when dropped.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // ShellPort
    std::optional<std::string> ChooseOpenFile(const std::string& filters, int selected) override;
    std::optional<std::string> ChooseSaveFile(const std::string& filters, int selected) override;
    void SetBusy(bool busy) override;
    void ShowReport(const std::string& path) override;
    void HideOutputDialog() override;

    void BuildTabs();
    void BuildMenus();
    void BuildOutputDialog();
    QWidget* BuildOptionsTab();
    QWidget* BuildMaterialsTab();
    QWidget* BuildSectionTab();
    QWidget* BuildLoadsTab();
    QWidget* BuildAllowablesTab();
    QWidget* BuildConfigurationTab();
    /// A row of `form`: the field's label and its box.
    QLineEdit* AddBox(QFormLayout* form, const std::string& name);
    /// A row of `form` for each box of an input file line, in item order.
    void AddLineBoxes(QFormLayout* form, int line);
    /// A text box named `name` with its unit label beside it, in a field widget.
    QWidget* MakeBox(const std::string& name, QWidget* parent, bool withUnit = true);
    void SyncField(const std::string& name, QLineEdit* box, const ControlState& c);
    template <typename W>
    W* Named(W* widget, const std::string& name);
    /// Runs `action` from the event loop once the event being handled is done: questions are
    /// never shown from inside a shortcut, menu or focus change.
    void RunQueued(const std::function<void()>& action);
    void BuildFileMenu();
    void BuildEditMenu();
    void ShowRecentFiles();
    /// Undo or redo by key in a text box: the box's own edits first, then the design's.
    bool PassUndoKey(QObject* watched, QEvent* event);
    /// After an edit: recalculates a copy of the design off the interface thread unless the
    /// kept results are those of the design as it stands.
    void RequestLiveResults();
    /// New live results: kept, listed in the checks dock and drawn in the open diagrams.
    void ShowLiveResults(LiveRun& run);
    /// The file dialog of Open or Save As; remembers the chosen file for the next one.
    std::optional<std::string> ChooseFile(bool save, const std::string& filters, int selected);
    /// The file dialogs and viewers in use: the test's shell or the window itself.
    ShellPort& Shell();

    ProgramState& state_;
    ShellPort* shell_;
    InputPresenter presenter_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QWidget*> fields_;  ///< box name -> box with its unit label
    std::map<std::string, QLabel*> units_;
    QDialog* outputDialog_ = nullptr;
    QDialog* aboutBox_ = nullptr;
    QDialog* helpWindow_ = nullptr;
    QDialog* reportViewer_ = nullptr;
    DiagramsWindow* diagrams_ = nullptr;
    QDialog* loadGenerationDialog_ = nullptr;
    QDialog* ratingDialog_ = nullptr;
    ChecksDock* checks_ = nullptr;
    double designHumidity_ = 70;  // percent, for the one-step design
    std::string lastFile_;
    bool syncing_ = false;
    LoadTableModel* loadTable_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::vector<std::string> recentShown_;
    std::unique_ptr<Autosave> autosave_;
    std::unique_ptr<LiveCalculation> live_;  ///< last: ends first, before what it reports to
};

/// Help pages of the six tabs, in tab order (F1 shows the page of the current tab).
inline constexpr const char* kTabHelpPages[] = {"ProgramOptions.htm",     "MaterialProperties.htm",
                                                "SectionProperties.htm",  "Loads.htm",
                                                "AllowStressAndLoss.htm", "Configuration.htm"};

/// The window label of an input field, by its box or its record field.
QString FieldLabel(const std::string& box);
QString FieldLabel(const InputMember& member);

/// The tooltip of a unit label: the unit in words.
QString UnitTooltip(const QString& unit);

/// Centres a window on its screen: left = (screen width - width) / 2, likewise the top.
void CentreOnScreen(QWidget* window);

/// Qt file dialog filters from the "Name (*.x)|*.x|..." form.
QStringList QtFilters(const std::string& filters);

}  // namespace tarnex::ui
