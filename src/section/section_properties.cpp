#include "section/section_properties.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/calc_error.h"
#include "section/section_catalogue.h"
#include "section/section_selection.h"

namespace tarnex {
namespace {

/// Area, centroid and inertia as stored: Area and Ybot rounded, Ytop from the rounded Ybot,
/// the inertia accumulated in double and rounded once.
struct Properties {
    float Area = 0, MoI = 0, Ytop = 0, Ybot = 0;
};

double Sq(double v) { return v * v; }
double Cube(double v) { return v * v * v; }

float StoreArea(double area) { return Store(area, "the beam area"); }

/// Ybot = S / Area with the rounded area; Ytop = D - Ybot from the rounded Ybot.
void SetCentroid(Properties& p, double firstMoment, double depth) {
    p.Ybot = Store(Divide(firstMoment, p.Area, "the beam area"), "the centroid height");
    p.Ytop = Store(depth - static_cast<double>(p.Ybot), "the centroid depth");
}

/// I girder: web over the full depth, flange overhangs and triangular fillets (parallel-axis
/// terms only for the fillets).
Properties IGirderProperties(const DesignData& s) {
    const double D = s.D, Btop = s.Btop, Htop = s.Htop, Bweb = s.Bweb, Bbot = s.Bbot, Hbot = s.Hbot,
                 Ftop = s.Ftop, Fbot = s.Fbot;
    Properties p;
    p.Area = StoreArea((Bbot - Bweb) * Hbot + (Btop - Bweb) * Htop + D * Bweb +
                       (Btop - Bweb) * Ftop / 2 + (Bbot - Bweb) * Fbot / 2);
    if (!(p.Area > 0)) return p;
    const double S = D * D * Bweb / 2 + (D - Htop / 2) * (Btop - Bweb) * Htop +
                     (Bbot - Bweb) * Hbot * Hbot / 2 +
                     (D - Htop - Ftop / 3) * Ftop * (Btop - Bweb) / 2 +
                     (Fbot / 3 + Hbot) * Fbot * (Bbot - Bweb) / 2;
    SetCentroid(p, S, D);
    const double Yb = p.Ybot, Yt = p.Ytop;
    p.MoI = Store(Sq(std::fabs(D / 2 - Yb)) * Bweb * D + Sq(Yt - Htop / 2) * (Btop - Bweb) * Htop +
                      Cube(Hbot) * (Bbot - Bweb) / 12 + Cube(Htop) * (Btop - Bweb) / 12 +
                      Cube(D) * Bweb / 12 + Sq(Yb - Hbot / 2) * (Bbot - Bweb) * Hbot +
                      Sq(Yt - Htop - Ftop / 3) * Ftop * (Btop - Bweb) / 2 +
                      Sq(Yb - Hbot - Fbot / 3) * Fbot * (Bbot - Bweb) / 2,
                  "the moment of inertia");
    return p;
}

/// Box girder: two full-depth webs, top and bottom slabs between them, four corner fillets.
Properties BoxGirderProperties(const DesignData& s) {
    const double D = s.D, Btop = s.Btop, Htop = s.Htop, Bweb = s.Bweb, Bbot = s.Bbot, Hbot = s.Hbot,
                 Ftop = s.Ftop, Fbot = s.Fbot;
    Properties p;
    p.Area = StoreArea(Ftop * Ftop + (Bbot - 2 * Bweb) * Hbot + (Btop - 2 * Bweb) * Htop +
                       2 * Bweb * D + Fbot * Fbot);
    if (!(p.Area > 0)) return p;
    const double S = D * D * Bweb + (Btop - 2 * Bweb) * Htop * (D - Htop / 2) +
                     (Bbot - 2 * Bweb) * Hbot * Hbot / 2 + Ftop * Ftop * (D - Htop - Ftop / 3) +
                     Fbot * Fbot * (Fbot / 3 + Hbot);
    SetCentroid(p, S, D);
    const double Yb = p.Ybot, Yt = p.Ytop;
    p.MoI = Store(
        2 * Sq(std::fabs(D / 2 - Yb)) * Bweb * D + Sq(Yt - Htop / 2) * (Btop - 2 * Bweb) * Htop +
            Cube(Hbot) * (Bbot - 2 * Bweb) / 12 + Cube(Htop) * (Btop - 2 * Bweb) / 12 +
            Cube(D) * (2 * Bweb) / 12 + Sq(Yb - Hbot / 2) * (Bbot - 2 * Bweb) * Hbot +
            Ftop * Ftop * Sq(Yt - Htop - Ftop / 3) + Fbot * Fbot * Sq(Yb - Hbot - Fbot / 3),
        "the moment of inertia");
    return p;
}

/// Voided slab: rectangle less VNo circular voids at mid-depth (pi taken as 3.1416, VNo real).
Properties VoidedSlabProperties(const DesignData& s) {
    const double D = s.D, W = s.Btop, VNo = s.Htop, VDia = s.Bweb;
    Properties p;
    p.Area = StoreArea(D * W - VDia * VDia * (VNo * 3.1416) / 4);
    p.Ybot = Store(D / 2, "the centroid height");
    p.Ytop = Store(D - static_cast<double>(p.Ybot), "the centroid depth");
    p.MoI =
        Store(Cube(D) * W / 12 - Sq(VDia * VDia) * (VNo * 3.1416) / 64, "the moment of inertia");
    return p;
}

/// Solid slab: rectangle D x W.
Properties SolidSlabProperties(const DesignData& s) {
    const double D = s.D, W = s.Btop;
    Properties p;
    p.Area = StoreArea(D * W);
    p.Ybot = Store(D / 2, "the centroid height");
    p.Ytop = Store(D - static_cast<double>(p.Ybot), "the centroid depth");
    p.MoI = Store(Cube(D) * W / 12, "the moment of inertia");
    return p;
}

/// A named intermediate of the trapezoidal box, rounded to single precision when formed.
float Single(double v, const char* what) { return Store(v, what); }

/// Trapezoidal box: outer trapezoid less the inner cell (webs at a fixed 0.245 rad from the
/// vertical, the cell narrowing by half its height), plus the corner fillets.
Properties TrapezoidalBoxProperties(const DesignData& s) {
    const double D = s.D, Btop = s.Btop, Htop = s.Htop, Bweb = s.Bweb, Bbot = s.Bbot, Hbot = s.Hbot,
                 Ftop = s.Ftop, Fbot = s.Fbot;
    const double Aout = Single((Bbot + Btop) * D / 2, "the outer area");
    const double hin = Single(D - Htop - Hbot, "the cell height");
    const double bt = Single(Btop - Htop / 2 - 2 * Bweb / std::cos(0.245), "the cell top width");
    const double bb = Single(bt - hin / 2, "the cell bottom width");
    const double Ain = Single((bt + bb) * hin / 2, "the cell area");
    const double Aft = Single(Ftop * Ftop, "the top fillet area");
    const double Afb = Single(Fbot * Fbot, "the bottom fillet area");
    Properties p;
    p.Area = StoreArea(Aout - Ain + Aft + Afb);
    if (!(p.Area > 0)) return p;

    const double outerWidth = Bbot + Btop;
    const double yout = Single(
        Divide((2 * Btop + Bbot) * D, outerWidth * 3, "the sum of the outer widths"), "yout");
    const double Iout = Single(Divide(Cube(D) * (Btop * Btop + 4 * Btop * Bbot + Bbot * Bbot),
                                      outerWidth * 36, "the sum of the outer widths"),
                               "Iout");
    const double cellWidth = bt + bb;
    const double yin = Single(
        Divide((2 * bt + bb) * hin, cellWidth * 3, "the sum of the cell widths") + Hbot, "yin");
    const double Iin = Single(Divide(Cube(hin) * (bt * bt + 4 * bt * bb + bb * bb), cellWidth * 36,
                                     "the sum of the cell widths"),
                              "Iin");
    const double yft = Single(D - Htop - Ftop / 3, "yft");
    const double yfb = Single(Fbot / 3 + Hbot, "yfb");

    SetCentroid(p, yout * Aout - Ain * yin + Aft * yft + Afb * yfb, D);
    const double Yb = p.Ybot;
    double moi = Sq(std::fabs(yout - Yb)) * Aout;
    moi += Iout - Iin;
    moi -= Sq(std::fabs(yin - Yb)) * Ain;
    moi += Sq(std::fabs(yft - Yb)) * Aft;
    moi += Sq(std::fabs(yfb - Yb)) * Afb;
    p.MoI = Store(moi, "the moment of inertia");
    return p;
}

/// "Enter the section dimensions: " with the shape's dimensions that are not greater than 0,
/// or all eight when every one is.
std::string MissingDimensionsMessage(const DesignData& data) {
    std::string names;
    for (DimensionField field : kDimensionFields) {
        if (!(DimensionValue(data, field) > 0)) {
            if (!names.empty()) names += ", ";
            names += DimensionName(field);
        }
    }
    if (names.empty()) {
        for (DimensionField field : kDimensionFields) {
            if (!names.empty()) names += ", ";
            names += DimensionName(field);
        }
    }
    return "Enter the section dimensions: " + names;
}

}  // namespace

bool CalcSectionProperties(DesignData& data, Dialogs& dialogs) {
    std::optional<Properties> computed;
    bool dividesByArea = true;
    switch (data.BeamShape) {
        case BeamShapeKind::General:
            dialogs.ShowMessage("General section properties must be input directly.");
            break;
        case BeamShapeKind::IGirder:
            computed = IGirderProperties(data);
            break;
        case BeamShapeKind::BoxGirder:
            computed = BoxGirderProperties(data);
            break;
        case BeamShapeKind::VoidedSlab:
            computed = VoidedSlabProperties(data);
            dividesByArea = false;
            break;
        case BeamShapeKind::SolidSlab:
            computed = SolidSlabProperties(data);
            dividesByArea = false;
            break;
        case BeamShapeKind::TrapezoidalBox:
            computed = TrapezoidalBoxProperties(data);
            break;
    }
    if (computed) {
        if (dividesByArea && !(computed->Area > 0)) {
            dialogs.ShowMessage(MissingDimensionsMessage(data));
            return false;
        }
        data.Area = computed->Area;
        data.MoI = computed->MoI;
        data.Ytop = computed->Ytop;
        data.Ybot = computed->Ybot;
    }
    CopyToBeamProperties(data);
    return true;
}

}  // namespace tarnex
