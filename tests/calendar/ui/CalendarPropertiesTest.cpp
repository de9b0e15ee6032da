#include "CalendarProperties.h"

#include "CalendarPanel32.h"
#include "ColorButton.h"
#include "FileNamePrompt.h"
#include "FontColorDialog.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "ProgramFolder.h"
#include "RadioGroupBox.h"
#include "WmfWriter.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray FramePicture(QSize frame)
{
    TWmfWriter writer(QRect(QPoint(0, 0), frame), 100);
    writer.SetWindow(QRect(QPoint(0, 0), frame));
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    writer.Rectangle(QRect(0, 0, frame.width(), frame.height() / 20));
    return writer.Placeable();
}

class PropertiesDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath("Borders"));
        for (const char *name : {"Stars", "holly"}) {
            Write(QStringLiteral("Borders/%1.wpo").arg(name), FramePicture({750, 1000}));
            Write(QStringLiteral("Borders/%1.wls").arg(name), FramePicture({1000, 750}));
        }
        SetProgramFolder(folder.path());
        TMessageAnswerer answerer;
        answerer.Information = [this](const QString &text) { messages.append(text); };
        answerer.Question = [this](const QString &text, const QString &caption) {
            questions.append(text);
            EXPECT_EQ(caption, QStringLiteral("WARNING"));
            return answer;
        };
        SetMessageAnswerer(answerer);
        SetFileNameAnswerer([this](QFileDialog &dialog) {
            shownFolders.append(dialog.directory().absolutePath());
            return chosenFile;
        });
    }
    void TearDown() override
    {
        SetFileNameAnswerer({});
        SetMessageAnswerer({});
        SetProgramFolder(QString());
    }

    void Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A dialog whose preview starts as prepare leaves it, activated.
    std::unique_ptr<TCalendarProperties>
    Open(const std::function<void(TCalendarProperties &)> &prepare = {})
    {
        auto dialog = std::make_unique<TCalendarProperties>();
        TPropertiesHooks hooks;
        hooks.RestorePlacement = [this](QWidget &) { ++restored; };
        hooks.SavePlacement = [this](QWidget &) { ++closed; };
        hooks.ShowHelpContext = [this](int context) { helpContexts.append(context); };
        dialog->SetHooks(hooks);
        dialog->ExampleCalendar().SetZoom(0.301f);
        if (prepare)
            prepare(*dialog);
        dialog->FormActivate();
        return dialog;
    }

    QTemporaryDir folder;
    QStringList messages;
    QStringList questions;
    QList<int> helpContexts;
    // What the file dialogs answer, and the folders they started in.
    QString chosenFile;
    QStringList shownFolders;
    bool answer = true;
    int restored = 0;
    int closed = 0;
};

