#include <iostream>

#include "verify_cli.h"

int main(int argc, char** argv) {
    return norvexa::run_verify(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
