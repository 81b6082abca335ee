#include <utility>

#include "model/calc_error.h"
#include "prestress/calc_steps.h"
#include "prestress/calc_support.h"

namespace tarnex {

namespace {

/// Top and bottom fiber stresses of one load case (compression positive).
struct FiberStresses {
    float top = 0;
    float bottom = 0;
};

/// Axial force and moment on a section: P / A + y M / I at the top, P / A - y M / I at the
/// bottom.
FiberStresses StressesOn(double p, double m, double area, double moi, double yTop, double yBot,
                         const char* areaName, const char* moiName) {
    const double axial = Divide(p, area, areaName);
    return {Store(Divide(yTop * m, moi, moiName) + axial, "a load stress"),
            Store(axial - Divide(yBot * m, moi, moiName), "a load stress")};
}

}  // namespace

/// Concrete stresses at the top and bottom fibers of the beam from the seven load cases:
/// beam cases on the transformed beam, composite cases on the transformed composite section.
void CalcLoadStresses(const DesignData& data, CalcValues& v) {
    const int n = detail::LocationCount(data);
    FloatArray stopD(n), sbotD(n), stopCD(n), sbotCD(n), stopAD(n), sbotAD(n), stopL(n), sbotL(n),
        stopPS(n), sbotPS(n), stopPS2(n), sbotPS2(n), stopM(n), sbotM(n);
    const char* beamArea = "the beam area";
    const char* beamMoI = "the beam moment of inertia";
    const char* compArea = "the composite area";
    const char* compMoI = "the composite moment of inertia";

    for (int i = 1; i <= n; ++i) {
        const LoadLocation& loc = data.locations(i);
        const double area = v.TArea(i);
        const double moi = v.TMoI(i);
        const double yTop = v.TYtop(i);
        const double yBot = v.TYbot(i);
        const double cArea = v.TCompArea(i);
        const double cMoI = v.TCompMoI(i);
        const double cYbot = v.TCompYbot(i);
        // The composite cases are taken at the top of the beam, not the top of the slab.
        const double cYtop = data.Composite ? static_cast<double>(v.Ytop) + v.Ybot - cYbot : yTop;
        const auto beam = [&](float p, float m) {
            return StressesOn(p, m, area, moi, yTop, yBot, beamArea, beamMoI);
        };
        const auto comp = [&](float p, float m) {
            return StressesOn(p, m, cArea, cMoI, cYtop, cYbot, compArea, compMoI);
        };
        FiberStresses s = beam(loc.DP, loc.DM);
        stopD(i) = s.top, sbotD(i) = s.bottom;
        s = beam(loc.CDP, loc.CDM);
        stopCD(i) = s.top, sbotCD(i) = s.bottom;
        s = comp(loc.ADP, loc.ADM);
        stopAD(i) = s.top, sbotAD(i) = s.bottom;
        s = comp(loc.LP, loc.LM);
        stopL(i) = s.top, sbotL(i) = s.bottom;
        s = beam(static_cast<float>(detail::ValueAt(v.PSP, i)),
                 static_cast<float>(detail::ValueAt(v.PSM, i)));
        stopPS(i) = s.top, sbotPS(i) = s.bottom;
        s = beam(loc.PS2P, loc.PS2M);
        stopPS2(i) = s.top, sbotPS2(i) = s.bottom;
        s = comp(loc.MP, loc.MM);
        stopM(i) = s.top, sbotM(i) = s.bottom;
    }

    v.StopD = std::move(stopD);
    v.SbotD = std::move(sbotD);
    v.StopCD = std::move(stopCD);
    v.SbotCD = std::move(sbotCD);
    v.StopAD = std::move(stopAD);
    v.SbotAD = std::move(sbotAD);
    v.StopL = std::move(stopL);
    v.SbotL = std::move(sbotL);
    v.StopPS = std::move(stopPS);
    v.SbotPS = std::move(sbotPS);
    v.StopPS2 = std::move(stopPS2);
    v.SbotPS2 = std::move(sbotPS2);
    v.StopM = std::move(stopM);
    v.SbotM = std::move(sbotM);
}

}  // namespace tarnex
