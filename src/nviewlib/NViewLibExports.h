#pragma once

// The picture library's entry points, with C linkage. File names are UTF-8.
// The library keeps the picture last read by NViewLibLoad as its current
// picture: the only state it holds.

#define NVIEWLIB_API extern "C" __attribute__((visibility("default")))

// Reads a picture file (JPEG, GIF, BMP, DIB, RLE, PCX, TGA) and makes it the
// current picture. Returns a packed device-independent bitmap of it, to be
// given back to NViewLibFree, or null when the file cannot be read (the
// current picture is then cleared). Flag is accepted and ignored.
NVIEWLIB_API void *NViewLibLoad(const char *FileName, int Flag);

// Writes the current picture as a JPEG file of Quality (0 to 100, clamped).
// Non-zero when the file was written; 0 without a current picture.
NVIEWLIB_API int NViewLibSaveAsJPG(int Quality, const char *FileName);

// Frees a bitmap returned by NViewLibLoad; null is ignored.
NVIEWLIB_API void NViewLibFree(void *Handle);

// The size of the current picture; 0 without one.
NVIEWLIB_API int GetWidth();
NVIEWLIB_API int GetHeight();

// Language settings of the library's own messages; it has none, so these
// change nothing.
NVIEWLIB_API void NViewLibSetLanguage(int Language);
NVIEWLIB_API void NViewLibSetCustomLang(const char *FileName);
