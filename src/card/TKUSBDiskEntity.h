#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// One mounted volume on a USB-attached medium, as volume discovery found it.
// Immutable.
class TKUSBDiskEntity {
public:
    TKUSBDiskEntity(std::optional<std::string> volumeName,
                    std::optional<std::filesystem::path> mountedURL, std::string deviceFilePath,
                    std::optional<std::string> deviceModel, std::uint64_t volumeSize, bool writable,
                    bool mediaWhole, std::optional<std::string> key);

    const std::optional<std::string>& volumeName() const { return m_volumeName; }
    const std::optional<std::filesystem::path>& mountedURL() const { return m_mountedURL; }
    // The block device that holds the volume, e.g. /dev/sdb1.
    const std::string& deviceFilePath() const { return m_deviceFilePath; }
    const std::optional<std::string>& deviceModel() const { return m_deviceModel; }
    std::uint64_t volumeSize() const { return m_volumeSize; }
    bool writable() const { return m_writable; }
    // The volume fills the whole medium (no partition table).
    bool mediaWhole() const { return m_mediaWhole; }
    const std::optional<std::string>& key() const { return m_key; }

    // The line of disk lists and messages: "[7.4 GB] TAVU <Reader>", or
    // "[7.4 GB] TAVU " without a model. A volume without a name shows its
    // device instead, so the line still tells the disks apart.
    std::string displayString() const;

private:
    std::optional<std::string> m_volumeName;
    std::optional<std::filesystem::path> m_mountedURL;
    std::string m_deviceFilePath;
    std::optional<std::string> m_deviceModel;
    std::uint64_t m_volumeSize = 0;
    bool m_writable = false;
    bool m_mediaWhole = false;
    std::optional<std::string> m_key;
};
