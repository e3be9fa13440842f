#pragma once

#include "settings/LocalizedMessage.h"

#include <QString>

// The text of a message from the core: its key's text with each "%.2f", "%f"
// or "%d" filled by the next number, in order, and "%%" read as "%".
QString localizedMessage(const LocalizedMessage& message);
