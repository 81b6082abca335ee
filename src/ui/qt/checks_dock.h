#pragma once

#include <QDockWidget>
#include <functional>
#include <string>

#include "checks/check_summary.h"
#include "checks/design_results.h"
#include "model/design_data.h"

class QTableWidget;

namespace tarnex::ui {

/// The checks summary beside the input tabs ("dockChecks"): one row per check family with its
/// verdict, the location that governs and the margin; what is missing when the design cannot
/// be calculated, and the cause when the calculation failed. A click on a row with a location
/// calls `onLocation` with its number (from 1) and x (in).
class ChecksDock : public QDockWidget {
    Q_OBJECT

  public:
    explicit ChecksDock(QWidget* parent = nullptr);

    /// Lists the summary of `results`, calculated from `data`.
    void ShowResults(const DesignData& data, const DesignResults& results);
    /// Lists a calculation that threw.
    void ShowError(const std::string& cause);
    /// Marks the list as out of date while a new calculation runs.
    void SetCalculating(bool calculating);
    QTableWidget* table() const { return table_; }

    std::function<void(int location, double x)> onLocation;

  private:
    /// A row of one text across every column.
    void AddTextRow(const QString& text, bool error = false);

    QTableWidget* table_;
};

/// The report's verdict words: "< OK >", "* NG *", and "n/a" for a check not available.
QString VerdictText(CheckVerdict verdict);

}  // namespace tarnex::ui
