#include "cli/SampleCardCommand.h"

#include "cli/CommandArguments.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace {

const char* const kProgram = "zorva-sample-card";

// The writer draws its frames with QtGui, which the other commands must not
// pay for at start-up, so it is a program of its own installed beside this
// one. It is looked for there only, never through PATH: another program of
// that name must not write into the user's folder in its place.
std::filesystem::path sampleCardProgram() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path() / kProgram;
}

} // namespace

int runSampleCardCommand(const std::vector<std::string>& arguments) {
    const std::filesystem::path program = sampleCardProgram();
    if (program.empty()) {
        std::cerr << "zorva-tool sample-card: cannot find the folder of zorva-tool to start "
                  << kProgram << "\n";
        return ExitCode::badInput;
    }
    // Its name on the command line is the one its messages carry.
    std::string name = "zorva-tool sample-card";
    std::vector<char*> argv{name.data()};
    std::vector<std::string> copies(arguments);
    for (auto& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::cout.flush();
    // On success the program takes this process's place, and with it its
    // output and its exit status.
    execv(program.c_str(), argv.data());
    const int reason = errno;
    std::cerr << "zorva-tool sample-card: cannot start " << program.string() << ": "
              << (reason == ENOENT ? "it is missing" : std::strerror(reason)) << "\n";
    return ExitCode::badInput;
}
