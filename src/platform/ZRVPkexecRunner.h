#pragma once

#include "platform/ZRVPrivilegedRunner.h"

// The command through pkexec, which asks for an administrator's password,
// or as it is when this process runs as root. The arguments go to the
// program as a list, never through a shell.
class ZRVPkexecRunner final : public ZRVPrivilegedRunner {
public:
    enum class Elevation {
        // pkexec unless the process runs as root.
        asNeeded,
        // As it is: the process already has the rights the command needs,
        // e.g. on an image file of its own.
        alreadyGranted,
    };

    explicit ZRVPkexecRunner(Elevation elevation = Elevation::asNeeded);

    FormatterRun run(const std::vector<std::string>& command) override;

private:
    Elevation m_elevation;
};
