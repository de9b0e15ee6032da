#include "CharAttributes.h"
#include "IconDrag.h"
#include "MainWindowTestSupport.h"

#include <QDropEvent>
#include <QGraphicsView>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QWheelEvent>

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

// The page area as it is on screen, the open editor included, in page pixels.
QImage Shown(TCalendarMain &window)
{
    return window.Parts()
        .ScrollBox2->widget()
        ->grab(QRect(window.Parts().CalendarPanel->pos(), window.Parts().CalendarPanel->size()))
        .toImage();
}

class CellEditingTest : public testing::Test
{
protected:
    TCalendarMain &Start() { return run.StartActive(); }
    int Cell(int day) const { return run.Window->Parts().CalendarPage->CellOfDay(day); }
    void ClickDay(int day)
    {
        ClickPage(*run.Window->Parts().CalendarPanel,
                  CellCentre(*run.Window->Parts().CalendarPage, Cell(day)));
    }

    TMainWindowRun run;
};

TEST_F(CellEditingTest, ClickingACellOpensTheEditorOverItsTextArea)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    const int cell = Cell(firstDay);
    const TRect free = window.Parts().CalendarPage->MainAttributes().CellGeometry[cell - 1].rFree;
    const int width = free.Right - free.Left + 1;
    const int height = free.Bottom - free.Top + 1;

    EXPECT_EQ(window.Session().CurrentCell(), cell);
    EXPECT_TRUE(window.Session().CellEditing());
    EXPECT_TRUE(window.Session().CellLoaded());
    EXPECT_TRUE(window.Parts().WPRichText1->isVisible());
    // One pixel in from the text area's top left, inside the cell: the line
    // below it stays in sight.
    const TRect total = window.Parts().CalendarPage->MainAttributes().CellGeometry[cell - 1].rTotal;
    EXPECT_EQ(window.Parts().WPRichText1->geometry(),
              QRect(window.Parts().CalendarPanel->x() + free.Left + 1,
                    window.Parts().CalendarPanel->y() + free.Top + 1, width - 1, height - 1));
    EXPECT_EQ(free.Bottom, total.Bottom);
    // The page is the cell in twips at 96 pixels per inch; the zoom truncated.
    EXPECT_EQ(window.Parts().WPRichText1->RtfText().PageWidth, width * 15);
    EXPECT_EQ(window.Parts().WPRichText1->RtfText().PageHeight, height * 15);
    EXPECT_EQ(window.Parts().WPRichText1->Zooming(), 60);
    EXPECT_TRUE(window.Parts().WPToolBar1->isEnabled());
    EXPECT_EQ(window.Parts().WPToolBar1->Editor(), window.Parts().WPRichText1);
    // Merely opening a cell changes nothing.
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_FALSE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));
}

// The open editor covered the grid line below its cell.
TEST_F(CellEditingTest, TheEditorLeavesTheLinesAroundItsCellAlone)
{
    for (const TCalendarLayout layout : {LOFullCalendarLS, loWeek}) {
        TCalendarMain &window = Start();
        window.Parts().CalendarPage->SetCalendarLayout(layout);
        window.Parts().CalendarPanel->repaint();
        const int cell = layout == loWeek ? 2 : Cell(firstDay);
        window.Parts().CalendarPage->RaiseCellEvent(cell);
        ASSERT_TRUE(window.Parts().WPRichText1->isVisible());
        const QImage shown = Shown(window);
        const QImage page = window.Parts().CalendarPanel->grab().toImage();
        const QRect editor =
            window.Parts().WPRichText1->geometry().translated(-window.Parts().CalendarPanel->pos());
        // Every dark pixel of the page around the editor's rectangle is
        // still on screen.
        const QRect around = editor.adjusted(-2, -2, 2, 2);
        int covered = 0;
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                const bool line = page.pixelColor(x, y).lightness() < 128 &&
                                  (x <= editor.left() || x >= editor.right() || y <= editor.top() ||
                                   y >= editor.bottom());
                covered += line && shown.pixelColor(x, y).lightness() >= 128 ? 1 : 0;
            }
        }
        EXPECT_EQ(covered, 0) << layout;
        window.DoSaveRichtext();
        run.Window.reset();
    }
}

// At 80 % the focused editor drew its frame over the text.
TEST_F(CellEditingTest, TheFocusedEditorDrawsNoFrame)
{
    TCalendarMain &window = run.StartActive("[Zooming]\r\nMain=80\r\n");
    ClickDay(firstDay);
    TypeText(u"Hello"_s);
    ASSERT_TRUE(window.Parts().WPRichText1->hasFocus() ||
                window.Parts().WPRichText1->isAncestorOf(QApplication::focusWidget()));
    const QImage editor = window.Parts().WPRichText1->grab().toImage();
    // Below the one line of text, and along the right edge, only white.
    int dark = 0;
    for (int y = 0; y < editor.height(); ++y) {
        for (int x = 0; x < editor.width(); ++x) {
            const bool outsideText = y >= 16 || x >= editor.width() - 3;
            dark += outsideText && editor.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        }
    }
    EXPECT_EQ(dark, 0);
}

