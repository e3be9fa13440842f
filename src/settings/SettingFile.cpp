#include "settings/SettingFile.h"

#include "common/AtomicFileWrite.h"
#include "common/DiagnosticLog.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

const std::string kWriteFailed = "msg.file_open_fail";

} // namespace

bool holdsSettingRecord(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && fs::file_size(path, error) == _FILEDATA::kSize;
}

bool readSettingFile(const fs::path& path, _FILEDATA& record) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::array<unsigned char, _FILEDATA::kSize + 1> buffer{};
    const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file);
    std::fclose(file);
    if (count != _FILEDATA::kSize) {
        return false;
    }
    _FILEDATA::Bytes bytes{};
    std::copy_n(buffer.begin(), bytes.size(), bytes.begin());
    record = _FILEDATA::fromBytes(bytes);
    return true;
}

std::optional<std::string> writeSettingFile(const _FILEDATA& record, const fs::path& path) {
    const auto bytes = record.toBytes();
    if (const auto failure = writeFileAtomically(path, bytes)) {
        DiagnosticLog::write("zorva.settings", *failure);
        return kWriteFailed;
    }
    return std::nullopt;
}

std::optional<std::string> writeDefaultSettingFile(const fs::path& path) {
    return writeSettingFile(factorySettingsRecord(), path);
}
