#include "ui/control_names.h"

namespace tarnex::ui {

const std::vector<BoundBox>& BoundBoxes() {
    static const std::vector<BoundBox> boxes = [] {
        std::vector<BoundBox> bound;
        for (const InputField& field : InputFields()) {
            float DesignData::*real = RealMember(field);
            if (field.box != nullptr && real != nullptr) bound.push_back({field.box, real});
        }
        return bound;
    }();
    return boxes;
}

std::string PictureName(const std::string& array, int index) {
    return array + std::to_string(index);
}

std::vector<std::string> AllControlNames() {
    std::vector<std::string> names = {
        "optAASHTO",     "optAREA",     "optACI",     "optEnglish",      "optMetric",
        "optPreT",       "optPostT",    "chkComp",    "optGross",        "optTrans",
        "cboPStype",     "cboBeam",     "cboSection", "cmdCalcSP",       "cmdCalcPSF",
        "fraLocation",   "txtx",        "cmdPrev",    "cmdNext",         "cmdcalcloss",
        "cmdCalcTrans",  "cmdcalcbeff", "cboConfig",  "fraSlabConcrete", "fraDucts",
        "fraSlabConfig", "chkStress",   "chkDefl",    "chkUMom",         "chkUShear",
        "chkRating",     "cmdCalc",     "SBFiles1",   "SBFiles2"};
    for (const InputField& field : InputFields()) {
        if (field.box != nullptr) names.emplace_back(field.box);
    }
    for (const InputField* dimension : FieldsOfLine(kDimensionsLine)) {
        names.push_back(DimensionLabelName(dimension->box));
    }
    for (const std::string& prefix : kLoadCasePrefixes) {
        for (char column : kLoadColumns) names.push_back("txt" + prefix + column);
    }
    for (int i = 0; i < 6; ++i) {
        names.push_back(PictureName("imgSect", i));
        names.push_back(PictureName("imgPath", i));
    }
    return names;
}

}  // namespace tarnex::ui
