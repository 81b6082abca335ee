#include "report/report_writer.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "checks/design_calculation.h"
#include "model/calc_error.h"
#include "model/text_files.h"
#include "report/capacity_sections.h"
#include "report/input_echo.h"
#include "report/output_data.h"
#include "report/report_file.h"
#include "report/report_heading.h"

namespace tarnex {

namespace {

/// Writes the sections of the report in their fixed order from the results of the
/// calculation. The messages of a stage are shown as the report reaches it; where the
/// calculation stopped, the report stops too, after the rows of a table computed before it.
class ReportSections {
  public:
    ReportSections(ReportFile& report, const ProgramState& state, const DesignResults& results,
                   Dialogs& dialogs)
        : report_(report), state_(state), r_(results), dialogs_(dialogs) {}

    void Write() {
        const DesignData& d = state_.data;
        const CalcValues& v = r_.values;
        Reach(CalcStage::CompositeSection);
        WriteBanner(report_, "*                   OUTPUT DATA                     *");
        report_.Empty();
        if (d.Composite) WriteCompositeProperties(report_, v);
        Reach(CalcStage::TransformedSection);
        if (d.sectionBasis == SectionBasis::Transformed) WriteTransformedProperties(report_, d, v);
        Reach(CalcStage::PrestressForces);
        WritePrestressForces(report_, d, v);
        Reach(CalcStage::LoadStresses);
        const OutputOptions& output = state_.output;
        if (output.Stresses) {
            ReachTable(CalcStage::BeamStresses);
            WriteBeamStresses(report_, d, v, r_.stresses);
            Reach(CalcStage::StressChecks);
            WriteStressChecks(report_, r_.checks);
        }
        if (output.UltimateMoment) {
            ReachTable(CalcStage::MomentCapacity);
            WriteMomentCapacity(report_, d, r_.moment);
        }
        if (output.Deflections) {
            Reach(CalcStage::Deflections);
            WriteDeflections(report_, r_.deflections);
        }
        if (output.UltimateShear) {
            ReachTable(CalcStage::ShearCapacity);
            WriteShearCapacity(report_, d, r_.shear);
        }
        if (output.LoadRating) {
            Reach(CalcStage::LoadRating);
            // The shear table, which ends a report without one, is closed by an empty line.
            if (output.UltimateShear && r_.shear.refusal.empty()) report_.Empty();
            WriteLoadRating(report_, d, r_.rating);
        }
    }

  private:
    void ShowMessages(CalcStage stage) {
        for (const CalcMessage& message : r_.messages) {
            if (message.stage == stage) dialogs_.ShowMessage(message.text);
        }
    }
    /// A stage whose section comes whole or not at all.
    void Reach(CalcStage stage) {
        ShowMessages(stage);
        if (r_.failedAt == stage) throw CalcError(r_.failure);
    }
    /// A table stage: its writer raises its failure after the rows before it.
    void ReachTable(CalcStage stage) { ShowMessages(stage); }

    ReportFile& report_;
    const ProgramState& state_;
    const DesignResults& r_;
    Dialogs& dialogs_;
};

}  // namespace

ComposedReport ComposeReport(ProgramState& state, const DesignResults& results, Dialogs& dialogs) {
    std::ostringstream out(std::ios::out | std::ios::binary);
    std::string cause;
    try {
        ReportFile report(out);
        WriteReportHeading(report, state.data);
        WriteInputEcho(report, state.data);
        ReportSections(report, state, results, dialogs).Write();
    } catch (const std::exception& error) {
        cause = error.what();
    } catch (...) {
        cause = "an unknown error";
    }
    if (!cause.empty()) dialogs.ShowMessage(CalculationErrorText(cause));
    return {std::move(out).str(), cause.empty()};
}

void ClearPrestressCase(DesignData& d) {
    // Bounded by the arrays as they stand.
    const int losses = std::min(d.nll, d.PSlossAt.size());
    for (int i = 1; i <= losses; ++i) d.PSlossAt(i) = 0;
    const int locations = std::min(d.nll, d.locations.size());
    for (int i = 1; i <= locations; ++i) {
        LoadLocation& loc = d.locations(i);
        loc.PSP = 0;
        loc.PSV = 0;
        loc.PSM = 0;
    }
}

bool ShowRefusals(const DesignResults& results, Dialogs& dialogs) {
    for (const std::string& refusal : results.refusals) dialogs.ShowMessage(refusal);
    return !results.refusals.empty();
}

bool ShowCalculationMessages(const DesignResults& results, const OutputOptions& output,
                             Dialogs& dialogs) {
    if (ShowRefusals(results, dialogs)) return false;
    for (const CalcMessage& message : results.messages) {
        if (AskedFor(message.stage, output)) dialogs.ShowMessage(message.text);
    }
    if (results.failedAt) {
        dialogs.ShowMessage(CalculationErrorText(results.failure));
        return false;
    }
    return true;
}

bool WriteReport(ProgramState& state, Dialogs& dialogs, const DesignResults* computed) {
    std::optional<DesignResults> calculated;
    if (computed == nullptr || !ResultsServe(*computed, state.output)) {
        calculated = CalculateDesign(state, state.output);
        computed = &*calculated;
    }
    if (ShowRefusals(*computed, dialogs)) return false;
    DesignData& d = state.data;
    const auto refuse = [&](const std::string& cause) {
        ClearPrestressCase(d);
        dialogs.ShowMessage(CalculationErrorText(cause));
        return false;
    };
    // The report never overwrites the design it is made from.
    if (SameFile(d.OutputFileName, d.InputFileName)) {
        return refuse("the report file " + d.OutputFileName + " is the input file");
    }
    const std::string& file = d.OutputFileName;
    // Refused before anything is written: a folder, FIFO or device, a read-only
    // file, a folder that does not exist or may not be written.
    try {
        CheckWritableFile(file);
    } catch (const FileError& error) {
        return refuse("the report file \"" + file + "\" cannot be created: " + error.what());
    }
    // The report is made in memory and replaces the old one whole: a calculation failure
    // partway leaves the lines written before it, a failed write leaves the old report.
    ComposedReport report = ComposeReport(state, *computed, dialogs);
    ClearPrestressCase(d);
    try {
        ReplaceTextFile(file, report.text);
    } catch (const FileError& error) {
        dialogs.ShowMessage(CalculationErrorText("the report file \"" + file +
                                                 "\" cannot be written: " + error.what()));
        return false;
    }
    return report.complete;
}

}  // namespace tarnex
