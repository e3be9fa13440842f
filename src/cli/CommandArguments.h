#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The arguments of one zorva-tool command: positional values, options that
// take a value (--name VALUE or --name=VALUE) and flags (--name). Anything
// else is a usage error, reported once and turned into exit code 2.
class CommandArguments {
public:
    struct Grammar {
        std::set<std::string> valueOptions; // e.g. "--format"
        std::set<std::string> flags;        // e.g. "--json"
        std::size_t minPositionals = 0;
        std::size_t maxPositionals = 0;
    };

    CommandArguments(const std::vector<std::string>& arguments, const Grammar& grammar);

    bool helpRequested() const { return m_help; }
    const std::optional<std::string>& usageError() const { return m_usageError; }

    const std::vector<std::string>& positionals() const { return m_positionals; }
    bool hasFlag(const std::string& flag) const { return m_flags.contains(flag); }
    std::optional<std::string> value(const std::string& option) const;
    // The option as a whole number within [minimum, maximum]; a bad value is
    // recorded as a usage error.
    long long number(const std::string& option, long long fallback, long long minimum,
                     long long maximum);

private:
    bool m_help = false;
    std::optional<std::string> m_usageError;
    std::vector<std::string> m_positionals;
    std::set<std::string> m_flags;
    std::map<std::string, std::string> m_values;
};

namespace ExitCode {
inline constexpr int success = 0;
inline constexpr int badInput = 1;
inline constexpr int badUsage = 2;
} // namespace ExitCode

// Prints a usage error with the command's usage line and returns badUsage.
// A zorva-tool command is named by its word ("settings"); a program of its
// own by its whole name (reportProgramUsageError).
int reportUsageError(const std::string& command, const std::string& message,
                     const std::string& usage);
int reportProgramUsageError(const std::string& program, const std::string& message,
                            const std::string& usage);
