#include "checks/flexural_strength.h"

#include <string>

#include "model/calc_error.h"

namespace tarnex {
namespace {

/// Steps of the compression-zone search below the flange before it counts as not converging.
constexpr int kMaxSearchSteps = 100000;

/// A divisor that must not be zero.
double NonZero(double value, const std::string& what) {
    if (value == 0.0) throw CalcError(what + " is 0");
    return value;
}

/// The checks on the divisors of the strength formulas: widths, depths and strengths.
void CheckSection(double fc, double b, double dp) {
    NonZero(fc, "the concrete strength");
    NonZero(b, "the compression flange width");
    NonZero(dp, "the prestressing steel depth");
}

}  // namespace

double FlexuralStrength(const DesignData& data, const CompressionZone& zone, double phi, double Aps,
                        double b, double hf, double bw, double dp) {
    const double fc = zone.fc;
    CheckSection(fc, b, dp);
    const double fpu = data.PSus;
    const double beta1 = zone.beta1;
    const double gammaP = zone.gammaP;
    // AASHTO 9.17.4.1: average strand stress at ultimate.
    const double rhoP = Aps / (b * dp);
    const double fps = fpu * (1 - (gammaP / beta1) * rhoP * fpu / fc);
    const double a = Aps * fps / (0.85 * fc * b);
    double phiMn = 0;
    if (a <= hf) {
        // AASHTO 9.17.2: rectangular section; 9.18.1: over-reinforced beyond 0.36 beta1.
        if (rhoP * fps / fc <= 0.36 * beta1) {
            phiMn = phi * Aps * fps * dp * (1 - 0.6 * rhoP * fps / fc);
        } else {
            phiMn = phi * fc * b * dp * dp * (0.36 * beta1 - 0.08 * beta1 * beta1);
        }
    } else {
        // AASHTO 9.17.3: flanged section, the overhangs balancing Apf of the strands.
        NonZero(fps, "the strand stress at ultimate");
        NonZero(bw, "the web width");
        const double Apf = 0.85 * fc * (b - bw) * hf / fps;
        const double Apw = Aps - Apf;
        const double Mf = 0.85 * fc * (b - bw) * hf * (dp - hf / 2);
        if (Apw * fps / (bw * dp * fc) <= 0.36 * beta1) {
            phiMn = phi * (Apw * fps * dp * (1 - 0.6 * Apw * fps / (bw * dp * fc)) + Mf);
        } else {
            phiMn = phi * (fc * bw * dp * dp * (0.36 * beta1 - 0.08 * beta1 * beta1) + Mf);
        }
    }
    return Finite(phiMn, "the design flexural strength");
}

double MildSteelRequired(const DesignData& data, const CompressionZone& zone, double Mult,
                         double phi, double Aps, double b, double bw, double hf, double dp,
                         double ds) {
    const double fc = zone.fc;
    CheckSection(fc, b, dp);
    NonZero(phi, "the strength reduction factor");
    const double fpu = data.PSus;
    const double fy = NonZero(data.RS, "the mild steel yield strength");
    const double beta1 = zone.beta1;
    const double rhoP = Aps / (b * dp);
    const double fpsR = fpu * (1 - 0.5 * rhoP * fpu / fc);

    // Rectangular section: strands and mild steel about the compression block,
    // A As^2 - B As + C = 0, the smaller root.
    const double A = fy * fy / (2 * 0.85 * fc * b);
    const double B = fy * ds - Aps * fpsR * fy / (0.85 * fc * b);
    const double C =
        Mult / phi - Aps * fpsR * dp + (Aps * fpsR) * (Aps * fpsR) / (2 * 0.85 * fc * b);
    double As = (B - SquareRoot(B * B - 4 * A * C, "the mild steel discriminant")) / (2 * A);
    const double a = (Aps * fpsR + As * fy) / (0.85 * fc * b);
    NonZero(ds, "the mild steel depth");
    if (Aps * fpsR / (b * dp * fc) + As * fy / (b * ds * fc) > 0.36 * beta1) As = 0;
    if (a <= hf) return Finite(As, "the mild steel area");

    // Flanged section: deepen the compression zone t below the flange until the couple of the
    // tension and compression forces carries Mult.
    NonZero(fpsR, "the strand stress at ultimate");
    NonZero(bw, "the web width");
    const double step = data.units == Units::Metric ? 1.0 : 0.05;
    const double Apf = 0.85 * fc * (b - bw) * hf / fpsR;
    double t = 0;
    double phiMn = 0;
    int steps = 0;
    while (phiMn < Mult) {
        if (++steps > kMaxSearchSteps) {
            throw CalcError("the mild steel search does not converge in " +
                            std::to_string(kMaxSearchSteps) + " steps");
        }
        t += step;
        As = (0.85 * fc * (b * hf + bw * t) - Aps * fpsR) / fy;
        if (As * fy / (fc * bw * ds) + (Aps - Apf) * fpsR / (fc * bw * dp) > 0.36 * beta1) {
            return 0;
        }
        const double dT = Divide(Aps * fpsR * dp + As * fy * ds, Aps * fpsR + As * fy,
                                 "the tension force of strands and mild steel");
        const double dC = Divide(b * hf * hf / 2 + bw * t * (hf + t / 2), b * hf + bw * t,
                                 "the compression force");
        phiMn = Finite(phi * (Aps * fpsR + As * fy) * (dT - dC), "the mild steel strength");
    }
    return Finite(As, "the mild steel area");
}

}  // namespace tarnex