template <typename Widget> Widget *Child(QWidget &dialog, const char *name)
{
    auto *widget = dialog.findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(QWidget &dialog, const char *name)
{
    Child<QPushButton>(dialog, name)->click();
}

// What the user does by picking an entry of a drop-down list.
void Choose(QWidget &dialog, const char *name, int index)
{
    QComboBox *list = Child<QComboBox>(dialog, name);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void ChooseLayout(QWidget &dialog, int entry, int orientation)
{
    Child<TRadioGroupBox>(dialog, "rOrientation")->SetItemIndex(orientation);
    Child<QListWidget>(dialog, "LayoutList")->setCurrentRow(entry);
}

void Leave(QWidget &dialog, const char *memo)
{
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(Child<QPlainTextEdit>(dialog, memo), &out);
}

bool Enabled(QWidget &dialog, const char *name)
{
    return Child<QWidget>(dialog, name)->isEnabled();
}

} // namespace

TEST_F(PropertiesDialog, TheWindowCarriesItsControls)
{
    TCalendarProperties dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Calendar Properties"));
    EXPECT_EQ(dialog.size(), QSize(632, 390));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(dialog.font().pointSize(), 8);
    EXPECT_TRUE(dialog.Suppressed());

    QTabBar *tabs = Child<QTabBar>(dialog, "TabSet1");
    ASSERT_EQ(tabs->count(), 10);
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("Mini Fonts, Colors"));
    EXPECT_EQ(tabs->tabText(9), QStringLiteral("Borders"));
    EXPECT_EQ(tabs->toolTip(), QStringLiteral("Click a tab to work with a different aspect of "
                                              "\nthis calendar's properties"));
    tabs->setCurrentIndex(7);
    EXPECT_EQ(Child<QStackedWidget>(dialog, "Notebook")->currentIndex(), 7);
    // Regression: reaching "Mini Fonts, Colors" and the tabs after it needed
    // the tab row's scroll arrows. Every tab shows within the dialog.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_LE(tabs->sizeHint().width(), tabs->width());
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const QRect shown = tabs->tabRect(tab);
        EXPECT_GE(shown.left(), 0) << tab;
        EXPECT_LE(shown.right(), tabs->width() - 1) << tab;
        EXPECT_TRUE(dialog.rect().contains(tabs->geometry())) << tab;
    }

    QListWidget *layouts = Child<QListWidget>(dialog, "LayoutList");
    ASSERT_EQ(layouts->count(), 13);
    EXPECT_EQ(layouts->item(0)->text(), QStringLiteral("1 Month Calendar "));
    EXPECT_EQ(layouts->item(12)->text(), QStringLiteral("Day Planner (15 hours) "));
    EXPECT_EQ(Child<QComboBox>(dialog, "CalendarLineLayoutCombo")->itemText(1),
              QStringLiteral("Headers & Cells"));
    EXPECT_EQ(Child<QComboBox>(dialog, "BottomMarginInchcombo")->itemText(5),
              QStringLiteral("1½ Inch"));
    EXPECT_EQ(Child<QPushButton>(dialog, "French")->text(), QStringLiteral("Français"));
    EXPECT_EQ(Child<QPushButton>(dialog, "Spanish")->text(), QStringLiteral("Español"));
    EXPECT_EQ(Child<QPushButton>(dialog, "SaveAsStyleSheetButton")->text(),
              QStringLiteral("&Save As Style Sheet"));
    EXPECT_TRUE(Child<QPushButton>(dialog, "okbutton")->isDefault());
    EXPECT_TRUE(Child<QRadioButton>(dialog, "useInches")->isChecked());
    EXPECT_EQ(Child<QLabel>(dialog, "ZoomLabel")->text(), QStringLiteral("100%"));
    EXPECT_EQ(Child<QWidget>(dialog, "ExampleCalendar")->toolTip(),
              QStringLiteral("This is an example calendar"));
    EXPECT_TRUE(dialog.ExampleCalendar().isVisibleTo(&dialog));
    EXPECT_EQ(dialog.ExamplePage().TitleFont().Size, TFontDesc::PointsFromHeight(-64));
}

TEST_F(PropertiesDialog, BordersAreListedSortedWithNoBorderFirst)
{
    Write("Borders/Apple.wpo", FramePicture({750, 1000})); // portrait only: not listed
    TCalendarProperties dialog;
    QListWidget *borders = Child<QListWidget>(dialog, "BorderFiles");
    ASSERT_EQ(borders->count(), 3);
    EXPECT_EQ(borders->item(0)->text(), QStringLiteral(" [No Special Border]"));
    EXPECT_EQ(borders->item(1)->text(), QStringLiteral("holly"));
    EXPECT_EQ(borders->item(2)->text(), QStringLiteral("Stars"));
}

TEST_F(PropertiesDialog, WithoutABordersFolderTheListIsDisabled)
{
    ASSERT_TRUE(QDir(folder.filePath("Borders")).removeRecursively());
    TCalendarProperties dialog;
    EXPECT_FALSE(Child<QListWidget>(dialog, "BorderFiles")->isEnabled());
    dialog.FormActivate();
    EXPECT_TRUE(dialog.ExamplePage().WMFBorderFile().isEmpty());
}

