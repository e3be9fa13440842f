#pragma once

#include <string>
#include <vector>

// zorva-tool readout FILE POSITION [--json]
int runReadoutCommand(const std::vector<std::string>& arguments);
