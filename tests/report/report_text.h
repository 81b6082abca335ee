#pragma once

#include <ctime>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "report/report_file.h"

namespace tarnex::testing {

/// The lines of a report text that ends each line with CR LF; a line end of any other form
/// makes the test fail through a marker line.
inline std::vector<std::string> SplitReportLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back("<no CR LF at end>" + text.substr(start));
            break;
        }
        const std::string line = text.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) lines.push_back("<stray line end>");
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

/// Runs `write` on a report file in memory and returns its lines.
template <typename Write>
std::vector<std::string> ReportLinesOf(Write write) {
    std::ostringstream out;
    ReportFile report(out);
    write(report);
    return SplitReportLines(out.str());
}

/// Index of the first line equal to `line`, or -1.
inline int FindLine(const std::vector<std::string>& lines, const std::string& line) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == line) return static_cast<int>(i);
    }
    return -1;
}

/// A line with each text starting at its absolute 0-based position, independent of the zone
/// arithmetic under test.
inline std::string TextAt(const std::vector<std::pair<std::size_t, std::string>>& parts) {
    std::string line;
    for (const auto& [position, text] : parts) {
        if (line.size() < position) line.append(position - line.size(), ' ');
        line += text;
    }
    return line;
}

/// True when some line contains `text`.
inline bool AnyLineContains(const std::vector<std::string>& lines, const std::string& text) {
    for (const auto& line : lines) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

/// The blank-delimited item of `line` that begins at 0-based `position`.
inline std::string ItemAt(const std::string& line, std::size_t position) {
    if (position >= line.size()) return "<line too short>";
    const std::string rest = line.substr(position);
    return rest.substr(0, rest.find(' '));
}

/// The `count` lines from index `first` on; past the end, marker lines make a comparison fail.
inline std::vector<std::string> LinesFrom(const std::vector<std::string>& lines, int first,
                                          std::size_t count) {
    std::vector<std::string> part;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(first) + i;
        part.push_back(first >= 0 && at < lines.size() ? lines[at] : "<no line>");
    }
    return part;
}

/// A calendar time for the report date line.
inline std::tm ReportTime(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

/// The clock of the dated report tests: 4 December 2026, 21:05.
inline std::tm FixedReportClock() { return ReportTime(2026, 12, 4, 21, 5); }

}  // namespace tarnex::testing