TEST_F(PropertiesDialog, FirstActivationFillsTheControlsFromThePreview)
{
    auto dialog = Open([](TCalendarProperties &d) {
        d.ExamplePage().SetLeftMarginInch(1.3f);
        d.ExamplePage().SetStartOfWeek(2);
        d.ExamplePage().SetWMFBorderFile("HOLLY");
    });
    dialog->FormActivate(); // a second activation changes nothing
    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(dialog->Suppressed());
    EXPECT_EQ(Child<QLabel>(*dialog, "ZoomLabel")->text(), QStringLiteral("30%"));
    EXPECT_EQ(Child<QListWidget>(*dialog, "LayoutList")->currentRow(), 1);
    EXPECT_EQ(Child<TRadioGroupBox>(*dialog, "rOrientation")->ItemIndex(), 1);
    EXPECT_EQ(Child<TRadioGroupBox>(*dialog, "PaperSize")->ItemIndex(), 0);
    EXPECT_EQ(Child<TRadioGroupBox>(*dialog, "WeekStartsOn")->ItemIndex(), 1);
    EXPECT_EQ(Child<QLabel>(*dialog, "DateLabel")->text(), QStringLiteral("December 1997"));
    EXPECT_EQ(Child<QComboBox>(*dialog, "LeftMarginInchcombo")->currentText(),
              QStringLiteral("1¼ Inch"));
    EXPECT_EQ(Child<QComboBox>(*dialog, "CalHeaderStyleCombo")->currentIndex(), dsWhole);
    EXPECT_EQ(Child<TColorButton>(*dialog, "MiniHeadersBGColorButton")->Color(), clBlack);
    EXPECT_EQ(Child<QPlainTextEdit>(*dialog, "DayNames")->toPlainText().split('\n').size(), 7);
    EXPECT_EQ(Child<QListWidget>(*dialog, "BorderFiles")->currentRow(), 1);
    // Activation alone writes nothing the page did not have.
    EXPECT_FLOAT_EQ(dialog->ExamplePage().LeftMarginInch(), 1.3f);
    EXPECT_EQ(dialog->ExamplePage().StartOfWeek(), 2);
    EXPECT_EQ(dialog->ExamplePage().WMFBorderFile(), QStringLiteral("HOLLY"));
}

// The list shows the preview's week numbers, sets them on the preview, whose
// next paint numbers its rows, and the default style turns them off.
TEST_F(PropertiesDialog, WeekNumbersAreChosenOnTheHeadersPage)
{
    auto dialog = Open([](TCalendarProperties &d) {
        d.ExamplePage().SetWeekNumbers(wnUs);
        d.ExamplePage().SetCalendarLayout(LOFullCalendarLS);
    });
    QComboBox *list = Child<QComboBox>(*dialog, "WeekNumbersCombo");
    EXPECT_EQ(list->currentIndex(), int(wnUs));
    EXPECT_EQ(list->count(), 3);
    EXPECT_TRUE(list->isEnabled());
    Choose(*dialog, "WeekNumbersCombo", int(wnIso));
    TCalendarPage &page = dialog->ExamplePage();
    EXPECT_EQ(page.WeekNumbers(), wnIso);
    dialog->ExampleCalendar().grab();
    EXPECT_EQ(page.MainAttributes().WeekCells[0].Number, 49); // 1 December 1997, a Monday
    Click(*dialog, "Defaultbutton");
    EXPECT_EQ(page.WeekNumbers(), wnNone);
    EXPECT_EQ(list->currentIndex(), int(wnNone));
}

TEST_F(PropertiesDialog, ARequestedResetGivesTheDefaultStyle)
{
    auto dialog = Open([](TCalendarProperties &d) {
        d.ExamplePage().SetLeftMarginInch(1.0f);
        d.SetResetOnActivate(true);
    });
    EXPECT_FLOAT_EQ(dialog->ExamplePage().LeftMarginInch(), 0.5f);
    EXPECT_EQ(Child<QComboBox>(*dialog, "LeftMarginInchcombo")->currentText(),
              QStringLiteral("½ Inch"));
    EXPECT_EQ(dialog->ExamplePage().MainCalYear(), QDate::currentDate().year());
}

TEST_F(PropertiesDialog, ALandscapeTwentyFourMonthLayoutSizesTheMiniFonts)
{
    auto dialog = Open();
    ChooseLayout(*dialog, 6, 1);
    const TCalendarPage &page = dialog->ExamplePage();
    EXPECT_EQ(page.CalendarLayout(), loMC24MonthLS);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    EXPECT_EQ(page.MiniTitleFont().Size, 12);
    EXPECT_EQ(page.MiniHeadersFont().Size, 9);
    EXPECT_EQ(page.MiniCellFont().Size, 9);
    EXPECT_FALSE(Enabled(*dialog, "TitleShowYearCheck"));
    EXPECT_FALSE(Enabled(*dialog, "TitleFontbutton"));
    EXPECT_TRUE(Enabled(*dialog, "MiniCalBGColorButton"));

    Child<TRadioGroupBox>(*dialog, "PaperSize")->SetItemIndex(1);
    EXPECT_EQ(page.PaperSize(), 1);
    Child<TRadioGroupBox>(*dialog, "rOrientation")->SetItemIndex(0);
    EXPECT_EQ(page.CalendarLayout(), loMC24Month);
}

