#include "IconFileFuzzer.h"

// An icon file's icons.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzIconReader(&ReadIcoDirectory, data, size);
}
