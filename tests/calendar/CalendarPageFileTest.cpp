#include "CalendarPage.h"
#include "ComponentStream.h"
#include "ProgramFolder.h"
#include "StreamWriter.h"
#include "TestObject.h"
#include "WmfWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A page with the test kind of placed object registered.
class TObjectPage : public TCalendarPage
{
public:
    TObjectPage() { ObjectClasses().Register(TTestObject::Class()); }

    void AddObject(const QString &name, int left)
    {
        Objects().Insert(MakeTestObject(left, 0, 10, 10)).SetName(name);
    }

    // The names of the objects from index first on.
    QStringList NamesFrom(int first) const
    {
        QStringList names;
        for (int index = first; index < Objects().Count(); ++index)
            names.append(Objects().At(index)->Name());
        return names;
    }
};

QByteArray Saved(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveToDevice(buffer));
    return buffer.data();
}

QByteArray SavedStyleSheet(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveStyleSheetToDevice(buffer));
    return buffer.data();
}

std::optional<ReadError> Load(TCalendarPage &page, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return page.LoadFromDevice(buffer);
}

std::optional<ReadError> LoadStyleSheet(TCalendarPage &page, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return page.LoadStyleSheetFromDevice(buffer);
}

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray ShortString(const QString &text)
{
    return char(text.size()) + text.toLatin1();
}

QByteArray String(const QString &text)
{
    return '\x06' + ShortString(text);
}

// A style-block font in Times New Roman.
QByteArray Font(int size, bool bold, const char *colour)
{
    return String(QStringLiteral("Times New Roman")) + '\x02' + char(size) +
           (bold ? '\x09' : '\x08') + Hex("080808") + Hex(colour);
}

const char *const WindowText = "0408000080";
const char *const White = "04ffffff00";

QByteArray NewPageStyleBlock()
{
    QByteArray bytes = Hex("0200 0200 0219 0219 0219 0219 0200 0201 0200");
    for (int month = 1; month <= 12; ++month)
        bytes += String(QLocale::c().monthName(month));
    for (int day = 0; day < 7; ++day)
        bytes += String(QLocale::c().dayName(day == 0 ? 7 : day));
    bytes += Hex(White) + Font(26, true, WindowText) + Hex("09");
    bytes += Font(16, true, WindowText) + Hex("0201 0201") + Hex(White);
    bytes += Font(16, true, WindowText) + Hex("0201 0200 0201") + Hex(White) + Hex("09");
    bytes += Font(6, true, WindowText) + Font(8, false, White) + Hex(White);
    bytes += Hex("0200 0203 0200") + Font(6, false, WindowText) + Hex("0201");
    return bytes;
}

QByteArray EmptyCell()
{
    return "TPF0" + ShortString(QStringLiteral("TWPRtfStorage")) + QByteArray(3, '\0');
}

QByteArray EmptyCells()
{
    return EmptyCell().repeated(CellCount);
}

TWPRtfStorage Text(const QString &text)
{
    TWPRtfStorage storage;
    storage.RtfText().Document().setPlainText(text);
    return storage;
}

QString CellText(const TCalendarPage &page, int index)
{
    TWPRtfStorage storage;
    page.GetCellText(index, storage);
    return storage.RtfText().Document().toPlainText();
}

TEST(CalendarPageFile, NewEmptyDocumentBytes)
{
    const TCalendarPage page;
    const QByteArray expected = Hex("01 0204 0201") + NewPageStyleBlock() + Hex("0600") +
                                Hex("0200 0201 03cd07 0201") + Hex("0208 0200") + EmptyCells() +
                                Hex("0600 00 01 00");
    EXPECT_EQ(Saved(page).toHex(' '), expected.toHex(' '));
}

TEST(CalendarPageFile, StyleSheetBytes)
{
    const TCalendarPage page;
    const QByteArray expected = Hex("01 0204 0202") + NewPageStyleBlock() + Hex("0600 00");
    EXPECT_EQ(SavedStyleSheet(page).toHex(' '), expected.toHex(' '));
}

