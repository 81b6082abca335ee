#include <functional>

#include "presenter_fixture.h"

namespace tarnex::ui::testing {
namespace {

class LoadLocationsTest : public PresenterTest {
  protected:
    /// Three locations with a distinct moment and loss at each.
    void FillThree() {
        EnterCount("3");
        for (int i = 1; i <= 3; ++i) {
            data.locations(i).DM = 12000.0F * static_cast<float>(i);
            data.PSlossAt(i) = 1000.0F * static_cast<float>(i);
            data.FRloss(i) = 100.0F * static_cast<float>(i);
        }
    }
};

TEST_F(LoadLocationsTest, ChangingTheCountKeepsEntriesUnlessLoweringIsConfirmed) {
    FillThree();
    data.CurrentLocation = 2;
    EnterCount("3");  // the same count: nothing asked, nothing changed
    EXPECT_EQ(data.CurrentLocation, 2);
    EnterCount("5");
    EXPECT_EQ(data.PrevNll, 3);
    ASSERT_EQ(data.locations.size(), 5);
    EXPECT_EQ(data.PSlossAt.size(), 5);
    EXPECT_EQ(data.FRloss.size(), 5);
    EXPECT_EQ(data.locations(3).DM, 36000.0F);
    EXPECT_EQ(data.CurrentLocation, 1);
    EXPECT_TRUE(dialogs.questions.empty());

    EnterCount("1");  // answered No
    ASSERT_EQ(dialogs.questions.size(), 1U);
    EXPECT_EQ(dialogs.questions[0].text,
              "Locations 2 to 5 hold entries that will be deleted.\rLower the number of "
              "locations to 1?");
    EXPECT_EQ(dialogs.questions[0].title, "Number of Locations");
    EXPECT_EQ(data.nll, 5);
    EXPECT_EQ(data.locations.size(), 5);
    EXPECT_EQ(Text("txtnll"), " 5");

    // Empty trailing locations go without a question.
    EnterCount("3");
    EXPECT_EQ(dialogs.questions.size(), 1U);
    dialogs.yesNoAnswers.push_back(true);
    EnterCount("2");
    EXPECT_EQ(dialogs.questions.at(1).text,
              "Location 3 holds entries that will be deleted.\rLower the number of locations "
              "to 2?");
    EXPECT_EQ(data.nll, 2);
    ASSERT_EQ(data.locations.size(), 2);
    EXPECT_EQ(data.locations(2).DM, 24000.0F);
    EXPECT_EQ(data.PSlossAt(2), 2000.0F);
    EXPECT_EQ(data.FRloss(2), 200.0F);
}

TEST_F(LoadLocationsTest, TypedCountIsAppliedBeforeAnythingElseHappens) {
    FillThree();
    Type("txtnll", "13");
    Type("txtDM", "5");  // another box edited: the count goes first, then location 1's moment
    EXPECT_EQ(data.nll, 13);
    EXPECT_EQ(data.locations(1).DM, 60000.0F);
    EXPECT_EQ(data.locations(3).DM, 36000.0F);
    for (const auto& moveOn : std::vector<std::function<void()>>{
             [&] { presenter.CommitPendingCount(); },  // another tab
             [&] { presenter.Click("cmdCalcPSF"); }, [&] { presenter.SelectRow("cboBeam", 0); },
             [&] { presenter.SaveInput(); }, [&] { presenter.CalculateOutput(); }}) {
        Type("txtnll", "14");
        EXPECT_EQ(data.nll, 13);  // not while typing
        moveOn();
        EXPECT_EQ(data.nll, 14);
        EnterCount("13");
    }
}

TEST_F(LoadLocationsTest, CountRoundsHalvesToEvenAndInvalidCountsGetOneMessage) {
    const struct {
        const char* text;
        int nll;
        bool refused;
    } cases[] = {
        {"1.5", 2, false},   {"2.5", 2, false}, {"3.5", 4, false},
        {"-2", 3, true},     {"0", 3, true},    {"0.4", 3, true},
        {"100001", 3, true}, {"12a", 3, true},  {"100000", 100000, false},
        {"", 3, false},  // emptied: the count in force shown again
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FillThree();
        dialogs.messages.clear();
        dialogs.yesNoAnswers = {true};  // lowering to 2 drops location 3
        EnterCount(c.text);
        presenter.Confirm("txtnll");  // focus leaving after Enter applies nothing twice
        EXPECT_EQ(data.nll, c.nll);
        EXPECT_EQ(dialogs.messages, c.refused ? std::vector<std::string>{kCountRangeMessage}
                                              : std::vector<std::string>{});
        if (c.nll != 3) continue;
        EXPECT_EQ(data.locations(3).DM, 36000.0F);
        EXPECT_EQ(Text("txtnll"), " 3");
    }
    EXPECT_EQ(std::string(kCountRangeMessage),
              "The number of locations must be a number from 1 to 100,000");
}

TEST_F(LoadLocationsTest, StepButtonsStopAtTheEndsEntriesGoToTheCurrentLocationInStoredUnits) {
    FillThree();
    presenter.Click("cmdPrev");
    EXPECT_EQ(data.CurrentLocation, 1);
    for (int i = 0; i < 3; ++i) presenter.Click("cmdNext");
    EXPECT_EQ(data.CurrentLocation, 3);
    EXPECT_EQ(Text("fraLocation"), "LOCATION NO  3");
    EXPECT_EQ(Text("txtDM"), "3.0");  // 36000 lb-in in kip-ft
    presenter.Click("cmdPrev");
    Type("txtDM", "2.5");
    EXPECT_EQ(data.locations(2).DM, 30000.0F);
    EXPECT_EQ(data.locations(1).DM, 12000.0F);
    Type("txtLV", "-12.5");
    EXPECT_EQ(data.locations(2).LV, -12500.0F);
    Type("txtDF", "1.3");  // factors and distances are stored as typed
    EXPECT_EQ(data.locations(2).DF, 1.3F);
    Type("txtx", "120.5");
    EXPECT_EQ(data.locations(2).x, 120.5F);
    Type("txtCDV", "-0");
    EXPECT_EQ(data.locations(2).CDV, 0.0F);
}

}  // namespace
}  // namespace tarnex::ui::testing
