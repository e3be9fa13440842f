#pragma once

class QWidget;

// The look of the small card-tool windows (format, clock): the dark panels,
// light text and blue command of the settings window they sit beside.
namespace ZRVCardToolStyle {

void apply(QWidget* window);

} // namespace ZRVCardToolStyle