TEST_F(PropertiesDialog, APlannerDisablesTheMonthControlsAndAsksForAStartingDate)
{
    auto dialog = Open();
    ChooseLayout(*dialog, 9, 1);
    const TCalendarPage &page = dialog->ExamplePage();
    EXPECT_EQ(page.CalendarLayout(), loWeek);
    for (const char *name :
         {"rOrientation", "WeekStartsOn", "MiniShowYearCheck", "Minititlefontbutton",
          "MiniHeaderFontButton", "MiniHeadersBGColorButton", "MiniCellFontButton",
          "MiniCalBGColorButton", "MiniHeadersStyleCombo", "MiniCalendarLineLayoutCombo",
          "NumberFontButton", "StartingtimeButton"})
        EXPECT_FALSE(Enabled(*dialog, name)) << name;
    EXPECT_TRUE(Enabled(*dialog, "HeaderFontButton"));
    EXPECT_EQ(Child<QLabel>(*dialog, "SelectMonthYearLabel")->text(),
              QStringLiteral("Select Starting Date"));
    EXPECT_EQ(Child<QLabel>(*dialog, "DateLabel")->text(),
              QStringLiteral("Monday, 1 December 1997"));

    ChooseLayout(*dialog, 11, 0);
    EXPECT_EQ(page.CalendarLayout(), loDay10);
    EXPECT_TRUE(Enabled(*dialog, "StartingtimeButton"));
    ChooseLayout(*dialog, 0, 0);
    EXPECT_EQ(Child<QLabel>(*dialog, "SelectMonthYearLabel")->text(),
              QStringLiteral("Select Month & Year"));
    EXPECT_EQ(Child<QLabel>(*dialog, "DateLabel")->text(), QStringLiteral("December 1997"));
    EXPECT_TRUE(Enabled(*dialog, "rOrientation"));
    EXPECT_TRUE(Enabled(*dialog, "WeekStartsOn"));
}

TEST_F(PropertiesDialog, TheDateButtonsMoveThePreviewsMonth)
{
    auto dialog = Open();
    const TCalendarPage &page = dialog->ExamplePage();
    Click(*dialog, "Button11");
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.MainCalYear(), 1998);
    Click(*dialog, "Button8");
    EXPECT_EQ(page.MainCalYear(), 1997);
    Click(*dialog, "Button9");
    EXPECT_EQ(page.MainCalMonth(), 12);
    EXPECT_EQ(page.MainCalYear(), 1996);
    EXPECT_EQ(Child<QLabel>(*dialog, "DateLabel")->text(), QStringLiteral("December 1996"));
    Click(*dialog, "Button12");
    Click(*dialog, "Button12");
    EXPECT_EQ(page.MainCalYear(), 1998);
    Child<QCalendarWidget>(*dialog, "Calendar")->setSelectedDate(QDate(1998, 12, 24));
    EXPECT_EQ(page.MainCalDay(), 24);
    Click(*dialog, "Button10");
    EXPECT_EQ(page.MainCalYear(), QDate::currentDate().year());
    EXPECT_EQ(page.MainCalDay(), QDate::currentDate().day());
}

TEST_F(PropertiesDialog, MarginsFollowTheListsOnlyWhenTouched)
{
    auto dialog = Open([](TCalendarProperties &d) {
        d.ExamplePage().SetLeftMarginInch(0.3f);
        d.ExamplePage().SetTopMarginInch(0.3f);
    });
    TCalendarPage &page = dialog->ExamplePage();
    EXPECT_EQ(Child<QComboBox>(*dialog, "LeftMarginInchcombo")->currentText(),
              QStringLiteral("¼ Inch"));
    Choose(*dialog, "TopMarginInchcombo", 0);
    Choose(*dialog, "BottomMarginInchcombo", 3);
    EXPECT_FLOAT_EQ(page.TopMarginInch(), 0.25f);
    EXPECT_FLOAT_EQ(page.BottomMarginInch(), 1.0f);

    // The unit switch relabels the lists and keeps what they show.
    Child<QRadioButton>(*dialog, "UseMillimeters")->setChecked(true);
    EXPECT_EQ(Child<QComboBox>(*dialog, "BottomMarginInchcombo")->currentText(),
              QStringLiteral("25 mm"));
    EXPECT_EQ(Child<QComboBox>(*dialog, "LeftMarginInchcombo")->currentText(),
              QStringLiteral("6 mm"));
    Choose(*dialog, "RightMarginInchcombo", 5);
    EXPECT_FLOAT_EQ(page.RightMarginInch(), 1.5f);
    Child<QRadioButton>(*dialog, "useInches")->setChecked(true);
    EXPECT_EQ(Child<QComboBox>(*dialog, "RightMarginInchcombo")->currentText(),
              QStringLiteral("1½ Inch"));

    Click(*dialog, "okbutton");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(page.LeftMarginInch(), 0.3f);
    EXPECT_EQ(closed, 1);
}

