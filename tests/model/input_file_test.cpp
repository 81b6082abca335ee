#include "model/input_file.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "started_up.h"
#include "support/scratch_folder.h"

namespace tarnex {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::ScriptedDialogs;
using testing::StartedUp;

/// A fresh folder for the files of one test, removed afterwards.
class InputFileTest : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }
    std::string WriteText(const std::string& name, const std::string& text) const {
        std::ofstream(PathOf(name), std::ios::binary) << text;
        return PathOf(name);
    }

    testing::ScratchFolder scratch_{"tarnex-input-file"};
    const fs::path& folder_ = scratch_.path();
};

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

/// A complete post-tensioned composite design with three locations.
ProgramState PostTensionedComposite() {
    ProgramState state = StartedUp();
    DesignData& d = state.data;
    d.prestressing = Prestressing::PostTensioning;
    d.Composite = true;
    d.SUW = 0.0868F;
    d.K = 0.0000167F;
    d.MU = 0.25F;
    d.BeamShape = BeamShapeKind::BoxGirder;
    d.SectionNo = 14;
    d.BeamArea = d.Area = 843;
    d.BeamMoI = d.MoI = 203088;
    d.nll = 3;
    d.RecreateLocations(3);
    for (int i = 1; i <= 3; ++i) {
        d.locations(i).x = 100.0F * static_cast<float>(i);
        d.locations(i).DM = 1.0e6F * static_cast<float>(i);
        d.locations(i).LF = 2.17F;
    }
    d.Pjack = 991440;
    d.PathConfig = PathKind::SimpleSimple;
    d.Ym = 4;
    d.Blength = 1080;
    d.Tslab = 6;
    d.Beff = 54;
    return state;
}

TEST_F(InputFileTest, PostTensionedCompositeWithThreeLocationsWrites45Lines) {
    ProgramState state = PostTensionedComposite();
    state.data.InputFileName = PathOf("box.in");
    ScriptedDialogs dialogs;
    ASSERT_TRUE(WriteInputFile(state, dialogs));
    const std::vector<std::string> lines = LinesOf(ReadText(PathOf("box.in")));
    ASSERT_EQ(lines.size(), 45U);
    EXPECT_EQ(lines[0], "\"english\"");
    EXPECT_EQ(lines[1], "\"post-tensioning\"");
    EXPECT_EQ(lines[2], "\"aashto\"");
    EXPECT_EQ(lines[3], "\"composite\"");
    EXPECT_EQ(lines[4], "\"gross\"");
    EXPECT_EQ(lines[5], "0.0868,4000,4000,3833886,3833886");
    EXPECT_EQ(lines[6], "0.0868,0,0");
    EXPECT_EQ(lines[7], "60000,2.9E+07");
    EXPECT_EQ(lines[8], "1,0.5,270000,243000,2.8E+07");
    EXPECT_EQ(lines[9], "1.67E-05,0.25");
    EXPECT_EQ(lines[14], "3,991440");
    EXPECT_EQ(lines[15], "100");
    EXPECT_EQ(lines[16], "0,0,1000000,0");
    EXPECT_EQ(lines[19], "0,0,0,2.17");
    EXPECT_EQ(lines[39], "2400,189.7367,1600,379.4733,202500");
    EXPECT_EQ(lines[41], "2");
    EXPECT_EQ(lines[44], "6,54,0,0");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InputFileTest, NonCompositePretensionedOmitsConditionalLinesAndReadsBack) {
    ProgramState state = StartedUp();
    state.data.InputFileName = PathOf("plain.in");
    ScriptedDialogs dialogs;
    ASSERT_TRUE(WriteInputFile(state, dialogs));
    // The start-up design is incomplete: the file is written anyway, after the warnings.
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"Enter beam properties", "Enter loads",
                                                          "Enter prestress path"}));
    const std::string text = ReadText(PathOf("plain.in"));
    EXPECT_EQ(LinesOf(text).size(), 26U);

    ProgramState loaded = PostTensionedComposite();
    loaded.data.InputFileName = PathOf("plain.in");
    ScriptedDialogs reader;
    ASSERT_TRUE(ReadInputFile(loaded, reader));
    EXPECT_EQ(FormatInputFileText(loaded.data), text);
    // The start-up modulus 3833885.5 has eight digits: it is written and read as 3833886.
    EXPECT_EQ(loaded.data.M28, 3833886.0F);
    EXPECT_EQ(loaded.data.CriteriaKeyword, "aashto");
    EXPECT_EQ(loaded.data.CompositeKeyword, "non-composite");
    EXPECT_TRUE(reader.questions.empty());
}

