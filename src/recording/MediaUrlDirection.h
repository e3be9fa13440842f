#pragma once

#include "recording/ZRVMedia.h"

#include <string_view>

// The camera side of what a player is showing, judged from its media item's
// URL (or a plain path). Unlike ZRVMedia this ignores case and insists on the
// ".avi" extension, because the player may have been handed any file.
ZRVMediaDirection mediaDirectionOfUrl(std::string_view urlOrPath);
bool isFrontMediaUrl(std::string_view urlOrPath);
bool isRearMediaUrl(std::string_view urlOrPath);
