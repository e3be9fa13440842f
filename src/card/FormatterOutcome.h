#pragma once

#include <string>

// How a run of the formatter went, as the process runner saw it.
struct FormatterRun {
    // False when the program could not be started at all.
    bool started = true;
    int exitCode = 0;
    // What it wrote to its standard error (or why it did not start).
    std::string errorOutput;
    // Whether pkexec stood in front of the formatter, so that its own exit
    // codes 126 and 127 mean what pkexec says they mean.
    bool throughPkexec = false;
};

// What the user is told of a format. mkfs.fat exits 1 on every failure, so
// a write-protected card is known by the formatter's own words, never by
// the exit status alone.
struct FormatterOutcome {
    enum class Kind {
        formatted,
        writeProtected,
        // The password prompt was dismissed (pkexec 126).
        authorizationDismissed,
        // Administrator rights were refused (pkexec 127).
        notAuthorized,
        failed,
    };

    Kind kind = Kind::formatted;
    // The last line of the error output: the formatter's (or pkexec's) own
    // account of a failure.
    std::string message;
};

FormatterOutcome formatterOutcome(const FormatterRun& run);
