#include <algorithm>
#include <cmath>
#include <exception>
#include <string>

#include "checks/design_results.h"
#include "checks/factored_loads.h"
#include "checks/flexural_strength.h"
#include "model/calc_error.h"
#include "model/design_code.h"

namespace tarnex {
namespace {

/// The section that resists the moment at a location: compression flange b x hf, web bw,
/// depths of the strands (dp) and of the mild steel (ds) from the compression face, and the
/// sign of the strength; or the message of a section that is not available.
struct StrengthSection {
    double b = 0, hf = 0, bw = 0, dp = 0, ds = 0;
    double sign = 1;
    std::string refusal;
};

StrengthSection Refused(const char* message) {
    StrengthSection s;
    s.refusal = message;
    return s;
}

/// AASHTO 9.17: the section for the strength by shape, composite slab and moment sign.
StrengthSection ChooseSection(const DesignData& d, const CalcValues& v, bool positive, double Yp) {
    const double Hc = static_cast<double>(v.GCompYtop) + v.GCompYbot;
    const double Hb = static_cast<double>(d.BeamYtop) + d.BeamYbot;
    const double W = d.Btop, VNo = d.Htop, VDia = d.Bweb;  // slab names of the shared fields
    const double twoWebs = 2.0 * d.Bweb;
    switch (d.BeamShape) {
        case BeamShapeKind::General:
            return Refused("Moment capacity of general section not available");
        case BeamShapeKind::IGirder:
            if (!d.Composite)
                return Refused("Moment capacity of non-composite I-girder not available");
            if (!positive) {
                return Refused("Negative moment capacity of composite I-girder not available");
            }
            return {d.Beff, d.Tslab, d.Bweb, Hc - Yp, Hc - d.Hbot / 2.0, 1, {}};
        case BeamShapeKind::BoxGirder:
        case BeamShapeKind::TrapezoidalBox: {
            const bool box = d.BeamShape == BeamShapeKind::BoxGirder;
            if (!positive) {
                const double ds = d.Composite ? Hc - d.Tslab / 2.0 : Hb - d.Htop / 2.0;
                return {d.Bbot, d.Hbot, twoWebs, Yp, ds, -1, {}};
            }
            if (!d.Composite) return {d.Btop, d.Htop, twoWebs, Hb - Yp, Hb - d.Hbot / 2.0, 1, {}};
            if (box) {
                if (d.Btop < d.Beff) {
                    return Refused(
                        "Positive moment capacity of box girder spaced apart not available");
                }
                const double hf = static_cast<double>(d.Haunch) + d.Tslab + d.Htop;
                return {d.Btop, hf, twoWebs, Hc - Yp, Hc - d.Hbot / 2.0, 1, {}};
            }
            if (d.Beff <= d.Btop) {
                return Refused(
                    "Positive moment capacity of trapezoidal box girder spaced together not "
                    "available");
            }
            return {d.Beff, d.Tslab, twoWebs, Hc - Yp, Hc - d.Hbot / 2.0, 1, {}};
        }
        case BeamShapeKind::VoidedSlab: {
            const double hf = (static_cast<double>(d.D) - VDia) / 2;
            const double bw = W - VNo * VDia;
            if (!positive) {
                const double ds = d.Composite ? Hc - d.Tslab / 2.0 : Hb - hf / 2;
                return {W, hf, bw, Yp, ds, -1, {}};
            }
            if (!d.Composite) return {W, hf, bw, Hb - Yp, Hb - hf / 2, 1, {}};
            if (d.Beff < d.Bspace) {
                return Refused(
                    "Positive moment capacity of voided slab spaced apart not available");
            }
            const double hfc = hf + d.Tslab + d.Haunch;
            return {d.Beff, hfc, bw, Hc - Yp, Hc - hfc / 2, 1, {}};
        }
        case BeamShapeKind::SolidSlab:
            if (!d.Composite) {
                return positive ? StrengthSection{W, d.D, W, Hb - Yp, 0.8 * Hb, 1, {}}
                                : StrengthSection{W, d.D, W, Yp, 0.8 * Hb, -1, {}};
            }
            return positive ? StrengthSection{d.Beff, Hc, d.Beff, Hc - Yp, 0.8 * Hc, 1, {}}
                            : StrengthSection{W, Hc, W, Yp, Hc - d.Tslab / 2.0, -1, {}};
    }
    return Refused("Moment capacity of general section not available");
}

/// ACI 10.2.7.3: compression block depth factor for f'c.
float BlockDepthFactor(double fc) {
    if (fc <= 4000) return 0.85F;
    const double beta1 = 0.85 - 0.05 * (fc - 4000) / 1000;
    return Store(beta1 < 0.65 ? 0.65 : beta1, "the block depth factor");
}

/// AASHTO 9.17.3: mild steel only helps a section whose strands are not over-reinforced.
double MildSteelForFailedCheck(const DesignData& d, const CompressionZone& zone, double Mult,
                               double phi, double Aps, const StrengthSection& s) {
    const double fpu = d.PSus;
    const double fc = zone.fc;
    const double beta1 = zone.beta1;
    const double gammaP = zone.gammaP;
    if (fc == 0 || s.b * s.dp == 0) throw CalcError("the compression zone of the section is 0");
    const double rhoP = Aps / (s.b * s.dp);
    const double fps = fpu * (1 - (gammaP / beta1) * rhoP * fpu / fc);
    const double a = Aps * fps / (0.85 * fc * s.b);
    bool underReinforced = false;
    if (a <= s.hf) {
        underReinforced = rhoP * fps / fc <= 0.36 * beta1;
    } else {
        const double Apf = Divide(0.85 * fc * (s.b - s.bw) * s.hf, fps, "the strand stress");
        const double Apw = Aps - Apf;
        underReinforced = Divide(Apw * fps, s.bw * s.dp * fc,
                                 "the web width times the steel depth") <= 0.36 * beta1;
    }
    if (!underReinforced) return 0;
    return MildSteelRequired(d, zone, Mult, phi, Aps, s.b, s.bw, s.hf, s.dp, s.ds);
}

/// AASHTO 9.18.2.1 and ACI 18.8.2: the cracking moment M*cr at location i for the fiber that
/// the factored moment puts in tension (a magnitude, lb-in). The effective prestress and the
/// non-composite dead load act on the beam; the moment beyond them cracks the composite
/// section. A composite slab in tension carries no prestress and cracks first. Never below
/// fr Sc, the cracking moment of the unstressed gross section.
double CrackingMoment(const DesignData& d, const CalcValues& v, int i, bool positive, double fr) {
    const double yTension = positive ? v.GCompYbot : v.GCompYtop;
    if (yTension == 0) {
        throw CalcError(positive ? "the composite centroid height is 0"
                                 : "the composite centroid depth is 0");
    }
    const double Sc = static_cast<double>(v.GCompMoI) / yTension;
    const LoadLocation& loc = d.locations(i);
    const double Mdnc = static_cast<double>(loc.DM) + loc.CDM;
    double Mcr = 0;
    if (positive) {
        const double fpe = v.SbotPS(i);
        const double fdnc = static_cast<double>(v.SbotD(i)) + v.SbotCD(i);
        Mcr = Sc * (fr + fpe + fdnc) + Mdnc;
    } else if (d.Composite) {
        Mcr = Sc * fr - Mdnc;
    } else {
        const double fpe = v.StopPS(i);
        const double fdnc = static_cast<double>(v.StopD(i)) + v.StopCD(i);
        Mcr = Sc * (fr + fpe + fdnc) - Mdnc;
    }
    return Finite(std::max(Mcr, Sc * fr), "the cracking moment");
}

}  // namespace

CheckTable<MomentCapacityRow> CalcMomentCapacity(const DesignData& d, CalcValues& v) {
    CheckTable<MomentCapacityRow> table;
    table.computed = true;
    table.rows.reserve(static_cast<std::size_t>(std::max(d.nll, 0)));
    v.GammaP = d.PStype == SteelType::LowRelaxation ? 0.28F : 0.40F;
    const double phi = CodeOf(d.designCriteria).FlexurePhi(d.prestressing);
    try {
        for (int i = 1; i <= d.nll; ++i) {
            const LoadLocation loc = LocationWithPrestress(d.locations(i), v, i);
            const double Mult = FactoredMoment(loc);
            const bool positive = Mult >= 0;  // a zero moment counts as positive
            const StrengthSection s = ChooseSection(d, v, positive, v.Ypath(i));
            if (!s.refusal.empty()) {
                table.refusal = s.refusal;
                break;
            }
            CompressionZone zone;
            zone.fc = positive && d.Composite ? d.SS28 : d.CS28;
            zone.gammaP = v.GammaP;
            zone.beta1 = v.Beta1 = BlockDepthFactor(zone.fc);
            // ACI 9.5.2.3: modulus of rupture of the concrete on the tension face.
            const double ftension = !positive && d.Composite ? d.SS28 : d.CS28;
            const double fr = 7.5 * SquareRoot(ftension, "the concrete strength in tension");
            MomentCapacityRow row;
            row.x = loc.x;
            row.Mult = Mult;
            row.Mcr12 = 1.2 * CrackingMoment(d, v, i, positive, fr);
            const double Aps = Divide(d.Pjack, d.PSi, "the initial prestress");
            row.phiMn = s.sign * FlexuralStrength(d, zone, phi, Aps, s.b, s.hf, s.bw, s.dp);
            row.holds =
                std::fabs(row.phiMn) >= row.Mcr12 && std::fabs(row.phiMn) >= std::fabs(Mult);
            if (!row.holds) {
                // The mild steel carries the larger demand, with the sign of the moment.
                const double larger = std::max(std::fabs(Mult), row.Mcr12);
                const double demand = positive ? larger : -larger;
                row.mildSteel = MildSteelForFailedCheck(d, zone, demand, phi, Aps, s);
            }
            table.rows.push_back(row);
        }
    } catch (const std::exception& error) {
        table.failure = error.what();
    }
    return table;
}

}  // namespace tarnex
