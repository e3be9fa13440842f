#pragma once

#include <string>
#include <vector>

// zorva-tool sample-card DIR [--moments N] [--seconds S] [--seed K]: starts
// zorva-sample-card from zorva-tool's own folder with these arguments.
int runSampleCardCommand(const std::vector<std::string>& arguments);