TEST(CalendarPageFile, MarginsAreHundredthsOfAnInch)
{
    const struct
    {
        float inches;
        const char *bytes;
        float read;
    } cases[] = {
        {0.25f, "0219", 0.25f}, {0.333f, "0221", 0.33f}, {0.29f, "021d", 0.29f},
        {0.5f, "0232", 0.5f},   {2.0f, "03c800", 2.0f},
    };
    constexpr qsizetype leftMargin = 9;
    for (const auto &c : cases) {
        TCalendarPage page;
        page.SetLeftMarginInch(c.inches);
        const QByteArray bytes = Saved(page);
        EXPECT_TRUE(bytes.mid(leftMargin).startsWith(Hex(c.bytes))) << c.inches;
        TCalendarPage read;
        ASSERT_FALSE(Load(read, bytes));
        EXPECT_EQ(read.LeftMarginInch(), c.read);
    }
}

TEST(CalendarPageFile, NamesInEveryStringForm)
{
    const QString longName(300, QLatin1Char('M'));
    const QString polish = QStringLiteral("Pa\u017Adziernik");
    TCalendarPage page;
    page.SetMonthName(1, longName);
    page.SetMonthName(10, polish);
    page.SetDayName(7, QStringLiteral("S\u00E1bado"));
    const QByteArray bytes = Saved(page);
    EXPECT_TRUE(bytes.contains(Hex("0c2c010000") + QByteArray(300, 'M')));
    EXPECT_TRUE(bytes.contains(Hex("140c000000") + polish.toUtf8()));
    EXPECT_TRUE(bytes.contains(Hex("0606") + "S\xE1"
                                             "bado"));

    TCalendarPage read;
    ASSERT_FALSE(Load(read, bytes));
    EXPECT_EQ(read.GetMonthName(1), longName);
    EXPECT_EQ(read.GetMonthName(10), polish);
    EXPECT_EQ(read.GetDayName(7), QStringLiteral("S\u00E1bado"));
}

TEST(CalendarPageFile, LongFaceNamesAreCut)
{
    const QString emoji = QStringLiteral("\U0001F600");
    const struct
    {
        QString name;
        qsizetype kept;
    } cases[] = {
        {QString(300, QLatin1Char('F')), 255},
        // A character outside the basic plane is kept whole or not at all.
        {QString(254, QLatin1Char('F')) + emoji + emoji, 254},
        {QString(253, QLatin1Char('F')) + emoji + emoji, 255},
    };
    for (const auto &c : cases) {
        TCalendarPage page;
        page.SetCellFont({c.name, 12, {}, clBlack});
        TCalendarPage read;
        ASSERT_FALSE(Load(read, Saved(page)));
        EXPECT_EQ(read.CellFont().Name, c.name.left(c.kept));
    }
}

TEST(CalendarPageFile, EveryStyleValueRoundTrips)
{
    TCalendarPage page;
    page.SetPaperSize(1);
    page.SetCalendarLayout(loMC24MonthLS);
    page.SetCalendarLineLayout(llCellsOnly);
    page.SetMiniCalendarLineLayout(mllMinimal);
    page.SetTitleFont({QStringLiteral("Arial"), 13, TFontStyle::fsUnderline, clRed});
    page.SetMiniCellFont({QStringLiteral("Courier New"), 9,
                          TFontStyle::fsItalic | TFontStyle::fsStrikeOut, clBtnFace});
    page.SetTitleBGColor(0xE8FFFF);
    page.SetHeadersBGColor(clBtnFace);
    page.SetMiniCalBGColor(clBlack);
    page.SetMiniHeadersBGColor(clNone);
    page.SetTitleShowYear(false);
    page.SetMiniShowYear(false);
    page.SetHeadersStyle(dsWhole);
    page.SetMiniHeadersStyle(dsThreeChars);
    page.SetNumberPosition(cnpCenter);
    page.SetCellBorder(cbTopBottom);
    page.SetMainCalDay(31);
    page.SetMainCalMonth(12);
    page.SetMainCalYear(9999);
    page.SetStartOfWeek(2);
    page.SetPlannerStartTime(QTime(23, 59));
    page.SetUserTitle(QStringLiteral("Our year"));
    TCalendarPage read;
    ASSERT_FALSE(Load(read, Saved(page)));
    EXPECT_TRUE(read.SameStyle(page));
    EXPECT_EQ(read.TitleFont(), page.TitleFont());
    EXPECT_EQ(read.MiniCellFont(), page.MiniCellFont());
    EXPECT_EQ(read.NumberPosition(), cnpCenter);
    EXPECT_EQ(read.CellBorder(), cbTopBottom);
    EXPECT_EQ(read.CalendarBorder(), cbNone);
    EXPECT_EQ(read.MiniHeadersBorder(), cbTop);
    EXPECT_EQ(Saved(read), Saved(page));
}

