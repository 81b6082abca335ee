#include "model/input_file.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
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

/// The post-tensioned composite box girder example (four locations): its text and a folder of
/// its own for the files of one test.
class InputFileTest : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }
    /// The example with its first occurrence of `from` replaced by `to`.
    std::string Replaced(const std::string& from, const std::string& to) const {
        std::string text = box_;
        text.replace(text.find(from), from.size(), to);
        return text;
    }
    /// Reads `text` into a started-up design, answering Yes to every question.
    bool Read(const std::string& text, ProgramState& state, ScriptedDialogs& dialogs) const {
        state.data.InputFileName = scratch_.WriteText("design.in", text);
        dialogs.yesNoAnswers = {true, true, true, true};
        return ReadInputFile(state, dialogs);
    }

    testing::ScratchFolder scratch_{"tarnex-input-file"};
    const fs::path& folder_ = scratch_.path();
    const std::string box_ =
        ReadText(std::string(TARNEX_SOURCE_DIR) + "/examples/post-tensioned-box-girder.in");
};

TEST_F(InputFileTest, KeywordsAreExactAndCaseSensitiveBlanksAndQuotesOptional) {
    const std::string head = "\"english\"\r\n\"post-tensioning\"\r\n\"aashto\"\r\n";
    struct Case {
        std::string keywords;
        Prestressing prestressing;
        DesignCriteria criteria;
        const char* writtenCriteria;
    };
    constexpr auto kPre = Prestressing::Pretensioning, kPost = Prestressing::PostTensioning;
    const Case cases[] = {
        // Anything but the exact lower-case keyword reads as the first choice of the list.
        {"\"English\"\r\n\"Pretensioning\"\r\n\"ACI\"\r\n", kPost, DesignCriteria::AASHTO,
         "\"aashto\""},
        {" english \r\n\tpost-tensioning \r\n aci \r\n", kPost, DesignCriteria::ACI, "\"aci\""},
        {"METRIC\r\n\"pretensioning\"\r\n\"area\"\r\n", kPre, DesignCriteria::AREMA, "\"arema\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keywords);
        std::string text = Replaced(head, c.keywords);
        // The friction line is there exactly for post-tensioning.
        if (c.prestressing == kPre) text.erase(text.find("1.67E-05,0.25\r\n"), 15);
        // Blanks and tabs around a number are no part of it.
        text.replace(text.find("0.0868,5500,"), 12, " 0.0868 ,\t5500\t,");
        ProgramState state = StartedUp();
        state.data.CurrentLocation = 3;
        state.data.PrevNll = 9;
        ScriptedDialogs dialogs;
        ASSERT_TRUE(Read(text, state, dialogs));
        EXPECT_EQ(state.data.units, Units::English);
        EXPECT_EQ(state.data.prestressing, c.prestressing);
        EXPECT_EQ(state.data.designCriteria, c.criteria);
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_EQ(state.data.CS28, 5500.0F);
        EXPECT_EQ(state.data.CurrentLocation, 1);
        EXPECT_EQ(state.data.PrevNll, 9);
        EXPECT_EQ(state.data.PSlossAt.size(), 4);
        EXPECT_NE(FormatInputFileText(state.data)
                      .find(std::string("\r\n") + c.writtenCriteria + "\r\n\"composite\""),
                  std::string::npos);
    }
}

TEST_F(InputFileTest, LocationCountLimitIsInclusive) {
    // Complete files, so that only the count can refuse them: 100000 locations are read,
    // 100001 are not. The four locations of the example are repeated to the count.
    const std::size_t first = box_.find("4,991440\r\n") + 10;
    const std::size_t last = box_.find("2475,201.2461");
    const std::string locations = box_.substr(first, last - first);
    const std::size_t one = locations.size() / 4;
    for (const int count : {kMaxLocations, kMaxLocations + 1}) {
        std::string text = box_.substr(0, first - 10) + std::to_string(count) + ",991440\r\n";
        for (int i = 0; i < count / 4; ++i) text += locations;
        text += locations.substr(0, one * static_cast<std::size_t>(count % 4)) + box_.substr(last);
        ProgramState state = StartedUp();
        ScriptedDialogs dialogs;
        const bool read = Read(text, state, dialogs);
        if (count == kMaxLocations) {
            ASSERT_TRUE(read) << dialogs.messages.at(0);
            EXPECT_EQ(state.data.nll, kMaxLocations);
            EXPECT_EQ(state.data.locations(count).x, 540.0F);
            EXPECT_EQ(state.data.Beff, 54.0F);
        } else {
            EXPECT_FALSE(read);
            EXPECT_EQ(dialogs.messages,
                      std::vector<std::string>{"Error reading input file\rline 15: the number of "
                                               "load locations 100001 is outside 1 to 100000"});
        }
    }
}

TEST_F(InputFileTest, MetricFileAsksTheMetricQuestionFirstAndTheFileWins) {
    ProgramState state = StartedUp();
    ScriptedDialogs dialogs;
    ASSERT_TRUE(Read(Replaced("\"english\"", "\"metric\""), state, dialogs));
    ASSERT_EQ(dialogs.questions.size(), 2U);
    EXPECT_EQ(dialogs.questions[0].title, "Program Units");
    EXPECT_EQ(dialogs.questions[1].title, "Prestressing type");
    EXPECT_EQ(dialogs.tooltipCalls, 1);
    EXPECT_EQ(state.data.units, Units::Metric);
    // The file's numbers overwrite what the handlers did.
    EXPECT_EQ(state.data.CS28, 5500.0F);
    EXPECT_EQ(state.data.Aset, 0.375F);
}

TEST_F(InputFileTest, EveryBadInputGivesTheReadErrorWithItsCauseAndLeavesTheDesignAlone) {
    const std::string ends = "the file ends before all items were read";
    const std::string count = "line 15: the number of load locations ";
    // What, the file's text, and the cause named under the message (empty: any cause).
    const std::vector<std::array<std::string, 3>> texts = {
        {"empty file", "", "line 1: " + ends},
        {"only blank lines", "\r\n \r\n\t\n", "line 4: " + ends},
        {"an empty first line ending in LF", "\n", "line 2: " + ends},
        {"truncated", box_.substr(0, box_.size() / 2), ""},
        {"last item missing", box_.substr(0, box_.rfind(',')), "line 53: " + ends},
        {"nll 0", Replaced("4,991440", "0,991440"), count + "0 is outside 1 to 100000"},
        {"nll negative", Replaced("4,991440", "-2,991440"), count + "-2 is outside 1 to 100000"},
        {"float overflow", Replaced("4,991440", "4,1E+39"),
         "line 15: \"1E+39\" is not a valid number"},
        {"word for a number", Replaced("0.0868,5500", "0.0868,four"),
         "line 6: \"four\" is not a valid number"},
        {"number with trailing text", Replaced("60000,", "60000psi,"),
         "line 8: \"60000psi\" is not a valid number"},
        {"empty number item", Replaced("60000,", ","), "line 8: \"\" is not a valid number"},
        {"fraction for a whole number", Replaced("\r\n14\r\n", "\r\n1.5\r\n"),
         "line 12: \"1.5\" is not a valid whole number"},
        {"quoted number", Replaced("60000,", "\"60000\","),
         "line 8: a number is due, not the quoted text \"60000\""},
    };
    std::vector<std::array<std::string, 3>> names = {
        {"no such file", PathOf("nowhere.in"),
         "the file " + PathOf("nowhere.in") + " does not exist"},
        {"a folder", folder_.string(), folder_.string() + " is a folder"},
        {"no name", "", "no file name is given"}};
    for (const auto& [what, text, cause] : texts) {
        names.push_back({what, scratch_.WriteText(what + ".in", text), cause});
    }
    ProgramState good = StartedUp();
    ScriptedDialogs reader;
    ASSERT_TRUE(Read(box_, good, reader));
    good.data.CurrentLocation = 2;
    good.data.PSlossAt(2) = 1234;
    good.RH = 70;
    for (const auto& [what, name, cause] : names) {
        SCOPED_TRACE(what);
        ProgramState state = good;
        state.data.InputFileName = name;
        ScriptedDialogs dialogs;
        dialogs.yesNoAnswers = {true, true, true, true};
        EXPECT_FALSE(ReadInputFile(state, dialogs));
        ASSERT_EQ(dialogs.messages.size(), 1U);
        const std::string heading = "Error reading input file\r";
        if (cause.empty()) {
            EXPECT_GT(dialogs.messages[0].size(), heading.size());
            EXPECT_EQ(dialogs.messages[0].rfind(heading, 0), 0U);
        } else {
            EXPECT_EQ(dialogs.messages[0], heading + cause);
        }
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_EQ(dialogs.refreshes + dialogs.tooltipCalls, 0);
        // Nothing changed, also what the file does not hold.
        EXPECT_EQ(FormatInputFileText(state.data), box_);
        EXPECT_EQ(state.data.CurrentLocation, 2);
        EXPECT_EQ(state.data.PSlossAt, good.data.PSlossAt);
        EXPECT_EQ(state.data.Area, good.data.Area);
        EXPECT_EQ(state.RH, 70.0F);
    }
}

TEST_F(InputFileTest, AFailedSaveLeavesThePreviousFileAsItWas) {
    ProgramState state = StartedUp();
    ScriptedDialogs dialogs;
    ASSERT_TRUE(Read(box_, state, dialogs));
    const auto expectRefused = [&](const std::string& name, const std::string& cause) {
        state.data.InputFileName = PathOf(name);
        dialogs.messages.clear();
        EXPECT_FALSE(WriteInputFile(state, dialogs)) << name;
        ASSERT_EQ(dialogs.messages.size(), 1U);
        EXPECT_EQ(dialogs.messages[0].rfind("Error writing input file\r" + cause, 0), 0U);
    };
    expectRefused("missing/design.in", "the folder " + PathOf("missing") + " does not exist");
    // More locations claimed than held: the writer fails part-way through, the old file stays.
    scratch_.WriteText("design.in", "previous contents");
    state.data.nll = 5;
    expectRefused("design.in", "");
    EXPECT_EQ(ReadText(PathOf("design.in")), "previous contents");
    // No temporary file is left behind by the failures or by a good save over an old file.
    state.data.nll = 4;
    ASSERT_TRUE(WriteInputFile(state, dialogs));
    EXPECT_EQ(ReadText(PathOf("design.in")), box_);
    EXPECT_EQ(scratch_.Names(), std::vector<std::string>{"design.in"});
}

}  // namespace
}  // namespace tarnex
