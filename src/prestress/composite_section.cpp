#include <cmath>

#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

using detail::Squared;

/// AASHTO 9.8.3: effective flange width of the composite slab, the least of 12 slab
/// thicknesses plus the top flange width, the beam spacing and a quarter of the span.
bool CalcEffectiveSlabWidth(DesignData& data, Dialogs& dialogs) {
    if (!(data.Tslab > 0.0F)) {
        dialogs.ShowMessage("Enter slab thickness");
        return false;
    }
    if (!(data.Bspace > 0.0F)) {
        dialogs.ShowMessage("Enter beam spacing");
        return false;
    }
    if (!(data.Blength > 0.0F)) {
        dialogs.ShowMessage("Enter beam length");
        return false;
    }
    float beff =
        Store(12.0 * static_cast<double>(data.Tslab) + data.Btop, "the effective slab width");
    if (data.Bspace < beff) beff = data.Bspace;
    const float quarterSpan =
        Store(static_cast<double>(data.Blength) / 4.0, "a quarter of the beam length");
    if (quarterSpan < beff) beff = quarterSpan;
    data.Beff = beff;
    return true;
}

/// Gross composite section of beam, haunch and slab, the slab transformed by the modular
/// ratio of slab to beam concrete and rotated to its cross slope.
void CalcCompositeProperties(const DesignData& data, CalcValues& v) {
    if (!data.Composite) {
        v.GCompArea = v.CompArea = data.BeamArea;
        v.GCompMoI = v.CompMoI = data.BeamMoI;
        v.GCompYtop = v.CompYtop = data.BeamYtop;
        v.GCompYbot = v.CompYbot = data.BeamYbot;
        return;
    }
    const double tslab = data.Tslab;
    const double haunch = data.Haunch;
    const double beamArea = data.BeamArea;
    const double beamHeight = static_cast<double>(data.BeamYtop) + data.BeamYbot;

    // The modular ratio, the transformed slab width and the slab area are each stored.
    const double n = Store(Divide(data.SM28, data.M28, "the beam modulus of elasticity at 28 days"),
                           "the modular ratio of slab to beam");
    const double bt = Store(static_cast<double>(data.Beff) * n, "the transformed slab width");
    const double slabArea = Store(tslab * bt, "the transformed slab area");
    const double theta = detail::SlopeAngle(data);
    const double s = std::sin(theta);
    const double c = std::cos(theta);

    // Slab: a rectangle bt x Tslab rotated by the cross slope.
    const double slabInertia =
        Store((Squared(tslab) * Squared(c) + Squared(bt) * Squared(s)) * (tslab * bt) / 12.0,
              "the slab moment of inertia");
    const double slabY = Store(beamHeight + haunch + tslab / 2.0, "the slab centroid height");
    // Haunch: the top flange width, transformed.
    const double haunchArea = Store(static_cast<double>(data.Btop) * n * haunch, "the haunch area");
    const double haunchInertia =
        Store(haunch * haunch * haunch * (static_cast<double>(data.Btop) * n) / 12.0,
              "the haunch moment of inertia");
    const double haunchY = Store(beamHeight + haunch / 2.0, "the haunch centroid height");

    const float compArea = Store(beamArea + slabArea + haunchArea, "the composite area");
    const float compYbot = Store(Divide(static_cast<double>(data.BeamYbot) * beamArea +
                                            slabArea * slabY + haunchArea * haunchY,
                                        compArea, "the composite area"),
                                 "the composite centroid height");
    const float compYtop =
        Store(detail::CompositeTopHeight(data) - compYbot, "the composite top fiber distance");
    double inertia = Squared(static_cast<double>(compYbot) - data.BeamYbot) * beamArea;
    inertia += static_cast<double>(data.BeamMoI) + slabInertia + haunchInertia;
    inertia += Squared(slabY - compYbot) * slabArea;
    inertia += Squared(haunchY - compYbot) * haunchArea;
    const float compMoI = Store(inertia, "the composite moment of inertia");

    v.GCompArea = v.CompArea = compArea;
    v.GCompYbot = v.CompYbot = compYbot;
    v.GCompYtop = v.CompYtop = compYtop;
    v.GCompMoI = v.CompMoI = compMoI;
}

}  // namespace tarnex
