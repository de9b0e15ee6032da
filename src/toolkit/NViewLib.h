#pragma once

#include <QString>

#include <mutex>

// The picture library "libNViewLib.so", loaded at run time from one folder,
// never through the system's library search. When it cannot be loaded, or
// lacks one of its six entry points, every entry point is a placeholder that
// tells the user the library is missing and answers 0 (or false).
class TNViewLib
{
public:
    // The library's file name inside the program folder.
    static constexpr char FileName[] = "libNViewLib.so";

    // Loads the library from folder (a trailing "/" is optional).
    explicit TNViewLib(const QString &folder);

    bool IsLoaded() const { return Loaded; }
    // The library keeps one current picture: a load and the calls that read
    // or free it run under this lock, so that threads do not interleave them.
    std::unique_lock<std::mutex> Lock() const { return std::unique_lock(m_mutex); }

    // The entry points. File names are passed as UTF-8; the handle is a
    // packed device-independent bitmap owned by the library until freed.
    void *NViewLibLoad(const QString &fileName, int flag) const;
    bool NViewLibSaveAsJPG(int quality, const QString &fileName) const;
    void NViewLibFree(void *handle) const;
    int GetWidth() const;
    int GetHeight() const;
    void NViewLibSetLanguage(int language) const;
    void NViewLibSetCustomLang(const QString &fileName) const;

    using TLoadProc = void *(*)(const char *fileName, int flag);
    using TSaveAsJPGProc = int (*)(int quality, const char *fileName);
    using TFreeProc = void (*)(void *handle);
    using TSizeProc = int (*)();
    using TSetLanguageProc = void (*)(int language);
    using TSetCustomLangProc = void (*)(const char *fileName);

private:
    bool Loaded = false;
    mutable std::mutex m_mutex;
    TLoadProc Load;
    TSaveAsJPGProc SaveAsJPG;
    TFreeProc Free;
    TSizeProc Width;
    TSizeProc Height;
    TSetLanguageProc SetLanguage;
    TSetCustomLangProc SetCustomLang;
};

// The program's picture library, loaded from ProgramFolder on first use and
// kept for the rest of the run.
const TNViewLib &NViewLibrary();
