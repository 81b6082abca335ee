#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "model/design_data.h"
#include "report/report_file.h"

namespace tarnex {

/// The program version as the report shows it: major, ".", minor, revision ("1.31").
std::string ProgramVersionText();

/// The heading date "m/dd/yy, h:mm am/pm" (4 December 2026, 21:05 gives "12/04/26, 9:05 pm").
std::string FormatReportDate(const std::tm& time);

/// The clock of the report heading: returns the local date and time.
using ReportClock = std::tm (*)();
/// Replaces the clock of the report heading; nullptr restores the system clock.
void SetReportClock(ReportClock clock);
/// The date and time for the heading, from the clock in force.
std::tm CurrentReportTime();

/// A 53-character banner box at indent 5 whose fifth line is `caption`.
void WriteBanner(ReportFile& report, std::string_view caption);

/// The report heading: optional title, the INPUT DATA ECHO banner, version and date, and the
/// input and output file names. Sets VersionText.
void WriteReportHeading(ReportFile& report, DesignData& data);

/// A file name without its folder.
std::string FileNameWithoutFolder(const std::string& path);

}  // namespace tarnex
