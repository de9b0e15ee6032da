#pragma once

#include "WmfContent.h"

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <optional>

// A parsed Windows metafile: placeable (with its 22-byte header giving the
// bounding box and units per inch) or plain (starting with the 18-byte
// metafile header). The records are checked once when read and played as
// vectors onto any painter.
class TWmfPicture
{
public:
    // Parses a metafile; on failure returns nullopt and sets error to one clear sentence.
    static std::optional<TWmfPicture> Read(const QByteArray &bytes, QString &error);

    // The picture's own frame in logical units: the placeable bounding box, else the
    // window origin/extent the records set (else the extent of what they draw).
    QRectF Frame() const { return m_view.Frame; }

    // Logical units per inch of a placeable metafile; 0 for a plain one.
    int UnitsPerInch() const { return m_content.UnitsPerInch; }

    // Plays the records onto painter, the frame stretched over target.
    void Play(QPainter &painter, const QRectF &target) const;

private:
    TWmfPicture() = default;

    TWmfContent m_content;
    TWmfView m_view;
};
