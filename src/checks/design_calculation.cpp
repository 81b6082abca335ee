#include "checks/design_calculation.h"

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "checks/load_rating.h"
#include "model/calc_error.h"
#include "model/completeness.h"
#include "model/dialogs.h"
#include "prestress/calc_steps.h"

namespace tarnex {

namespace {

/// The dialogs of a calculation: every message is kept with the stage that raised it;
/// nothing is shown and nothing is asked.
class MessageLog : public Dialogs {
  public:
    explicit MessageLog(DesignResults& results) : results_(results) {}
    void Enter(CalcStage stage) { stage_ = stage; }
    [[nodiscard]] CalcStage Stage() const { return stage_; }
    void ShowMessage(const std::string& text) override {
        results_.messages.push_back({stage_, text});
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void Beep() override {}

  private:
    DesignResults& results_;
    CalcStage stage_ = CalcStage::CompositeSection;
};

/// The locations that the prestress forces along the beam reach.
void CollectLocations(const DesignData& d, DesignResults& r) {
    const CalcValues& v = r.values;
    const int count = std::min({d.nll, d.locations.size(), v.PforceT.size(), v.PSP.size()});
    r.x.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 1; i <= count; ++i) r.x.push_back(d.locations(i).x);
}

/// A table that stopped on a failure stops the calculation there.
template <typename Row>
void StopOnFailure(const CheckTable<Row>& table) {
    if (!table.failure.empty()) throw CalcError(table.failure);
}

/// The load rating on the moment check's strengths (computed for the rating alone when the
/// moment section was not asked for).
void RateLoads(const DesignData& d, DesignResults& r, MessageLog& log) {
    log.Enter(CalcStage::LoadRating);
    CheckTable<MomentCapacityRow> ownMoment;
    if (!r.moment.computed && d.designCriteria == DesignCriteria::AASHTO) {
        ownMoment = CalcMomentCapacity(d, r.values);
        StopOnFailure(ownMoment);
    }
    r.rating =
        CalcLoadRating(d, r.values, r.moment.computed ? r.moment : ownMoment, r.sections.rating);
    if (!r.rating.refusal.empty()) log.ShowMessage(r.rating.refusal);
}

/// The calculation in the order of the report sections; a failure leaves the stages before it.
void RunStages(const DesignData& d, DesignResults& r, MessageLog& log) {
    const OutputOptions& output = r.sections;
    CalcValues& v = r.values;
    log.Enter(CalcStage::CompositeSection);
    CalcCompositeProperties(d, v);
    log.Enter(CalcStage::TransformedSection);
    CalcTransformedProperties(d, v);
    log.Enter(CalcStage::PrestressForces);
    CalcOffsetsAndAngles(d, v);
    FillLocationLosses(d, v, log);
    CalcPrestressEffects(d, v);
    CollectLocations(d, r);
    log.Enter(CalcStage::LoadStresses);
    CalcLoadStresses(d, v);
    if (output.Stresses) {
        log.Enter(CalcStage::BeamStresses);
        r.stresses = CombineStresses(d, v);
        StopOnFailure(r.stresses);
        log.Enter(CalcStage::StressChecks);
        CalcCriticalStresses(d, v);
        r.checks = CheckCriticalStresses(d, v);
    }
    if (output.UltimateMoment) {
        log.Enter(CalcStage::MomentCapacity);
        r.moment = CalcMomentCapacity(d, v);
        if (!r.moment.refusal.empty()) log.ShowMessage(r.moment.refusal);
        StopOnFailure(r.moment);
    }
    if (output.Deflections) {
        log.Enter(CalcStage::Deflections);
        r.deflections = CalcDeflections(d, v);
        if (!r.deflections.refusal.empty()) log.ShowMessage(r.deflections.refusal);
    }
    if (output.UltimateShear) {
        log.Enter(CalcStage::ShearCapacity);
        r.shear = CalcShearCapacity(d, v);
        if (!r.shear.refusal.empty()) log.ShowMessage(r.shear.refusal);
        StopOnFailure(r.shear);
    }
    if (output.LoadRating) RateLoads(d, r, log);
}

}  // namespace

void FillLocationLosses(const DesignData& d, CalcValues& v, Dialogs& dialogs) {
    v.PSlossAt = d.PSlossAt;
    v.friction = {d.FRloss, d.ASloss, d.FRASmax};
    for (int i = 1; i <= d.nll; ++i) {
        if (d.PSlossAt(i) > 0) return;
    }
    if (d.prestressing == Prestressing::PostTensioning) {
        CalcFrictionAndAnchorSet(d, v.friction, dialogs);
        for (int i = 1; i <= d.nll; ++i) {
            // Friction and anchor set at the location plus the long-term loss.
            v.PSlossAt(i) =
                Store((static_cast<double>(v.friction.ASloss(i)) + v.friction.FRloss(i)) * d.PSi +
                          d.PSloss,
                      "the prestress loss at a location");
        }
    } else {
        for (int i = 1; i <= d.nll; ++i) v.PSlossAt(i) = d.PSloss;
    }
}

bool AskedFor(CalcStage stage, const OutputOptions& output) {
    switch (stage) {
        case CalcStage::BeamStresses:
        case CalcStage::StressChecks:
            return output.Stresses;
        case CalcStage::MomentCapacity:
            return output.UltimateMoment;
        case CalcStage::Deflections:
            return output.Deflections;
        case CalcStage::ShearCapacity:
            return output.UltimateShear;
        case CalcStage::LoadRating:
            return output.LoadRating;
        default:
            return true;
    }
}

DesignResults CalculateDesign(const ProgramState& state, const OutputOptions& sections) {
    const DesignData& d = state.data;
    DesignResults results;
    results.sections = sections;
    results.refusals = MissingInput(d);
    if (results.refusals.empty() && !(d.Pjack > 0)) {
        results.refusals.emplace_back("Please enter initial prestress force");
    }
    if (!results.refusals.empty()) return results;
    MessageLog log(results);
    try {
        RunStages(d, results, log);
    } catch (const std::exception& error) {
        results.failedAt = log.Stage();
        results.failure = error.what();
    } catch (...) {
        results.failedAt = log.Stage();
        results.failure = "an unknown error";
    }
    return results;
}

OutputOptions AllOutputSections() { return {true, true, true, true}; }

OutputOptions LiveOutputSections(const ProgramState& state) {
    OutputOptions live = AllOutputSections();
    live.LoadRating =
        state.output.LoadRating && state.data.designCriteria == DesignCriteria::AASHTO;
    live.rating = state.output.rating;
    return live;
}

OutputOptions ShownOutputSections() {
    OutputOptions shown = AllOutputSections();
    shown.Deflections = false;
    return shown;
}

bool ResultsServe(const DesignResults& results, const OutputOptions& output) {
    const OutputOptions& resultsOutput = results.sections;
    for (CalcStage stage :
         {CalcStage::BeamStresses, CalcStage::MomentCapacity, CalcStage::Deflections,
          CalcStage::ShearCapacity, CalcStage::LoadRating}) {
        if (AskedFor(stage, output) && !AskedFor(stage, resultsOutput)) return false;
    }
    // A rating serves only the vehicles and limits it was made for.
    if (output.LoadRating && !(output.rating == resultsOutput.rating)) return false;
    return !results.failedAt || AskedFor(*results.failedAt, output);
}

}  // namespace tarnex
