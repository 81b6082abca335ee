#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/design_data.h"

namespace tarnex::ui {

/// A text box bound to one float field of the design record.
struct BoundBox {
    const char* name;
    float DesignData::*field;
};

/// Text boxes that store their number on every key release, derived ones included.
const std::vector<BoundBox>& BoundBoxes();

/// The eight dimension fields in order: box names without the "txt" prefix.
inline const std::array<std::string, 8> kDimensionNames = {"D",    "Btop", "Htop", "Bweb",
                                                           "Bbot", "Hbot", "Ftop", "Fbot"};

/// Case prefixes of the load grid rows, in the fixed load case order.
inline const std::array<std::string, 7> kLoadCasePrefixes = {"D",  "CD",  "AD", "L",
                                                             "PS", "PS2", "M"};

/// Column letters of the load grid: axial force, shear, moment, load factor.
inline const std::array<char, 4> kLoadColumns = {'P', 'V', 'M', 'F'};

/// Every control name of the main window and the output options dialog.
std::vector<std::string> AllControlNames();

/// Name of picture `index` of a picture control array ("imgSect", 3 -> "imgSect3").
std::string PictureName(const std::string& array, int index);

}  // namespace tarnex::ui