// A cell whose text runs past its bottom opened in the editor scrolled to
// its end, not from its first line as the page shows it.
TEST_F(CellEditingTest, ALongCellOpensFromItsFirstLine)
{
    TCalendarMain &window = Start();
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(u"First\nb\nc\nd\ne\nf\ng\nh\ni\nLast"_s);
    window.Parts().CalendarPage->SetCellText(Cell(firstDay), cell);
    for (int round = 0; round < 2; ++round) {
        ClickDay(firstDay);
        QApplication::processEvents();
        const auto *view = window.Parts().WPRichText1->findChild<QGraphicsView *>();
        ASSERT_NE(view, nullptr);
        ASSERT_GT(view->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(view->verticalScrollBar()->value(), 0) << round;
        // Typing at the end scrolls to it; the next opening starts at the top.
        TypeText(u"!"_s);
        ClickDay(firstDay + 1);
    }
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, Cell(firstDay)).right(6), u"Last!!"_s);
}

// Zooming with the keys while editing dropped what was typed next.
TEST_F(CellEditingTest, AZoomStepStoresTheCellAndGoesOnEditingIt)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    TypeText(u"ab"_s);
    window.Parts().WPRichText1->SetCaretPosition(1);
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp}) {
        const float before = window.Parts().CalendarPanel->Zoom();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_NE(window.Parts().CalendarPanel->Zoom(), before);
        EXPECT_EQ(CellText(*window.Parts().CalendarPage, Cell(firstDay)).size(),
                  key == Qt::Key_PageDown ? 2 : 3);
        ASSERT_TRUE(window.Session().CellEditing());
        EXPECT_EQ(window.Session().CurrentCell(), Cell(firstDay));
        EXPECT_EQ(window.Parts().WPRichText1->Zooming(),
                  int(double(window.Parts().CalendarPanel->Zoom()) * 100));
        const TRect free =
            window.Parts().CalendarPage->MainAttributes().CellGeometry[Cell(firstDay) - 1].rFree;
        EXPECT_EQ(window.Parts().WPRichText1->pos(),
                  window.Parts().CalendarPanel->pos() + QPoint(free.Left + 1, free.Top + 1));
        TypeText(key == Qt::Key_PageDown ? u"X"_s : u"Y"_s);
    }
    window.DoSaveRichtext();
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, Cell(firstDay)), u"aXYb"_s);
}

TEST_F(CellEditingTest, CtrlZoomKeysAndTheWheelGoOnEditingTheCell)
{
    TCalendarMain &window = Start();
    const float scale = window.Parts().CalendarPanel->Zoom();
    ClickDay(firstDay);
    TypeText(u"a"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
    ASSERT_TRUE(window.Session().CellEditing());
    TypeText(u"b"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_TRUE(window.Session().CellEditing());
    EXPECT_TRUE(window.Parts().WPRichText1->hasFocus());
    TypeText(u"c"_s);
    // Ctrl with the wheel over the editor zooms the page, not the editor's text.
    QWidget &editor = *QApplication::focusWidget();
    const QPointF centre = QRectF(editor.rect()).center();
    QWheelEvent wheel(centre, editor.mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&editor, &wheel);
    EXPECT_GT(window.Parts().CalendarPanel->Zoom(), scale + 0.05f);
    ASSERT_TRUE(window.Session().CellEditing());
    EXPECT_TRUE(window.Parts().WPRichText1->hasFocus());
    TypeText(u"d"_s);
    window.DoSaveRichtext();
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, Cell(firstDay)), u"abcd"_s);
}

TEST_F(CellEditingTest, TypingShowsSaveAtOnceAndTheNextCellStoresTheFirst)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    TypeText(u"D"_s);
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));
    TypeText(u"entist"_s);

    ClickDay(firstDay + 1);
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, Cell(firstDay)), u"Dentist"_s);
    EXPECT_EQ(window.Session().CurrentCell(), Cell(firstDay + 1));
    EXPECT_TRUE(window.Parts().WPRichText1->IsEmpty());

    // Tab goes on to the next cell the same way, and Shift+Tab back.
    TypeText(u"Gym"_s);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &tab);
    EXPECT_EQ(window.Session().CurrentCell(), Cell(firstDay + 2));
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, Cell(firstDay + 1)), u"Gym"_s);
    QKeyEvent backTab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &backTab);
    EXPECT_EQ(window.Session().CurrentCell(), Cell(firstDay + 1));
    EXPECT_EQ(window.Parts().WPRichText1->RtfText().Document().toPlainText(), u"Gym"_s);
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
    EXPECT_EQ(CellText(*window.Parts().CalendarPage, Cell(firstDay)), u"New"_s);
    EXPECT_FALSE(window.Parts().WPRichText1->isVisible());
    EXPECT_FALSE(window.Parts().WPToolBar1->isEnabled());
}

