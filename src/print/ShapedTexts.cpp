#include "ShapedTexts.h"

#include <QTextLayout>
#include <QTextOption>

namespace {

QFontMetrics DeviceMetrics(const QFont &font, const QPaintDevice *device)
{
    return device ? QFontMetrics(font, device) : QFontMetrics(font);
}

} // namespace

TShapedTexts::TShapedTexts(const QFont &Font, const QPaintDevice *Device)
    : m_font(Font), m_device(Device), m_metrics(DeviceMetrics(Font, Device))
{}

int TShapedTexts::Width(const QString &Text)
{
    auto found = m_widths.constFind(Text);
    if (found == m_widths.constEnd())
        found = m_widths.insert(Text, m_metrics.horizontalAdvance(Text));
    return *found;
}

const TShapedTexts::TLine &TShapedTexts::Line(const QString &Text)
{
    auto found = m_lines.constFind(Text);
    if (found != m_lines.constEnd())
        return *found;
    QTextLayout layout(Text, m_font, m_device);
    layout.setTextOption(QTextOption(Qt::AlignLeft));
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setNumColumns(int(Text.size()));
    layout.endLayout();
    TLine shaped;
    shaped.Runs = layout.glyphRuns();
    if (layout.lineCount() > 0)
        shaped.Ascent = layout.lineAt(0).ascent();
    return *m_lines.insert(Text, shaped);
}
