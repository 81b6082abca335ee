#include "model/input_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "model/completeness.h"
#include "model/input_file_items.h"
#include "model/number_text.h"
#include "model/setting_handlers.h"

namespace tarnex {

namespace {

constexpr const char* kLineEnd = "\r\n";

/// Builds the lines of the input file, items separated by commas.
class LineWriter {
  public:
    void Keyword(const char* word) { Item(std::string("\"") + word + "\""); }
    void Integer(int value) { Item(std::to_string(value)); }
    void Real(float value) { Item(FileNumber(static_cast<double>(value))); }
    void EndLine() {
        text_ += kLineEnd;
        lineStarted_ = false;
    }
    [[nodiscard]] const std::string& Text() const { return text_; }

  private:
    void Item(const std::string& item) {
        if (lineStarted_) text_ += ',';
        text_ += item;
        lineStarted_ = true;
    }
    std::string text_;
    bool lineStarted_ = false;
};

void WriteLoadCase(LineWriter& out, const LoadLocation& loc, LoadCase loadCase) {
    const ConstLoadValues values = ValuesOf(loc, loadCase);
    out.Real(*values.P);
    out.Real(*values.V);
    out.Real(*values.M);
    out.Real(*values.F);
    out.EndLine();
}

/// The whole input file of the design, lines 1 to 22.
std::string FormatInputFile(const DesignData& d) {
    LineWriter out;
    out.Keyword(d.units == Units::English ? "english" : "metric");
    out.EndLine();
    out.Keyword(d.prestressing == Prestressing::Pretensioning ? "pretensioning"
                                                              : "post-tensioning");
    out.EndLine();
    out.Keyword(d.designCriteria == DesignCriteria::AASHTO  ? "aashto"
                : d.designCriteria == DesignCriteria::AREMA ? "arema"
                                                            : "aci");
    out.EndLine();
    out.Keyword(d.Composite ? "composite" : "non-composite");
    out.EndLine();
    out.Keyword(d.sectionBasis == SectionBasis::Gross ? "gross" : "trans");
    out.EndLine();

    for (float v : {d.BUW, d.CS28, d.CSps, d.M28, d.Mps}) out.Real(v);
    out.EndLine();
    if (d.Composite) {
        for (float v : {d.SUW, d.SS28, d.SM28}) out.Real(v);
        out.EndLine();
    }
    out.Real(d.RS);
    out.Real(d.RM);
    out.EndLine();
    out.Integer(d.PStype);
    for (float v : {d.PSdia, d.PSus, d.PSys, d.PSmod}) out.Real(v);
    out.EndLine();
    if (d.prestressing == Prestressing::PostTensioning) {
        out.Real(d.K);
        out.Real(d.MU);
        out.EndLine();
    }
    out.Integer(d.BeamShape);
    out.EndLine();
    out.Integer(d.SectionNo);
    out.EndLine();
    for (float v : {d.D, d.Btop, d.Htop, d.Bweb, d.Bbot, d.Hbot, d.Ftop, d.Fbot}) out.Real(v);
    out.EndLine();
    for (float v : {d.BeamArea, d.BeamMoI, d.BeamYtop, d.BeamYbot}) out.Real(v);
    out.EndLine();
    out.Integer(d.nll);
    out.Real(d.Pjack);
    out.EndLine();
    for (int i = 1; i <= d.nll; ++i) {
        const LoadLocation& loc = d.locations(i);
        out.Real(loc.x);
        out.EndLine();
        for (LoadCase loadCase : kLoadCases) WriteLoadCase(out, loc, loadCase);
    }
    for (float v : {d.ACS1, d.ATS1, d.ACS2, d.ATS2, d.PSi}) out.Real(v);
    out.EndLine();
    for (float v : {d.PSloss, d.PStrans, d.Aset}) out.Real(v);
    out.EndLine();
    out.Integer(d.PathConfig);
    out.EndLine();
    for (float v : {d.Xl, d.Yl, d.Xm, d.Ym, d.Xr, d.Yr}) out.Real(v);
    out.EndLine();
    out.Real(d.Blength);
    out.Real(d.Bspace);
    out.EndLine();
    if (d.Composite) {
        for (float v : {d.Tslab, d.Beff, d.Slope, d.Haunch}) out.Real(v);
        out.EndLine();
    }
    return out.Text();
}

/// A temporary file name in the folder of `target` that does not exist yet.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    const std::string stem = "." + target.filename().string() + ".saving";
    for (int n = 0; n < 1000; ++n) {
        std::filesystem::path candidate = folder / (stem + std::to_string(n));
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, ec))) {
            return candidate;
        }
    }
    throw std::runtime_error("no temporary file name is free");
}

