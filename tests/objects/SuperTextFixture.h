#pragma once

#include "CanvasReport.h"
#include "LabelFixture.h"
#include "LumSuperText.h"
#include "SuperTextPrompts.h"

#include <QColor>

#include <cmath>

// Label tests with special-effect text: its dialog's answers are the test's,
// taken away again afterwards.
class SuperTextTest : public LabelTest
{
protected:
    ~SuperTextTest() override { SetSuperTextPrompts({}); }

    // A finished object of the given caption at 48-point bold Arial, placed.
    TLumSuperText &PlaceText(int width, int height, const QString &caption = QStringLiteral("Text"))
    {
        auto text = std::make_unique<TLumSuperText>();
        text->SetCaption(caption);
        text->FinishLoad();
        text->SetObjectBounds(10, 10, width, height);
        return static_cast<TLumSuperText &>(Panel.Objects().Insert(std::move(text)));
    }
};

// Colours told apart by their strongest channels, so that smoothed glyph
// edges do not matter.
inline bool IsBlueish(QRgb c)
{
    return qBlue(c) > 190 && qRed(c) < 70 && qGreen(c) < 70;
}
inline bool IsYellowish(QRgb c)
{
    return qRed(c) > 190 && qGreen(c) > 190 && qBlue(c) < 70;
}
inline bool IsDark(QRgb c)
{
    return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}
inline bool IsReddish(QRgb c)
{
    return qRed(c) > 190 && qGreen(c) < 70 && qBlue(c) < 70;
}

// Whether some pixel of image inside r passes test.
template <class Test> bool AnyPixel(const QImage &image, const QRect &r, Test test)
{
    const QRect inside = r & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (test(image.pixel(x, y)))
                return true;
    return false;
}

// The columns of image, from left to right, that hold a pixel that is not
// white.
inline QPair<int, int> InkColumns(const QImage &image, const QRect &r)
{
    int first = -1;
    int last = -1;
    const QRect inside = r & image.rect();
    for (int x = inside.left(); x <= inside.right(); ++x)
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

// The object printed at 96 dots per inch on a white sheet at the sheet's
// top-left corner, so that sheet pixels are the object's own.
inline QImage PrintedSheet(const TLumGraphicControl &object, int dpi = 96)
{
    const double scale = dpi / 96.0;
    QImage sheet(int(900 * scale), int(500 * scale), QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lrint(dpi / 0.0254));
    sheet.setDotsPerMeterX(dotsPerMeter);
    sheet.setDotsPerMeterY(dotsPerMeter);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    TCanvasReport report;
    report.BeginCanvas(painter);
    object.PrintObject(report, -object.Left() / 96.0, -object.Top() / 96.0, object.Scale());
    report.EndCanvas();
    return sheet;
}
