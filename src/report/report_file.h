#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace tarnex {

/// One report line built left to right: indent, absolute column, text and 14-column zones.
class ReportLine {
  public:
    /// Room for a whole report line, so that building it allocates once.
    ReportLine() { text_.reserve(kTypicalLength); }

    /// n blanks at the start of the line.
    ReportLine& Indent(int n) { return Column(n + 1); }
    /// Blanks up to column n (columns counted from 1).
    ReportLine& Column(int n) {
        const auto target = static_cast<std::size_t>(n > 1 ? n - 1 : 0);
        if (text_.size() < target) text_.append(target - text_.size(), ' ');
        return *this;
    }
    ReportLine& Text(std::string_view text) {
        text_.append(text);
        return *this;
    }
    /// Pads to the start of the next 14-column print zone.
    ReportLine& Zone() {
        const std::size_t next = (text_.size() / kZoneWidth + 1) * kZoneWidth;
        text_.append(next - text_.size(), ' ');
        return *this;
    }
    /// The value in the report pattern with `decimals` decimals ("0." .. "0.0000000"); a
    /// value that is not finite raises CalcError naming `what`.
    ReportLine& Pattern(double value, int decimals, const char* what);
    /// The value in Str form (" .5", "-2"); a value that is not finite raises CalcError.
    ReportLine& Str(double value, const char* what);
    /// The value as a plain number (" .5 "); a value that is not finite raises CalcError.
    ReportLine& Plain(double value, const char* what);
    [[nodiscard]] const std::string& str() const { return text_; }

    static constexpr std::size_t kZoneWidth = 14;
    static constexpr std::size_t kTypicalLength = 96;

  private:
    std::string text_;
};

/// The report being written: every line ends with CR LF. A failed write throws CalcError.
class ReportFile {
  public:
    explicit ReportFile(std::ostream& out) : out_(out) {}

    void Write(const ReportLine& line) { Write(line.str()); }
    void Write(std::string_view text);
    void Empty() { Write(std::string_view()); }
    /// Indent n, then the text.
    void Write(int indent, std::string_view text) { Write(ReportLine().Indent(indent).Text(text)); }

  private:
    std::ostream& out_;
};

}  // namespace tarnex