/// Writes `text` to a temporary file and renames it over `target` only when all was written.
void ReplaceFileContents(const std::filesystem::path& target, const std::string& text) {
    if (target.empty() || target.filename().empty()) {
        throw std::runtime_error("no file name");
    }
    const std::filesystem::path temp = TemporaryNameBeside(target);
    try {
        {
            std::ofstream file(temp, std::ios::binary | std::ios::trunc);
            if (!file) throw std::runtime_error("cannot create the file");
            file.write(text.data(), static_cast<std::streamsize>(text.size()));
            file.close();
            if (!file) throw std::runtime_error("cannot write the file");
        }
        std::filesystem::rename(temp, target);
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(temp, ec);
        throw;
    }
}

/// The keyword rules of the reader: exact, case-sensitive comparisons.
Units UnitsOf(const std::string& word) { return word == "metric" ? Units::Metric : Units::English; }
Prestressing PrestressingOf(const std::string& word) {
    return word == "pretensioning" ? Prestressing::Pretensioning : Prestressing::PostTensioning;
}
DesignCriteria CriteriaOf(const std::string& word) {
    if (word == "aci") return DesignCriteria::ACI;
    if (word == "area" || word == "arema") return DesignCriteria::AREMA;
    return DesignCriteria::AASHTO;
}
SectionBasis SectionBasisOf(const std::string& word) {
    return word == "gross" ? SectionBasis::Gross : SectionBasis::Transformed;
}

/// Everything an input file holds, parsed before any of it reaches the design.
struct InputFileContents {
    std::string unitsKeyword, prestressingKeyword, criteriaKeyword, compositeKeyword,
        sectionKeyword;
    DesignData numbers;  // only the fields of the file's lines are meaningful
};

void ReadReals(InputItems& in, std::initializer_list<float*> fields) {
    for (float* field : fields) *field = in.Real();
}

/// Parses the whole file; throws InputFileError on any fault.
InputFileContents ParseInputFile(const std::string& text) {
    InputItems in(text);
    InputFileContents c;
    c.unitsKeyword = in.Keyword();
    c.prestressingKeyword = in.Keyword();
    c.criteriaKeyword = in.Keyword();
    c.compositeKeyword = in.Keyword();
    c.sectionKeyword = in.Keyword();
    const bool composite = c.compositeKeyword == "composite";
    const bool post = PrestressingOf(c.prestressingKeyword) == Prestressing::PostTensioning;

    DesignData& d = c.numbers;
    ReadReals(in, {&d.BUW, &d.CS28, &d.CSps, &d.M28, &d.Mps});
    if (composite) ReadReals(in, {&d.SUW, &d.SS28, &d.SM28});
    ReadReals(in, {&d.RS, &d.RM});
    d.PStype = in.Integer();
    ReadReals(in, {&d.PSdia, &d.PSus, &d.PSys, &d.PSmod});
    if (post) ReadReals(in, {&d.K, &d.MU});
    d.BeamShape = in.Integer();
    d.SectionNo = in.Integer();
    ReadReals(in, {&d.D, &d.Btop, &d.Htop, &d.Bweb, &d.Bbot, &d.Hbot, &d.Ftop, &d.Fbot});
    ReadReals(in, {&d.Area, &d.MoI, &d.Ytop, &d.Ybot});
    d.nll = in.Integer();
    if (d.nll < 1 || d.nll > kMaxLocations) {
        throw InputFileError("the number of load locations is out of range");
    }
    d.Pjack = in.Real();
    d.RecreateLocations(d.nll);
    for (int i = 1; i <= d.nll; ++i) {
        LoadLocation& loc = d.locations(i);
        loc.x = in.Real();
        for (LoadCase loadCase : kLoadCases) {
            const LoadValues values = ValuesOf(loc, loadCase);
            ReadReals(in, {values.P, values.V, values.M, values.F});
        }
    }
    ReadReals(in, {&d.ACS1, &d.ATS1, &d.ACS2, &d.ATS2, &d.PSi});
    ReadReals(in, {&d.PSloss, &d.PStrans, &d.Aset});
    d.PathConfig = in.Integer();
    ReadReals(in, {&d.Xl, &d.Yl, &d.Xm, &d.Ym, &d.Xr, &d.Yr});
    ReadReals(in, {&d.Blength, &d.Bspace});
    if (composite) ReadReals(in, {&d.Tslab, &d.Beff, &d.Slope, &d.Haunch});
    return c;
}

