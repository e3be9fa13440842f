#include "platform/ZRVAllocatorSetup.h"

#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// glibc's own threshold, which it would otherwise raise as buffers come and go.
constexpr int kLargeBlockBytes = 128 * 1024;

} // namespace

// libVLC's decoders take and give back picture buffers of a megabyte or more
// for every recording, on threads that come and go with it. glibc maps such a
// buffer on its own, but once one has been given back it raises its threshold
// and takes the next ones from the threads' heaps instead, where the pieces
// left between them stayed resident: the viewer grew by about 0.7 MB for
// every recording played. A fixed threshold keeps large buffers mapped and
// returned whole when freed (under 0.05 MB a recording in the soak).
void prepareAllocator() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}
