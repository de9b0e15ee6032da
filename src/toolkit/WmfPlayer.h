#pragma once

#include "WmfContent.h"

#include <QPainter>
#include <QRectF>

// Plays the records of content onto painter, the view's frame stretched over
// target, as vectors (bitmap records as images). The painter's state is the
// same afterwards; unknown records are skipped.
void PlayWmf(QPainter &painter, const TWmfContent &content, const TWmfView &view,
             const QRectF &target);
