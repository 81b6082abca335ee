#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include "checks/design_calculation.h"
#include "model/completeness.h"
#include "model/dialogs.h"
#include "model/input_file.h"
#include "model/text_files.h"
#include "report/report_writer.h"
#include "report/results_csv.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

/// The file title of a path: its name without the folder.
std::string FileTitle(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

void InputPresenter::StartUp() {
    RunStartUp(state_, *this);
    SyncSettingButtons();
    SyncOutputOptions();
    window_.Get("SBFiles1").text = kNoInputFile;
    window_.Get("SBFiles2").text = kNoOutputFile;
    MarkSaved();
}

void InputPresenter::MarkSaved() {
    savedText_ = FormatInputFileText(state_.data);
    changeChecked_ = {state_.data, false};
}

bool InputPresenter::DesignChanged() const {
    // The file text follows from the inputs alone: the same inputs, the same answer.
    if (!changeChecked_ || !changeChecked_->inputs.SameInputs(state_.data)) {
        changeChecked_ = {state_.data, FormatInputFileText(state_.data) != savedText_};
    }
    return changeChecked_->changed;
}

bool InputPresenter::OfferToSave() {
    CommitPendingCount();
    if (!DesignChanged()) return true;
    const DesignData& d = state_.data;
    const std::string name = d.InputFileTitle.empty() ? "the new design" : d.InputFileTitle;
    switch (AskSaveChanges("The design has changed since it was last saved." +
                           std::string(1, kMessageLineBreak) + "Save the changes to " + name +
                           "?")) {
        case SaveChoice::Save:
            return Save();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

void InputPresenter::LoadInput() {
    if (shell_ == nullptr) return;
    if (!OfferToSave()) return;
    std::optional<std::string> path;
    try {
        path = shell_->ChooseOpenFile(kInputFilters, 2);
    } catch (const std::exception&) {
        ShowMessage("Error loading input file");
        return;
    }
    if (path) LoadInputFile(*path);
}

void InputPresenter::LoadInputFile(const std::string& path) {
    try {
        DesignData& d = state_.data;
        d.InputFileName = path;
        d.InputFileTitle = FileTitle(path);
        if (ReadInputFile(state_, *this)) {
            MarkSaved();
            ownFile_ = path;
            recent_.Add(path);
            history_.Clear();
        }
        RefreshForm();
        SyncSettingButtons();
        SyncOutputOptions();
        window_.Get("SBFiles1").text = "Input file = " + d.InputFileTitle;
    } catch (const std::exception&) {
        SyncSettingButtons();
        ShowMessage("Error loading input file");
    }
}

bool InputPresenter::SaveInput() {
    if (shell_ == nullptr) return false;
    if (RefuseMarkedText()) return false;
    CommitPendingCount();
    try {
        DesignData& d = state_.data;
        CheckInputComplete(d, *this);
        const std::optional<std::string> path = shell_->ChooseSaveFile(kInputFilters, 2);
        if (!path) return false;
        d.InputFileName = *path;
        d.InputFileTitle = FileTitle(*path);
        const bool written = WriteInputFile(state_, *this);
        if (written) {
            MarkSaved();
            ownFile_ = *path;
            recent_.Add(*path);
        }
        window_.Get("SBFiles1").text = "Input file = " + d.InputFileTitle;
        return written;
    } catch (const std::exception&) {
        ShowMessage("Error saving input file");
    }
    return false;
}

bool InputPresenter::Save() {
    if (state_.data.InputFileName.empty() || state_.data.InputFileName != ownFile_) {
        return SaveInput();
    }
    if (RefuseMarkedText()) return false;
    CommitPendingCount();
    try {
        const bool written = WriteInputFile(state_, *this);
        if (written) {
            MarkSaved();
            recent_.Add(state_.data.InputFileName);
        }
        return written;
    } catch (const std::exception&) {
        ShowMessage("Error saving input file");
    }
    return false;
}

void InputPresenter::NewDesign() {
    if (!OfferToSave()) return;
    // The design the program starts with; the report file and the output options stay.
    const std::string outputName = state_.data.OutputFileName;
    const std::string outputTitle = state_.data.OutputFileTitle;
    const OutputOptions output = state_.output;
    state_ = ProgramState{};
    StartUp();
    state_.output = output;
    state_.data.OutputFileName = outputName;
    state_.data.OutputFileTitle = outputTitle;
    if (!outputTitle.empty()) window_.Get("SBFiles2").text = "Output file = " + outputTitle;
    SyncOutputOptions();
    history_.Clear();
    ownFile_.clear();
}

void InputPresenter::OpenFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        const bool listed = std::find(recent_.paths().begin(), recent_.paths().end(), path) !=
                            recent_.paths().end();
        recent_.Remove(path);
        ShowMessage("The file " + path + " no longer exists" +
                    (listed ? "; it is removed from the recent files." : "."));
        return;
    }
    if (!OfferToSave()) return;
    LoadInputFile(path);
}

void InputPresenter::RecoverDesign(const std::string& text, const std::string& path) {
    DesignData& d = state_.data;
    d.InputFileName = path;
    d.InputFileTitle = path.empty() ? std::string() : FileTitle(path);
    if (ReadInputText(state_, *this, text)) {
        history_.Clear();
        ownFile_ = path;
        // Changed against what the file holds: the user saves the recovered design.
        savedText_.clear();
        changeChecked_.reset();
    }
    RefreshForm();
    SyncSettingButtons();
    SyncOutputOptions();
    window_.Get("SBFiles1").text =
        d.InputFileTitle.empty() ? std::string(kNoInputFile) : "Input file = " + d.InputFileTitle;
}

bool InputPresenter::ChooseReportFile() {
    if (shell_ == nullptr) return false;
    try {
        const std::optional<std::string> path = shell_->ChooseSaveFile(kOutputFilters, 2);
        if (!path) return false;
        DesignData& d = state_.data;
        // The report run would overwrite the design with the report.
        if (SameFile(*path, d.InputFileName)) {
            ShowMessage("The output file cannot be the input file" +
                        std::string(1, kMessageLineBreak) + *path);
            return false;
        }
        d.OutputFileName = *path;
        d.OutputFileTitle = FileTitle(*path);
        window_.Get("SBFiles2").text = "Output file = " + d.OutputFileTitle;
        return true;
    } catch (const std::exception&) {
        ShowMessage("Error saving output file");
    }
    return false;
}

void InputPresenter::ViewReport() {
    const DesignData& d = state_.data;
    if (d.OutputFileName.empty()) {
        Beep();
        ShowMessage("Please save output file");
        return;
    }
    try {
        if (shell_ != nullptr) shell_->ShowReport(d.OutputFileName);
    } catch (const std::exception&) {
        ShowMessage("Unable to view output file");
    }
}

void InputPresenter::Reset(ResetCommand command) {
    if (!OfferToSave()) return;
    RunResetCommand(state_, *this, command);
    SyncSettingButtons();
    SyncOutputOptions();
}

void InputPresenter::AskOutputTitle() {
    state_.data.OutputTitle = InputBox("Enter output title:", "Output Title", "");
}

void InputPresenter::CalculateOutput() {
    DesignData& d = state_.data;
    if (shell_ != nullptr) shell_->HideOutputDialog();
    if (RefuseMarkedText()) return;
    CommitPendingCount();
    if (d.OutputFileName.empty()) {
        // With a desktop the report file is asked for now; cancelling it ends the run.
        if (shell_ == nullptr) {
            Beep();
            ShowMessage("Please save output filename");
            return;
        }
        if (!ChooseReportFile()) return;
    }
    const DesignResults& results = live_.For(state_, state_.output);
    if (ShowRefusals(results, *this)) return;
    window_.Get("SBFiles2").text = "Please wait";
    if (shell_ != nullptr) shell_->SetBusy(true);
    bool written = false;
    try {
        written = WriteReport(state_, *this, &results);
    } catch (const std::exception&) {
        // The report writer reports its own failures; the window is given back regardless.
    }
    window_.Get("SBFiles2").text =
        (written ? "Report written to " : "Output file = ") + d.OutputFileTitle;
    if (shell_ != nullptr) shell_->SetBusy(false);
    if (written && AskYesNoDefaultYes("Report written to " + d.OutputFileTitle + "." +
                                          kMessageLineBreak + "View it now?",
                                      "Calculate Output")) {
        ViewReport();
    }
}

const DesignResults* InputPresenter::ResultsToShow() {
    CommitPendingCount();
    const DesignResults& results = live_.For(state_, ShownOutputSections());
    return ShowCalculationMessages(results, ShownOutputSections(), *this) ? &results : nullptr;
}

bool InputPresenter::SaveResultsCsv() {
    if (RefuseMarkedText()) return false;
    const DesignResults* results = ResultsToShow();
    if (results == nullptr || shell_ == nullptr) return false;
    const std::optional<std::string> file = shell_->ChooseSaveFile(kCsvFilters, 1);
    if (!file) return false;
    const DesignData& d = state_.data;
    const auto line = [](const char* message, const std::string& cause) {
        return message + std::string(1, kMessageLineBreak) + cause;
    };
    // The CSV never takes the place of the design or of its report.
    if (const auto kept = OverwrittenFile(
            *file, {{d.InputFileName, "the input file"}, {d.OutputFileName, "the report file"}})) {
        ShowMessage(line("Error writing results file",
                         "the CSV file " + *file + " is " + kept->what + " " + kept->path));
        return false;
    }
    std::string text;
    try {
        text = FormatResultsCsv(d, *results);
    } catch (const std::exception& error) {
        ShowMessage(CalculationErrorText(error.what()));
        return false;
    }
    try {
        ReplaceTextFile(*file, text);
    } catch (const std::exception& error) {
        ShowMessage(line("Error writing results file", error.what()));
        return false;
    }
    return true;
}

}  // namespace tarnex::ui