// Builds a document of an older version around a new page's style block.
QByteArray OldDocument(int version, const QByteArray &objects)
{
    QByteArray bytes = Hex("01") + '\x02' + char(version) + Hex("0201") + NewPageStyleBlock();
    if (version > 3)
        bytes += String(QStringLiteral("frame"));
    bytes += Hex("0205 0207 03d007 0202 020a 021e") + EmptyCells();
    if (version > 1)
        bytes += String(QStringLiteral("Title"));
    return bytes + Hex("00") + objects;
}

QByteArray Object(const char *name, int left)
{
    const auto object = MakeTestObject(left, 0, 10, 10);
    object->SetName(QLatin1String(name));
    TStreamWriter out;
    WriteComponent(out, *object);
    return out.Data();
}

TEST(CalendarPageFile, OlderVersionsReadWhatTheyHold)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Borders"));
    for (const char *name : {"Borders/frame.wpo", "Borders/old.wpo"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(TWmfWriter(QRect(0, 0, 100, 100), 100).Placeable());
    }
    SetProgramFolder(folder.path());
    const QByteArray objects = Hex("01") + Object("A", 1) + Hex("00");
    const struct
    {
        int version;
        QString userTitle;
        QString border;
        int objects;
    } cases[] = {
        {1, {}, {}, 0},
        {2, QStringLiteral("Title"), {}, 0},
        {3, QStringLiteral("Title"), {}, 1},
        {4, QStringLiteral("Title"), QStringLiteral("frame"), 1},
    };
    for (const auto &c : cases) {
        TObjectPage page;
        page.SetWMFBorderFile(QStringLiteral("old"));
        ASSERT_FALSE(Load(page, OldDocument(c.version, objects))) << c.version;
        EXPECT_EQ(page.UserTitle(), c.userTitle);
        EXPECT_EQ(page.WMFBorderFile(), c.border);
        EXPECT_EQ(page.Objects().Count(), c.objects);
        EXPECT_EQ(page.MainCalDay(), 5);
        EXPECT_EQ(page.MainCalMonth(), 7);
        EXPECT_EQ(page.MainCalYear(), 2000);
        EXPECT_EQ(page.StartOfWeek(), 2);
        EXPECT_EQ(page.PlannerStartTime(), QTime(10, 30));
    }
    SetProgramFolder({});
}

TEST(CalendarPageFile, ObjectsAreSavedAndRenamedInFileOrder)
{
    TObjectPage page;
    page.AddObject(QStringLiteral("Label7"), 10);
    page.AddObject(QStringLiteral("Picture"), 20);
    page.AddObject(QStringLiteral("Label2"), 30);
    const QByteArray bytes = Saved(page);
    EXPECT_TRUE(bytes.endsWith(Hex("01") + Object("Label7", 10) + Object("Picture", 20) +
                               Object("Label2", 30) + Hex("00")));

    const struct
    {
        QStringList taken;
        QStringList names;
    } cases[] = {
        {{}, {"Component0", "Component1", "Component2"}},
        {{"component1", "Component3"}, {"Component0", "Component2", "Component4"}},
    };
    for (const auto &c : cases) {
        // Objects already on the page hold the names taken.
        TObjectPage read;
        for (const QString &name : c.taken)
            read.AddObject(name, 0);
        ASSERT_FALSE(Load(read, bytes));
        const int first = int(c.taken.size());
        EXPECT_EQ(read.NamesFrom(first), c.names);
        ASSERT_EQ(read.Objects().Count(), first + 3);
        EXPECT_EQ(read.Objects().At(first + 2)->Left(), 30);
        EXPECT_EQ(read.Objects().At(first + 2)->Parent(), &read);
    }
}

TEST(CalendarPageFile, FileNamesKeptWhenEveryComponentNameIsTaken)
{
    TObjectPage page;
    page.AddObject(QStringLiteral("Kept"), 1);
    TObjectPage read;
    for (int n = 0; n <= 1000; ++n)
        read.AddObject(QStringLiteral("Component%1").arg(n), 0);
    ASSERT_FALSE(Load(read, Saved(page)));
    EXPECT_EQ(read.NamesFrom(1001), QStringList{QStringLiteral("Kept")});
}