TEST_F(PropertiesDialog, NamesAreTakenWhenATextBoxIsLeft)
{
    auto dialog = Open();
    TCalendarPage &page = dialog->ExamplePage();
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten.append(QStringLiteral("M%1").arg(i));
    Child<QPlainTextEdit>(*dialog, "MonthNames")->setPlainText(ten.join('\n') + '\n');
    EXPECT_EQ(page.GetMonthName(1), QStringLiteral("January"));
    Leave(*dialog, "MonthNames");
    EXPECT_EQ(page.GetMonthName(1), QStringLiteral("M1"));
    EXPECT_EQ(page.GetMonthName(10), QStringLiteral("M10"));
    EXPECT_EQ(page.GetMonthName(11), QStringLiteral("November"));
    EXPECT_EQ(page.GetMonthName(12), QStringLiteral("December"));

    Child<QPlainTextEdit>(*dialog, "DayNames")->setPlainText("Dim\nLun");
    Leave(*dialog, "DayNames");
    EXPECT_EQ(page.GetDayName(2), QStringLiteral("Lun"));
    EXPECT_EQ(page.GetDayName(3), QStringLiteral("Tuesday"));

    Click(*dialog, "German");
    EXPECT_EQ(page.GetDayName(6), QStringLiteral("Freitag "));
    EXPECT_EQ(page.GetMonthName(3), QStringLiteral("März"));
    EXPECT_EQ(page.GetMonthName(11), QStringLiteral("November"));
    EXPECT_TRUE(Child<QPlainTextEdit>(*dialog, "DayNames")->toPlainText().contains("Freitag \n"));
    Click(*dialog, "Italian");
    EXPECT_EQ(page.GetDayName(2), QStringLiteral("Lunedì"));
}

TEST_F(PropertiesDialog, AccentedNamesSurviveAStyleSheetAsWindows1252)
{
    QString fileName = folder.filePath("Spanish.DWS");
    {
        auto dialog = Open();
        chosenFile = fileName;
        Click(*dialog, "Spanish");
        Choose(*dialog, "LeftMarginInchcombo", 2);
        Click(*dialog, "SaveAsStyleSheetButton");
        EXPECT_TRUE(messages.isEmpty());
    }
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("Mi\xE9rcoles"));
    EXPECT_TRUE(bytes.contains("S\xE1"
                               "bado"));

    auto dialog = Open();
    chosenFile = fileName;
    Click(*dialog, "LoadStyleSheetButton");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(dialog->Suppressed());
    EXPECT_EQ(dialog->ExamplePage().GetDayName(4), QStringLiteral("Miércoles"));
    EXPECT_TRUE(Child<QPlainTextEdit>(*dialog, "DayNames")->toPlainText().contains("Sábado"));
    EXPECT_EQ(Child<QComboBox>(*dialog, "LeftMarginInchcombo")->currentIndex(), 2);
}

// The style-sheet dialogs opened in the program's folder, where an installed
// copy keeps no user files.
TEST_F(PropertiesDialog, StyleSheetDialogsOpenInTheFileFolderThenWhereTheLastWasChosen)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath("Styles") && QDir(folder.path()).mkpath("Mine"));
    const QString styles = folder.filePath("Styles");
    const QString mine = folder.filePath("Mine");
    auto dialog = Open([&](TCalendarProperties &d) { d.FileFolder() = TFileFolder(styles); });
    Click(*dialog, "SaveAsStyleSheetButton");
    EXPECT_TRUE(dialog->FileFolder().Chosen().isEmpty());
    chosenFile = mine + "/Mine.DWS";
    Click(*dialog, "SaveAsStyleSheetButton");
    chosenFile.clear();
    Click(*dialog, "LoadStyleSheetButton");
    EXPECT_EQ(shownFolders, (QStringList{styles, styles, mine}));
    EXPECT_EQ(dialog->FileFolder().Chosen(), mine);
    EXPECT_TRUE(messages.isEmpty());

    auto unset = Open();
    Click(*unset, "LoadStyleSheetButton");
    EXPECT_EQ(shownFolders.last(), StartFolder({}, {}));
    EXPECT_NE(shownFolders.last(), QDir(ProgramFolder()).absolutePath());
}

