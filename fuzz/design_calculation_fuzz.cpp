// Feeds every design the input file reader takes through the whole calculation: the results of
// every output section as loaded, then each calculation button in turn (questions answered No,
// the relative humidity given), the results again, the report and the CSV. The calculation
// must stop with its calculation error or finish, never crash; no result holds a value that
// is not finite, and no report line, CSV cell or button text shows "inf" or "nan".
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "checks/design_calculation.h"
#include "checks/one_step_design.h"
#include "model/calc_error.h"
#include "model/dialogs.h"
#include "model/input_file.h"
#include "model/setting_handlers.h"
#include "prestress/buttons.h"
#include "report/design_summary.h"
#include "report/report_writer.h"
#include "report/results_csv.h"
#include "started_up.h"

namespace {

using tarnex::CalcValues;
using tarnex::DesignResults;
using tarnex::ProgramState;

/// Dialogs that answer every question No, give a relative humidity of 70 percent and keep every
/// message for the checks.
class ScriptedDialogs : public tarnex::Dialogs {
  public:
    void ShowMessage(const std::string& text) override { shown += text + "\n"; }
    bool AskYesNo(const std::string& text, const std::string& /*title*/) override {
        shown += text + "\n";
        return false;
    }
    std::string InputBox(const std::string& /*prompt*/, const std::string& /*title*/,
                         const std::string& /*defaultText*/) override {
        return "70";
    }
    void Beep() override {}

    std::string shown;
};

[[noreturn]] void Finding(const char* what, std::string_view detail) {
    std::fprintf(stderr, "design calculation fuzz: %s\n%.*s\n", what,
                 static_cast<int>(std::min<std::size_t>(detail.size(), 2000)), detail.data());
    std::abort();
}

/// True when the text holds the word inf or nan in any letter case (as printf writes them).
bool ShowsNonFinite(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (std::isalpha(static_cast<unsigned char>(text[i])) == 0) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])) != 0) ++end;
        std::string word(text.substr(i, end - i));
        for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (word == "inf" || word == "infinity" || word == "nan") return true;
        i = end;
    }
    return false;
}

void CheckText(const char* what, std::string_view text) {
    if (ShowsNonFinite(text)) Finding(what, text);
}

void CheckFinite(const char* what, double value) {
    if (!std::isfinite(value)) Finding("a result is not finite", what);
}

void CheckArray(const char* what, const tarnex::FloatArray& values) {
    for (const float value : values) CheckFinite(what, value);
}

void CheckValues(const CalcValues& v) {
    for (const float value : {v.Area,         v.MoI,        v.Ytop,
                              v.Ybot,         v.GCompArea,  v.GCompMoI,
                              v.GCompYtop,    v.GCompYbot,  v.CompArea,
                              v.CompMoI,      v.CompYtop,   v.CompYbot,
                              v.MaxInitComp,  v.MinFinalDL, v.MinFinalAll,
                              v.MaxFinalComp, v.MaxCompLL,  v.MinTop,
                              v.GammaP,       v.Beta1,      v.friction.FRASmax}) {
        CheckFinite("a section, critical stress or work value", value);
    }
    for (const tarnex::FloatArray* array :
         {&v.Ypath,           &v.TArea,           &v.TMoI,      &v.TYtop,   &v.TYbot, &v.TCompArea,
          &v.TCompMoI,        &v.TCompYtop,       &v.TCompYbot, &v.Ecc,     &v.Theta, &v.PSlossAt,
          &v.friction.FRloss, &v.friction.ASloss, &v.PSP,       &v.PSM,     &v.StopD, &v.SbotD,
          &v.StopCD,          &v.SbotCD,          &v.StopAD,    &v.SbotAD,  &v.StopL, &v.SbotL,
          &v.StopPS,          &v.SbotPS,          &v.StopPS2,   &v.SbotPS2, &v.StopM, &v.SbotM,
          &v.PforceT,         &v.PmomT,           &v.StopPSi,   &v.SbotPSi}) {
        CheckArray("a per-location value", *array);
    }
}