/// The start-up design's file with its first three keywords replaced; the friction line is
/// there exactly when the prestressing keyword reads as post-tensioning.
std::string WithKeywords(const std::string& units, const std::string& prestressing,
                         const std::string& criteria) {
    ProgramState state = StartedUp();
    if (prestressing != "\"pretensioning\"" && prestressing != "pretensioning") {
        state.data.prestressing = Prestressing::PostTensioning;
    }
    std::string text = FormatInputFileText(state.data);
    const std::size_t third = text.find("\"gross\"") - std::string("\"non-composite\"\r\n").size();
    return units + "\r\n" + prestressing + "\r\n" + criteria + "\r\n" + text.substr(third);
}

TEST_F(InputFileTest, KeywordsAreExactAndCaseSensitiveAndAreaIsReadAsArema) {
    struct Case {
        const char *units, *prestressing, *criteria;
        Prestressing readPrestressing;
        DesignCriteria readCriteria;
        const char* writtenCriteria;
    };
    constexpr auto kPost = Prestressing::PostTensioning;
    constexpr auto kAashto = DesignCriteria::AASHTO;
    const Case cases[] = {
        {"\"English\"", "\"Pretensioning\"", "\"ACI\"", kPost, kAashto, "\"aashto\""},
        {"\"Metric\"", "\"Pretensioning\"", "\"ACI\"", kPost, kAashto, "\"aashto\""},
        {"english", "\"Pretensioning\"", "\"ACI\"", kPost, kAashto, "\"aashto\""},
        {"METRIC", "\"Pretensioning\"", "\"ACI\"", kPost, kAashto, "\"aashto\""},
        {"\"english\"", "\"pretensioning\"", "\"area\"", Prestressing::Pretensioning,
         DesignCriteria::AREMA, "\"arema\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.units) + " " + c.criteria);
        ProgramState state = StartedUp();
        state.data.InputFileName =
            WriteText("keywords.in", WithKeywords(c.units, c.prestressing, c.criteria));
        ScriptedDialogs dialogs;
        ASSERT_TRUE(ReadInputFile(state, dialogs));
        EXPECT_EQ(state.data.units, Units::English);
        EXPECT_EQ(state.data.prestressing, c.readPrestressing);
        EXPECT_EQ(state.data.designCriteria, c.readCriteria);
        EXPECT_EQ('"' + state.data.CriteriaKeyword + '"', c.criteria);
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_EQ(LinesOf(FormatInputFileText(state.data))[2], c.writtenCriteria);
    }
}

TEST_F(InputFileTest, BlanksTabsAndUnquotedKeywordsAreAccepted) {
    const std::string text =
        " english \r\n\tpretensioning\r\n \"aci\" \r\nnon-composite\r\ntrans\r\n"
        " 0.0868 ,\t4000, 4000 ,3833886,3833886\r\n60000,2.9E+07\r\n"
        "1, .5,270000,243000,2.8e7\r\n4\r\n0\r\n18,48,0,0,0,0,0,0\r\n"
        "864,23328,9,9\r\n1 , 433755\r\n180\r\n"
        "0,0,1215000,1.3\n0,0,0,1.3\n0,0,0,0\n0,0,0,2.17\n0,0,0,1\n0,0,0,1\n0,0,0,1\n"
        "2400,189.7367,1800,379.4733,199800\r\n35000,13500,0\r\n0\r\n"
        "0,3,180,3,360,1E-50\r\n360,48\r\n";
    ProgramState state = StartedUp();
    state.data.InputFileName = WriteText("blanks.in", text);
    ScriptedDialogs dialogs;
    ASSERT_TRUE(ReadInputFile(state, dialogs)) << dialogs.messages.size();
    const DesignData& d = state.data;
    EXPECT_EQ(d.designCriteria, DesignCriteria::ACI);
    EXPECT_EQ(d.sectionBasis, SectionBasis::Transformed);
    EXPECT_EQ(d.SectionKeyword, "trans");
    EXPECT_EQ(d.BUW, 0.0868F);
    EXPECT_EQ(d.PSdia, 0.5F);
    EXPECT_EQ(d.PSmod, 28000000.0F);
    EXPECT_EQ(d.BeamShape, BeamShapeKind::SolidSlab);
    EXPECT_EQ(d.BeamArea, 864.0F);
    EXPECT_EQ(d.Area, 864.0F);
    EXPECT_EQ(d.BeamMoI, 23328.0F);
    EXPECT_EQ(d.Pjack, 433755.0F);
    EXPECT_EQ(d.locations(1).DM, 1215000.0F);
    EXPECT_EQ(d.locations(1).LF, 2.17F);
    EXPECT_EQ(d.PSi, 199800.0F);
    EXPECT_EQ(d.Ym, 3.0F);
    EXPECT_EQ(d.Yr, 0.0F);  // below the smallest float: the nearest float
    EXPECT_EQ(d.Bspace, 48.0F);
}

TEST_F(InputFileTest, LoadingSetsCurrentLocationToOneAndKeepsPrevNll) {
    ProgramState source = PostTensionedComposite();
    source.data.InputFileName = PathOf("three.in");
    ScriptedDialogs dialogs;
    ASSERT_TRUE(WriteInputFile(source, dialogs));

    ProgramState state = StartedUp();
    state.data.CurrentLocation = 7;
    state.data.PrevNll = 9;
    state.data.InputFileName = PathOf("three.in");
    ASSERT_TRUE(ReadInputFile(state, dialogs));
    EXPECT_EQ(state.data.CurrentLocation, 1);
    EXPECT_EQ(state.data.PrevNll, 9);
    EXPECT_EQ(state.data.nll, 3);
    EXPECT_EQ(state.data.FRloss.size(), 3);
    EXPECT_EQ(state.data.PSlossAt.size(), 3);
    EXPECT_EQ(state.data.locations(3).DM, 3.0e6F);
    EXPECT_EQ(state.data.FillingForm, 0);
    EXPECT_GE(dialogs.refreshes, 1);
}

TEST_F(InputFileTest, MetricFileAsksTheMetricQuestionAndThenTheOthers) {
    ProgramState state = StartedUp();
    state.data.InputFileName =
        WriteText("metric.in", WithKeywords("\"metric\"", "\"post-tensioning\"", "\"aci\""));
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = {true, true, true};
    ASSERT_TRUE(ReadInputFile(state, dialogs));
    ASSERT_EQ(dialogs.questions.size(), 3U);
    EXPECT_EQ(dialogs.questions[0].title, "Program Units");
    EXPECT_EQ(dialogs.questions[0].text.substr(0, 54),
              "Would you like to change to Metric default parameters?");
    EXPECT_EQ(dialogs.questions[1].title, "Prestressing type");
    EXPECT_EQ(dialogs.questions[2].title, "Design criteria");
    EXPECT_EQ(dialogs.tooltipCalls, 1);
    EXPECT_EQ(state.data.units, Units::Metric);
    EXPECT_EQ(state.data.designCriteria, DesignCriteria::ACI);
    // The file's numbers overwrite what the handlers did.
    EXPECT_EQ(state.data.PSi, 202500.0F);
    EXPECT_EQ(state.data.CS28, 4000.0F);

    // Without Yes the Metric question still switches the tooltips and asks nothing more.
    ProgramState second = StartedUp();
    second.data.InputFileName = state.data.InputFileName;
    ScriptedDialogs noDialogs;
    ASSERT_TRUE(ReadInputFile(second, noDialogs));
    EXPECT_EQ(noDialogs.questions.size(), 1U);
    EXPECT_EQ(noDialogs.tooltipCalls, 1);
}

/// Random but valid designs over every setting, shape, path and several locations.
ProgramState RandomDesign(std::mt19937& random) {
    std::uniform_real_distribution<float> magnitude(-7.0F, 9.0F);
    std::uniform_int_distribution<int> coin(0, 1);
    const auto real = [&] {
        const float value = std::pow(10.0F, magnitude(random)) * (coin(random) ? 1.0F : -1.0F);
        return coin(random) && coin(random) ? 0.0F : value;
    };
    ProgramState state;
    DesignData& d = state.data;
    d.units = coin(random) ? Units::English : Units::Metric;
    d.prestressing = coin(random) ? Prestressing::Pretensioning : Prestressing::PostTensioning;
    d.designCriteria =
        static_cast<DesignCriteria>(std::uniform_int_distribution<int>(0, 2)(random));
    d.Composite = coin(random) == 1;
    d.sectionBasis = coin(random) ? SectionBasis::Gross : SectionBasis::Transformed;
    for (float* f :
         {&d.BUW,      &d.CS28,     &d.CSps,    &d.M28,     &d.Mps,   &d.RS,       &d.RM,
          &d.PSdia,    &d.PSus,     &d.PSys,    &d.PSmod,   &d.D,     &d.Btop,     &d.Htop,
          &d.Bweb,     &d.Bbot,     &d.Hbot,    &d.Ftop,    &d.Fbot,  &d.BeamArea, &d.BeamMoI,
          &d.BeamYtop, &d.BeamYbot, &d.Pjack,   &d.ACS1,    &d.ATS1,  &d.ACS2,     &d.ATS2,
          &d.PSi,      &d.PSloss,   &d.PStrans, &d.Aset,    &d.Xl,    &d.Yl,       &d.Xm,
          &d.Ym,       &d.Xr,       &d.Yr,      &d.Blength, &d.Bspace}) {
        *f = real();
    }
    if (d.Composite) {
        for (float* f : {&d.SUW, &d.SS28, &d.SM28, &d.Tslab, &d.Beff, &d.Slope, &d.Haunch}) {
            *f = real();
        }
    }
    if (d.prestressing == Prestressing::PostTensioning) {
        d.K = real();
        d.MU = real();
    }
    d.PStype = static_cast<SteelType>(coin(random));
    d.BeamShape = static_cast<BeamShapeKind>(std::uniform_int_distribution<int>(0, 5)(random));
    d.SectionNo = std::uniform_int_distribution<int>(0, 14)(random);
    d.PathConfig = static_cast<PathKind>(std::uniform_int_distribution<int>(0, 5)(random));
    d.nll = std::uniform_int_distribution<int>(1, 6)(random);
    d.RecreateLocations(d.nll);
    for (LoadLocation& loc : d.locations) {
        loc.x = real();
        for (LoadCase loadCase : kLoadCases) {
            const LoadValues v = ValuesOf(loc, loadCase);
            for (float* f : {v.P, v.V, v.M, v.F}) *f = real();
        }
    }
    return state;
}

TEST_F(InputFileTest, RoundTripOfManyVariedDesigns) {
    std::mt19937 random(20261207);
    for (int n = 0; n < 200; ++n) {
        ProgramState design = RandomDesign(random);
        design.data.InputFileName = PathOf("round.in");
        ScriptedDialogs dialogs;
        ASSERT_TRUE(WriteInputFile(design, dialogs));
        const std::string written = ReadText(PathOf("round.in"));

        ProgramState loaded = StartedUp();
        loaded.data.InputFileName = PathOf("round.in");
        ASSERT_TRUE(ReadInputFile(loaded, dialogs)) << written;
        const DesignData& a = design.data;
        const DesignData& b = loaded.data;
        // Equal text means equal settings and count: the keyword lines and the lines present
        // are written from them.
        EXPECT_EQ(FormatInputFileText(b), written);
        // Each real comes back as its 7-digit file form.
        const auto filed = [](float v) { return *ParseFileReal(FileNumber(v)); };
        EXPECT_EQ(b.Pjack, filed(a.Pjack));
        EXPECT_EQ(b.Area, filed(a.BeamArea));
        EXPECT_EQ(b.BeamYbot, filed(a.BeamYbot));
        EXPECT_EQ(b.locations(a.nll).MF, filed(a.locations(a.nll).MF));
        EXPECT_EQ(b.Yr, filed(a.Yr));
    }
}

/// The state a failed load must leave untouched, compared field by field through the file
/// form plus the fields the file does not hold.
void ExpectUnchanged(const ProgramState& before, const ProgramState& after) {
    EXPECT_EQ(FormatInputFileText(after.data), FormatInputFileText(before.data));
    EXPECT_EQ(after.data.Area, before.data.Area);
    EXPECT_EQ(after.data.MoI, before.data.MoI);
    EXPECT_EQ(after.data.SUW, before.data.SUW);
    EXPECT_EQ(after.data.K, before.data.K);
    EXPECT_EQ(after.data.Tslab, before.data.Tslab);
    EXPECT_EQ(after.data.CurrentLocation, before.data.CurrentLocation);
    EXPECT_EQ(after.data.PrevNll, before.data.PrevNll);
    EXPECT_EQ(after.data.FillingForm, before.data.FillingForm);
    EXPECT_EQ(after.data.UnitsKeyword, before.data.UnitsKeyword);
    EXPECT_EQ(after.data.CriteriaKeyword, before.data.CriteriaKeyword);
    EXPECT_EQ(after.data.CompositeKeyword, before.data.CompositeKeyword);
    EXPECT_EQ(after.data.SectionKeyword, before.data.SectionKeyword);
    EXPECT_EQ(after.data.FRloss, before.data.FRloss);
    EXPECT_EQ(after.data.PSlossAt, before.data.PSlossAt);
    EXPECT_EQ(after.RH, before.RH);
}

TEST_F(InputFileTest, EveryBadInputGivesTheReadErrorWithItsCauseAndLeavesTheDesignAlone) {
    const std::string good = FormatInputFileText(PostTensionedComposite().data);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string ends = "the file ends before all items were read";
    const std::string count = "line 15: the number of load locations ";
    // What, the file's text, and the cause named under the message (empty: any cause).
    const std::vector<std::array<std::string, 3>> texts = {
        {"empty file", "", "line 1: " + ends},
        {"only blank lines", "\r\n \r\n\t\n", "line 4: " + ends},
        {"truncated", good.substr(0, good.size() / 2), ""},
        {"last item missing", good.substr(0, good.rfind(',')), "line 45: " + ends},
        {"nll 0", replaced("3,991440", "0,991440"), count + "0 is outside 1 to 100000"},
        {"nll negative", replaced("3,991440", "-2,991440"), count + "-2 is outside 1 to 100000"},
        {"nll too large", replaced("3,991440", "100001,991440"),
         count + "100001 is outside 1 to 100000"},
        {"float overflow", replaced("3,991440", "3,1E+39"),
         "line 15: \"1E+39\" is not a valid number"},
        {"word for a number", replaced("0.0868,4000", "0.0868,four"),
         "line 6: \"four\" is not a valid number"},
        {"number with trailing text", replaced("60000,", "60000psi,"),
         "line 8: \"60000psi\" is not a valid number"},
        {"empty number item", replaced("60000,", ","), "line 8: \"\" is not a valid number"},
        {"fraction for a whole number", replaced("\r\n14\r\n", "\r\n1.5\r\n"),
         "line 12: \"1.5\" is not a valid whole number"},
        {"quoted number", replaced("60000,", "\"60000\","),
         "line 8: a number is due, not the quoted text \"60000\""},
    };
    std::vector<std::array<std::string, 3>> names = {
        {"no such file", PathOf("nowhere.in"),
         "the file " + PathOf("nowhere.in") + " does not exist"},
        {"a folder", folder_.string(), folder_.string() + " is a folder"},
        {"no name", "", "no file name is given"}};
    for (const auto& [what, text, cause] : texts) {
        names.push_back({what, WriteText(what + ".in", text), cause});
    }
    for (const auto& [what, name, cause] : names) {
        SCOPED_TRACE(what);
        ProgramState state = PostTensionedComposite();
        state.data.CurrentLocation = 2;
        state.data.FillingForm = 0;
        state.data.UnitsKeyword = "english";
        state.data.PSlossAt(2) = 1234;
        state.RH = 70;
        const ProgramState before = state;
        state.data.InputFileName = name;
        ScriptedDialogs dialogs;
        dialogs.yesNoAnswers = {true, true, true, true};
        EXPECT_FALSE(ReadInputFile(state, dialogs));
        ASSERT_EQ(dialogs.messages.size(), 1U);
        const std::string heading = "Error reading input file\r";
        EXPECT_EQ(dialogs.messages[0].substr(0, heading.size()), heading);
        if (cause.empty()) {
            EXPECT_GT(dialogs.messages[0].size(), heading.size());
        } else {
            EXPECT_EQ(dialogs.messages[0], heading + cause);
        }
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_EQ(dialogs.refreshes, 0);
        EXPECT_EQ(dialogs.tooltipCalls, 0);
        ExpectUnchanged(before, state);
    }
}

TEST_F(InputFileTest, AFailedSaveLeavesThePreviousFileAsItWas) {
    ProgramState state = PostTensionedComposite();
    ScriptedDialogs dialogs;
    const auto expectRefused = [&](const std::string& name, const std::string& cause) {
        state.data.InputFileName = PathOf(name);
        dialogs.messages.clear();
        EXPECT_FALSE(WriteInputFile(state, dialogs)) << name;
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Error writing input file\r" + cause})
            << name;
    };
    expectRefused("missing/design.in", "the folder " + PathOf("missing") + " does not exist");
    // A target that is a non-empty folder cannot be replaced: it stays as it was.
    fs::create_directories(folder_ / "taken.in");
    WriteText("taken.in/keep.txt", "old");
    expectRefused("taken.in", PathOf("taken.in") + " is a folder");
    EXPECT_EQ(ReadText(PathOf("taken.in/keep.txt")), "old");
    // More locations claimed than held: the writer fails part-way through, the old file stays.
    WriteText("design.in", "previous contents");
    state.data.nll = 5;
    state.data.InputFileName = PathOf("design.in");
    dialogs.messages.clear();
    EXPECT_FALSE(WriteInputFile(state, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1U);
    EXPECT_EQ(dialogs.messages[0].rfind("Error writing input file\r", 0), 0U);
    EXPECT_EQ(ReadText(PathOf("design.in")), "previous contents");

    // No temporary file is left behind by the failures or by a good save over an old file.
    state.data.nll = 3;
    ASSERT_TRUE(WriteInputFile(state, dialogs));
    EXPECT_EQ(ReadText(PathOf("design.in")), FormatInputFileText(state.data));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"design.in", "taken.in"}));
}

}  // namespace
}  // namespace tarnex
