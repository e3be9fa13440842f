#pragma once

#include <string>
#include <vector>

// zorva-tool records FILE [--csv|--json]
int runRecordsCommand(const std::vector<std::string>& arguments);
