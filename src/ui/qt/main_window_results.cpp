#include <QApplication>
#include <QTabWidget>

#include "checks/design_calculation.h"
#include "ui/qt/checks_dock.h"
#include "ui/qt/diagrams_window.h"
#include "ui/qt/live_calculation.h"
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

void MainWindow::RequestLiveResults() {
    if (presenter_.liveResults().CurrentFor(state_) != nullptr) return;
    // The worker reads its own copy: the design itself stays with this thread.
    if (live_->Start(state_)) checks_->SetCalculating(true);
}

void MainWindow::ShowLiveResults(LiveRun& run) {
    checks_->SetCalculating(false);
    // Results of a design left before they came (an edit undone meanwhile) are dropped.
    if (!SameInputs(run.inputs, state_)) {
        RequestLiveResults();
        return;
    }
    if (!run.error.empty()) {
        checks_->ShowError(run.error);
        if (diagrams_ != nullptr && diagrams_->isVisible())
            diagrams_->ShowUnavailable("Error in calculations: " +
                                       QString::fromStdString(run.error));
        return;
    }
    checks_->ShowResults(run.inputs.data, run.all);
    if (diagrams_ != nullptr && diagrams_->isVisible()) {
        const DesignResults& shown = run.Shown();
        if (shown.Complete()) {
            diagrams_->SetResults(shown);
        } else {
            QStringList why;
            for (const std::string& refusal : shown.refusals)
                why << QString::fromStdString(refusal);
            if (shown.failedAt)
                why << "Error in calculations: " + QString::fromStdString(shown.failure);
            diagrams_->ShowUnavailable("The design cannot be calculated: " + why.join("; "));
        }
    }
    presenter_.liveResults().Keep(run.inputs, std::move(run.all));
}

void MainWindow::ShowLocation(int location, double x) {
    // The location shown on the Loads tab is no input: the live results stay current.
    Run([&] { presenter_.GoToLocation(location); });
    if (auto* tabs = findChild<QTabWidget*>("SSTab1")) tabs->setCurrentIndex(3);
    if (diagrams_ != nullptr) {
        diagrams_->MarkLocation(x / kInchesPerFoot, presenter_.liveResults().CurrentFor(state_));
    }
}

void MainWindow::WaitForLiveResults() {
    RequestLiveResults();
    live_->WaitForIdle();
}

}  // namespace tarnex::ui
