#pragma once

#include "platform/ZRVMounter.h"
#include "support/ProgramRun.h"

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

// Stands in for mounting a FAT image where the kernel cannot (no vfat
// module, no rights): mounting copies the image's root into a folder with
// mtools, unmounting copies the folder back into the image and empties it,
// as a real unmount leaves the mount point. What it was asked is logged.
class ImageFileMounter final : public ZRVMounter {
public:
    ImageFileMounter(std::filesystem::path image, std::filesystem::path folder)
        : m_image(std::move(image)), m_folder(std::move(folder)) {}

    std::optional<QString> unmount(const TKUSBDiskEntity&) override {
        note("unmount");
        std::vector<std::filesystem::path> entries;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
            entries.push_back(entry.path());
        }
        if (!entries.empty()) {
            std::vector<std::string> copy = mtools("mcopy");
            copy.insert(copy.end(), {"-s", "-o", "-Q"});
            for (const auto& entry : entries) {
                copy.push_back(entry.string());
            }
            copy.push_back("::/");
            if (const auto run = ProgramRun::run(copy); run.exitCode != 0) {
                return QString::fromStdString(run.err);
            }
        }
        for (const auto& entry : entries) {
            std::filesystem::remove_all(entry);
        }
        return std::nullopt;
    }

    std::optional<QString> mount(const TKUSBDiskEntity&) override {
        note("mount");
        std::vector<std::string> copy = mtools("mcopy");
        copy.insert(copy.end(), {"-s", "-n", "-Q", "::/*", m_folder.string()});
        // An empty root has nothing to copy, which mcopy calls a failure.
        ProgramRun::run(copy);
        return std::nullopt;
    }

    std::vector<std::string> log() const {
        const std::lock_guard lock(m_mutex);
        return m_log;
    }

    // A command of mtools on the image, e.g. {"minfo"} or {"mdir", "-/"}.
    std::vector<std::string> mtools(const std::string& program) const {
        return {"/usr/bin/env", "MTOOLS_SKIP_CHECK=1", program, "-i", m_image.string()};
    }

private:
    void note(const std::string& call) {
        const std::lock_guard lock(m_mutex);
        m_log.push_back(call);
    }

    std::filesystem::path m_image;
    std::filesystem::path m_folder;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_log;
};
