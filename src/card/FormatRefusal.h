#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the system says of the drive that holds a volume about to be
// formatted, asked afresh just before the format.
struct CardDrive {
    bool usb = false;
    bool removable = false;
    // The mount points of every file system on the drive, not only the one
    // to be formatted.
    std::vector<std::string> mountPoints;
};

// Why a volume is not formatted, whatever list it came from.
enum class FormatRefusal {
    // Not on removable media attached over USB, or its drive is unknown.
    notRemovableUsb,
    // Its drive holds a mounted system folder: the computer's own disk.
    holdsSystemFolder,
};

// "/" and "/boot", "/home", "/usr", "/var" with what lies below them.
bool isSystemFolder(std::string_view mountPoint);

// None when the drive may be formatted.
std::optional<FormatRefusal> formatRefusal(const std::optional<CardDrive>& drive);
