#include <QApplication>

#include "ui/qt/diagrams_window.h"
#include "ui/qt/main_window.h"

namespace tarnex::ui {

ShellPort& MainWindow::Shell() { return shell_ != nullptr ? *shell_ : *this; }

void MainWindow::ShowDiagrams() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DesignResults* results = presenter_.ResultsToShow();
    QApplication::restoreOverrideCursor();
    if (results == nullptr) return;
    if (diagrams_ == nullptr) diagrams_ = new DiagramsWindow(state_, presenter_, Shell(), this);
    diagrams_->SetResults(*results);
    diagrams_->show();
    diagrams_->raise();
}

void MainWindow::SaveResults() { presenter_.SaveResultsCsv(); }

}  // namespace tarnex::ui
