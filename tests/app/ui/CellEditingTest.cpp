#include "CharAttributes.h"
#include "IconDrag.h"
#include "MainWindowTestSupport.h"

#include <QDropEvent>
#include <QGraphicsView>
#include <QMimeData>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int firstDay = 15;

int PictureCount(const QTextDocument &document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            count += fragment.fragment().charFormat().isImageFormat() ? 1 : 0;
    }
    return count;
}

QImage RedIcon()
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    return icon;
}

class CellEditingTest : public testing::Test
{
protected:
    TCalendarMain &Start() { return run.StartActive(); }
    int Cell(int day) const { return run.Window->CalendarPanel->CellOfDay(day); }
    void ClickDay(int day)
    {
        ClickPage(*run.Window->CalendarPanel, CellCentre(*run.Window->CalendarPanel, Cell(day)));
    }

    TMainWindowRun run;
};

TEST_F(CellEditingTest, ClickingACellOpensTheEditorOverItsTextArea)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    const int cell = Cell(firstDay);
    const TRect free = window.CalendarPanel->MainAttributes().CellGeometry[cell - 1].rFree;
    const int width = free.Right - free.Left + 1;
    const int height = free.Bottom - free.Top + 1;

    EXPECT_EQ(window.CurrentCell, cell);
    EXPECT_TRUE(window.CellEditing);
    EXPECT_TRUE(window.CellLoaded);
    EXPECT_TRUE(window.WPRichText1->isVisible());
    EXPECT_EQ(window.WPRichText1->geometry(),
              QRect(window.CalendarPanel->x() + free.Left + 1,
                    window.CalendarPanel->y() + free.Top + 1, width, height));
    // The page is the cell in twips at 96 pixels per inch; the zoom truncated.
    EXPECT_EQ(window.WPRichText1->RtfText().PageWidth, width * 15);
    EXPECT_EQ(window.WPRichText1->RtfText().PageHeight, height * 15);
    EXPECT_EQ(window.WPRichText1->Zooming(), 60);
    EXPECT_TRUE(window.WPToolBar1->isEnabled());
    EXPECT_EQ(window.WPToolBar1->Editor(), window.WPRichText1);
    // Merely opening a cell changes nothing.
    EXPECT_FALSE(window.Modified);
    EXPECT_FALSE(window.Savebutton->isVisibleTo(window.Panel3));
}

TEST_F(CellEditingTest, TypingShowsSaveAtOnceAndTheNextCellStoresTheFirst)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    TypeText(u"D"_s);
    EXPECT_TRUE(window.Modified);
    EXPECT_TRUE(window.Savebutton->isVisibleTo(window.Panel3));
    TypeText(u"entist"_s);

    ClickDay(firstDay + 1);
    EXPECT_EQ(CellText(*window.CalendarPanel, Cell(firstDay)), u"Dentist"_s);
    EXPECT_EQ(window.CurrentCell, Cell(firstDay + 1));
    EXPECT_TRUE(window.WPRichText1->IsEmpty());

    // Tab goes on to the next cell the same way, and Shift+Tab back.
    TypeText(u"Gym"_s);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &tab);
    EXPECT_EQ(window.CurrentCell, Cell(firstDay + 2));
    EXPECT_EQ(CellText(*window.CalendarPanel, Cell(firstDay + 1)), u"Gym"_s);
    QKeyEvent backTab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &backTab);
    EXPECT_EQ(window.CurrentCell, Cell(firstDay + 1));
    EXPECT_EQ(window.WPRichText1->RtfText().Document().toPlainText(), u"Gym"_s);
}

TEST_F(CellEditingTest, CtrlASelectsTheWholeCell)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    TypeText(u"Old words"_s);
    QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, u"\x01"_s);
    QApplication::sendEvent(QApplication::focusWidget(), &selectAll);
    TypeText(u"New"_s);
    window.DoSaveRichtext();
    EXPECT_EQ(CellText(*window.CalendarPanel, Cell(firstDay)), u"New"_s);
    EXPECT_FALSE(window.WPRichText1->isVisible());
    EXPECT_FALSE(window.WPToolBar1->isEnabled());
}

