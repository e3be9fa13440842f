#pragma once

#include "settings/SettingFileSave.h"

#include <QString>

// The confirmation of a save that wrote the file: that it was saved, each
// changed field as "name: old → new" (the first dozen; a longer list would
// make the alert taller than the screen), and where the replaced file was
// kept.
QString settingSavedText(const SettingFileSave& saved);