void CheckResults(const DesignResults& r) {
    CheckValues(r.values);
    for (const double x : r.x) CheckFinite("x", x);
    for (const auto& row : r.stresses.rows) {
        for (const double value :
             {row.x, row.transfer.top, row.transfer.bottom, row.sustained.top, row.sustained.bottom,
              row.liveHalfSustained, row.service.top, row.service.bottom}) {
            CheckFinite("a beam stress", value);
        }
    }
    for (const auto& check : r.checks) {
        CheckFinite(check.label, check.actual);
        CheckFinite(check.label, check.allowable);
    }
    for (const auto& row : r.moment.rows) {
        for (const double value : {row.x, row.Mult, row.Mcr12, row.phiMn, row.mildSteel}) {
            CheckFinite("a moment capacity row", value);
        }
    }
    for (const auto& row : r.shear.rows) {
        for (const double value : {row.x, row.Vu, row.phiVc, row.AvS}) {
            CheckFinite("a shear capacity row", value);
        }
    }
    for (const double value :
         {r.deflections.initialPrestress, r.deflections.finalPrestress, r.deflections.deadLoad}) {
        CheckFinite("a deflection", value);
    }
    for (const std::string& text : r.refusals) CheckText("a refusal", text);
    for (const auto& message : r.messages) CheckText("a message", message.text);
    CheckText("the failure", r.failure);
}

/// The whole calculation of the design as it stands: results, report and CSV.
void CalculateEverything(ProgramState& state) {
    state.output = tarnex::AllOutputSections();
    state.output.LoadRating = true;  // the default vehicles and limits
    const DesignResults results = tarnex::CalculateDesign(state, state.output);
    CheckResults(results);
    ScriptedDialogs dialogs;
    if (results.refusals.empty()) {
        auto copy = std::make_unique<ProgramState>(state);
        const tarnex::ComposedReport report = tarnex::ComposeReport(*copy, results, dialogs);
        CheckText("the report", report.text);
    }
    try {
        CheckText("the CSV", tarnex::FormatResultsCsv(state.data, results));
    } catch (const tarnex::CalcError& error) {
        CheckText("the CSV's calculation error", error.what());
    }
    CheckText("a message of the report", dialogs.shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScriptedDialogs dialogs;
    auto state = std::make_unique<ProgramState>(tarnex::fuzzing::StartedUp());
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!tarnex::ReadInputText(*state, dialogs, text)) return 0;
    CalculateEverything(*state);

    using Button = tarnex::ButtonResult (*)(ProgramState&, tarnex::Dialogs&);
    for (const Button press :
         {Button{tarnex::PressCalcSectionProperties}, Button{tarnex::PressCalcEffectiveSlabWidth},
          Button{tarnex::PressCalcTotalLosses}, Button{tarnex::PressCalcLossAtTransfer},
          Button{tarnex::PressCalcPrestressForce}}) {
        try {
            CheckText("a button's field", press(*state, dialogs).fieldText);
        } catch (const tarnex::CalcError& error) {
            // The window and the batch show it as "Cannot calculate: " and the cause.
            CheckText("a button's calculation error", error.what());
        }
    }
    CheckText("a button's message", dialogs.shown);
    CheckText("the design after the buttons", tarnex::FormatInputFileText(state->data));
    CalculateEverything(*state);

    // The one-step design, its summary and whole strands, then everything again.
    try {
        const tarnex::DesignOutcome outcome = tarnex::DesignInOneStep(*state, 70, dialogs);
        CheckText("the design summary", tarnex::DesignOutcomeLine(outcome));
        if (outcome.strand && outcome.strands > 0 &&
            tarnex::UseWholeStrands(*state, *outcome.strand, outcome.strands, dialogs)) {
            CheckText("the strands line",
                      tarnex::WholeStrandsLine(state->data, *outcome.strand, outcome.strands));
        }
        const DesignResults designed =
            tarnex::CalculateDesign(*state, tarnex::ShownOutputSections());
        for (const std::string& line : tarnex::FailedCheckLines(state->data, designed)) {
            CheckText("a failed check", line);
        }
    } catch (const tarnex::CalcError& error) {
        CheckText("the design's calculation error", error.what());
    }
    CheckText("a message of the design", dialogs.shown);
    CalculateEverything(*state);
    return 0;
}
