#include "batch/batch_command.h"

namespace tarnex {

int RunBatchCommand(const std::vector<std::string>& /*args*/, std::ostream& /*out*/,
                    std::ostream& err) {
    err << "tarnex-batch: not available yet\n";
    return 1;
}

}  // namespace tarnex
