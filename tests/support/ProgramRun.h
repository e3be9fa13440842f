#pragma once

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// Runs a program with an argument list (never through a shell) and collects
// its exit status and output, for tests that drive zorva-tool and the
// programs that check its files (ffprobe, ffmpeg, gpsbabel), and for the
// benchmarks' reference commands.
struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;

    static ProgramRun run(const std::vector<std::string>& arguments) {
        ProgramRun result;
        char outPath[] = "/tmp/zorva-run-out-XXXXXX";
        char errPath[] = "/tmp/zorva-run-err-XXXXXX";
        const int outFd = mkstemp(outPath);
        const int errFd = mkstemp(errPath);
        if (outFd >= 0 && errFd >= 0) {
            result.exitCode = spawnAndWait(arguments, outFd, errFd);
            result.out = slurp(outPath);
            result.err = slurp(errPath);
        }
        for (const int fd : {outFd, errFd}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        std::remove(outPath);
        std::remove(errPath);
        return result;
    }

    // The exit status alone, output discarded: for timing a command without
    // also timing how its output is stored.
    static int runQuietly(const std::vector<std::string>& arguments) {
        const int null = open("/dev/null", O_WRONLY);
        const int exitCode = spawnAndWait(arguments, null, null);
        close(null);
        return exitCode;
    }

private:
    static int spawnAndWait(const std::vector<std::string>& arguments, int outFd, int errFd) {
        std::vector<char*> argv;
        for (const auto& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        int exitCode = -1;
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
                exitCode = WEXITSTATUS(status);
            }
        }
        posix_spawn_file_actions_destroy(&actions);
        return exitCode;
    }

    static std::string slurp(const char* path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};
