#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/design_data.h"
#include "model/input_fields.h"

namespace tarnex::ui {

/// A text box bound to one float field of the design record.
struct BoundBox {
    const char* name;
    float DesignData::*field;
};

/// Text boxes of the real input fields: they store their number on every key release (in
/// their unit factor), derived ones included.
const std::vector<BoundBox>& BoundBoxes();

/// The label of a dimension box, whose caption follows the beam shape ("txtBtop" has
/// "lblBtop").
inline std::string DimensionLabelName(const std::string& box) { return "lbl" + box.substr(3); }

/// Case prefixes of the load grid rows, in the fixed load case order.
inline const std::array<std::string, 7> kLoadCasePrefixes = {"D",  "CD",  "AD", "L",
                                                             "PS", "PS2", "M"};

/// Captions of the load grid rows and of the table's load cases, in the same order.
inline constexpr std::array<const char*, 7> kLoadCaseCaptions = {
    "Beam Dead", "Non-Comp Dead",       "Composite Dead", "Live plus Impact",
    "Prestress", "Secondary Prestress", "Miscellaneous"};

/// Captions of the load grid columns with their units (kips, kip-ft as typed).
inline constexpr std::array<const char*, 4> kLoadValueCaptions = {"Axial (kips)", "Shear (kips)",
                                                                  "Moment (kip-ft)", "Factor"};

/// Column letters of the load grid: axial force, shear, moment, load factor.
inline const std::array<char, 4> kLoadColumns = {'P', 'V', 'M', 'F'};

/// Every control name of the main window and the output options dialog.
std::vector<std::string> AllControlNames();

/// Name of picture `index` of a picture control array ("imgSect", 3 -> "imgSect3").
std::string PictureName(const std::string& array, int index);

}  // namespace tarnex::ui
