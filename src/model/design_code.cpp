#include "model/design_code.h"

namespace tarnex {

// The three codes, each in its own file.
const DesignCode& AashtoRules();
const DesignCode& AremaRules();
const DesignCode& AciRules();

const DesignCode& CodeOf(DesignCriteria criteria) {
    switch (criteria) {
        case DesignCriteria::AREMA:
            return AremaRules();
        case DesignCriteria::ACI:
            return AciRules();
        case DesignCriteria::AASHTO:
            break;
    }
    return AashtoRules();
}

}  // namespace tarnex
