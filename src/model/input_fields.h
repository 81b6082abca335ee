#pragma once

#include <string>
#include <variant>
#include <vector>

#include "model/design_data.h"

namespace tarnex {

/// The record field of an input: a real, a whole number or a list selection (stored in the
/// file as its list index).
using InputMember = std::variant<float DesignData::*, int DesignData::*, SteelType DesignData::*,
                                 BeamShapeKind DesignData::*, PathKind DesignData::*>;

/// The input lines that hold rows of the table, as the input file numbers them with every
/// optional line present (lines 1 to 5 are the setting keywords, line 16 the locations).
inline constexpr int kBeamConcreteLine = 6;
inline constexpr int kSlabConcreteLine = 7;
inline constexpr int kMildSteelLine = 8;
inline constexpr int kPrestressingSteelLine = 9;
inline constexpr int kDuctsLine = 10;
inline constexpr int kBeamShapeLine = 11;
inline constexpr int kSectionNumberLine = 12;
inline constexpr int kDimensionsLine = 13;
inline constexpr int kBeamPropertiesLine = 14;
inline constexpr int kLoadsLine = 15;
inline constexpr int kAllowableStressLine = 17;
inline constexpr int kLossLine = 18;
inline constexpr int kPathKindLine = 19;
inline constexpr int kPathPointsLine = 20;
inline constexpr int kBeamConfigurationLine = 21;
inline constexpr int kSlabConfigurationLine = 22;

/// Box decimals of a field shown in its shortest form rather than rounded.
inline constexpr int kShortestForm = -1;

/// One scalar input field: where the file, the window and the report echo hold it. A null
/// text means the field has no such place.
struct InputField {
    InputMember member;
    int fileLine = 0;      ///< 0: not in the file
    int filePosition = 0;  ///< item of the line, from 1
    const char* box = nullptr;
    const char* label = nullptr;    ///< window label beside the box
    const char* tooltip = nullptr;  ///< English tooltip without its unit
    const char* unit = nullptr;     ///< English unit word ending the tooltip
    int boxDecimals = kShortestForm;
    const char* echoLabel = nullptr;
    int echoDecimals = 0;
};

/// Every scalar input field, in the order of the input file; the section properties in use,
/// which the file does not hold, come after the beam's gross properties.
const std::vector<InputField>& InputFields();

/// The rows of one input file line, in item order.
std::vector<const InputField*> FieldsOfLine(int line);

/// The row of a window box, or null.
const InputField* FieldOfBox(const std::string& box);

/// The row of a record field, or null.
const InputField* FieldOfMember(const InputMember& member);

/// Whether the input file holds `line` for a design with these settings: the slab lines only
/// with a composite slab, the duct line only with post-tensioning.
bool FileHasLine(int line, bool composite, bool postTensioned);

/// The English tooltip of a row: its text, then " in " and its unit when it has one.
std::string EnglishTooltip(const InputField& field);

/// The float field of a row, or null when the row holds a whole number or a list selection.
float DesignData::*RealMember(const InputField& field);

/// The value of a row's field as a number (a list selection as its index).
double FieldValue(const DesignData& data, const InputField& field);

/// Sets a whole number or a list selection (by its index); a real field takes the number as
/// it is.
void SetWholeValue(DesignData& data, const InputField& field, int value);

}  // namespace tarnex
