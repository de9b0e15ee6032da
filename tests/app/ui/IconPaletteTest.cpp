#include "FloatingPalette.h"
#include "IconDrag.h"
#include "IconLibraries.h"
#include "IconListBox.h"
#include "IconSamples.h"
#include "MainWindowTestSupport.h"

#include <QFontMetrics>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<QColor> libraryColours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};

bool WriteFile(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).path());
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The five libraries in folder, each of three icons of its own colour.
void WriteLibraries(const QString &folder)
{
    for (qsizetype i = 0; i < IconLibraryItems().size(); ++i) {
        const QImage icon = SampleIcon(32, libraryColours[i]);
        ASSERT_TRUE(
            WriteFile(folder + u'/' + IconLibraryItems()[i].FileName, IclFile({icon, icon, icon})));
    }
}

// The captions of the checked items of a menu and its submenus.
QStringList Checked(const QMenu &menu)
{
    QStringList checked;
    for (QAction *action : menu.actions()) {
        if (action->menu())
            checked += Checked(*action->menu());
        else if (action->isChecked())
            checked.append(action->text());
    }
    return checked;
}

class IconPaletteTest : public testing::Test
{
protected:
    void SetUp() override { WriteLibraries(folder.Path(QString())); }
    void TearDown() override { SetFileNameAnswerer({}); }

    TFloatingPalette &Palette()
    {
        if (!palette)
            palette = std::make_unique<TFloatingPalette>();
        return *palette;
    }
    QStringList CheckedItems() { return Checked(*Palette().FileMenu); }
    // The colour in the middle of the first icon the palette's list draws on
    // the screen.
    QColor FirstIconColour()
    {
        TIconListBox &list = *Palette().IconList;
        Palette().show();
        QApplication::processEvents();
        const QImage shot = list.viewport()->grab().toImage();
        const QPoint middle = list.visualItemRect(list.item(0)).center();
        return shot.pixelColor(middle);
    }
    // Answers the icon file dialog with answers in turn, then cancels it.
    void AnswerDialogs(const QStringList &answers)
    {
        SetFileNameAnswerer([this, answers](QFileDialog &dialog) {
            EXPECT_EQ(QDir(dialog.directory()).canonicalPath(),
                      QDir(folder.Path(QString())).canonicalPath());
            EXPECT_TRUE(dialog.selectedNameFilter().startsWith(u"ICL and ICO Files"_s));
            return asked < answers.size() ? answers[asked++] : QString();
        });
    }

    TSettingsFolder folder;
    std::unique_ptr<TFloatingPalette> palette;
    qsizetype asked = 0;
};

TEST_F(IconPaletteTest, StartsWithTheActivities)
{
    TFloatingPalette &palette = Palette();
    EXPECT_EQ(palette.windowTitle(), u"Icons"_s);
    EXPECT_EQ(QFileInfo(palette.LibraryFileName()).fileName(), u"activity.icl"_s);
    EXPECT_EQ(CheckedItems(), QStringList{u"Activities"_s});
    EXPECT_EQ(palette.IconList->NumberOfIcons(), 3);
    EXPECT_TRUE(palette.IconList->isEnabled());
    EXPECT_EQ(palette.IconList->currentRow(), 0);
    EXPECT_EQ(FirstIconColour(), QColor(Qt::red));
}

TEST_F(IconPaletteTest, ItShowsWholeColumnsOfIconsUnderItsWholeTitle)
{
    // Regression: the palette opened 140 pixels wide, a column of icons cut
    // at its edge and its title shortened to "Ic... s" by the window manager.
    TFloatingPalette &palette = Palette();
    palette.show();
    QApplication::processEvents();
    const TIconListBox &list = *palette.IconList;
    const int room = list.viewport()->width();
    EXPECT_EQ(room % TIconListBox::ColumnWidth(), 0) << room << " pixels for the icons";
    EXPECT_GE(room / TIconListBox::ColumnWidth(), list.XIcons());
    // A title bar holds the window's icon and its buttons beside the title.
    QFont title = palette.font();
    title.setBold(true);
    EXPECT_GE(palette.width(), QFontMetrics(title).horizontalAdvance(palette.windowTitle()) +
                                   4 * palette.style()->pixelMetric(QStyle::PM_TitleBarHeight));
}

TEST_F(IconPaletteTest, EachLibraryItemShowsItsLibraryCheckedAlone)
{
    TFloatingPalette &palette = Palette();
    const QList<QAction *> items = {palette.mnuActivities, palette.mnuEvents, palette.mnuHolidays,
                                    palette.mnuMisc1, palette.mnuMisc2};
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        items[i]->trigger();
        EXPECT_EQ(CheckedItems(), QStringList{items[i]->text()});
        EXPECT_EQ(QFileInfo(palette.LibraryFileName()).fileName(), IconLibraryItems()[i].FileName);
        EXPECT_EQ(FirstIconColour(), libraryColours[i]) << i;
    }
    palette.mnuHolidays->trigger();
    EXPECT_EQ(CheckedItems(), QStringList{u"Holidays"_s});
}

