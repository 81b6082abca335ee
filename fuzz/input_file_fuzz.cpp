// Feeds arbitrary bytes to the input file reader. The reader must refuse a file or take it,
// never crash; a design it takes must write a file that reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/dialogs.h"
#include "model/input_file.h"
#include "model/setting_handlers.h"

namespace {

/// Dialogs that answer every question No and drop every message.
class SilentDialogs : public tarnex::Dialogs {
  public:
    void ShowMessage(const std::string& /*text*/) override {}
    bool AskYesNo(const std::string& /*text*/, const std::string& /*title*/) override {
        return false;
    }
    std::string InputBox(const std::string& /*prompt*/, const std::string& /*title*/,
                         const std::string& /*defaultText*/) override {
        return {};
    }
    void Beep() override {}
};

/// The design as the program starts, made once.
const tarnex::ProgramState& StartedUp() {
    static const std::unique_ptr<tarnex::ProgramState> state = [] {
        auto started = std::make_unique<tarnex::ProgramState>();
        SilentDialogs dialogs;
        tarnex::RunStartUp(*started, dialogs);
        return started;
    }();
    return *state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilentDialogs dialogs;
    auto state = std::make_unique<tarnex::ProgramState>(StartedUp());
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!tarnex::ReadInputText(*state, dialogs, text)) return 0;

    const std::string written = tarnex::FormatInputFileText(state->data);
    auto again = std::make_unique<tarnex::ProgramState>(StartedUp());
    if (!tarnex::ReadInputText(*again, dialogs, written) ||
        tarnex::FormatInputFileText(again->data) != written) {
        std::abort();  // the written file does not read back as written
    }
    return 0;
}