TEST(CalendarPageFile, ObjectListErrorsEndTheListQuietly)
{
    const QByteArray unknown = "TPF0" + ShortString(QStringLiteral("TLumMystery")) +
                               ShortString(QStringLiteral("M")) + QByteArray(2, '\0');
    const QByteArray document = OldDocument(4, {});
    const struct
    {
        QByteArray objects;
        int read;
    } cases[] = {
        {Hex("01") + Object("A", 1) + unknown + Object("B", 2) + Hex("00"), 1},
        {Hex("01") + Object("A", 1) + Object("B", 2), 2},
        {Hex("01") + Object("A", 1) + Hex("ff"), 1},
        {Hex("02"), 0},
        {{}, 0},
    };
    for (const auto &c : cases) {
        TObjectPage page;
        EXPECT_FALSE(Load(page, document + c.objects));
        EXPECT_EQ(page.Objects().Count(), c.read);
    }
}

TEST(CalendarPageFile, WrongFileKindFailsWhereTheFilesDiffer)
{
    const TCalendarPage source;
    const QByteArray styleSheet = SavedStyleSheet(source);
    TCalendarPage page;
    const auto asDocument = Load(page, styleSheet);
    ASSERT_TRUE(asDocument);
    EXPECT_EQ(asDocument->offset, styleSheet.size() - 1);
    EXPECT_EQ(asDocument->what, QStringLiteral("expected an integer, found type 0x00"));

    const QByteArray document = Saved(source);
    const auto asStyleSheet = LoadStyleSheet(page, document);
    ASSERT_TRUE(asStyleSheet);
    EXPECT_EQ(asStyleSheet->offset, styleSheet.size() - 1);
    EXPECT_EQ(asStyleSheet->what, QStringLiteral("expected the end of a list, found type 0x02"));
}

// Values no page can hold are refused, not stored.
TEST(CalendarPageFile, ImpossibleValuesFailTheLoad)
{
    const QByteArray document = Saved(TCalendarPage());
    const qsizetype day = document.indexOf(Hex("0600 0200 0201 03cd07")) + 2;
    const struct
    {
        qsizetype offset;
        const char *from;
        const char *to;
        const char *what;
    } cases[] = {
        {1, "0204", "0205", "version 5 is outside 1 to 4"},
        {1, "0204", "0200", "version 0 is outside 1 to 4"},
        {5, "0200", "0202", "paper size 2 is outside 0 to 1"},
        {7, "0200", "02ff", "orientation -1 is outside 0 to 1"},
        {9, "0219", "02ff", "margin -1 is outside 0 to 1200"},
        {17, "0200", "0216", "layout 22 is outside 0 to 21"},
        {day + 2, "0201", "020d", "month 13 is outside 1 to 12"},
        {day, "0200", "0220", "day 32 is outside 0 to 31"},
        {day + 4, "03cd07", "0400000100", "year 65536 is outside 1 to 9999"},
        {day + 9, "0208", "0218", "hour 24 is outside 0 to 23"},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(document.mid(c.offset, qstrlen(c.from) / 2).toHex(), QByteArray(c.from))
            << c.what;
        QByteArray damaged = document;
        damaged.replace(c.offset, qstrlen(c.from) / 2, Hex(c.to));
        TCalendarPage page;
        page.SetMainCalMonth(4);
        const auto error = Load(page, damaged);
        ASSERT_TRUE(error) << c.what;
        EXPECT_EQ(error->what, QLatin1String(c.what));
        EXPECT_EQ(error->offset, c.offset);
        if (c.offset <= day + 2) {
            EXPECT_EQ(page.MainCalMonth(), 4);
        }
        EXPECT_EQ(page.CalendarLayout(), loFullCalendar);
    }
}

TEST(CalendarPageFile, CellTextSurvivesSaveLoadSave)
{
    TCalendarPage page;
    for (int index = 1; index <= CellCount; ++index)
        page.SetCellText(index, Text(QStringLiteral("Cell %1\nsecond line \u00E9").arg(index)));
    const QByteArray first = Saved(page);
    EXPECT_EQ(first.count("RtfText.Data"), CellCount);

    TCalendarPage read;
    ASSERT_FALSE(Load(read, first));
    EXPECT_EQ(CellText(read, 42), QStringLiteral("Cell 42\nsecond line \u00E9"));
    EXPECT_EQ(Saved(read), first);
}

