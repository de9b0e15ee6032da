#pragma once

#include <QImage>
#include <QSize>

#include <functional>

class QPainter;

// A placed object's painted look kept between paints of the screen and of
// pictures: it is painted again only when the object's revision, its size
// or the device's pixel ratio changed. Anything drawn scaled or recorded (a
// metafile, paper) is painted directly, so it stays sharp.
class TObjectPicture
{
public:
    using TPaint = std::function<void(QPainter &target)>;

    // Draws the object of size pixels shown at zoom at the painter's origin.
    void Paint(QPainter &target, QSize size, double zoom, quint64 revision, const TPaint &paint);

private:
    QImage m_image;
    quint64 m_revision = 0;
    double m_zoom = 0;
};
