#pragma once

#include <QFutureWatcher>
#include <functional>
#include <optional>
#include <string>

#include "checks/design_results.h"
#include "model/design_data.h"

namespace tarnex::ui {

/// The results of one copy of the design: every section, and the sections the diagrams show
/// when a stop in a section they leave out keeps the first from serving them.
struct LiveRun {
    ProgramState inputs;
    DesignResults all;
    std::optional<DesignResults> shown;
    std::string error;  ///< what stopped a calculation that threw
    /// The results the diagrams show.
    [[nodiscard]] const DesignResults& Shown() const { return shown ? *shown : all; }
};

/// Calculates `inputs` as the window's live results do (on any thread: `inputs` is a copy).
LiveRun CalculateLive(ProgramState inputs);

/// Recalculates copies of the design off the interface thread, one at a time, the latest copy
/// winning: a calculation asked for while another runs waits for it, and the results of the
/// older copy are dropped. `finished` runs on the interface thread with the results of the
/// latest copy.
class LiveCalculation {
  public:
    explicit LiveCalculation(std::function<void(LiveRun&)> finished);
    /// Waits for a calculation still running; its results are dropped.
    ~LiveCalculation();
    LiveCalculation(const LiveCalculation&) = delete;
    LiveCalculation& operator=(const LiveCalculation&) = delete;

    /// Calculates `snapshot` unless it is the design last asked for. True when a new
    /// calculation was asked for.
    bool Start(const ProgramState& snapshot);
    /// True while a calculation runs or waits.
    [[nodiscard]] bool Busy() const { return running_; }
    /// Waits until the latest calculation has finished and its results were delivered.
    void WaitForIdle();

  private:
    void Launch(ProgramState snapshot);
    void Done();

    std::function<void(LiveRun&)> finished_;
    QFutureWatcher<LiveRun> watcher_;
    std::optional<ProgramState> asked_;  ///< the latest copy asked for
    std::optional<ProgramState> next_;   ///< waiting for the running calculation
    bool running_ = false;
    bool closing_ = false;
};

}  // namespace tarnex::ui
