#include "IconFileFuzzer.h"

// A 16-bit resource file (icon library)'s icons.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzIconReader(&ReadNeIconDirectory, data, size);
}
