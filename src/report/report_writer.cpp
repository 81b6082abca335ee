#include "report/report_writer.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "model/calc_error.h"
#include "model/text_files.h"
#include "prestress/calc_steps.h"
#include "report/capacity_sections.h"
#include "report/input_echo.h"
#include "report/output_data.h"
#include "report/report_file.h"
#include "report/report_heading.h"

namespace tarnex {

namespace {

/// The report itself, in the fixed order of heading, echo, calculations and sections.
void WriteReportContents(ReportFile& report, ProgramState& state, Dialogs& dialogs) {
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
    WritePrestressForces(report, d);

    CalcLoadStresses(d);
    if (state.output.Stresses) {
        WriteBeamStresses(report, d);
        CalcCriticalStresses(d);
        WriteStressChecks(report, d);
    }
    if (state.output.UltimateMoment) WriteMomentCapacity(report, state, dialogs);
    if (state.output.Deflections) WriteDeflections(report, state, dialogs);
    if (state.output.UltimateShear) WriteShearCapacity(report, state, dialogs);
}

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

bool WriteReport(ProgramState& state, Dialogs& dialogs) {
    DesignData& d = state.data;
    std::string cause;
    {
        std::vector<char> fileBuffer(ReportFile::kFileBufferSize);
        std::ofstream out;
        out.rdbuf()->pubsetbuf(fileBuffer.data(), static_cast<std::streamsize>(fileBuffer.size()));
        try {
            // The report never overwrites the design it is made from.
            if (SameFile(d.OutputFileName, d.InputFileName)) {
                throw CalcError("the report file " + d.OutputFileName + " is the input file");
            }
            out.open(d.OutputFileName, std::ios::out | std::ios::trunc | std::ios::binary);
            if (!out.is_open()) {
                throw CalcError("the report file \"" + d.OutputFileName + "\" cannot be created");
            }
            ReportFile report(out);
            WriteReportContents(report, state, dialogs);
            out.close();
            if (out.fail()) {
                throw CalcError("the report file \"" + d.OutputFileName + "\" cannot be written");
            }
        } catch (const std::exception& error) {
            cause = error.what();
        } catch (...) {
            cause = "an unknown error";
        }
    }  // the file is closed here, with what was written so far
    ClearPrestressCase(d);
    if (!cause.empty()) {
        dialogs.ShowMessage(std::string("Error in calculations") + kMessageLineBreak + cause);
        return false;
    }
    return true;
}

}  // namespace tarnex
