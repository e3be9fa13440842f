#include "card/TKUSBDiskEntity.h"

#include "card/ByteSizeString.h"
#include "common/IsEmptyString.h"

#include <utility>

TKUSBDiskEntity::TKUSBDiskEntity(std::optional<std::string> volumeName,
                                 std::optional<std::filesystem::path> mountedURL,
                                 std::string deviceFilePath, std::optional<std::string> deviceModel,
                                 std::uint64_t volumeSize, bool writable, bool mediaWhole,
                                 std::optional<std::string> key)
    : m_volumeName(std::move(volumeName)), m_mountedURL(std::move(mountedURL)),
      m_deviceFilePath(std::move(deviceFilePath)), m_deviceModel(std::move(deviceModel)),
      m_volumeSize(volumeSize), m_writable(writable), m_mediaWhole(mediaWhole),
      m_key(std::move(key)) {}

std::string TKUSBDiskEntity::displayString() const {
    const std::string& name = isEmptyString(m_volumeName) ? m_deviceFilePath : *m_volumeName;
    std::string text = "[" + byteSizeString(m_volumeSize) + "] " + name + " ";
    if (m_deviceModel) {
        text += "<" + *m_deviceModel + ">";
    }
    return text;
}
