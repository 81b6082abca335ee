#include "ui/load_table.h"

#include <array>

#include "model/number_text.h"
#include "model/typed_number.h"
#include "ui/control_names.h"

namespace tarnex::ui {

namespace {

template <typename Data>
auto& CellOf(Data& d, int location, int column) {
    auto& loc = d.locations(location);
    if (column == 0) return loc.x;
    const auto values = ValuesOf(loc, kLoadCases[(column - 1) / 4]);
    switch ((column - 1) % 4) {
        case 0:
            return *values.P;
        case 1:
            return *values.V;
        case 2:
            return *values.M;
        default:
            return *values.F;
    }
}

/// The lines of a pasted text without their line ends; a last empty line is dropped.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos)
        lines.pop_back();
    return lines;
}

std::vector<std::string_view> Cells(std::string_view line) {
    std::vector<std::string_view> cells;
    for (;;) {
        const std::size_t tab = line.find('\t');
        cells.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return cells;
        line.remove_prefix(tab + 1);
    }
}

bool IsBlank(std::string_view cell) {
    return cell.find_first_not_of(" ") == std::string_view::npos;
}

}  // namespace

std::string LoadColumnHeader(int column) {
    if (column == 0) return "x (in)";
    return std::string(kLoadCaseCaptions[static_cast<std::size_t>((column - 1) / 4)]) + " " +
           kLoadValueCaptions[static_cast<std::size_t>((column - 1) % 4)];
}

double LoadColumnFactor(int column) {
    if (column == 0 || (column - 1) % 4 == 3) return 1.0;
    return static_cast<double>((column - 1) % 4 == 2 ? kMomentFactor : kForceFactor);
}

float& LoadCell(DesignData& d, int location, int column) { return CellOf(d, location, column); }

float LoadCell(const DesignData& d, int location, int column) {
    return CellOf(d, location, column);
}

std::string LoadCellText(const DesignData& d, int location, int column) {
    const float stored = LoadCell(d, location, column);
    const double factor = LoadColumnFactor(column);
    const double value = static_cast<double>(stored) / factor;
    std::string text = ShortestForm(value);
    // Seven digits show what the file holds; a moment in kip-ft may need more to come back
    // as the same pound-inches when pasted.
    for (int digits = 8; digits <= 17; ++digits) {
        const TypedNumber back = ReadTypedNumber(text, factor);
        if (back.value && *back.value == stored) break;
        text = SignificantForm(value, digits);
    }
    return text;
}

std::string CopyLoadCells(const DesignData& d, int firstLocation, int lastLocation, int firstColumn,
                          int lastColumn, bool headers) {
    std::string text;
    const auto row = [&](auto&& cell) {
        for (int c = firstColumn; c <= lastColumn; ++c) {
            if (c > firstColumn) text += '\t';
            text += cell(c);
        }
        text += '\n';
    };
    if (headers) row([](int c) { return LoadColumnHeader(c); });
    for (int i = firstLocation; i <= lastLocation; ++i) {
        row([&](int c) { return LoadCellText(d, i, c); });
    }
    return text;
}

LoadBlock ReadLoadBlock(std::string_view text, int firstColumn) {
    LoadBlock block;
    std::vector<std::string_view> lines = Lines(text);
    if (!lines.empty()) {
        bool anyNumber = false;
        for (std::string_view cell : Cells(lines.front()))
            anyNumber = anyNumber || ReadCompleteNumber(cell).has_value();
        if (!anyNumber) lines.erase(lines.begin());
    }
    if (lines.empty()) {
        block.problem = "There are no numbers to paste.";
        return block;
    }
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const std::vector<std::string_view> cells = Cells(lines[r]);
        const int last = firstColumn + static_cast<int>(cells.size()) - 1;
        if (last >= kLoadTableColumns) {
            block.problem = "Row " + std::to_string(r + 1) + " has " +
                            std::to_string(cells.size()) + " columns; from the column " +
                            LoadColumnHeader(firstColumn) + " the table has " +
                            std::to_string(kLoadTableColumns - firstColumn) + ".";
            block.rows.clear();
            return block;
        }
        std::vector<std::optional<float>> values;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const int column = firstColumn + static_cast<int>(c);
            if (IsBlank(cells[c])) {
                values.emplace_back();
                continue;
            }
            const TypedNumber typed = ReadTypedNumber(cells[c], LoadColumnFactor(column));
            if (!typed.value) {
                block.problem = "Row " + std::to_string(r + 1) + ", " + LoadColumnHeader(column) +
                                ": " + typed.problem + ".";
                block.rows.clear();
                return block;
            }
            values.push_back(typed.value);
        }
        block.rows.push_back(std::move(values));
    }
    return block;
}

}  // namespace tarnex::ui

#include "model/dialogs.h"
#include "ui/input_presenter.h"

namespace tarnex::ui {

std::string InputPresenter::SetLoadCell(int location, int column, const std::string& text) {
    DesignData& d = state_.data;
    if (location < 1 || location > d.locations.size() || column < 0 ||
        column >= kLoadTableColumns) {
        return "No such cell";
    }
    const TypedNumber typed = ReadTypedNumber(text, LoadColumnFactor(column));
    if (!typed.value) return typed.problem;
    LoadCell(d, location, column) = *typed.value;
    if (location == d.CurrentLocation) ShowLocation();
    return {};
}

bool InputPresenter::PasteLoads(int location, int column, const std::string& text) {
    CommitPendingCount();
    DesignData& d = state_.data;
    const LoadBlock block = ReadLoadBlock(text, column);
    if (!block.problem.empty()) {
        ShowMessage("Nothing was pasted." + std::string(1, kMessageLineBreak) + block.problem);
        return false;
    }
    const int last = location + static_cast<int>(block.rows.size()) - 1;
    if (last > kMaxLocations) {
        ShowMessage("Nothing was pasted." + std::string(1, kMessageLineBreak) +
                    "The rows would reach location " + std::to_string(last) +
                    "; a design holds at most 100,000.");
        return false;
    }
    if (last > d.locations.size()) {
        const int added = last - d.locations.size();
        if (!AskYesNo("The pasted rows reach location " + std::to_string(last) +
                          "; the design has " + std::to_string(d.locations.size()) + "." +
                          kMessageLineBreak + "Add " + std::to_string(added) +
                          (added == 1 ? " location?" : " locations?"),
                      "Paste Loads")) {
            return false;
        }
        d.PrevNll = d.nll;
        d.nll = last;
        d.locations.Resize(last);
        d.FRloss.Resize(last);
        d.PSlossAt.Resize(last);
        ShowValue("txtnll", static_cast<float>(d.nll));
    }
    for (std::size_t r = 0; r < block.rows.size(); ++r) {
        const int target = location + static_cast<int>(r);
        for (std::size_t c = 0; c < block.rows[r].size(); ++c) {
            if (block.rows[r][c])
                LoadCell(d, target, column + static_cast<int>(c)) = *block.rows[r][c];
        }
    }
    ShowLocation();
    return true;
}

}  // namespace tarnex::ui
