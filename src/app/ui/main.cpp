#include "DisplayCheck.h"
#include "HeapTuning.h"
#include "Startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    KeepFreedMemory();
    const QString missing = MissingDisplayReason();
    if (!missing.isEmpty()) {
        std::fprintf(stderr,
                     "Datewright cannot start: %s.\nStart it from a desktop session, or under a "
                     "virtual X server with xvfb-run.\n",
                     qPrintable(missing));
        return 1;
    }
    QApplication app(argc, argv);
    return RunDatewright(app);
}
