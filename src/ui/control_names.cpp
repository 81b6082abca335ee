#include "ui/control_names.h"

namespace tarnex::ui {

const std::vector<BoundBox>& BoundBoxes() {
    static const std::vector<BoundBox> boxes = {
        {"txtBUW", &DesignData::BUW},
        {"txtCS28", &DesignData::CS28},
        {"txtCSps", &DesignData::CSps},
        {"txtM28", &DesignData::M28},
        {"txtMps", &DesignData::Mps},
        {"txtSUW", &DesignData::SUW},
        {"txtSS28", &DesignData::SS28},
        {"txtSM28", &DesignData::SM28},
        {"txtRS", &DesignData::RS},
        {"txtRM", &DesignData::RM},
        {"txtPSdia", &DesignData::PSdia},
        {"txtPSus", &DesignData::PSus},
        {"txtPSys", &DesignData::PSys},
        {"txtPSmod", &DesignData::PSmod},
        {"txtK", &DesignData::K},
        {"txtMU", &DesignData::MU},
        {"txtD", &DesignData::D},
        {"txtBtop", &DesignData::Btop},
        {"txtHtop", &DesignData::Htop},
        {"txtBweb", &DesignData::Bweb},
        {"txtBbot", &DesignData::Bbot},
        {"txtHbot", &DesignData::Hbot},
        {"txtFtop", &DesignData::Ftop},
        {"txtFbot", &DesignData::Fbot},
        {"txtArea", &DesignData::Area},
        {"txtMoI", &DesignData::MoI},
        {"txtYtop", &DesignData::Ytop},
        {"txtYbot", &DesignData::Ybot},
        {"txtACS1", &DesignData::ACS1},
        {"txtATS1", &DesignData::ATS1},
        {"txtACS2", &DesignData::ACS2},
        {"txtATS2", &DesignData::ATS2},
        {"txtPSi", &DesignData::PSi},
        {"txtPSloss", &DesignData::PSloss},
        {"txtPStrans", &DesignData::PStrans},
        {"txtAset", &DesignData::Aset},
        {"txtBlength", &DesignData::Blength},
        {"txtBspace", &DesignData::Bspace},
        {"txtTslab", &DesignData::Tslab},
        {"txtHaunch", &DesignData::Haunch},
        {"txtSlope", &DesignData::Slope},
        {"txtBeff", &DesignData::Beff},
        {"txtXl", &DesignData::Xl},
        {"txtXm", &DesignData::Xm},
        {"txtXr", &DesignData::Xr},
        {"txtYl", &DesignData::Yl},
        {"txtYm", &DesignData::Ym},
        {"txtYr", &DesignData::Yr},
    };
    return boxes;
}

std::string PictureName(const std::string& array, int index) {
    return array + std::to_string(index);
}

std::vector<std::string> AllControlNames() {
    std::vector<std::string> names = {
        "optAASHTO",  "optAREA",         "optACI",   "optEnglish",    "optMetric",    "optPreT",
        "optPostT",   "chkComp",         "optGross", "optTrans",      "cboPStype",    "cboBeam",
        "cboSection", "cmdCalcSP",       "txtnll",   "txtPjack",      "cmdCalcPSF",   "fraLocation",
        "txtx",       "cmdPrev",         "cmdNext",  "cmdcalcloss",   "cmdCalcTrans", "cmdcalcbeff",
        "cboConfig",  "fraSlabConcrete", "fraDucts", "fraSlabConfig", "chkStress",    "chkDefl",
        "chkUMom",    "chkUShear",       "cmdCalc",  "SBFiles1",      "SBFiles2"};
    for (const BoundBox& box : BoundBoxes()) names.emplace_back(box.name);
    for (const std::string& dim : kDimensionNames) names.push_back("lbl" + dim);
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
