#pragma once

#include "WmfRecords.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRectF>

#include <unordered_map>
#include <vector>

// What a metafile's reader hands its player: the file's bytes, where each
// record lies, and the bitmaps of the bitmap records decoded once.
struct TWmfContent
{
    QByteArray Bytes;
    std::vector<TWmfRecord> Records;
    std::unordered_map<size_t, QImage> Bitmaps; // by record index
    int UnitsPerInch = 0;                       // 0 for a plain metafile
};

// How the records' device space meets the picture: Frame is the rectangle
// stretched over the target; Origin is where window and viewport start (the
// frame's corner, or zero when the frame is what the records draw).
struct TWmfView
{
    QRectF Frame;
    QPointF Origin;
};