TEST(CalendarPageFile, EveryTruncationFailsCleanlyOrLosesOnlyObjects)
{
    TObjectPage page;
    page.SetCellText(1, Text(QStringLiteral("one")));
    page.SetCellText(42, Text(QStringLiteral("forty-two")));
    page.SetUserTitle(QStringLiteral("Title"));
    page.AddObject(QStringLiteral("A"), 1);
    page.AddObject(QStringLiteral("B"), 70000);
    const QByteArray bytes = Saved(page);
    const qsizetype objectList = bytes.size() - 2 - 2 * Object("A", 1).size() - 3;
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        TObjectPage read;
        const auto error = Load(read, bytes.left(size));
        EXPECT_EQ(!error, size >= objectList) << size;
        if (!error) {
            EXPECT_LE(read.Objects().Count(), size == bytes.size() - 1 ? 2 : 1) << size;
        }
    }
}

TEST(CalendarPageFile, FailedSavesLeaveTheOldFile)
{
    QTemporaryDir folder;
    const TCalendarPage page;
    EXPECT_TRUE(page.SaveToFile(folder.filePath(QStringLiteral("missing/new.DWC"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing/new.DWC"))));

    // A name at the length limit leaves no room for the temporary file's.
    const QString fileName = folder.filePath(QString(251, QLatin1Char('n')) + ".DWS");
    {
        QFile old(fileName);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    EXPECT_TRUE(page.SaveStyleSheet(fileName));
    QFile old(fileName);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old contents"));
}

TEST(CalendarPageFile, FilesRoundTripAndMissingFilesFail)
{
    QTemporaryDir folder;
    TCalendarPage page;
    page.SetUserTitle(QStringLiteral("On disk"));
    const QString document = folder.filePath(QStringLiteral("page.DWC"));
    const QString styleSheet = folder.filePath(QStringLiteral("page.DWS"));
    ASSERT_FALSE(page.SaveToFile(document));
    ASSERT_FALSE(page.SaveStyleSheet(styleSheet));
    TCalendarPage read;
    EXPECT_FALSE(read.LoadFromFile(document));
    EXPECT_EQ(read.UserTitle(), QStringLiteral("On disk"));
    EXPECT_FALSE(read.LoadStyleSheet(styleSheet));
    const auto missing = read.LoadFromFile(folder.filePath(QStringLiteral("none.DWC")));
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->what.startsWith(QStringLiteral("cannot open")));
    EXPECT_TRUE(read.LoadStyleSheet(folder.filePath(QStringLiteral("none.DWS"))));
}

// Regression: a device was read until memory ran out (/dev/zero), a pipe
// blocked for ever and a 2 GB sparse file was read whole before its first
// byte was refused. Each is refused before a byte is read.
TEST(CalendarPageFile, WhatCannotBeADocumentIsRefusedBeforeReading)
{
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.DWC"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString huge = folder.filePath(QStringLiteral("huge.DWC"));
    QFile sparse(huge);
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(qint64(2) << 30));
    sparse.close();
    const QString notAFile = QStringLiteral("it is not a file but a folder, a device or a pipe");
    const struct
    {
        QString FileName;
        QString Why;
    } cases[] = {
        {QStringLiteral("/dev/zero"), notAFile},
        {pipe, notAFile},
        {folder.path(), notAFile},
        {huge,
         QStringLiteral("at 2048.0 MB it is larger than any calendar document can be (1024 MB)")},
    };
    for (const auto &c : cases) {
        TCalendarPage page;
        const auto document = page.LoadFromFile(c.FileName);
        ASSERT_TRUE(document) << c.FileName.toStdString();
        EXPECT_EQ(document->what, QStringLiteral("cannot open %1: %2").arg(c.FileName, c.Why));
        const auto styleSheet = page.LoadStyleSheet(c.FileName);
        ASSERT_TRUE(styleSheet);
        EXPECT_TRUE(styleSheet->what.startsWith(QStringLiteral("cannot open")))
            << c.FileName.toStdString();
    }
    // A style sheet far smaller than the document is already too large.
    ASSERT_TRUE(sparse.resize(qint64(17) << 20));
    TCalendarPage page;
    EXPECT_EQ(page.LoadStyleSheet(huge)->what,
              QStringLiteral("cannot open %1: at 17.0 MB it is larger than any style sheet can "
                             "be (16 MB)")
                  .arg(huge));
    // One of exactly the largest size is read, and refused for what it holds.
    ASSERT_TRUE(sparse.resize(qint64(16) << 20));
    const auto largest = page.LoadStyleSheet(huge);
    ASSERT_TRUE(largest);
    EXPECT_FALSE(largest->what.contains(QStringLiteral("larger"))) << largest->what.toStdString();
}

} // namespace
