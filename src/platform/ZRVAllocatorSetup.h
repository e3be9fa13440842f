#pragma once

// Sets the C library's allocator up for hours of playback; call it first in
// main, before any thread is started.
void prepareAllocator();