TEST_F(PropertiesDialog, StyleSheetsNeedTheirExtension)
{
    auto dialog = Open();
    QString text = folder.filePath("MyStyle.txt");
    chosenFile = text;
    Click(*dialog, "SaveAsStyleSheetButton");
    EXPECT_EQ(messages, QStringList({"Must save as a Calendar Style Sheet (*.DWS)"}));
    EXPECT_FALSE(QFile::exists(text));

    messages.clear();
    chosenFile = text;
    Click(*dialog, "LoadStyleSheetButton");
    EXPECT_EQ(messages, QStringList({"Must be a Calendar Style Sheet (*.DWS)"}));

    // Cancelling either dialog does nothing.
    messages.clear();
    chosenFile.clear();
    Click(*dialog, "SaveAsStyleSheetButton");
    Click(*dialog, "LoadStyleSheetButton");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PropertiesDialog, AStyleSheetThatCannotBeReadIsReported)
{
    QString bad = folder.filePath("Broken.dws");
    Write("Broken.dws", "this is no style sheet");
    auto dialog = Open();
    chosenFile = bad;
    Click(*dialog, "LoadStyleSheetButton");
    EXPECT_EQ(messages, QStringList({"Unable to open " + bad +
                                     ". Possibly \r\ncorrupted, possibly not a Calendar Style "
                                     "file"}));
    EXPECT_FALSE(dialog->Suppressed());
    // The controls show the page again and keep writing into it.
    EXPECT_EQ(Child<QListWidget>(*dialog, "LayoutList")->currentRow(),
              LayoutListIndex(dialog->ExamplePage().CalendarLayout()));
    Choose(*dialog, "LeftMarginInchcombo", 4);
    EXPECT_FLOAT_EQ(dialog->ExamplePage().LeftMarginInch(), 1.25f);
}

TEST_F(PropertiesDialog, ASaveThatFailsIsReported)
{
    // Regression: a style sheet that could not be written was passed over in silence.
    auto dialog = Open();
    QString fileName = folder.filePath("missing/folder/Style.DWS");
    chosenFile = fileName;
    Click(*dialog, "SaveAsStyleSheetButton");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Unable to save " + fileName));
}

TEST_F(PropertiesDialog, OkWarnsBeforeTextIsLost)
{
    auto dialog = Open([](TCalendarProperties &d) { d.SetDocumentState(0, true, false); });
    ChooseLayout(*dialog, 9, 0); // a week planner: another layout kind
    answer = false;
    Click(*dialog, "okbutton");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], QStringLiteral("Warning: changing to this type of layout\rwill "
                                           "erase all text and icons from the current\r"
                                           "calendar. Proceed?"));
    EXPECT_EQ(closed, 0);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    answer = true;
    Click(*dialog, "okbutton");
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    // The same kind of layout loses nothing.
    questions.clear();
    auto same = Open([](TCalendarProperties &d) { d.SetDocumentState(0, true, false); });
    ChooseLayout(*same, 3, 0);
    Click(*same, "okbutton");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(same->result(), QDialog::Accepted);
}

TEST_F(PropertiesDialog, OkWarnsBeforePlacedObjectsNeedMoving)
{
    const auto withObjects = [](TCalendarProperties &d) {
        d.SetDocumentState(0, false, true);
        d.ExamplePage().SetWMFBorderFile("Stars");
    };
    auto exchanged = Open(withObjects);
    Child<QListWidget>(*exchanged, "BorderFiles")->setCurrentRow(1); // holly for Stars
    Click(*exchanged, "okbutton");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(exchanged->result(), QDialog::Accepted);

    auto removed = Open(withObjects);
    Child<QListWidget>(*removed, "BorderFiles")->setCurrentRow(0);
    answer = false;
    Click(*removed, "okbutton");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("Warning: The Calendar has one or more items\rplaced "
                                        "on it using the Label, Clip Art, RichText,\r"));
    EXPECT_TRUE(questions[0].endsWith("means you will have to reposition these items.\r\r"
                                      "Proceed?"));
    EXPECT_NE(removed->result(), QDialog::Accepted);

    questions.clear();
    answer = true;
    auto margins = Open(withObjects);
    Choose(*margins, "RightMarginInchcombo", 1);
    Click(*margins, "okbutton");
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(margins->result(), QDialog::Accepted);
}

