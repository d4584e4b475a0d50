// Placeholder until the report can be produced from the command line.
#include "report_command.h"

#include <iostream>

int reportCommand(const std::vector<std::string>&) {
    std::cerr << "nfadmin report: not available\n";
    return 2;
}
