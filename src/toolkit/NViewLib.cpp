#include "NViewLib.h"

#include "Messages.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace {

void ShowLibraryMissing()
{
    ShowWarning(QCoreApplication::translate("NViewLib", "A required .DLL file, NViewLib.dll, was not found."),
                QCoreApplication::translate("NViewLib", "Error Starting NViewLib.dll"));
}

void *MissingLoad(const char *, int)
{
    ShowLibraryMissing();
    return nullptr;
}

int MissingSaveAsJPG(int, const char *)
{
    ShowLibraryMissing();
    return 0;
}

void MissingFree(void *)
{
    ShowLibraryMissing();
}

int MissingSize()
{
    ShowLibraryMissing();
    return 0;
}

void MissingSetLanguage(int)
{
    ShowLibraryMissing();
}

void MissingSetCustomLang(const char *)
{
    ShowLibraryMissing();
}

template <typename TProc> TProc Resolve(QLibrary &library, const char *name)
{
    return reinterpret_cast<TProc>(library.resolve(name));
}

QString LibraryPath(const QString &folder)
{
    QString path = folder;
    if (!path.endsWith(u'/'))
        path += u'/';
    return path + QLatin1StringView(TNViewLib::FileName);
}

} // namespace

TNViewLib::TNViewLib(const QString &folder)
    : Load(MissingLoad), SaveAsJPG(MissingSaveAsJPG), Free(MissingFree), Width(MissingSize),
      Height(MissingSize), SetLanguage(MissingSetLanguage), SetCustomLang(MissingSetCustomLang)
{
    // Only this exact file: a name without a folder would send the loader
    // through the system's search path.
    const QString path = QFileInfo(LibraryPath(folder)).absoluteFilePath();
    if (!QFileInfo(path).isFile())
        return;
    // Kept loaded to the end of the run, as the entry points stay in use.
    QLibrary library(path);
    if (!library.load())
        return;
    const auto load = Resolve<TLoadProc>(library, "NViewLibLoad");
    const auto saveAsJPG = Resolve<TSaveAsJPGProc>(library, "NViewLibSaveAsJPG");
    const auto free = Resolve<TFreeProc>(library, "NViewLibFree");
    const auto width = Resolve<TSizeProc>(library, "GetWidth");
    const auto height = Resolve<TSizeProc>(library, "GetHeight");
    const auto setLanguage = Resolve<TSetLanguageProc>(library, "NViewLibSetLanguage");
    const auto setCustomLang = Resolve<TSetCustomLangProc>(library, "NViewLibSetCustomLang");
    if (!load || !saveAsJPG || !free || !width || !height || !setLanguage || !setCustomLang)
        return;
    Loaded = true;
    Load = load;
    SaveAsJPG = saveAsJPG;
    Free = free;
    Width = width;
    Height = height;
    SetLanguage = setLanguage;
    SetCustomLang = setCustomLang;
}

void *TNViewLib::NViewLibLoad(const QString &fileName, int flag) const
{
    return Load(fileName.toUtf8().constData(), flag);
}

bool TNViewLib::NViewLibSaveAsJPG(int quality, const QString &fileName) const
{
    return SaveAsJPG(quality, fileName.toUtf8().constData()) != 0;
}

void TNViewLib::NViewLibFree(void *handle) const
{
    Free(handle);
}

int TNViewLib::GetWidth() const
{
    return Width();
}

int TNViewLib::GetHeight() const
{
    return Height();
}

void TNViewLib::NViewLibSetLanguage(int language) const
{
    SetLanguage(language);
}

void TNViewLib::NViewLibSetCustomLang(const QString &fileName) const
{
    SetCustomLang(fileName.toUtf8().constData());
}

const TNViewLib &NViewLibrary()
{
    static const TNViewLib library(ProgramFolder());
    return library;
}