TEST_F(CellEditingTest, CtrlBIAndUMakeTheTypedTextBoldItalicAndUnderlined)
{
    // Regression: Ctrl+B, Ctrl+I and Ctrl+U did nothing in day cells.
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    for (const Qt::Key key : {Qt::Key_B, Qt::Key_I, Qt::Key_U})
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    TypeText(u"Party"_s);
    EXPECT_TRUE(window.Parts().WPToolBar1->Button(TWPToolButton::Bold)->isChecked());
    EXPECT_TRUE(window.Parts().WPToolBar1->Button(TWPToolButton::Italic)->isChecked());
    EXPECT_TRUE(window.Parts().WPToolBar1->Button(TWPToolButton::Underline)->isChecked());
    window.DoSaveRichtext();
    TWPRtfStorage cell;
    window.Parts().CalendarPage->GetCellText(Cell(firstDay), cell);
    const TWPRTFTextPaint &text = cell.RtfText();
    EXPECT_EQ(text.Document().toPlainText(), u"Party"_s);
    const QTextBlock block = text.Document().begin();
    EXPECT_EQ(CharAttrOf(text, block.begin().fragment().charFormat()).Style,
              wpsBold | wpsItalic | wpsUnderline);
}

TEST_F(CellEditingTest, AnEmptyCellTakesTheDefaultEditorFont)
{
    TCalendarMain &window =
        run.StartActive("[Default Font]\r\nName=Courier New\r\nSize=14\r\nBold=1\r\nColor=255\r\n");
    ClickDay(firstDay);
    EXPECT_FALSE(window.Session().Modified());
    TypeText(u"x"_s);
    window.DoSaveRichtext();

    TWPRtfStorage cell;
    window.Parts().CalendarPage->GetCellText(Cell(firstDay), cell);
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
    const QPoint at = CellCentre(*window.Parts().CalendarPage, Cell(firstDay));
    ASSERT_TRUE(DragAndDrop(*window.Parts().CalendarPanel, at, *icon));

    EXPECT_EQ(window.Session().CurrentCell(), Cell(firstDay));
    EXPECT_TRUE(window.Session().CellEditing());
    EXPECT_EQ(PictureCount(window.Parts().WPRichText1->RtfText().Document()), 1);
    EXPECT_TRUE(window.Session().Modified());
    window.DoSaveRichtext();
    TWPRtfStorage cell;
    window.Parts().CalendarPage->GetCellText(Cell(firstDay), cell);
    EXPECT_EQ(PictureCount(cell.RtfText().Document()), 1);
}

TEST_F(CellEditingTest, DropsOutsideTheCellsOrOfOtherThingsAreRefused)
{
    TCalendarMain &window = Start();
    const std::unique_ptr<QMimeData> icon = IconMimeData(RedIcon());
    // The margin of the page holds no cell.
    EXPECT_FALSE(DragAndDrop(*window.Parts().CalendarPanel, QPoint(2, 2), *icon));
    QMimeData text;
    text.setText(u"Dentist"_s);
    EXPECT_FALSE(DragAndDrop(*window.Parts().CalendarPanel,
                             CellCentre(*window.Parts().CalendarPage, Cell(firstDay)), text));
    // Drag data under the icon type that holds no picture.
    QMimeData broken;
    broken.setData(IconMimeType, "not a picture");
    DragAndDrop(*window.Parts().CalendarPanel,
                CellCentre(*window.Parts().CalendarPage, Cell(firstDay)), broken);

    EXPECT_FALSE(window.Session().CellEditing());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
}

TEST_F(CellEditingTest, AnIconDroppedOnTheOpenEditorGoesIntoItsCell)
{
    TCalendarMain &window = Start();
    ClickDay(firstDay);
    TypeText(u"Party "_s);
    QWidget *viewport = window.Parts().WPRichText1->findChild<QGraphicsView *>()->viewport();
    const std::unique_ptr<QMimeData> icon = IconMimeData(RedIcon());
    ASSERT_TRUE(DragAndDrop(*viewport, QPoint(3, 3), *icon));
    EXPECT_EQ(PictureCount(window.Parts().WPRichText1->RtfText().Document()), 1);
    EXPECT_EQ(window.Session().CurrentCell(), Cell(firstDay));

    QMimeData text;
    text.setText(u"Dentist"_s);
    EXPECT_FALSE(DragAndDrop(*viewport, QPoint(3, 3), text));
}

} // namespace
