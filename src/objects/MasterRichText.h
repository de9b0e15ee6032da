#pragma once

#include "RichTextPainter.h"

#include <QRect>
#include <QString>

#include <memory>

class QPainter;
class TWPRTFTextPaint;

// The shared rich-text renderer rich-text labels draw their text through,
// found by its name on the form the labels are on. It lays a label's text
// out at the label's page width and paints the lines that fit onto a canvas
// at a zoom; the lines break by the page width alone, so they break alike on
// the screen at every zoom and on paper.
class TMasterRichText
{
public:
    static QString DefaultName() { return QStringLiteral("MASTERWPRICHTEXT"); }

    explicit TMasterRichText(QString Name = DefaultName()) : m_name(std::move(Name)) {}

    const QString &Name() const { return m_name; }

    // Paints document laid out at layoutWidth pixels (at 100 %) into rect,
    // scaled by zoomPercent; returns the number of lines painted. A layout
    // may be passed in to be kept and reused while it still fits.
    int RenderPage(QPainter &canvas, const TWPRTFTextPaint &document, const QRect &rect,
                   double layoutWidth, int zoomPercent, TWPPaintTarget target,
                   std::shared_ptr<const TWPRichTextLayout> *kept = nullptr) const;

private:
    QString m_name;
};

// The program's master renderer, "MASTERWPRICHTEXT", which every page's
// rich-text labels share: it keeps nothing of what it painted, so one
// serves them all.
TMasterRichText &SharedMasterRichText();

// A form that holds master renderers of its own offers them to the labels
// placed on it through this; the design panel that is the form implements
// it. Labels on any other panel use the shared one.
class TMasterRichTextHost
{
public:
    virtual ~TMasterRichTextHost() = default;

    // The renderer named name (letter case ignored), or null.
    virtual TMasterRichText *FindMasterRichText(const QString &name) = 0;
};
