#include "CalendarPage.h"
#include "HostileInput.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool Write(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QSaveFile file(QDir(folder).filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

QByteArray DocumentWithCell(const QByteArray &rtf)
{
    TCalendarPage page;
    StartHostilePage(page);
    PutCellRtf(page, 10, rtf);
    return DocumentBytes(page);
}

QByteArray DocumentWithTitle(const QString &title)
{
    TCalendarPage page;
    StartHostilePage(page);
    page.SetUserTitle(title);
    return DocumentBytes(page);
}

// A day planner of 31 February, as a damaged file holds it.
QByteArray ImpossibleDayPlanner()
{
    TCalendarPage page;
    StartHostilePage(page);
    page.SetCalendarLayout(loDay10);
    page.SetMainCalDay(31);
    page.SetMainCalMonth(2);
    return DocumentBytes(page);
}

} // namespace

// Writes the hostile inputs into the fuzz corpora under the folder given
// (fuzz/corpus): one folder a fuzz target, as the tests build them.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: datewright-hostile CORPUS-FOLDER\n");
        return 1;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const auto in = [&](const char *target) {
        return corpus.filePath(QString::fromLatin1(target));
    };
    bool written = true;
    written &= Write(in("document"), "picture-bombs.DWC", PictureBombDocument(5));
    written &= Write(in("document"), "long-word.DWC", DocumentWithCell(LongWordRtf()));
    written &= Write(in("document"), "tiny-runs.DWC", DocumentWithCell(TinyRunsRtf(10'000)));
    written &= Write(in("document"), "word-before-tall-picture.DWC",
                     DocumentWithCell(WordBeforeTallPictureRtf()));
    written &= Write(in("document"), "long-title.DWC", DocumentWithTitle(LongTitle()));
    written &= Write(in("document"), "lone-surrogate-title.DWC", LoneSurrogateTitleDocument());
    written &= Write(in("document"), "31-february.DWC", ImpossibleDayPlanner());
    written &= Write(in("rtf"), "long-word.rtf", LongWordRtf());
    written &= Write(in("rtf"), "tiny-runs.rtf", TinyRunsRtf(30'000));
    written &= Write(in("rtf"), "word-before-tall-picture.rtf", WordBeforeTallPictureRtf());
    written &= Write(in("rtf"), "picture-bomb.rtf", PictureRtf(RunLengthBomb()));
    written &= Write(in("bmp"), "padded-rle8.rle", BmpFile(PaddedRunLengthBitmap(13, 5)));
    for (const THostileBorder kind : HostileBorders)
        written &= Write(in("wmf"), QString::fromLatin1(HostileBorderName(kind)) + ".wmf",
                         HostileBorder(kind));
    written &= Write(in("help"), "nested-tables.hlp", NestedTablesHelp());
    written &= Write(in("help"), "endless-picture.hlp", EndlessPictureHelp());
    return written ? 0 : 1;
}
