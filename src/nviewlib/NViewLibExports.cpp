#include "NViewLibExports.h"

#include "JpegFile.h"
#include "PackedDib.h"
#include "PictureFile.h"

#include <QImage>
#include <QString>

namespace {

// The picture last read: inherent to the library's interface, which saves
// "the current picture".
QImage &CurrentPicture()
{
    static QImage picture;
    return picture;
}

} // namespace

// Nothing may escape through the C interface: every failure inside a call
// ends as its failure value.

void *NViewLibLoad(const char *FileName, int Flag)
{
    (void)Flag;
    try {
        CurrentPicture() = QImage();
        if (FileName == nullptr)
            return nullptr;
        const TDecodedPicture decoded = ReadPictureFile(QString::fromUtf8(FileName));
        std::unique_ptr<uchar[]> dib = MakePackedDib(decoded.Image);
        if (!dib)
            return nullptr;
        CurrentPicture() = decoded.Image;
        return dib.release();
    } catch (...) {
        return nullptr;
    }
}

int NViewLibSaveAsJPG(int Quality, const char *FileName)
{
    try {
        if (FileName == nullptr)
            return 0;
        return WriteJpegFile(CurrentPicture(), Quality, QString::fromUtf8(FileName)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

void NViewLibFree(void *Handle)
{
    std::unique_ptr<uchar[]> dib(static_cast<uchar *>(Handle));
}

int GetWidth()
{
    return CurrentPicture().width();
}

int GetHeight()
{
    return CurrentPicture().height();
}

void NViewLibSetLanguage(int Language)
{
    (void)Language;
}

void NViewLibSetCustomLang(const char *FileName)
{
    (void)FileName;
}
