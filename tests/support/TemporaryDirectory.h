#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A fresh directory under the system's temporary folder, removed with its
// contents when the test is done.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (;;) {
            m_path =
                std::filesystem::temp_directory_path() / ("zorva-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(m_path)) {
                break;
            }
        }
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes a file (and the folders above it) relative to this directory.
    std::filesystem::path write(const std::filesystem::path& relative,
                                std::string_view contents = {}) const {
        const auto file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        return file;
    }

private:
    std::filesystem::path m_path;
};
