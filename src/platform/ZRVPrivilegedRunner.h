#pragma once

#include "card/FormatterOutcome.h"

#include <string>
#include <vector>

// Runs a command with administrator rights and waits for it to end.
class ZRVPrivilegedRunner {
public:
    virtual ~ZRVPrivilegedRunner() = default;
    virtual FormatterRun run(const std::vector<std::string>& command) = 0;
};
