#pragma once

#include <string>
#include <vector>

// zorva-tool clock-check CARD [--json]
int runClockCheckCommand(const std::vector<std::string>& arguments);
