#include "ShapedTexts.h"

#include <QTextLayout>
#include <QTextOption>

#include <utility>

namespace {

QFontMetrics DeviceMetrics(const QFont &font, const QPaintDevice *device)
{
    return device ? QFontMetrics(font, device) : QFontMetrics(font);
}

} // namespace

TShapedTexts::TShapedTexts(const QFont &Font, const QPaintDevice *Device)
    : m_font(Font), m_device(Device), m_metrics(DeviceMetrics(Font, Device))
{}

const TShapedTexts::TShaped &TShapedTexts::Shape(const QString &Text)
{
    if (const auto found = m_texts.find(Text); found != m_texts.end())
        return found->second;
    QTextLayout layout(Text, m_font, m_device);
    layout.setTextOption(QTextOption(Qt::AlignLeft));
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setNumColumns(int(Text.size()));
    layout.endLayout();
    TShaped shaped;
    shaped.Runs = layout.glyphRuns();
    if (layout.lineCount() > 0) {
        const QTextLine first = layout.lineAt(0);
        shaped.Width = qRound(first.horizontalAdvance());
        shaped.Ascent = first.ascent();
    }
    return m_texts.emplace(Text, std::move(shaped)).first->second;
}
