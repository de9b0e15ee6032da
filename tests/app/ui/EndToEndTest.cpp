#include "CalendarProperties.h"
#include "CharAttributes.h"
#include "IconDrag.h"
#include "MainWindowTestSupport.h"
#include "ModalDialog.h"
#include "WPToolBar.h"

#include <QAction>
#include <QComboBox>
#include <QMimeData>
#include <QPushButton>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Each run of text in a cell with the style bits and size it carries.
QStringList Runs(const TWPRTFTextPaint &document)
{
    QStringList runs;
    for (QTextBlock block = document.Document().begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat()) {
                runs.append(u"[picture]"_s);
                continue;
            }
            const TWPCharAttr attr = CharAttrOf(document, format);
            runs.append(QStringLiteral("%1/%2/%3")
                            .arg(fragment.fragment().text())
                            .arg(attr.Style)
                            .arg(attr.Size));
        }
    }
    return runs;
}

QStringList CellRuns(const TCalendarPage &page, int day)
{
    TWPRtfStorage cell;
    page.GetCellText(page.CellOfDay(day), cell);
    return Runs(cell.RtfText());
}

void ClickDay(TCalendarMain &window, int day)
{
    ClickPage(
        *window.Parts().CalendarPanel,
        CellCentre(*window.Parts().CalendarPage, window.Parts().CalendarPage->CellOfDay(day)));
}

TEST(EndToEndTest, ACalendarMadeTypedSavedAndReopenedKeepsItsTextAndFormatting)
{
    TMainWindowRun run;
    // A fresh start: a new calendar of this month, not yet a document.
    TCalendarMain &first = run.Start();
    ASSERT_TRUE(first.Session().Untitled());

    // New: December 1999 in the properties dialog.
    SetModalAnswerer([](QDialog &dialog) {
        auto &properties = dynamic_cast<TCalendarProperties &>(dialog);
        properties.FormActivate();
        properties.ExamplePage().SetMainCalYear(1999);
        properties.ExamplePage().SetMainCalMonth(12);
        properties.findChild<QPushButton *>(u"okbutton"_s)->click();
        return properties.result();
    });
    first.New1Click();
    ASSERT_TRUE(first.Parts().CalendarPanel->PageShown());
    TMainWindowRun::Activate(first);
    first.Parts().CalendarPanel->repaint();

    // Plain, bold and italic text in three cells; an icon dragged into a fourth.
    ClickDay(first, 3);
    TypeText(u"Dentist"_s);
    ClickDay(first, 10);
    first.Parts().WPToolBar1->Button(TWPToolButton::Bold)->trigger();
    TypeText(u"Meeting "_s);
    first.Parts().WPToolBar1->Button(TWPToolButton::Bold)->trigger();
    TypeText(u"at ten"_s);
    ClickDay(first, 24);
    first.Parts().WPToolBar1->Button(TWPToolButton::Italic)->trigger();
    TypeText(u"Eve"_s);
    const std::unique_ptr<QMimeData> icon = IconMimeData(QImage(16, 16, QImage::Format_RGB32));
    const QPoint iconCell =
        CellCentre(*first.Parts().CalendarPage, first.Parts().CalendarPage->CellOfDay(25));
    QDragEnterEvent enter(iconCell, Qt::CopyAction, icon.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(first.Parts().CalendarPanel, &enter);
    QDropEvent drop(QPointF(iconCell), Qt::CopyAction, icon.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(first.Parts().CalendarPanel, &drop);
    ASSERT_TRUE(first.Button(u"Savebutton"_s)->isVisibleTo(first.Parts().Panel3));

    // Save: a document never saved goes through Save As with its proposal.
    QString proposed;
    SetFileNameAnswerer([&](QFileDialog &dialog) {
        proposed = QFileInfo(dialog.selectedFiles().value(0)).fileName();
        return run.Path(u"Dec1999.DWC"_s);
    });
    first.Button(u"Savebutton"_s)->click();
    EXPECT_EQ(proposed, u"Dec1999.DWC"_s);
    EXPECT_FALSE(first.Session().Modified());
    const QStringList expected[] = {
        {u"Dentist/0/10"_s},
        {u"Meeting /1/10"_s, u"at ten/0/10"_s},
        {u"Eve/2/10"_s},
        {u"[picture]"_s},
    };
    const int days[] = {3, 10, 24, 25};
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(CellRuns(*first.Parts().CalendarPage, days[i]), expected[i]) << days[i];
    EXPECT_TRUE(first.close());
    run.Window.reset();

    // Restart: the document is reopened with the same text and formats.
    TCalendarMain &second = run.Start();
    EXPECT_EQ(second.Session().FileName(), run.Path(u"Dec1999.DWC"_s));
    EXPECT_EQ(second.Parts().CalendarPage->MainCalMonth(), 12);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(CellRuns(*second.Parts().CalendarPage, days[i]), expected[i]) << days[i];
    EXPECT_TRUE(run.Messages.isEmpty()) << run.Messages.join(u'|').toStdString();
}

} // namespace
