#include "presenter_fixture.h"

namespace tarnex::ui::testing {
namespace {

class LoadLocationsTest : public PresenterTest {
  protected:
    /// Three locations with a distinct moment and loss at each.
    void FillThree() {
        presenter.Confirm("txtnll", "3");
        for (int i = 1; i <= 3; ++i) {
            data.locations(i).DM = 12000.0F * static_cast<float>(i);
            data.locations(i).x = static_cast<float>(10 * i);
            data.PSlossAt(i) = 1000.0F * static_cast<float>(i);
            data.FRloss(i) = 100.0F * static_cast<float>(i);
        }
    }
};

TEST_F(LoadLocationsTest, RaisingTheCountKeepsEveryLocation) {
    FillThree();
    data.CurrentLocation = 3;
    presenter.Confirm("txtnll", "5");
    EXPECT_EQ(data.nll, 5);
    EXPECT_EQ(data.PrevNll, 3);
    ASSERT_EQ(data.locations.size(), 5);
    EXPECT_EQ(data.PSlossAt.size(), 5);
    EXPECT_EQ(data.FRloss.size(), 5);
    EXPECT_EQ(data.locations(3).DM, 36000.0F);
    EXPECT_EQ(data.locations(4), LoadLocation{});
    EXPECT_EQ(data.locations(5), LoadLocation{});
    EXPECT_EQ(data.CurrentLocation, 1);
    EXPECT_EQ(Text("fraLocation"), "LOCATION NO  1");
    EXPECT_EQ(Text("txtx"), " 10");
}

TEST_F(LoadLocationsTest, LoweringTheCountDropsOnlyLocationsBeyondTheSameCountNothing) {
    FillThree();
    data.CurrentLocation = 2;
    presenter.Confirm("txtnll", "3");
    EXPECT_EQ(data.locations(3).DM, 36000.0F);
    EXPECT_EQ(data.CurrentLocation, 2);

    presenter.Confirm("txtnll", "2");
    EXPECT_EQ(data.nll, 2);
    ASSERT_EQ(data.locations.size(), 2);
    EXPECT_EQ(data.locations(2).DM, 24000.0F);
    EXPECT_EQ(data.PSlossAt(2), 2000.0F);
    EXPECT_EQ(data.FRloss(2), 200.0F);
}

TEST_F(LoadLocationsTest, CountActsOnlyWhenConfirmed) {
    FillThree();
    presenter.KeyRelease("txtnll", "1");  // on the way to 12
    presenter.KeyRelease("txtnll", "12");
    EXPECT_EQ(data.nll, 3);
    presenter.Confirm("txtnll", "12");
    EXPECT_EQ(data.nll, 12);
    EXPECT_EQ(data.locations(3).DM, 36000.0F);
}

TEST_F(LoadLocationsTest, CountRoundsHalvesToEvenAndInvalidCountsKeepTheLocations) {
    const struct {
        const char* text;
        int nll;
        bool refused;
    } cases[] = {
        {"1.5", 2, false},         {"2.5", 2, false}, {"3.5", 4, false},
        {"-2", 3, true},           {"0.4", 3, true},  {"100001", 3, true},
        {"100000", 100000, false}, {"", 3, false},  // no number: nothing applied, nothing shown
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FillThree();
        dialogs.messages.clear();
        presenter.Confirm("txtnll", c.text);
        EXPECT_EQ(data.nll, c.nll);
        EXPECT_EQ(dialogs.messages, c.refused ? std::vector<std::string>{"Invalid Entry"}
                                              : std::vector<std::string>{});
        if (c.nll != 3) continue;
        EXPECT_EQ(data.locations.size(), 3);
        EXPECT_EQ(data.locations(3).DM, 36000.0F);
        EXPECT_EQ(Text("txtnll"), " 3");
    }
}

TEST_F(LoadLocationsTest, StepButtonsStopAtTheEnds) {
    FillThree();
    presenter.Click("cmdPrev");
    EXPECT_EQ(data.CurrentLocation, 1);
    presenter.Click("cmdNext");
    presenter.Click("cmdNext");
    EXPECT_EQ(data.CurrentLocation, 3);
    EXPECT_EQ(Text("fraLocation"), "LOCATION NO  3");
    EXPECT_EQ(Text("txtDM"), "3.0");
    presenter.Click("cmdNext");
    EXPECT_EQ(data.CurrentLocation, 3);
    presenter.Click("cmdPrev");
    EXPECT_EQ(data.CurrentLocation, 2);
}

TEST_F(LoadLocationsTest, EntriesWriteTheCurrentLocationInStoredUnits) {
    FillThree();
    presenter.Click("cmdNext");
    Type("txtDM", "2.5");
    EXPECT_EQ(data.locations(2).DM, 30000.0F);  // 2.5 kip-ft = 30000 lb-in
    EXPECT_EQ(data.locations(1).DM, 12000.0F);
    Type("txtLV", "-12.5");
    EXPECT_EQ(data.locations(2).LV, -12500.0F);
    Type("txtPS2P", "0.1");
    EXPECT_EQ(data.locations(2).PS2P, 100.0F);
    Type("txtx", "120.5");
    EXPECT_EQ(data.locations(2).x, 120.5F);
}

TEST_F(LoadLocationsTest, ZeroOrIncompleteForceTextKeepsTheEntryFactorsStoreZero) {
    Type("txtDM", "2.5");
    for (const char* text : {"0", "", "5a", "1e", "-", "2.5e+"}) {
        Type("txtDM", text);
        EXPECT_EQ(data.locations(1).DM, 30000.0F) << text;
    }
    Type("txtCDV", "1e1");
    EXPECT_EQ(data.locations(1).CDV, 10000.0F);
    Type("txtCDV", " 2 ");
    EXPECT_EQ(data.locations(1).CDV, 2000.0F);

    Type("txtDF", "1.3");
    EXPECT_EQ(data.locations(1).DF, 1.3F);
    Type("txtDF", "0");
    EXPECT_EQ(data.locations(1).DF, 0.0F);
    Type("txtMF", "2x");
    EXPECT_EQ(data.locations(1).MF, 2.0F);
}

}  // namespace
}  // namespace tarnex::ui::testing
