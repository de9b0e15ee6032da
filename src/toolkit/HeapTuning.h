#pragma once

// Keeps freed memory in the process instead of handing it back to the
// system at once. The PDF writer compresses every page through a fresh
// 16 MB buffer; handed back and asked for again, each page of it is faulted
// in anew, which costs more than the drawing. Call once, first in main.
void KeepFreedMemory();
