#pragma once

#include <QString>

// The player window's look, kept apart from the widgets it dresses.
namespace ZRVPlayerWindowStyle {

QString styleSheet();

} // namespace ZRVPlayerWindowStyle
