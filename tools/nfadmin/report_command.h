#pragma once
// nfadmin report: an invoice report produced without the windows, as PDF or text.

#include <string>
#include <vector>

// `args` are the words after "report". Returns the program's exit status.
int reportCommand(const std::vector<std::string>& args);
