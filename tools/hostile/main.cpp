#include "CalendarPage.h"
#include "HostileInput.h"
#include "IconSamples.h"

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

// Small icon files of every kind the icon readers take, and damaged ones.
bool WriteIconSeeds(const QDir &corpus)
{
    const auto in = [&](const char *target) {
        return corpus.filePath(QString::fromLatin1(target));
    };
    const TSampleImage red = BitmapImage(SampleIcon(16, Qt::red));
    const TSampleImage blue = PngImage(SampleIcon(8, Qt::blue));
    QList<int> indices(16 * 16, 9);
    QList<bool> transparent(16 * 16, false);
    transparent[0] = true;
    const TSampleImage old = FourBitImage(16, 16, indices, transparent);
    bool written = true;
    written &= Write(in("ico_icons"), "two-images.ico", IcoFile({red, blue}));
    written &= Write(in("ico_icons"), "four-bit.ico", IcoFile({old}));
    written &= Write(in("ico_icons"), "counting.ico", CountingIco());
    written &= Write(in("ne_icons"), "two-icons.icl",
                     IclFile({SampleIcon(16, Qt::red), SampleIcon(16, Qt::blue)}));
    written &= Write(in("ne_icons"), "far-shifted.icl", FarShiftedIcl());
    written &= Write(in("pe_icons"), "pe32.dll", PeFile({{red, old}, {blue}}));
    written &= Write(in("pe_icons"), "pe32plus.dll", PeFile({{blue}}, true));
    written &= Write(in("pe_icons"), "self-pointing.dll", SelfPointingPe());
    return written;
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
    written &= Write(in("document"), "huge-picture.DWC", HugePictureDocument());
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
    for (const THelpFlood kind : HelpFloods)
        written &= Write(in("help"), QString::fromLatin1(HelpFloodName(kind)) + ".hlp",
                         HelpFlood(kind, 5000));
    written &= Write(in("recurring"), "every-day.dax", EveryDayLines(60));
    written &= WriteIconSeeds(corpus);
    return written ? 0 : 1;
}
