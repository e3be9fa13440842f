#include "cli/CommandArguments.h"

#include <charconv>
#include <iostream>

CommandArguments::CommandArguments(const std::vector<std::string>& arguments,
                                   const Grammar& grammar) {
    for (std::size_t i = 0; i < arguments.size() && !m_usageError; ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            m_help = true;
            return;
        }
        if (argument.size() < 2 || argument.rfind("--", 0) != 0) {
            m_positionals.push_back(argument);
            continue;
        }
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (grammar.flags.contains(name) && equals == std::string::npos) {
            m_flags.insert(name);
        } else if (grammar.valueOptions.contains(name)) {
            if (equals != std::string::npos) {
                m_values[name] = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                m_values[name] = arguments[++i];
            } else {
                m_usageError = name + " needs a value";
            }
        } else {
            m_usageError = "unknown option " + name;
        }
    }
    if (!m_usageError && m_positionals.size() < grammar.minPositionals) {
        m_usageError = "missing argument";
    } else if (!m_usageError && m_positionals.size() > grammar.maxPositionals) {
        m_usageError = "unexpected argument " + m_positionals[grammar.maxPositionals];
    }
}

std::optional<std::string> CommandArguments::value(const std::string& option) const {
    const auto found = m_values.find(option);
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

long long CommandArguments::number(const std::string& option, long long fallback, long long minimum,
                                   long long maximum) {
    const auto text = value(option);
    if (!text) {
        return fallback;
    }
    long long result = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), result);
    if (error != std::errc() || end != text->data() + text->size() || result < minimum ||
        result > maximum) {
        if (!m_usageError) {
            m_usageError = option + " takes a whole number from " + std::to_string(minimum) +
                           " to " + std::to_string(maximum);
        }
        return fallback;
    }
    return result;
}

int reportUsageError(const std::string& command, const std::string& message,
                     const std::string& usage) {
    return reportProgramUsageError("zorva-tool " + command, message, usage);
}

int reportProgramUsageError(const std::string& program, const std::string& message,
                            const std::string& usage) {
    std::cerr << program << ": " << message << "\n" << usage;
    return ExitCode::badUsage;
}