/// Selects the file's settings through their handlers, as the reader's steps 2 to 8 do.
void SelectFileSettings(ProgramState& state, Dialogs& dialogs, const InputFileContents& c) {
    DesignData& data = state.data;
    data.FillingForm = 1;
    data.UnitsKeyword = c.unitsKeyword;
    SelectUnits(state, dialogs, UnitsOf(c.unitsKeyword));
    data.PrestressingKeyword = c.prestressingKeyword;
    SelectPrestressing(state, dialogs, PrestressingOf(c.prestressingKeyword));
    data.CriteriaKeyword = c.criteriaKeyword;
    SelectDesignCriteria(state, dialogs, CriteriaOf(c.criteriaKeyword));
    data.CompositeKeyword = c.compositeKeyword;
    SelectComposite(state, dialogs, c.compositeKeyword == "composite");
    data.SectionKeyword = c.sectionKeyword;
    SelectSectionBasis(state, dialogs, SectionBasisOf(c.sectionKeyword));
    data.FillingForm = 0;
}

/// Takes the numbers of the file's lines 6 to 22 into the design.
void TakeFileNumbers(DesignData& data, const InputFileContents& c) {
    const DesignData& f = c.numbers;
    data.BUW = f.BUW;
    data.CS28 = f.CS28;
    data.CSps = f.CSps;
    data.M28 = f.M28;
    data.Mps = f.Mps;
    if (data.Composite) {
        data.SUW = f.SUW;
        data.SS28 = f.SS28;
        data.SM28 = f.SM28;
    }
    data.RS = f.RS;
    data.RM = f.RM;
    data.PStype = f.PStype;
    data.PSdia = f.PSdia;
    data.PSus = f.PSus;
    data.PSys = f.PSys;
    data.PSmod = f.PSmod;
    if (data.prestressing == Prestressing::PostTensioning) {
        data.K = f.K;
        data.MU = f.MU;
    }
    data.BeamShape = f.BeamShape;
    data.SectionNo = f.SectionNo;
    data.D = f.D;
    data.Btop = f.Btop;
    data.Htop = f.Htop;
    data.Bweb = f.Bweb;
    data.Bbot = f.Bbot;
    data.Hbot = f.Hbot;
    data.Ftop = f.Ftop;
    data.Fbot = f.Fbot;
    data.Area = data.BeamArea = f.Area;
    data.MoI = data.BeamMoI = f.MoI;
    data.Ytop = data.BeamYtop = f.Ytop;
    data.Ybot = data.BeamYbot = f.Ybot;
    data.nll = f.nll;
    data.Pjack = f.Pjack;
    data.RecreateLocations(f.nll);
    data.locations = f.locations;
    data.ACS1 = f.ACS1;
    data.ATS1 = f.ATS1;
    data.ACS2 = f.ACS2;
    data.ATS2 = f.ATS2;
    data.PSi = f.PSi;
    data.PSloss = f.PSloss;
    data.PStrans = f.PStrans;
    data.Aset = f.Aset;
    data.PathConfig = f.PathConfig;
    data.Xl = f.Xl;
    data.Yl = f.Yl;
    data.Xm = f.Xm;
    data.Ym = f.Ym;
    data.Xr = f.Xr;
    data.Yr = f.Yr;
    data.Blength = f.Blength;
    data.Bspace = f.Bspace;
    if (data.CompositeKeyword == "composite") {
        data.Tslab = f.Tslab;
        data.Beff = f.Beff;
        data.Slope = f.Slope;
        data.Haunch = f.Haunch;
    }
}

/// The whole contents of a file; nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& name) {
    std::error_code ec;
    if (name.empty() || !std::filesystem::is_regular_file(name, ec)) return std::nullopt;
    std::ifstream file(name, std::ios::binary);
    if (!file) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return std::nullopt;
    return text;
}

}  // namespace

std::string FormatInputFileText(const DesignData& data) { return FormatInputFile(data); }

bool WriteInputFile(ProgramState& state, Dialogs& dialogs) {
    CheckInputComplete(state.data, dialogs);
    try {
        ReplaceFileContents(state.data.InputFileName, FormatInputFile(state.data));
    } catch (const std::exception&) {
        dialogs.ShowMessage("Error writing input file");
        return false;
    }
    return true;
}

bool ReadInputFile(ProgramState& state, Dialogs& dialogs) {
    InputFileContents contents;
    try {
        const std::optional<std::string> text = ReadWholeFile(state.data.InputFileName);
        if (!text) throw InputFileError("the file cannot be read");
        contents = ParseInputFile(*text);
    } catch (const std::exception&) {
        dialogs.ShowMessage("Error reading input file");
        return false;
    }
    SelectFileSettings(state, dialogs, contents);
    TakeFileNumbers(state.data, contents);
    state.data.CurrentLocation = 1;
    dialogs.RefreshForm();
    state.data.FillingForm = 0;
    return true;
}

}  // namespace tarnex