TEST_F(PropertiesDialog, ChoosingABorderShowsItInThePreview)
{
    auto dialog = Open();
    TCalendarPage &page = dialog->ExamplePage();
    const int plainLeft = page.MainRect().Left;
    QListWidget *borders = Child<QListWidget>(*dialog, "BorderFiles");
    EXPECT_EQ(borders->currentRow(), 0);
    borders->setCurrentRow(2);
    EXPECT_EQ(page.WMFBorderFile(), QStringLiteral("Stars"));
    ASSERT_NE(page.BorderMetafile(), nullptr);
    EXPECT_GT(page.MainRect().Left, plainLeft);
    borders->setCurrentRow(0);
    EXPECT_TRUE(page.WMFBorderFile().isEmpty());
    EXPECT_EQ(page.BorderMetafile(), nullptr);
}

TEST_F(PropertiesDialog, FontsAndColoursComeFromTheirDialogs)
{
    TCalendarProperties dialog;
    std::optional<TFontDesc> font;
    TFontDesc offered;
    dialog.Prompts().ChooseFont = [&](const TFontDesc &current) {
        offered = current;
        return font;
    };
    dialog.Prompts().ChooseColor = [](TColor) { return std::optional<TColor>(clRed); };
    TCalendarPage &page = dialog.ExamplePage();

    // Before the first activation the dialog is filling itself: nothing is written.
    Click(dialog, "TitleBGColor");
    EXPECT_EQ(page.TitleBGColor(), clWhite);
    dialog.FormActivate();
    EXPECT_EQ(Child<TColorButton>(dialog, "TitleBGColor")->Color(), clWhite);
    Click(dialog, "TitleBGColor");
    EXPECT_EQ(page.TitleBGColor(), clRed);
    Click(dialog, "MiniCalBGColorButton");
    EXPECT_EQ(page.MiniCalBGColor(), clRed);

    Click(dialog, "HeaderFontButton"); // cancelled
    EXPECT_EQ(offered, page.HeadersFont());
    font = TFontDesc{QStringLiteral("Arial"), 20, TFontStyle::fsItalic, clBlue};
    Click(dialog, "HeaderFontButton");
    EXPECT_EQ(page.HeadersFont(), *font);
    Click(dialog, "MiniCellFontButton");
    EXPECT_EQ(page.MiniCellFont().Name, QStringLiteral("Arial"));
}

