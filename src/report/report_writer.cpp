#include "report/report_writer.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "model/calc_error.h"
#include "model/completeness.h"
#include "model/text_files.h"
#include "prestress/calc_steps.h"
#include "report/capacity_sections.h"
#include "report/input_echo.h"
#include "report/output_data.h"
#include "report/report_file.h"
#include "report/report_heading.h"

namespace tarnex {

namespace {

/// The locations and the prestress force along the beam at transfer and after all losses.
void CollectPrestressForces(const DesignData& d, DesignResults& results) {
    const int count = std::min({d.nll, d.locations.size(), d.PforceT.size()});
    for (int i = 1; i <= count; ++i) {
        results.x.push_back(d.locations(i).x);
        results.forceAtTransfer.push_back(d.PforceT(i));
        results.finalForce.push_back(d.locations(i).PSP);
    }
}

/// The report itself, in the fixed order of heading, echo, calculations and sections. Each
/// section's results are computed just before it is written, so that a failure leaves the
/// sections before it written.
void WriteReportContents(ReportFile& report, ProgramState& state, Dialogs& dialogs,
                         DesignResults& results) {
    DesignData& d = state.data;
    WriteReportHeading(report, d);
    WriteInputEcho(report, d);

    CalcCompositeProperties(d);
    WriteBanner(report, "*                   OUTPUT DATA                     *");
    report.Empty();
    if (d.Composite) WriteCompositeProperties(report, d);

    CalcTransformedProperties(d);
    if (d.sectionBasis == SectionBasis::Transformed) WriteTransformedProperties(report, d);

    CalcOffsetsAndAngles(d);
    FillLocationLosses(d, dialogs);

    CalcPrestressEffects(d);
    CollectPrestressForces(d, results);
    WritePrestressForces(report, d);

    CalcLoadStresses(d);
    if (state.output.Stresses) {
        results.stresses = CombineStresses(d);
        WriteBeamStresses(report, d, results.stresses);
        CalcCriticalStresses(d);
        results.checks = CheckCriticalStresses(d);
        WriteStressChecks(report, results.checks);
    }
    if (state.output.UltimateMoment) {
        results.moment = CalcMomentCapacity(d);
        WriteMomentCapacity(report, d, results.moment, dialogs);
    }
    if (state.output.Deflections) {
        results.deflections = CalcDeflections(d);
        WriteDeflections(report, results.deflections, dialogs);
    }
    if (state.output.UltimateShear) {
        results.shear = CalcShearCapacity(d);
        WriteShearCapacity(report, d, results.shear, dialogs);
    }
}

/// Writes the report into `out` (a file or nowhere), then clears the per-location losses and
/// the prestress case; on failure "Error in calculations" with its cause, and false.
bool RunReport(std::ostream& out, ProgramState& state, Dialogs& dialogs, DesignResults& results) {
    std::string cause;
    try {
        ReportFile report(out);
        WriteReportContents(report, state, dialogs, results);
    } catch (const std::exception& error) {
        cause = error.what();
    } catch (...) {
        cause = "an unknown error";
    }
    ClearPrestressCase(state.data);
    if (!cause.empty()) {
        dialogs.ShowMessage(std::string("Error in calculations") + kMessageLineBreak + cause);
        return false;
    }
    return true;
}

/// A stream buffer that takes every character and keeps none.
class DiscardingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char_type*, std::streamsize count) override { return count; }
};

}  // namespace

void FillLocationLosses(DesignData& d, Dialogs& dialogs) {
    for (int i = 1; i <= d.nll; ++i) {
        if (d.PSlossAt(i) > 0) return;  // entered losses are used unchanged
    }
    if (d.prestressing == Prestressing::PostTensioning) {
        CalcFrictionAndAnchorSet(d, dialogs);
        for (int i = 1; i <= d.nll; ++i) {
            // AASHTO 9.16.1: friction and anchor set at the location plus the long-term loss.
            d.PSlossAt(i) =
                Store((static_cast<double>(d.ASloss(i)) + d.FRloss(i)) * d.PSi + d.PSloss,
                      "the prestress loss at a location");
        }
    } else {
        for (int i = 1; i <= d.nll; ++i) d.PSlossAt(i) = d.PSloss;
    }
}

void ClearPrestressCase(DesignData& d) {
    // Bounded by the arrays as they stand: after a failed run they may be shorter than nll.
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

bool WriteReport(ProgramState& state, Dialogs& dialogs, DesignResults* results) {
    DesignData& d = state.data;
    DesignResults collected;
    const auto refuse = [&](const std::string& cause) {
        ClearPrestressCase(d);
        dialogs.ShowMessage(std::string("Error in calculations") + kMessageLineBreak + cause);
        return false;
    };
    // The report never overwrites the design it is made from.
    if (SameFile(d.OutputFileName, d.InputFileName)) {
        return refuse("the report file " + d.OutputFileName + " is the input file");
    }
    std::vector<char> fileBuffer(ReportFile::kFileBufferSize);
    std::ofstream out;
    out.rdbuf()->pubsetbuf(fileBuffer.data(), static_cast<std::streamsize>(fileBuffer.size()));
    out.open(d.OutputFileName, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out.is_open()) {
        return refuse("the report file \"" + d.OutputFileName + "\" cannot be created");
    }
    bool written = RunReport(out, state, dialogs, collected);
    out.close();  // the file keeps what was written so far
    if (written && out.fail()) {
        dialogs.ShowMessage(std::string("Error in calculations") + kMessageLineBreak +
                            "the report file \"" + d.OutputFileName + "\" cannot be written");
        written = false;
    }
    if (results != nullptr) *results = std::move(collected);
    return written;
}

std::optional<DesignResults> CalculateResults(const ProgramState& state, Dialogs& dialogs) {
    ProgramState copy = state;
    DesignData& d = copy.data;
    CheckInputComplete(d, dialogs);
    if (d.InputIncomplete == 1) return std::nullopt;
    if (!(d.Pjack > 0)) {
        dialogs.ShowMessage("Please enter initial prestress force");
        return std::nullopt;
    }
    DiscardingBuffer nowhere;
    std::ostream out(&nowhere);
    DesignResults results;
    if (!RunReport(out, copy, dialogs, results)) return std::nullopt;
    return results;
}

}  // namespace tarnex
