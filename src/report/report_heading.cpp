#include "report/report_heading.h"

#include <string>

namespace tarnex {

namespace {

ReportClock& ClockInForce() {
    static ReportClock clock = nullptr;
    return clock;
}

std::tm SystemTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string TwoDigits(int value) {
    const std::string digits = std::to_string(value % 100);
    return digits.size() < 2 ? "0" + digits : digits;
}

constexpr std::string_view kBannerEdge = "* * * * * * * * * * * * * * * * * * * * * * * * * * *";
constexpr std::string_view kBannerBlank = "*                                                   *";

}  // namespace

std::string ProgramVersionText() {
    return std::to_string(TARNEX_VERSION_MAJOR) + "." + std::to_string(TARNEX_VERSION_MINOR) +
           std::to_string(TARNEX_VERSION_PATCH);
}

std::string FormatReportDate(const std::tm& time) {
    const int hour12 = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
    return std::to_string(time.tm_mon + 1) + "/" + TwoDigits(time.tm_mday) + "/" +
           TwoDigits(time.tm_year) + ", " + std::to_string(hour12) + ":" + TwoDigits(time.tm_min) +
           (time.tm_hour < 12 ? " am" : " pm");
}

void SetReportClock(ReportClock clock) { ClockInForce() = clock; }

std::tm CurrentReportTime() {
    const ReportClock clock = ClockInForce();
    return clock != nullptr ? clock() : SystemTime();
}

void WriteBanner(ReportFile& report, std::string_view caption) {
    report.Write(5, kBannerEdge);
    report.Write(5, kBannerBlank);
    report.Write(5, "*           P R O G R A M   T A R N E X             *");
    report.Write(5, kBannerBlank);
    report.Write(5, caption);
    report.Write(5, kBannerBlank);
    report.Write(5, kBannerEdge);
}

std::string FileNameWithoutFolder(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void WriteReportHeading(ReportFile& report, DesignData& data) {
    if (!data.OutputTitle.empty()) {
        report.Write(5, data.OutputTitle);
        report.Empty();
    }
    WriteBanner(report, "*                 INPUT DATA ECHO                   *");

    data.VersionText = ProgramVersionText();
    report.Write(ReportLine()
                     .Indent(5)
                     .Text("(Version " + data.VersionText + ")")
                     .Column(40)
                     .Text(FormatReportDate(CurrentReportTime())));
    report.Empty();

    // The titles are the names without folder; a report file chosen without a title shows
    // the name of its path.
    const std::string inputName = FileNameWithoutFolder(
        data.InputFileTitle.empty() ? data.InputFileName : data.InputFileTitle);
    const std::string outputName = FileNameWithoutFolder(
        data.OutputFileTitle.empty() ? data.OutputFileName : data.OutputFileTitle);
    report.Write(5, "Input file  = " + inputName);
    report.Write(5, "Output file = " + outputName);
    report.Empty();
}

}  // namespace tarnex
