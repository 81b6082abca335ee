#include "model/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

#include "support/scratch_folder.h"

namespace tarnex {
namespace {

TEST(NumberText, ReadAndWrittenWithADecimalPointWhateverTheProcessLocale) {
    // The window's toolkit takes the user's locale; with a comma as decimal separator the C
    // library would read "0.0868" as 0. Build such a locale in a scratch folder.
    testing::ScratchFolder scratch("tarnex-locale");
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + scratch.PathOf("de_DE.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "no de_DE locale can be built here";
    ::setenv("LOCPATH", scratch.path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_EQ(ReadLeadingNumber("0.0868"), 0.0868);
    EXPECT_EQ(ReadCompleteNumber("1.5E+03"), 1500.0);
    EXPECT_EQ(ParseFileReal("0.0868"), 0.0868F);
    EXPECT_EQ(ParseFileInteger("12"), 12);
    EXPECT_EQ(FormatPattern(18.875, 2), "18.88");
    EXPECT_EQ(ShowNumber(0.5), " 0.5");
    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
}

TEST(ReadLeadingNumber, TakesLongestLeadingDecimalNumberIgnoringBlanks) {
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("  1 2.5\t"), 12.5);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("-3.5e2x"), -350.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("1e"), 1.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(ReadLeadingNumber("7\n0"), 70.0);
}

TEST(ReadCompleteNumber, RejectsTextThatIsNotWhollyANumber) {
    EXPECT_EQ(ReadCompleteNumber(" 25 "), 25.0);
    EXPECT_EQ(ReadCompleteNumber("1.5E+03"), 1500.0);
    EXPECT_FALSE(ReadCompleteNumber("5a"));
    EXPECT_FALSE(ReadCompleteNumber("1e"));
    EXPECT_FALSE(ReadCompleteNumber("-"));
    EXPECT_FALSE(ReadCompleteNumber(""));
}

TEST(ShowNumber, ShortestFormWithSevenDigitsAndLeadingBlank) {
    EXPECT_EQ(ShowNumber(3833885.5F), " 3833886");
    EXPECT_EQ(ShowNumber(189.7367F), " 189.7367");
    EXPECT_EQ(ShowNumber(-5.0F), "-5");
    EXPECT_EQ(ShowNumber(0.0F), " 0");
    EXPECT_EQ(ShowNumber(-0.0F), " 0");
    EXPECT_EQ(ShowNumber(0.0000167F), " 1.67E-05");
    EXPECT_EQ(ShowNumber(9999999.0F), " 9999999");
    EXPECT_EQ(ShowNumber(0.0001F), " 0.0001");
}

TEST(FileAndStrForms, DifferInBlankAndLeadingZero) {
    EXPECT_EQ(FileNumber(-0.0F), "0");
    EXPECT_EQ(StrForm(0.5F), " .5");
    EXPECT_EQ(StrForm(-0.25F), "-.25");
    EXPECT_EQ(StrForm(600.0F), " 600");
    EXPECT_EQ(StrForm(-0.0F), " 0");
    EXPECT_EQ(PlainNumber(0.5F), " .5 ");
}

TEST(FormatPattern, RoundsHalfAwayFromZeroOnTheExactValue) {
    EXPECT_EQ(FormatPattern(0.125, 2), "0.13");  // an exact half rounds away from zero
    EXPECT_EQ(FormatPattern(-0.125, 2), "-0.13");
    // 1.005 is stored below the half: the exact value decides.
    EXPECT_EQ(FormatPattern(1.005, 2), "1.00");
    // 25050 lb shown in kips: 25.05 in double lies above the half, as a float below.
    EXPECT_EQ(FormatPattern(25050.0 / 1000.0, 1), "25.1");
    // A negative that rounds to zero keeps its sign; negative zero does not.
    EXPECT_EQ(FormatPattern(-0.2, 0), "-0.");
    EXPECT_EQ(FormatPattern(-0.001, 2), "-0.00");
    EXPECT_EQ(FormatPattern(-0.0, 0), "0.");
    EXPECT_EQ(FormatPattern(-0.0, 2), "0.00");
}

TEST(ShowRounded, DropsTrailingZerosAfterRounding) {
    EXPECT_EQ(ShowRounded(432.0F, 0), " 432");
    EXPECT_EQ(ShowRounded(18.875, 2), " 18.88");
    EXPECT_EQ(ShowRounded(20.004, 2), " 20");
    EXPECT_EQ(ShowRounded(18.9F, 2), " 18.9");
    EXPECT_EQ(ShowRounded(-13.5, 2), "-13.5");
}

TEST(ParseFileReal, AcceptsEveryWrittenFormAndRejectsOverflow) {
    EXPECT_EQ(ParseFileReal(".5"), 0.5F);
    EXPECT_EQ(ParseFileReal(" 2.9E+07\t"), 29000000.0F);
    EXPECT_EQ(ParseFileReal("1.67E-05"), 0.0000167F);
    EXPECT_FALSE(ParseFileReal(""));
    EXPECT_FALSE(ParseFileReal("12x"));
    EXPECT_EQ(ParseFileReal("1E-400"), 0.0F);
    EXPECT_EQ(ParseFileReal("1E-40"), 1E-40F);  // a denormal stays the nearest float
    // FLT_MAX is 3.40282347E+38; up to half a unit of its last place above it still reads as it.
    EXPECT_EQ(ParseFileReal("-3.40282356E+38"), -std::numeric_limits<float>::max());
    EXPECT_FALSE(ParseFileReal("3.4028236E+38"));
    EXPECT_FALSE(ParseFileReal("1E+400"));
}

TEST(ParseFileInteger, WholeNumbersOnly) {
    EXPECT_EQ(ParseFileInteger(" 3 "), 3);
    EXPECT_EQ(ParseFileInteger("-1"), -1);
    EXPECT_FALSE(ParseFileInteger("2.5"));
    EXPECT_FALSE(ParseFileInteger("x"));
    EXPECT_FALSE(ParseFileInteger("99999999999"));
}

TEST(RoundToSignificant, FifteenDigitRoundTrip) {
    EXPECT_EQ(RoundToSignificant(0.1 * 3.0, 15), 0.3);  // 0.30000000000000004 without it
    EXPECT_EQ(RoundToSignificant(2.5 * 12000.0, 15), 30000.0);
    EXPECT_EQ(RoundToSignificant(-1.23456789012345678, 15), -1.23456789012346);
}

}  // namespace
}  // namespace tarnex
