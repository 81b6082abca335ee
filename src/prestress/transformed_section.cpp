#include <utility>

#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

namespace {

using detail::Squared;

/// One section with the prestressing steel (added area k at height y) transformed into
/// concrete, about the centroid of the transformed section.
struct TransformedSection {
    float area = 0, moi = 0, ytop = 0, ybot = 0;
};

TransformedSection TransformBeam(const DesignData& d, double k, double y) {
    TransformedSection t;
    t.area = Store(k + d.BeamArea, "the beam area");
    t.ybot =
        Store(Divide(k * y + static_cast<double>(d.BeamYbot) * d.BeamArea, t.area, "the beam area"),
              "the transformed centroid height");
    t.ytop = Store(static_cast<double>(d.BeamYtop) + d.BeamYbot - t.ybot,
                   "the transformed top fiber distance");
    t.moi = Store(Squared(static_cast<double>(t.ybot) - d.BeamYbot) * d.BeamArea + d.BeamMoI +
                      Squared(static_cast<double>(t.ybot) - y) * k,
                  "the transformed moment of inertia");
    return t;
}

TransformedSection TransformComposite(const DesignData& d, const CalcValues& v, double k,
                                      double y) {
    TransformedSection t;
    t.area = Store(k + v.GCompArea, "the composite area");
    t.ybot = Store(Divide(k * y + static_cast<double>(v.GCompYbot) * v.GCompArea, t.area,
                          "the composite area"),
                   "the transformed composite centroid height");
    t.ytop = Store(detail::CompositeTopHeight(d) - t.ybot,
                   "the transformed composite top fiber distance");
    t.moi = Store(Squared(static_cast<double>(t.ybot) - v.GCompYbot) * v.GCompArea + v.GCompMoI +
                      Squared(static_cast<double>(t.ybot) - y) * k,
                  "the transformed composite moment of inertia");
    return t;
}

/// Area added by transforming the steel: (n - 1) x As, As = Pjack / PSi on the
/// transformed basis and 0 on the gross basis.
double AddedSteelArea(const DesignData& d) {
    if (d.sectionBasis != SectionBasis::Transformed) return 0.0;
    const double steelArea = Divide(d.Pjack, d.PSi, "the initial prestress PSi");
    const float np = Store(Divide(d.PSmod, d.M28, "the beam modulus of elasticity at 28 days"),
                           "the steel modular ratio");
    return Finite((static_cast<double>(np) - 1.0) * steelArea, "the transformed steel area");
}

}  // namespace

/// Beam and composite sections with the prestressing steel transformed, at every location
/// and at the middle key point (the section in use).
void CalcTransformedProperties(const DesignData& data, CalcValues& v) {
    const int count = detail::LocationCount(data);
    FloatArray tArea(count), tMoI(count), tYtop(count), tYbot(count);
    FloatArray tcArea(count), tcMoI(count), tcYtop(count), tcYbot(count);
    CalcPathHeights(data, v);
    const double k = AddedSteelArea(data);

    for (int i = 1; i <= count; ++i) {
        const double y = v.Ypath(i);
        const TransformedSection beam = TransformBeam(data, k, y);
        tArea(i) = beam.area;
        tYbot(i) = beam.ybot;
        tYtop(i) = beam.ytop;
        tMoI(i) = beam.moi;
        const TransformedSection comp = TransformComposite(data, v, k, y);
        tcArea(i) = comp.area;
        tcYbot(i) = comp.ybot;
        tcYtop(i) = comp.ytop;
        tcMoI(i) = comp.moi;
    }

    const TransformedSection inUse = TransformBeam(data, k, data.Ym);
    TransformedSection compInUse;
    if (data.sectionBasis == SectionBasis::Transformed) {
        compInUse = TransformComposite(data, v, k, data.Ym);
    }

    v.TArea = std::move(tArea);
    v.TMoI = std::move(tMoI);
    v.TYtop = std::move(tYtop);
    v.TYbot = std::move(tYbot);
    v.TCompArea = std::move(tcArea);
    v.TCompMoI = std::move(tcMoI);
    v.TCompYtop = std::move(tcYtop);
    v.TCompYbot = std::move(tcYbot);
    v.Area = inUse.area;
    v.Ybot = inUse.ybot;
    v.Ytop = inUse.ytop;
    v.MoI = inUse.moi;
    if (data.sectionBasis == SectionBasis::Transformed) {
        v.CompArea = compInUse.area;
        v.CompYbot = compInUse.ybot;
        v.CompYtop = compInUse.ytop;
        v.CompMoI = compInUse.moi;
    }
}

}  // namespace tarnex
