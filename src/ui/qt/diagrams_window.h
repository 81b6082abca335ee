#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "model/design_data.h"
#include "model/dialogs.h"
#include "ui/input_presenter.h"
#include "ui/qt/diagram_model.h"

class QLabel;
class QTabWidget;

namespace tarnex::ui {

class DiagramView;

/// The diagrams window (View ▸ Diagrams): one tab per diagram of the last results, each
/// exported as PNG or SVG through the save-file dialog.
class DiagramsWindow : public QDialog {
    Q_OBJECT

  public:
    /// `state` names the design's files, which an export never overwrites.
    DiagramsWindow(const ProgramState& state, Dialogs& dialogs, ShellPort& shell,
                   QWidget* parent = nullptr);

    /// Replaces the diagrams by those of `results`, keeping the tab shown and the marked
    /// location.
    void SetResults(const DesignResults& results);
    /// Removes the diagrams of a design that cannot be calculated any more and says why.
    void ShowUnavailable(const QString& why);
    /// Marks the location at `x` (ft) in every diagram; the feasibility diagram moves to the
    /// location nearest it, of `results` when they are given.
    void MarkLocation(double x, const DesignResults* results);
    /// The note over the tabs: why there are no diagrams; empty when they are shown.
    QString unavailable() const;
    int count() const { return static_cast<int>(views_.size()); }
    DiagramView* view(int index) const { return views_.at(static_cast<std::size_t>(index)); }
    QTabWidget* tabs() const { return tabs_; }

    /// Writes diagram `index` to `path` as PNG or SVG (by `svg`); the design's input and report
    /// files are refused. False, with a message, when refused or not written.
    bool Export(int index, const QString& path, bool svg);
    /// Asks for a file and exports the diagram shown.
    void ExportShown(bool svg);
    /// Writes every diagram as KEY.png and KEY.svg into `folder`; false at the first failure.
    bool ExportAll(const QString& folder);

  private:
    const ProgramState& state_;
    Dialogs& dialogs_;
    ShellPort& shell_;
    QTabWidget* tabs_;
    QLabel* unavailable_;
    std::vector<DiagramView*> views_;
    std::optional<double> marked_;
};

/// File dialog filters of the two export commands.
inline constexpr const char* kPngFilters = "PNG Images (*.png)|*.png|All Files (*.*)|*.*";
inline constexpr const char* kSvgFilters = "SVG Drawings (*.svg)|*.svg|All Files (*.*)|*.*";

}  // namespace tarnex::ui
