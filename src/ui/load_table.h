#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design_data.h"

namespace tarnex::ui {

/// The load table: one row per location, x and the axial force, shear, moment and factor of
/// each of the seven load cases, forces in kips and moments in kip-ft as in the one-location
/// editor.
inline constexpr int kLoadTableColumns = 1 + 4 * kLoadCaseCount;

/// The header of a column with its unit: "x (in)", "Live plus Impact Moment (kip-ft)".
std::string LoadColumnHeader(int column);
/// The factor from the column's unit to the stored one (1, kips 1000, kip-ft 12000).
double LoadColumnFactor(int column);
/// The stored value of a cell; `location` from 1.
float& LoadCell(DesignData& d, int location, int column);
float LoadCell(const DesignData& d, int location, int column);
/// The cell in its unit: the fewest significant digits (at least up to 7) that read back
/// as the stored value.
std::string LoadCellText(const DesignData& d, int location, int column);
/// Cells as tab-separated rows ending in a line break, with the header row when asked.
std::string CopyLoadCells(const DesignData& d, int firstLocation, int lastLocation, int firstColumn,
                          int lastColumn, bool headers);

/// A block of pasted rows read into stored values: an empty cell keeps the table's value.
struct LoadBlock {
    std::vector<std::vector<std::optional<float>>> rows;
    std::string problem;  ///< why nothing can be pasted; empty when the block reads
};
/// Reads tab-separated rows (line ends CR LF or LF) for the columns from `firstColumn`; a
/// first row without any number is a header row and is skipped.
LoadBlock ReadLoadBlock(std::string_view text, int firstColumn);

}  // namespace tarnex::ui
