#pragma once

// Prepares the process for QtWebEngine; call it before the QApplication is
// created, since Chromium reads its settings once, when it starts.
void prepareWebEngine();
