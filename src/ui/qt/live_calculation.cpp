#include "ui/qt/live_calculation.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <utility>

#include "checks/design_calculation.h"

namespace tarnex::ui {

LiveRun CalculateLive(ProgramState inputs) {
    LiveRun run;
    try {
        run.all = CalculateDesign(inputs, LiveOutputSections(inputs));
        // A stop in the deflections leaves the diagrams' sections short: those alone.
        if (run.all.refusals.empty() && !ResultsServe(run.all, ShownOutputSections())) {
            run.shown = CalculateDesign(inputs, ShownOutputSections());
        }
    } catch (const std::exception& error) {
        run.error = error.what();
    }
    run.inputs = std::move(inputs);
    return run;
}

LiveCalculation::LiveCalculation(std::function<void(LiveRun&)> finished)
    : finished_(std::move(finished)) {
    QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_, [this] { Done(); });
}

LiveCalculation::~LiveCalculation() {
    closing_ = true;
    watcher_.disconnect();
    watcher_.waitForFinished();
}

bool LiveCalculation::Start(const ProgramState& snapshot) {
    if (asked_ && SameInputs(*asked_, snapshot)) return false;
    asked_ = snapshot;
    if (running_) {
        next_ = snapshot;
    } else {
        Launch(snapshot);
    }
    return true;
}

void LiveCalculation::Launch(ProgramState snapshot) {
    running_ = true;
    watcher_.setFuture(QtConcurrent::run(CalculateLive, std::move(snapshot)));
}

void LiveCalculation::Done() {
    if (closing_) return;
    LiveRun run = watcher_.result();
    if (next_) {
        // A newer edit: these results are already out of date.
        ProgramState snapshot = std::move(*next_);
        next_.reset();
        Launch(std::move(snapshot));
        return;
    }
    running_ = false;
    finished_(run);
}

void LiveCalculation::WaitForIdle() {
    while (running_) {
        watcher_.waitForFinished();
        QCoreApplication::processEvents();
    }
}

}  // namespace tarnex::ui
