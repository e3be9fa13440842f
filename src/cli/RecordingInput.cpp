#include "cli/RecordingInput.h"

#include "recording/ZRVBlackBoxData.h"

#include <filesystem>
#include <iostream>

bool readRecordingTelemetry(const std::string& command, const std::string& path,
                            ZRVBlackBoxData& telemetry) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error) ||
        !telemetry.extractStreamInformation(path.c_str())) {
        std::cerr << "zorva-tool " << command << ": " << path << ": not a readable AVI recording\n";
        return false;
    }
    if (telemetry.recoveredWithoutIndex()) {
        std::cerr << "recovered " << telemetry.recoveredRecordCount()
                  << " records from a recording without index\n";
    }
    return true;
}
