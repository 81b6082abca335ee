#include "report/report_writer.h"

namespace tarnex {

bool RunCalculation(ProgramState& state, Dialogs& dialogs, const DesignResults* computed) {
    if (state.data.OutputFileName.empty()) {
        dialogs.Beep();
        dialogs.ShowMessage("Please save output filename");
        return false;
    }
    return WriteReport(state, dialogs, computed);
}

}  // namespace tarnex
