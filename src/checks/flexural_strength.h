#pragma once

#include "model/design_data.h"

namespace tarnex {

/// The concrete of the compression zone of a strength check: its strength f'c (psi), the
/// depth factor of its stress block and the strand type factor gamma_p.
struct CompressionZone {
    double fc = 0;
    double beta1 = 0;
    double gammaP = 0;
};

/// AASHTO 9.17 / ACI 18.7: design flexural strength phi*Mn (lb-in, positive) of a prestressed
/// section with compression flange b x hf, web bw and steel depth dp. Reads PSus.
double FlexuralStrength(const DesignData& data, const CompressionZone& zone, double phi, double Aps,
                        double b, double hf, double bw, double dp);

/// Mild reinforcing steel area (in^2) that with the strands resists Mult at depth ds; 0 when
/// the reinforcement index limit 0.36 beta1 would be exceeded. Reads PSus, RS, Units.
double MildSteelRequired(const DesignData& data, const CompressionZone& zone, double Mult,
                         double phi, double Aps, double b, double bw, double hf, double dp,
                         double ds);

}  // namespace tarnex
