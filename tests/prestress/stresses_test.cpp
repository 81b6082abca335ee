#include <gtest/gtest.h>

#include "design_fixtures.h"
#include "model/calc_error.h"
#include "prestress/calc_steps.h"

namespace tarnex {
namespace {

using namespace tarnex::testing;  // NOLINT(google-build-using-namespace)

TEST(Stresses, ZeroInertiaAndZeroPSiAreReportedAndKeepTheLoadCase) {
    DesignData d = PlainBeam();
    AddLocation(d, 600.0F, 1.0F);
    CalcCompositeProperties(d);
    CalcTransformedProperties(d);
    CalcOffsetsAndAngles(d);
    DesignData noInertia = d;
    noInertia.TMoI(1) = 0.0F;
    EXPECT_THROW(CalcLoadStresses(noInertia), CalcError);

    d.Pjack = 810000.0F;
    d.PSi = 0.0F;
    d.locations(1).PSP = 7.0F;
    EXPECT_THROW(CalcPrestressEffects(d), CalcError);
    EXPECT_EQ(d.locations(1).PSP, 7.0F);
}

}  // namespace
}  // namespace tarnex
