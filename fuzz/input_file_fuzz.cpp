// Feeds arbitrary bytes to the input file reader. The reader must refuse a file or take it,
// never crash; a design it takes must write a file that reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/input_file.h"
#include "started_up.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarnex::fuzzing::SilentDialogs dialogs;
    auto state = std::make_unique<tarnex::ProgramState>(tarnex::fuzzing::StartedUp());
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!tarnex::ReadInputText(*state, dialogs, text)) return 0;

    const std::string written = tarnex::FormatInputFileText(state->data);
    auto again = std::make_unique<tarnex::ProgramState>(tarnex::fuzzing::StartedUp());
    if (!tarnex::ReadInputText(*again, dialogs, written) ||
        tarnex::FormatInputFileText(again->data) != written) {
        std::abort();  // the written file does not read back as written
    }
    return 0;
}
