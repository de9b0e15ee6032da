#include "HeapTuning.h"

#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void KeepFreedMemory()
{
#if defined(__GLIBC__)
    // Blocks under 32 MB (the most glibc takes) come from the heap rather
    // than mappings of their own: the PDF writer's buffers are 16 MB. Up to
    // 64 MB of free memory at the heap's top stays there.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}
