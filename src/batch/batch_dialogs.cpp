#include "batch/batch_dialogs.h"

namespace tarnex {

void BatchDialogs::Print(const std::string& text) {
    for (char c : text) {
        err_ << (c == kMessageLineBreak ? '\n' : c);
    }
    err_ << '\n';
    err_.flush();
}

}  // namespace tarnex
