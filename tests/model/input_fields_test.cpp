#include "model/input_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <variant>

#include "model/input_file.h"
#include "started_up.h"

namespace tarnex {
namespace {

using testing::ScriptedDialogs;
using testing::StartedUp;

TEST(InputFields, EachLineHoldsItsItemsOnceInOrderAndEachBoxAndFieldHasOneRow) {
    std::map<int, std::set<int>> positions;
    std::set<std::string> boxes;
    int rows = 0;
    for (const InputField& field : InputFields()) {
        SCOPED_TRACE(rows);
        if (field.fileLine != 0) {
            EXPECT_TRUE(positions[field.fileLine].insert(field.filePosition).second);
        }
        if (field.box != nullptr) {
            EXPECT_TRUE(boxes.insert(field.box).second) << field.box;
            EXPECT_NE(field.tooltip, nullptr) << field.box;
        }
        // The echo writes the items of the file's lines only.
        if (field.echoLabel != nullptr) {
            EXPECT_NE(field.fileLine, 0);
        }
        EXPECT_EQ(FieldOfMember(field.member), &field);
        ++rows;
    }
    for (const auto& [line, items] : positions) {
        EXPECT_EQ(*items.begin(), 1) << "line " << line;
        EXPECT_EQ(*items.rbegin(), static_cast<int>(items.size())) << "line " << line;
    }
    // Lines 1 to 5 are the keywords and line 16 the locations; 6 to 22 hold the fields.
    EXPECT_EQ(positions.size(), 16U);
    EXPECT_EQ(positions.begin()->first, kBeamConcreteLine);
    EXPECT_EQ(positions.rbegin()->first, kSlabConfigurationLine);
    EXPECT_EQ(positions.count(16), 0U);
}

/// Sets every field of the file's lines to a value of its own: reals 0.25 above their row
/// number, list selections and whole numbers 1.
void SetDistinctValues(DesignData& d) {
    int row = 0;
    for (const InputField& field : InputFields()) {
        ++row;
        if (field.fileLine == 0) continue;
        if (float DesignData::*real = RealMember(field)) {
            d.*real = static_cast<float>(row) + 0.25F;
        } else {
            SetWholeValue(d, field, 1);
        }
    }
    d.RecreateLocations(d.nll);
}

TEST(InputFields, EveryFieldRoundTripsThroughTheFileAndOptionalLinesFollowTheSettings) {
    ProgramState written = StartedUp();
    DesignData& d = written.data;
    d.Composite = true;
    d.prestressing = Prestressing::PostTensioning;
    SetDistinctValues(d);
    const std::string text = FormatInputFileText(d);
    // 5 keywords, lines 6 to 15, 8 lines for the one location, lines 17 to 22.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5 + 10 + 8 + 6);

    ProgramState read = StartedUp();
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = {true, true, true, true};
    ASSERT_TRUE(ReadInputText(read, dialogs, text));
    for (const InputField& field : InputFields()) {
        if (field.fileLine == 0) continue;
        EXPECT_EQ(FieldValue(read.data, field), FieldValue(d, field))
            << "line " << field.fileLine << " item " << field.filePosition;
    }

    // Without the slab and the ducts, their three lines are neither written nor read.
    d.Composite = false;
    d.prestressing = Prestressing::Pretensioning;
    const std::string shorter = FormatInputFileText(d);
    EXPECT_EQ(std::count(shorter.begin(), shorter.end(), '\n'), 5 + 10 + 8 + 6 - 3);
    ProgramState plain = StartedUp();
    const float slabWeight = plain.data.SUW;
    ASSERT_TRUE(ReadInputText(plain, dialogs, shorter));
    EXPECT_EQ(plain.data.SUW, slabWeight);
    EXPECT_EQ(plain.data.Blength, d.Blength);
}

}  // namespace
}  // namespace tarnex
