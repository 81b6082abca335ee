#include <string>

#include "model/calc_error.h"
#include "model/number_text.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

namespace {

/// The candidate forces of the search, kept from location to location.
struct ForceSearch {
    float p1 = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0, p6 = 0;
    float ceiling = 0;   // Pt: the largest force that the transfer tension allows
    float required = 0;  // Pf: the least force that the dead and service tension need
};

/// Force per unit of fiber stress: 1/A + e y / I at the top, 1/A - e y / I at the bottom.
double TopFactor(const CalcValues& d, double e) {
    return Divide(static_cast<double>(d.Ytop) * e, d.MoI, "the beam moment of inertia") +
           Divide(1.0, d.Area, "the beam area");
}
double BottomFactor(const CalcValues& d, double e) {
    return Divide(1.0, d.Area, "the beam area") -
           Divide(static_cast<double>(d.Ybot) * e, d.MoI, "the beam moment of inertia");
}

/// Force that brings a fiber from `stress` to `limit` (compression positive).
float Candidate(double limit, double stress, double ratio, double factor, const char* what) {
    return Store(Divide((limit - stress) * ratio, factor, what), "a candidate prestress force");
}

void SearchLocation(DesignData& d, const CalcValues& v, int i, ForceSearch& s) {
    const double psi = d.PSi;
    double fa = 0.0;
    if (d.prestressing == Prestressing::PostTensioning) {
        fa = Store((detail::ValueAt(d.ASloss, i) + detail::ValueAt(d.FRloss, i)) * psi,
                   "the friction and anchor-set loss");
        d.PSlossAt(i) = Store(fa + d.PSloss, "the loss at a location");
    } else {
        d.PSlossAt(i) = 0.0F;
    }
    // Ratios that raise an effective force at the location to the jacking-end force.
    const double lossAt = d.PSlossAt(i);
    const float rf =
        Store(Divide(lossAt, psi - lossAt, "the initial prestress less the loss") + 1.0,
              "the final force ratio");
    const float rt = Store(
        Divide(fa, psi - fa, "the initial prestress less the friction and anchor-set loss") + 1.0,
        "the transfer force ratio");

    const double e = v.Ecc(i);
    const double ats1 = d.ATS1;
    const double ats2 = d.ATS2;
    const char* topWhat = "the top-fiber prestress factor";
    const char* botWhat = "the bottom-fiber prestress factor";

    // Transfer: tension at either fiber limited to ATS1.
    if (v.StopD(i) > 0.0F) s.p1 = Candidate(-ats1, v.StopD(i), rt, TopFactor(v, e), topWhat);
    if (v.SbotD(i) > 0.0F) s.p2 = Candidate(-ats1, v.SbotD(i), rt, BottomFactor(v, e), botWhat);
    // A force that compresses the top fiber (P1 <= 0) never limits top tension at transfer.
    if (s.p1 > 0.0F && (i == 1 || s.ceiling == 0.0F)) s.ceiling = s.p1;
    if (s.p1 > 0.0F && s.p1 < s.ceiling) s.ceiling = s.p1;
    if (s.p2 > 0.0F && s.p2 < s.ceiling) s.ceiling = s.p2;

    // Dead loads: top tension to ATS1, no tension at the bottom.
    const float ftd =
        Store(static_cast<double>(v.StopCD(i)) + v.StopD(i) + v.StopAD(i), "the dead load stress");
    const float fbd =
        Store(static_cast<double>(v.SbotCD(i)) + v.SbotD(i) + v.SbotAD(i), "the dead load stress");
    if (ftd < 0.0F) s.p3 = Candidate(-ats1, ftd, rf, TopFactor(v, e), topWhat);
    if (fbd < 0.0F) s.p4 = Candidate(0.0, fbd, rf, BottomFactor(v, e), botWhat);
    if (i == 1) s.required = s.p3;
    if (s.required == 0.0F) s.required = s.p3;
    if (s.p3 > 0.0F && s.p3 > s.required) s.required = s.p3;
    if (s.p4 > 0.0F && s.p4 > s.required) s.required = s.p4;

    // Full service load: top tension to ATS1, bottom tension to ATS2.
    const float fts =
        Store(static_cast<double>(v.StopCD(i)) + v.StopD(i) + v.StopAD(i) + v.StopL(i),
              "the service load stress");
    const float fbs =
        Store(static_cast<double>(v.SbotCD(i)) + v.SbotD(i) + v.SbotAD(i) + v.SbotL(i),
              "the service load stress");
    if (fts < 0.0F) s.p5 = Candidate(-ats1, fts, rf, TopFactor(v, e), topWhat);
    if (fbs < 0.0F) s.p6 = Candidate(-ats2, fbs, rf, BottomFactor(v, e), botWhat);
    if (s.p5 > 0.0F && s.p5 > s.required) s.required = s.p5;
    if (s.p6 > 0.0F && s.p6 > s.required) s.required = s.p6;

    d.PSlossAt(i) = 0.0F;
}

std::string Line(const char* label, int blanks, double value, int decimals) {
    return std::string(label) + std::string(static_cast<std::size_t>(blanks), ' ') + "= " +
           FormatPattern(value, decimals);
}

}  // namespace