// The Font buttons opened the font dialog on a default font, and OK turned
// the bold serif title into plain sans.
TEST_F(PropertiesDialog, FontDialogOpensOnTheFontItEditsAndOkKeepsIt)
{
    auto dialog = Open([](TCalendarProperties &properties) {
        properties.ExamplePage().SetTitleFont(
            {QStringLiteral("Times New Roman"), 26, TFontStyle::fsBold, clBlack});
    });
    const TFontDesc title = dialog->ExamplePage().TitleFont();
    QFont shown;
    SetModalAnswerer([&shown](QDialog &fonts) {
        shown = dynamic_cast<QFontDialog &>(fonts).currentFont();
        return int(QDialog::Accepted);
    });
    const auto reset = qScopeGuard([] { SetModalAnswerer({}); });
    Click(*dialog, "TitleFontbutton");

    EXPECT_EQ(shown.family(), QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    EXPECT_EQ(shown.pointSize(), 26);
    EXPECT_TRUE(shown.bold());
    EXPECT_FALSE(shown.italic());
    EXPECT_EQ(dialog->ExamplePage().TitleFont(), title);
}

TEST_F(PropertiesDialog, TheFontDialogOffersTheColourTheHelpPromises)
{
    // Regression: the help said each Font button chooses the colour too, but
    // the font dialog had no colour.
    auto dialog = Open([](TCalendarProperties &properties) {
        properties.ExamplePage().SetTitleFont(
            {QStringLiteral("Arial"), 20, TFontStyle::fsBold, clNavy});
    });
    bool offered = false;
    SetModalAnswerer([&offered](QDialog &fonts) {
        auto &choice = dynamic_cast<TFontColorDialog &>(fonts);
        offered = choice.ColorButton()->isVisibleTo(&choice) && choice.Color() == clNavy;
        choice.SetColor(clMaroon);
        return int(QDialog::Accepted);
    });
    const auto reset = qScopeGuard([] { SetModalAnswerer({}); });
    Click(*dialog, "TitleFontbutton");
    EXPECT_TRUE(offered);
    EXPECT_EQ(dialog->ExamplePage().TitleFont().Color, clMaroon);
    EXPECT_EQ(dialog->ExamplePage().TitleFont().Size, 20) << "the rest as it was";
    EXPECT_TRUE(dialog->ExamplePage().TitleFont().Style.testFlag(TFontStyle::fsBold));
}

TEST_F(PropertiesDialog, StyleListsAndChecksWriteThePreview)
{
    auto dialog = Open();
    TCalendarPage &page = dialog->ExamplePage();
    Choose(*dialog, "CalHeaderStyleCombo", 0);
    EXPECT_EQ(page.HeadersStyle(), dsFirstChar);
    Choose(*dialog, "MiniHeadersStyleCombo", 2);
    EXPECT_EQ(page.MiniHeadersStyle(), dsWhole);
    Choose(*dialog, "CalendarLineLayoutCombo", 2);
    EXPECT_EQ(page.CalendarLineLayout(), llCellsOnly);
    EXPECT_EQ(page.CalendarBorder(), cbNone);
    Choose(*dialog, "MiniCalendarLineLayoutCombo", 2);
    EXPECT_EQ(page.MiniCalendarLineLayout(), mllMinimal);
    Child<QCheckBox>(*dialog, "TitleShowYearCheck")->click();
    EXPECT_FALSE(page.TitleShowYear());
    Child<QCheckBox>(*dialog, "MiniShowYearCheck")->click();
    EXPECT_FALSE(page.MiniShowYear());
    Child<TRadioGroupBox>(*dialog, "WeekStartsOn")->SetItemIndex(1);
    EXPECT_EQ(page.StartOfWeek(), 2);
}

TEST_F(PropertiesDialog, TheStartingTimeComesFromTheSetTimeDialog)
{
    auto dialog = Open();
    ChooseLayout(*dialog, 12, 0);
    QLabel *timeLabel = Child<QLabel>(*dialog, "TimeLabel");
    EXPECT_EQ(timeLabel->text(), ShortTimeText(QTime(8, 0)));

    QTime offered;
    std::optional<QTime> chosen;
    dialog->Prompts().ChooseTime = [&](QTime current) {
        offered = current;
        return chosen;
    };
    timeLabel->setText(QStringLiteral("not a time"));
    const QTime before = QTime::currentTime();
    Click(*dialog, "StartingtimeButton");
    ASSERT_TRUE(offered.isValid());
    EXPECT_LE(std::abs(before.secsTo(offered)), 2);
    EXPECT_TRUE(ParseTimeText(timeLabel->text()).isValid());
    EXPECT_EQ(dialog->ExamplePage().PlannerStartTime(), QTime(8, 0)); // cancelled

    chosen = QTime(9, 30);
    Click(*dialog, "StartingtimeButton");
    EXPECT_EQ(timeLabel->text(), ShortTimeText(QTime(9, 30)));
    EXPECT_EQ(dialog->ExamplePage().PlannerStartTime(), QTime(9, 30));
}

TEST_F(PropertiesDialog, ZoomHelpDefaultAndCancel)
{
    auto dialog = Open([](TCalendarProperties &d) {
        d.ExamplePage().SetLeftMarginInch(1.5f);
        d.ExamplePage().SetCalendarLayout(loMC12Month);
    });
    TCalendarPanel32 &preview = dialog->ExampleCalendar();
    const int width = preview.width();
    Click(*dialog, "ZoomInButton");
    EXPECT_EQ(Child<QLabel>(*dialog, "ZoomLabel")->text(), QStringLiteral("40%"));
    EXPECT_GT(preview.width(), width);
    Click(*dialog, "ZoomOutbutton");
    Click(*dialog, "ZoomOutbutton");
    EXPECT_EQ(Child<QLabel>(*dialog, "ZoomLabel")->text(), QStringLiteral("20%"));

    Click(*dialog, "Helpbutton");
    Child<QTabBar>(*dialog, "TabSet1")->setCurrentIndex(9);
    Click(*dialog, "Helpbutton");
    Child<QTabBar>(*dialog, "TabSet1")->setCurrentIndex(4);
    Click(*dialog, "Helpbutton");
    EXPECT_EQ(helpContexts, QList<int>({2100, 3109, 2104}));

    Click(*dialog, "Defaultbutton");
    EXPECT_FLOAT_EQ(preview.Page().LeftMarginInch(), 0.5f);
    EXPECT_EQ(preview.Page().CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(Child<QListWidget>(*dialog, "LayoutList")->currentRow(), 1);
    EXPECT_EQ(Child<QComboBox>(*dialog, "LeftMarginInchcombo")->currentIndex(), 1);
    EXPECT_FALSE(dialog->Suppressed());

    Click(*dialog, "CancelButton");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(closed, 1);
}
