#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QString>

#include <unordered_map>

class QPaintDevice;

// One font's texts on one device, each laid out once and from then on
// measured and drawn from its glyphs: a report prints the same numbers and
// names over and over, and shaping them every time would cost more than
// drawing them.
class TShapedTexts
{
public:
    TShapedTexts(const QFont &Font, const QPaintDevice *Device);

    const QFont &Font() const { return m_font; }
    const QFontMetrics &Metrics() const { return m_metrics; }

    // A text as one line of glyphs placed from its baseline's left end.
    struct TShaped
    {
        // In whole pixels, trailing spaces included, as QFontMetrics
        // measures it.
        int Width = 0;
        QList<QGlyphRun> Runs;
        // From the line's top to its baseline.
        double Ascent = 0;
    };
    // The reference stays valid as long as this object: later texts never
    // move earlier ones.
    const TShaped &Shape(const QString &Text);

private:
    QFont m_font;
    const QPaintDevice *m_device;
    QFontMetrics m_metrics;
    std::unordered_map<QString, TShaped> m_texts;
};
