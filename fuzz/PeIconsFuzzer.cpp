#include "IconFileFuzzer.h"

// A 32- or 64-bit program file's icons.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzIconReader(&ReadPeIconDirectory, data, size);
}