TEST_F(CellEditingTest, AnEmptyCellTakesTheDefaultEditorFont)
{
    TCalendarMain &window =
        run.StartActive("[Default Font]\r\nName=Courier New\r\nSize=14\r\nBold=1\r\nColor=255\r\n");
    ClickDay(firstDay);
    EXPECT_FALSE(window.Modified);
    TypeText(u"x"_s);
    window.DoSaveRichtext();

    TWPRtfStorage cell;
    window.CalendarPanel->GetCellText(Cell(firstDay), cell);
    const TWPRTFTextPaint &document = cell.RtfText();
    const QTextBlock block = document.Document().begin();
    ASSERT_FALSE(block.begin().atEnd());
    const TWPCharAttr attr = CharAttrOf(document, block.begin().fragment().charFormat());
    EXPECT_EQ(document.Fonts().at(attr.Font).Name, u"Courier New"_s);
    EXPECT_EQ(attr.Size, 14);
    EXPECT_EQ(attr.Style, int(wpsBold));
    EXPECT_EQ(document.Palette()[size_t(attr.Color)], TColor(0x0000FF));
}

TEST_F(CellEditingTest, AnIconDroppedOnADayCellOpensItAndGoesInAtTheCaret)
{
    TCalendarMain &window = Start();
    const std::unique_ptr<QMimeData> icon = IconMimeData(RedIcon());
    const QPoint at = CellCentre(*window.CalendarPanel, Cell(firstDay));
    ASSERT_TRUE(DragAndDrop(*window.CalendarPanel, at, *icon));

    EXPECT_EQ(window.CurrentCell, Cell(firstDay));
    EXPECT_TRUE(window.CellEditing);
    EXPECT_EQ(PictureCount(window.WPRichText1->RtfText().Document()), 1);
    EXPECT_TRUE(window.Modified);
    window.DoSaveRichtext();
    TWPRtfStorage cell;
    window.CalendarPanel->GetCellText(Cell(firstDay), cell);
    EXPECT_EQ(PictureCount(cell.RtfText().Document()), 1);
}

TEST_F(CellEditingTest, DropsOutsideTheCellsOrOfOtherThingsAreRefused)
{
    TCalendarMain &window = Start();
    const std::unique_ptr<QMimeData> icon = IconMimeData(RedIcon());
    // The margin of the page holds no cell.
    EXPECT_FALSE(DragAndDrop(*window.CalendarPanel, QPoint(2, 2), *icon));
    QMimeData text;
    text.setText(u"Dentist"_s);
    EXPECT_FALSE(DragAndDrop(*window.CalendarPanel,
                             CellCentre(*window.CalendarPanel, Cell(firstDay)), text));
    // Drag data under the icon type that holds no picture.
    QMimeData broken;
    broken.setData(IconMimeType, "not a picture");
    DragAndDrop(*window.CalendarPanel, CellCentre(*window.CalendarPanel, Cell(firstDay)), broken);

    EXPECT_FALSE(window.CellEditing);
    EXPECT_FALSE(window.Modified);
    EXPECT_FALSE(window.CalendarPanel->HasCellContent());
}

TEST_F(CellEditingTest, AnIconDroppedOnTheOpenEditorGoesIntoItsCell)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    TypeText(u"Party "_s);
    QWidget *viewport = window.WPRichText1->findChild<QGraphicsView *>()->viewport();
    const std::unique_ptr<QMimeData> icon = IconMimeData(RedIcon());
    ASSERT_TRUE(DragAndDrop(*viewport, QPoint(3, 3), *icon));
    EXPECT_EQ(PictureCount(window.WPRichText1->RtfText().Document()), 1);
    EXPECT_EQ(window.CurrentCell, Cell(firstDay));

    QMimeData text;
    text.setText(u"Dentist"_s);
    EXPECT_FALSE(DragAndDrop(*viewport, QPoint(3, 3), text));
}

} // namespace
