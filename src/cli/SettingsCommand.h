#pragma once

#include <string>
#include <vector>

// zorva-tool settings show|set|reset|new FILE ...
int runSettingsCommand(const std::vector<std::string>& arguments);
