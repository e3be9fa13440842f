#pragma once

#include <string>
#include <vector>

// zorva-tool sample-card DIR [--moments N] [--seconds S] [--seed K]
int runSampleCardCommand(const std::vector<std::string>& arguments);
