#include <stdexcept>

#include "prestress/calc_steps.h"

namespace tarnex {

bool CalcEffectiveSlabWidth(DesignData&, Dialogs&) { throw std::logic_error("not implemented"); }
void CalcCompositeProperties(DesignData&) { throw std::logic_error("not implemented"); }
void CalcPathHeights(DesignData&) { throw std::logic_error("not implemented"); }
void CalcTransformedProperties(DesignData&) { throw std::logic_error("not implemented"); }
void CalcOffsetsAndAngles(DesignData&) { throw std::logic_error("not implemented"); }
bool CalcFrictionAndAnchorSet(DesignData&, Dialogs&) { throw std::logic_error("not implemented"); }
void CalcLosses(ProgramState&, Dialogs&) { throw std::logic_error("not implemented"); }
void CalcLossAtTransfer(DesignData&) { throw std::logic_error("not implemented"); }
void CalcLoadStresses(DesignData&) { throw std::logic_error("not implemented"); }
void CalcCriticalStresses(DesignData&) { throw std::logic_error("not implemented"); }
void CalcPrestressEffects(DesignData&) { throw std::logic_error("not implemented"); }

}  // namespace tarnex