/// Required jacking force: the least force that keeps the dead and service load tension
/// within the allowables at every location, provided the tension at transfer allows it.
bool CalcRequiredPrestressForce(DesignData& d, Dialogs& dialogs) {
    CalcValues v;
    CalcCompositeProperties(d, v);
    if (d.InputIncomplete == 1) {
        d.InputIncomplete = 0;
        return false;
    }
    CalcTransformedProperties(d, v);
    CalcOffsetsAndAngles(d, v);
    CalcLoadStresses(d, v);
    if (d.InputIncomplete == 1) {
        d.InputIncomplete = 0;
        return false;
    }
    if (d.prestressing == Prestressing::PostTensioning) StoreFrictionAndAnchorSet(d, dialogs);

    const int n = detail::LocationCount(d);
    d.PSlossAt.Recreate(n);
    ForceSearch s;
    for (int i = 1; i <= n; ++i) SearchLocation(d, v, i, s);

    if (s.required > s.ceiling) {
        dialogs.ShowMessage(std::string("The solution will not converge using the specified") +
                            kMessageLineBreak + "prestress path due to excessive tension.");
        return false;
    }
    const double pf = s.required;
    const double psi = d.PSi;
    const double forceFactor = kForceFactor;
    const char* factorName = "the force unit factor";
    if (d.prestressing == Prestressing::Pretensioning) {
        // The steel area is stored before it forms the jacking force and the force at transfer.
        const float steelArea = Store(
            Divide(pf, psi - d.PSloss, "the initial prestress less the loss"), "the steel area");
        const float transferForce = Store(
            (static_cast<double>(d.PSloss) - d.PStrans) * steelArea + pf, "the force at transfer");
        const float pjack = Store(static_cast<double>(steelArea) * psi, "the jacking force");
        const std::string br(1, kMessageLineBreak);
        dialogs.ShowMessage(Line("The initial prestress (jacking) force", 19,
                                 Divide(pjack, forceFactor, factorName), 1) +
                            br +
                            Line("The effective prestress force at transfer", 10,
                                 Divide(transferForce, forceFactor, factorName), 1) +
                            br +
                            Line("The effective prestress force after all losses", 1,
                                 Divide(pf, forceFactor, factorName), 1) +
                            br + Line("The required prestressing steel area", 15, steelArea, 2));
        d.Pjack = pjack;
    } else {
        const float steelArea =
            Store(Divide(pf, psi, "the initial prestress PSi"), "the steel area");
        const float pjack = s.required;
        dialogs.ShowMessage(
            Line("The minimum jacking force", 12, Divide(pjack, forceFactor, factorName), 1) +
            kMessageLineBreak + Line("The required prestressing steel area", 1, steelArea, 2));
        d.Pjack = pjack;
    }
    return true;
}

}  // namespace tarnex
