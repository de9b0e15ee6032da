#include "TextureDesigns.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// datewright-textures FOLDER [NAME...]: writes the texture pictures (NAME.bmp)
// into FOLDER; all of them when no names are given.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: datewright-textures FOLDER [NAME...]\n");
        return 2;
    }
    const QString folder = arguments.takeFirst();
    const QString error = WriteTextureFiles(folder, arguments);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
