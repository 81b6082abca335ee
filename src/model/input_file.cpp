#include "model/input_file.h"

#include <exception>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/completeness.h"
#include "model/input_fields.h"
#include "model/input_file_items.h"
#include "model/number_text.h"
#include "model/setting_handlers.h"
#include "model/text_files.h"

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

/// The lines of the input file before the location count and after the locations.
constexpr int kFirstLineBeforeLoads = kBeamConcreteLine;
constexpr int kLastLineBeforeLoads = kBeamPropertiesLine;
constexpr int kFirstLineAfterLoads = kAllowableStressLine;
constexpr int kLastLineAfterLoads = kSlabConfigurationLine;

/// Calls `action` with the fields of each of lines `first` to `last` that a design with these
/// settings has, line by line in file order.
template <typename Action>
void ForEachFileLine(int first, int last, bool composite, bool postTensioned, Action action) {
    for (int line = first; line <= last; ++line) {
        if (FileHasLine(line, composite, postTensioned)) action(FieldsOfLine(line));
    }
}

void WriteLines(LineWriter& out, const DesignData& d, int first, int last) {
    const bool post = d.prestressing == Prestressing::PostTensioning;
    ForEachFileLine(first, last, d.Composite, post,
                    [&](const std::vector<const InputField*>& line) {
                        for (const InputField* field : line) {
                            if (float DesignData::*real = RealMember(*field)) {
                                out.Real(d.*real);
                            } else {
                                out.Integer(static_cast<int>(FieldValue(d, *field)));
                            }
                        }
                        out.EndLine();
                    });
}

/// The whole input file of the design.
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

    WriteLines(out, d, kFirstLineBeforeLoads, kLastLineBeforeLoads);
    out.Integer(d.nll);
    out.Real(d.Pjack);
    out.EndLine();
    for (int i = 1; i <= d.nll; ++i) {
        const LoadLocation& loc = d.locations(i);
        out.Real(loc.x);
        out.EndLine();
        for (LoadCase loadCase : kLoadCases) {
            const ConstLoadValues values = ValuesOf(loc, loadCase);
            for (const float* v : {values.P, values.V, values.M, values.F}) out.Real(*v);
            out.EndLine();
        }
    }
    WriteLines(out, d, kFirstLineAfterLoads, kLastLineAfterLoads);
    return out.Text();
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

void ReadLines(InputItems& in, DesignData& d, int first, int last, bool composite,
               bool postTensioned) {
    ForEachFileLine(first, last, composite, postTensioned,
                    [&](const std::vector<const InputField*>& line) {
                        for (const InputField* field : line) {
                            if (float DesignData::*real = RealMember(*field)) {
                                d.*real = in.Real();
                            } else {
                                SetWholeValue(d, *field, in.Integer());
                            }
                        }
                    });
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
    ReadLines(in, d, kFirstLineBeforeLoads, kLastLineBeforeLoads, composite, post);
    d.nll = in.Integer();
    if (d.nll < 1 || d.nll > kMaxLocations) {
        throw in.ErrorAtLine("the number of load locations " + std::to_string(d.nll) +
                             " is outside 1 to " + std::to_string(kMaxLocations));
    }
    d.Pjack = in.Real();
    d.RecreateLocations(d.nll);
    for (int i = 1; i <= d.nll; ++i) {
        LoadLocation& loc = d.locations(i);
        loc.x = in.Real();
        for (LoadCase loadCase : kLoadCases) {
            const LoadValues values = ValuesOf(loc, loadCase);
            for (float* v : {values.P, values.V, values.M, values.F}) *v = in.Real();
        }
    }
    ReadLines(in, d, kFirstLineAfterLoads, kLastLineAfterLoads, composite, post);
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

void TakeLines(DesignData& data, const DesignData& f, int first, int last) {
    ForEachFileLine(first, last, data.Composite, data.prestressing == Prestressing::PostTensioning,
                    [&](const std::vector<const InputField*>& line) {
                        for (const InputField* field : line) {
                            std::visit([&](auto member) { data.*member = f.*member; },
                                       field->member);
                        }
                    });
}

/// Takes the file's numbers into the design, by the settings the handlers have selected. The
/// beam's gross properties are the properties in use too.
void TakeFileNumbers(DesignData& data, InputFileContents&& c) {
    DesignData& f = c.numbers;
    TakeLines(data, f, kFirstLineBeforeLoads, kLastLineBeforeLoads);
    data.Area = data.BeamArea;
    data.MoI = data.BeamMoI;
    data.Ytop = data.BeamYtop;
    data.Ybot = data.BeamYbot;
    data.nll = f.nll;
    data.Pjack = f.Pjack;
    // The file's locations, and the per-location losses re-created with them.
    data.locations = std::move(f.locations);
    data.FRloss.Recreate(f.nll);
    data.PSlossAt.Recreate(f.nll);
    TakeLines(data, f, kFirstLineAfterLoads, kLastLineAfterLoads);
}

/// The first line of a failure's message, then its cause.
std::string WithCause(const char* message, const std::exception& error) {
    return std::string(message) + kMessageLineBreak + error.what();
}

}  // namespace

std::string FormatInputFileText(const DesignData& data) { return FormatInputFile(data); }

bool WriteInputFile(ProgramState& state, Dialogs& dialogs) {
    CheckInputComplete(state.data, dialogs);
    try {
        ReplaceTextFile(state.data.InputFileName, FormatInputFile(state.data));
    } catch (const std::exception& error) {
        dialogs.ShowMessage(WithCause("Error writing input file", error));
        return false;
    }
    return true;
}

bool ReadInputFile(ProgramState& state, Dialogs& dialogs) {
    std::string text;
    try {
        text = ReadTextFile(state.data.InputFileName);
    } catch (const std::exception& error) {
        dialogs.ShowMessage(WithCause("Error reading input file", error));
        return false;
    }
    return ReadInputText(state, dialogs, text);
}

bool ReadInputText(ProgramState& state, Dialogs& dialogs, const std::string& text) {
    InputFileContents contents;
    try {
        contents = ParseInputFile(text);
    } catch (const std::exception& error) {
        dialogs.ShowMessage(WithCause("Error reading input file", error));
        return false;
    }
    SelectFileSettings(state, dialogs, contents);
    TakeFileNumbers(state.data, std::move(contents));
    state.data.CurrentLocation = 1;
    dialogs.RefreshForm();
    state.data.FillingForm = 0;
    return true;
}

}  // namespace tarnex