TEST_F(IconPaletteTest, AMissingLibraryGivesWayToMiscellaneousOne)
{
    QFile::remove(folder.Path(u"events.icl"_s));
    TFloatingPalette &palette = Palette();
    palette.mnuEvents->trigger();
    EXPECT_EQ(CheckedItems(), QStringList{u"Miscellaneous #1"_s});
    EXPECT_EQ(palette.IconList->NumberOfIcons(), 3);
}

// Falling back to "Misc1.icl" when it holds no icons itself went on for ever.
TEST_F(IconPaletteTest, WithoutMiscellaneousOneThePaletteStaysEmpty)
{
    QFile::remove(folder.Path(u"misc1.icl"_s));
    ASSERT_TRUE(WriteFile(folder.Path(u"holiday.icl"_s), "not an icon library"));
    TFloatingPalette &palette = Palette();
    palette.mnuHolidays->trigger();
    EXPECT_EQ(palette.IconList->count(), 0);
    EXPECT_FALSE(palette.IconList->isEnabled());
    EXPECT_EQ(CheckedItems(), QStringList{u"Miscellaneous #1"_s});
}

TEST_F(IconPaletteTest, BonusSetsAreOfferedAndShown)
{
    const QImage icon = SampleIcon(32, Qt::magenta);
    ASSERT_TRUE(WriteFile(folder.Path(u"BonusIcons/Zoo.icl"_s), IclFile({icon})));
    ASSERT_TRUE(WriteFile(folder.Path(u"BonusIcons/Birds.ICL"_s), IclFile({icon, icon})));
    TFloatingPalette &palette = Palette();
    ASSERT_NE(palette.mnuBonusIconSets->menu(), nullptr);
    const QList<QAction *> sets = palette.BonusIconSets->actions();
    ASSERT_EQ(sets.size(), 2);
    EXPECT_EQ(sets[0]->text(), u"Birds"_s);
    EXPECT_EQ(sets[1]->text(), u"Zoo"_s);
    sets[1]->trigger();
    EXPECT_EQ(CheckedItems(), QStringList{u"Zoo"_s});
    EXPECT_EQ(FirstIconColour(), QColor(Qt::magenta));
    sets[0]->trigger();
    EXPECT_EQ(palette.IconList->NumberOfIcons(), 2);
    EXPECT_EQ(CheckedItems(), QStringList{u"Birds"_s});
}

TEST_F(IconPaletteTest, WithoutBonusSetsTheItemSaysSo)
{
    TFloatingPalette &palette = Palette();
    EXPECT_EQ(palette.mnuBonusIconSets->menu(), nullptr);
    palette.mnuBonusIconSets->trigger();
    ASSERT_EQ(folder.Messages.size(), 1);
    EXPECT_TRUE(folder.Messages[0].startsWith(u"No Bonus Sets Found!"_s));
    EXPECT_EQ(CheckedItems(), QStringList{u"Activities"_s});
}

TEST_F(IconPaletteTest, OtherAsksAgainWhileTheChosenFileHoldsNoIcons)
{
    const QString empty = folder.Path(u"empty.ico"_s);
    const QString icons = folder.Path(u"sun.ico"_s);
    ASSERT_TRUE(WriteFile(empty, QByteArray(6, '\0')));
    ASSERT_TRUE(WriteFile(icons, IcoFile({BitmapImage(SampleIcon(32, Qt::darkYellow))})));
    TFloatingPalette &palette = Palette();
    AnswerDialogs({empty, icons});
    palette.mnuOther->trigger();
    EXPECT_EQ(folder.Messages, QStringList{u"No icons found in "_s + empty});
    EXPECT_EQ(palette.LibraryFileName(), icons);
    EXPECT_EQ(CheckedItems(), QStringList{u"Other..."_s});
    EXPECT_EQ(FirstIconColour(), QColor(Qt::darkYellow));
}

TEST_F(IconPaletteTest, OtherCancelledAfterAnEmptyFileShowsMiscellaneousOne)
{
    const QString empty = folder.Path(u"empty.icl"_s);
    ASSERT_TRUE(WriteFile(empty, "MZ"));
    TFloatingPalette &palette = Palette();
    AnswerDialogs({empty});
    palette.mnuOther->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(folder.Messages.size(), 1);
    EXPECT_EQ(CheckedItems(), QStringList{u"Miscellaneous #1"_s});
}

TEST_F(IconPaletteTest, OtherCancelledChangesNothing)
{
    TFloatingPalette &palette = Palette();
    palette.mnuHolidays->trigger();
    AnswerDialogs({});
    palette.mnuOther->trigger();
    EXPECT_TRUE(folder.Messages.isEmpty());
    EXPECT_EQ(CheckedItems(), QStringList{u"Holidays"_s});
}

TEST_F(IconPaletteTest, HidingThePaletteIsAnnounced)
{
    TFloatingPalette &palette = Palette();
    int hidden = 0;
    QObject::connect(&palette, &TFloatingPalette::Hidden, [&hidden] { ++hidden; });
    palette.show();
    palette.hide();
    EXPECT_EQ(hidden, 1);
}

