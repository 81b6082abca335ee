// Writes the generated benchmark design with N locations as an input file, for timing a
// whole tarnex-batch run (for example with /usr/bin/time -v for the peak memory):
//   tarnex_write_design 10000 big.in && tarnex-batch big.in -o big.out --all

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "batch/batch_dialogs.h"
#include "generated_design.h"
#include "model/input_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: tarnex_write_design COUNT FILE.in\n";
        return 2;
    }
    const int count = std::atoi(argv[1]);
    if (count < 1 || count > tarnex::kMaxLocations) {
        std::cerr << "COUNT must be 1.." << tarnex::kMaxLocations << '\n';
        return 2;
    }
    tarnex::ProgramState state = tarnex::bench::MakeGeneratedDesign(count, "generated.out");
    state.data.InputFileName = argv[2];
    state.data.InputFileTitle = std::filesystem::path(argv[2]).filename().string();
    tarnex::BatchDialogs dialogs(std::cerr);
    return tarnex::WriteInputFile(state, dialogs) ? 0 : 1;
}
