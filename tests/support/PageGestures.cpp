#include "PageGestures.h"

#include "CalendarPage.h"
#include "LabelPrompts.h"
#include "PaxRichBaseLabel.h"
#include "RtfDocument.h"

#include <QTextCursor>

#include <optional>

void DragOnPage(TCalendarPage &page, QPoint from, QPoint to)
{
    page.MouseDown(Qt::LeftButton, Qt::NoModifier, from.x(), from.y());
    page.MouseMove(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
    page.MouseUp(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
}

void PlaceBothLabels(TCalendarPage &page, const QString &richText)
{
    TLabelPrompts prompts;
    prompts.EditText = [](const QString &) { return std::optional<QString>("Picnic"); };
    prompts.EditRichText = [richText](const TPaxRichBaseLabel &) {
        TWPRTFTextPaint text;
        QTextCursor(&text.Document()).insertText(richText);
        return std::optional<TWPRTFTextPaint>(text);
    };
    SetLabelPrompts(prompts);
    page.SetPanelState(psLabel);
    DragOnPage(page, {100, 100}, {260, 140});
    page.SetPanelState(psRichLabel);
    DragOnPage(page, {100, 200}, {300, 260});
}
