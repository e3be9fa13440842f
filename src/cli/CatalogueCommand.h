#pragma once

#include <string>
#include <vector>

// zorva-tool catalogue DIR [--json]
int runCatalogueCommand(const std::vector<std::string>& arguments);
