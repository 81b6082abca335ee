#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tarnex::RunBatchCommand(args, std::cout, std::cerr);
}
