#pragma once

#include <string>
#include <vector>

// zorva-tool clock TARGET [--at "YYYY/MM/DD HH:MM:SS"]
int runClockCommand(const std::vector<std::string>& arguments);
