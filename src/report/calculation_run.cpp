#include "model/completeness.h"
#include "report/report_writer.h"

namespace tarnex {

bool RunCalculation(ProgramState& state, Dialogs& dialogs, DesignResults* results) {
    DesignData& d = state.data;
    if (d.OutputFileName.empty()) {
        dialogs.Beep();
        dialogs.ShowMessage("Please save output filename");
        return false;
    }
    CheckInputComplete(d, dialogs);
    if (d.InputIncomplete == 1) {
        d.InputIncomplete = 0;  // the check has shown its messages
        return false;
    }
    if (!(d.Pjack > 0)) {
        dialogs.ShowMessage("Please enter initial prestress force");
        return false;
    }
    return WriteReport(state, dialogs, results);
}

}  // namespace tarnex