TEST_F(IconPaletteTest, ThePlaceIsKeptInTheSettings)
{
    Palette().move(120, 80);
    palette.reset();
    const QByteArray settings = FileBytes(SettingsFileName());
    EXPECT_TRUE(settings.contains("[TFloatingPalette_Placement]")) << settings.constData();
}

TEST(IconListBox, PropertiesKeepTheirRules)
{
    TSettingsFolder folder;
    TIconListBox list;
    EXPECT_EQ(list.Version(), u"TIconListBox v1.10"_s);
    list.SetVersion(u"other"_s);
    EXPECT_EQ(list.Version(), u"TIconListBox v1.10"_s);
    EXPECT_EQ(list.NumberOfIcons(), -1);
    EXPECT_TRUE(list.AutoDisable());
    EXPECT_TRUE(list.EnableCaching());
    EXPECT_EQ(list.XIcons(), 4);
    EXPECT_EQ(list.YIcons(), 1);
    list.SetXIcons(0);
    list.SetYIcons(-2);
    EXPECT_EQ(list.XIcons(), 4);
    EXPECT_EQ(list.YIcons(), 1);
    EXPECT_EQ(list.width(), TIconListBox::ColumnWidth() * 4 + 2);
    list.SetXIcons(2);
    list.SetYIcons(3);
    EXPECT_EQ(list.width(), TIconListBox::ColumnWidth() * 2 + 2);
    EXPECT_EQ(list.height(), TIconListBox::ItemHeight() * 3 + 3);
    list.SetXIcons(5);
    // A box narrower than its columns before makes room for a scroll bar.
    EXPECT_EQ(list.width(), TIconListBox::ColumnWidth() * 5 + 2);
    EXPECT_GT(list.height(), TIconListBox::ItemHeight() * 3 + 3);
}

TEST(IconListBox, ListsTheIconsOfItsFileByIndex)
{
    TSettingsFolder folder;
    const QString library = folder.Path(u"four.icl"_s);
    const QImage icon = SampleIcon(32, Qt::blue);
    ASSERT_TRUE(WriteFile(library, IclFile({icon, icon, icon, icon})));
    for (const bool caching : {true, false}) {
        TIconListBox list;
        list.SetEnableCaching(caching);
        int changes = 0;
        QObject::connect(&list, &TIconListBox::FileChanged, [&changes] { ++changes; });
        list.SetFileName(library);
        list.SetFileName(library);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(list.NumberOfIcons(), 4);
        ASSERT_EQ(list.count(), 4);
        EXPECT_EQ(list.item(3)->text(), u"3"_s);
        EXPECT_EQ(list.IconAt(2).pixelColor(16, 16), QColor(Qt::blue));
        EXPECT_TRUE(list.IconAt(4).isNull());
        const std::unique_ptr<QMimeData> drag = list.DragData();
        ASSERT_NE(drag, nullptr);
        EXPECT_EQ(IconFromMimeData(drag.get()).pixelColor(16, 16), QColor(Qt::blue));
    }
}

TEST(IconListBox, AFileThatIsNotThereLeavesTheListEmptyAndDisabled)
{
    TSettingsFolder folder;
    TIconListBox list;
    list.SetFileName(folder.Path(u"missing.icl"_s));
    EXPECT_EQ(list.NumberOfIcons(), -1);
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(list.isEnabled());
    EXPECT_EQ(list.DragData(), nullptr);
    list.SetAutoDisable(false);
    EXPECT_TRUE(list.isEnabled());
}

TEST(IconPaletteDrop, AnIconFromThePaletteGoesIntoADayCellAndNowhereElse)
{
    TMainWindowRun run;
    WriteLibraries(run.Path(QString()));
    TCalendarMain &window = run.StartActive();
    window.Parts().IconPalette->mnuHolidays->trigger();
    const std::unique_ptr<QMimeData> icon = window.Parts().IconPalette->IconList->DragData();
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(DragAndDrop(*window.Parts().CalendarPanel, QPoint(2, 2), *icon));
    EXPECT_FALSE(window.Session().Modified());
    const int cell = window.Parts().CalendarPage->CellOfDay(15);
    ASSERT_TRUE(DragAndDrop(*window.Parts().CalendarPanel,
                            CellCentre(*window.Parts().CalendarPage, cell), *icon));
    EXPECT_EQ(window.Session().CurrentCell(), cell);
    EXPECT_TRUE(window.Session().Modified());
    const QTextDocument &document = window.Parts().WPRichText1->RtfText().Document();
    bool picture = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            picture |= fragment.fragment().charFormat().isImageFormat();
    EXPECT_TRUE(picture);
}

TEST(IconPaletteDrop, HidingThePaletteTurnsTheToolButtonBack)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    window.Parts().IconPalette->show();
    window.SetButtons();
    ASSERT_EQ(window.Button(u"ShowHideIconTool"_s)->text(), u"Hide Icon Tool"_s);
    window.Parts().IconPalette->hide();
    EXPECT_EQ(window.Button(u"ShowHideIconTool"_s)->text(), u"Show Icon Tool"_s);
}

} // namespace
