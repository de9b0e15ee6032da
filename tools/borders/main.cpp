#include "BorderDesigns.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// datewright-borders FOLDER [NAME...]: writes the border pictures (NAME.wpo
// for portrait pages, NAME.wls for landscape) into FOLDER; all of them when
// no names are given.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: datewright-borders FOLDER [NAME...]\n");
        return 2;
    }
    const QString folder = arguments.takeFirst();
    const QString error = WriteBorderFiles(folder, arguments);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
