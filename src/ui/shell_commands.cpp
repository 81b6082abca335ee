#include <filesystem>
#include <stdexcept>

#include "model/completeness.h"
#include "model/input_file.h"
#include "model/text_files.h"
#include "report/report_writer.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

namespace {

/// The file title of a path: its name without the folder.
std::string FileTitle(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

void InputPresenter::StartUp() {
    DesignData& d = state_.data;
    if (d.units == Units::English) {
        d.ForceFactor = kForceFactor;
        d.MomentFactor = kMomentFactor;
    }
    RunStartUp(state_, *this);
    SyncSettingButtons();
    SyncOutputOptions();
    window_.Get("SBFiles1").text = kNoInputFile;
    window_.Get("SBFiles2").text = kNoOutputFile;
}

void InputPresenter::LoadInput() {
    if (shell_ == nullptr) return;
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
        ReadInputFile(state_, *this);
        RefreshForm();
        SyncSettingButtons();
        SyncOutputOptions();
        window_.Get("SBFiles1").text = "Input file = " + d.InputFileTitle;
    } catch (const std::exception&) {
        SyncSettingButtons();
        ShowMessage("Error loading input file");
    }
}

void InputPresenter::SaveInput() {
    if (shell_ == nullptr) return;
    try {
        DesignData& d = state_.data;
        CheckInputComplete(d, *this);
        const std::optional<std::string> path = shell_->ChooseSaveFile(kInputFilters, 2);
        if (!path) return;
        d.InputFileName = *path;
        d.InputFileTitle = FileTitle(*path);
        WriteInputFile(state_, *this);
        window_.Get("SBFiles1").text = "Input file = " + d.InputFileTitle;
    } catch (const std::exception&) {
        ShowMessage("Error saving input file");
    }
}

void InputPresenter::ChooseReportFile() {
    if (shell_ == nullptr) return;
    try {
        const std::optional<std::string> path = shell_->ChooseSaveFile(kOutputFilters, 2);
        if (!path) return;
        DesignData& d = state_.data;
        // The report run would overwrite the design with the report.
        if (SameFile(*path, d.InputFileName)) {
            ShowMessage("The output file cannot be the input file" +
                        std::string(1, kMessageLineBreak) + *path);
            return;
        }
        d.OutputFileName = *path;
        d.OutputFileTitle = FileTitle(*path);
        window_.Get("SBFiles2").text = "Output file = " + d.OutputFileTitle;
    } catch (const std::exception&) {
        ShowMessage("Error saving output file");
    }
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
    if (d.OutputFileName.empty()) {
        Beep();
        ShowMessage("Please save output filename");
        return;
    }
    CheckInputComplete(d, *this);
    if (d.InputIncomplete == 1) {
        d.InputIncomplete = 0;
        return;
    }
    if (!(d.Pjack > 0.0F)) {
        ShowMessage("Please enter initial prestress force");
        return;
    }
    window_.Get("SBFiles2").text = "Please wait";
    if (shell_ != nullptr) shell_->SetBusy(true);
    try {
        WriteReport(state_, *this);
    } catch (const std::exception&) {
        // The report writer reports its own failures; the window is given back regardless.
    }
    window_.Get("SBFiles2").text = "Output file = " + d.OutputFileTitle;
    if (shell_ != nullptr) shell_->SetBusy(false);
}

}  // namespace tarnex::ui
