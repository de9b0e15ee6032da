#include "PageGestures.h"

#include "CalendarPage.h"
#include "LabelPrompts.h"
#include "PaxRichBaseLabel.h"
#include "RtfDocument.h"
#include "TestObject.h"

#include <QTextCursor>

#include <optional>

void DragOnPage(TCalendarPage &page, QPoint from, QPoint to)
{
    page.MouseDown(Qt::LeftButton, Qt::NoModifier, from.x(), from.y());
    page.MouseMove(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
    page.MouseUp(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
}

void DragWithTool(TCalendarPage &page, TLPanelState tool, QPoint from, QPoint to)
{
    TDesignView *shown = page.View();
    TRecordingView view;
    view.ToolOn = tool;
    page.SetView(&view);
    DragOnPage(page, from, to);
    page.SetView(shown);
}

void PlaceBothLabels(TCalendarPage &page, const QString &richText, const TChooseTool &chooseTool)
{
    TLabelPrompts prompts;
    prompts.EditText = [](const QString &) { return std::optional<QString>("Picnic"); };
    prompts.EditRichText = [richText](const TPaxRichBaseLabel &) {
        TWPRTFTextPaint text;
        QTextCursor(&text.Document()).insertText(richText);
        return std::optional<TWPRTFTextPaint>(text);
    };
    SetLabelPrompts(prompts);
    const auto drag = [&](TLPanelState tool, QPoint from, QPoint to) {
        if (!chooseTool)
            return DragWithTool(page, tool, from, to);
        chooseTool(tool);
        DragOnPage(page, from, to);
    };
    drag(psLabel, {100, 100}, {260, 140});
    drag(psRichLabel, {100, 200}, {300, 260});
}
