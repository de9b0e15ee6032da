#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

class QPaintDevice;

// One font's texts on one device, each laid out once and then measured and
// drawn from its glyphs: a report prints the same numbers and names over and
// over, and shaping them again every time would cost more than drawing them.
class TShapedTexts
{
public:
    TShapedTexts(const QFont &Font, const QPaintDevice *Device);

    const QFont &Font() const { return m_font; }
    const QFontMetrics &Metrics() const { return m_metrics; }
    // What QFontMetrics::horizontalAdvance gives, remembered.
    int Width(const QString &Text);

    // Text as one line of glyphs placed from its baseline's left end.
    struct TLine
    {
        QList<QGlyphRun> Runs;
        double Ascent = 0;
    };
    const TLine &Line(const QString &Text);

private:
    QFont m_font;
    const QPaintDevice *m_device;
    QFontMetrics m_metrics;
    QHash<QString, int> m_widths;
    QHash<QString, TLine> m_lines;
};
