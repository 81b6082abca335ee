#include <QApplication>

#include "ui/qt/diagrams_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/results_commands.h"

namespace tarnex::ui {

ShellPort& MainWindow::Shell() { return shell_ != nullptr ? *shell_ : *this; }

void MainWindow::ShowDiagrams() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<DesignResults> results = CalculateAllResults(state_, presenter_);
    QApplication::restoreOverrideCursor();
    if (!results) return;
    if (diagrams_ == nullptr) diagrams_ = new DiagramsWindow(state_, presenter_, Shell(), this);
    diagrams_->SetResults(*results);
    diagrams_->show();
    diagrams_->raise();
}

void MainWindow::SaveResults() { SaveResultsCsv(state_, presenter_, Shell()); }

}  // namespace tarnex::ui
