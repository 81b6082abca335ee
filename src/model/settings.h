#pragma once

namespace tarnex {

enum class Units { English, Metric };
enum class DesignCriteria { AASHTO, AREMA, ACI };
enum class Prestressing { Pretensioning, PostTensioning };
enum class SectionBasis { Gross, Transformed };

/// Prestressing steel types of the steel type list, in list order.
enum class SteelType { StressRelieved = 0, LowRelaxation = 1 };

/// Beam shapes of the section list, in list order.
enum class BeamShapeKind { General = 0, IGirder = 1, BoxGirder = 2, VoidedSlab = 3, SolidSlab = 4,
                           TrapezoidalBox = 5 };

/// Prestress path configurations of the path list, in list order.
enum class PathKind { Straight = 0, Harped = 1, SimpleSimple = 2, SimpleFixed = 3, FixedSimple = 4,
                      FixedFixed = 5 };

}  // namespace tarnex
