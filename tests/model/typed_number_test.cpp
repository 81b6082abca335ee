#include "model/typed_number.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/defaults.h"
#include "model/input_file.h"

namespace tarnex {
namespace {

TEST(TypedNumberTest, TheWholeTextMustBeOneNumber) {
    EXPECT_EQ(ReadTypedNumber(" 12.5 ").value, 12.5F);
    EXPECT_EQ(ReadTypedNumber("-0").value, 0.0F);
    for (const char* text : {"12O0", "12.5 in", "1e", "-", ".", "1,5", "inf", "nan"}) {
        const TypedNumber typed = ReadTypedNumber(text);
        EXPECT_FALSE(typed.value) << text;
        EXPECT_EQ(typed.problem, "Not a number: \"" + std::string(text) + "\"");
    }
    EXPECT_EQ(ReadTypedNumber("").problem, "No number entered");
    EXPECT_EQ(ReadTypedNumber(" \t").problem, "No number entered");
}

TEST(TypedNumberTest, OnlyValuesAFloatAndTheInputFileHoldAreStored) {
    // The largest float and anything rounding to it are kept; beyond half a unit is refused.
    EXPECT_EQ(ReadTypedNumber("3.4028235e38").value, std::numeric_limits<float>::max());
    EXPECT_EQ(ReadTypedNumber("-3.4028235e38").value, -std::numeric_limits<float>::max());
    EXPECT_EQ(ReadTypedNumber("3.4028236e38").problem, "Too large a number to be stored");
    EXPECT_FALSE(ReadTypedNumber("1e39").value);
    // Loads are checked after their unit factor: 3.4e35 kips fits in lb, 3.5e35 does not.
    EXPECT_TRUE(ReadTypedNumber("3.4e35", 1000.0).value);
    EXPECT_FALSE(ReadTypedNumber("3.5e35", 1000.0).value);
    // The product goes through 15 significant digits: 0.1 kips is exactly 100 lb.
    EXPECT_EQ(ReadTypedNumber("0.1", 1000.0).value, 100.0F);
    EXPECT_EQ(ReadTypedNumber("2.5", 12000.0).value, 30000.0F);

    // A stored extreme survives the input file: written and read back unchanged.
    DesignData d;
    d.nll = 1;
    d.RecreateLocations(1);
    d.Blength = *ReadTypedNumber("3.4028235e38").value;
    const std::string text = FormatInputFileText(d);
    EXPECT_NE(text.find("3.402823E+38"), std::string::npos);
    EXPECT_EQ(text.find("INF"), std::string::npos);
}

TEST(TypedNumberTest, DerivedValuesBeyondAFloatAreNotGiven) {
    EXPECT_FALSE(ConcreteModulus(1e30F, 4000.0F));
    EXPECT_FALSE(ConcreteModulus(-0.0868F, 4000.0F));
    EXPECT_NEAR(*ConcreteModulus(0.0868F, 5000.0F), 4286414.5F, 0.5F);
    EXPECT_FALSE(FinalAllowables(DesignCriteria::AASHTO, -1.0F).tension);
    EXPECT_EQ(FinalAllowables(DesignCriteria::AREMA, -1.0F).tension, 0.0F);
    EXPECT_EQ(SteelYieldStrength(SteelType::StressRelieved, 250000.0F), 212500.0F);
    EXPECT_EQ(LossAtTransfer(SteelType::LowRelaxation, 202500.0F, 270000.0F), 16200.0F);
}

}  // namespace
}  // namespace tarnex
