#include "TemplateStyle.h"

#include "BorderCanvas.h"
#include "CalendarPage.h"
#include "IconFile.h"
#include "IconLibraryWriter.h"
#include "LumImage.h"
#include "LumSuperText.h"
#include "Ppi.h"
#include "ProgramFolder.h"
#include "TemplateDesigns.h"

#include <QDate>
#include <QFontMetricsF>

#include <cmath>

namespace {

int Pixels(double inches)
{
    return int(std::lrint(inches * 96));
}

void PlaceInInches(TLumGraphicControl &object, const QRectF &inches)
{
    object.SetObjectBounds(Pixels(inches.left()), Pixels(inches.top()), Pixels(inches.width()),
                           Pixels(inches.height()));
}

QPainterPath Ridge(double width, double base, const std::vector<QPointF> &peaks)
{
    QPainterPath path;
    path.moveTo(0, base);
    for (const QPointF &peak : peaks)
        path.lineTo(peak);
    path.lineTo(width, base);
    path.closeSubpath();
    return path;
}

void AppendLittleEndian(QByteArray &bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * i) & 0xFF);
}

} // namespace

TColor Rgb(int red, int green, int blue)
{
    return TColor(red) | TColor(green) << 8 | TColor(blue) << 16;
}

TFontDesc Font(const char *face, int size, TFontStyles style, TColor color)
{
    return {QString::fromLatin1(face), size, style, color};
}

void StartPage(TCalendarPage &page, int paper, TCalendarLayout layout, int weekStart,
               const TPalette &palette, const char *titleFace)
{
    page.ResetStyle(QDate(TemplateYear, 1, 1));
    page.SetPaperSize(paper);
    page.SetCalendarLayout(layout);
    page.Relayout(true);
    page.SetStartOfWeek(weekStart);
    page.SetTitleBGColor(clWhite);
    page.SetTitleFont(Font(titleFace, 30, TFontStyle::fsBold, palette.Ink));
    page.SetHeadersFont(Font(SansFace, 10, TFontStyle::fsBold, clWhite));
    page.SetHeadersBGColor(palette.Accent);
    page.SetHeadersStyle(dsWhole);
    page.SetCellFont(Font(SansFace, 12, TFontStyle::fsBold, palette.Ink));
    // The line layouts set the borders: lines between the cells only.
    page.SetCalendarLineLayout(llCellsOnly);
    page.SetMiniCalendarLineLayout(mllMinimal);
    page.SetNumberPosition(cnpUpperRight);
    page.SetMiniHeadersBGColor(palette.Accent);
    page.SetMiniCalBGColor(clWhite);
}

void SetMargins(TCalendarPage &page, float left, float top, float right, float bottom)
{
    page.SetLeftMarginInch(left);
    page.SetTopMarginInch(top);
    page.SetRightMarginInch(right);
    page.SetBottomMarginInch(bottom);
}

TLumImage &AddPicture(TCalendarPage &page, const QRectF &inches, const TLumPicture &picture)
{
    auto image = std::make_unique<TLumImage>();
    image->SetPicture(picture);
    image->SetStretch(true);
    PlaceInInches(*image, inches);
    return static_cast<TLumImage &>(page.Objects().Insert(std::move(image)));
}

TLumImage &AddPhotoFrame(TCalendarPage &page, const QRectF &inches)
{
    TLumImage &frame = AddPicture(page, inches, PlaceholderPicture());
    frame.SetFit(ifFill);
    frame.SetPicturePerPage(true);
    return frame;
}

TLumPicture PlaceholderPicture()
{
    // A landscape of flat shapes: sky, sun, three ranges of hills, a lake.
    const double w = 6, h = 4;
    TBorderCanvas canvas({w, h});
    QPainterPath sky;
    sky.addRect(0, 0, w, h);
    canvas.Fill(sky, QColor(0xdc, 0xe9, 0xf2));
    QPainterPath sun;
    sun.addEllipse(QPointF(3.3, 0.95), 0.42, 0.42);
    canvas.Fill(sun, QColor(0xf6, 0xd8, 0x8f));
    canvas.Fill(Ridge(w, h, {{0, 2.3}, {1.2, 1.3}, {2.2, 2.0}, {3.3, 1.0}, {4.6, 2.1}, {6, 1.6}}),
                QColor(0xa9, 0xbf, 0xd0));
    canvas.Fill(Ridge(w, h, {{0, 2.6}, {0.9, 2.1}, {2.4, 2.8}, {3.8, 1.9}, {5.2, 2.6}, {6, 2.3}}),
                QColor(0x7d, 0x9c, 0x8a));
    canvas.Fill(Ridge(w, h, {{0, 3.0}, {1.6, 2.7}, {3.0, 3.2}, {4.5, 2.8}, {6, 3.1}}),
                QColor(0x4f, 0x73, 0x62));
    QPainterPath lake;
    lake.addRect(0, 3.35, w, h - 3.35);
    canvas.Fill(lake, QColor(0x9d, 0xbc, 0xcf));
    QString error;
    return TLumPicture::FromMetafileFile(canvas.Placeable(), error).value_or(TLumPicture());
}

TLumPicture LibraryIcon(const QString &file, int index)
{
    const QImage image =
        TIconFile::Load(FindFileNoCase(ProgramFolder(), file)).Extract(index, {32, 32});
    if (image.isNull())
        return {};
    // A one-image icon file: its directory, then the image.
    const QByteArray data = IconImageData(image);
    QByteArray bytes;
    for (const quint16 word : {0, 1, 1})
        AppendLittleEndian(bytes, word, 2);
    bytes += IconEntryHead(image);
    AppendLittleEndian(bytes, quint32(data.size()), 4);
    AppendLittleEndian(bytes, 6 + 16, 4);
    bytes += data;
    QString error;
    return TLumPicture::FromIconFile(bytes, error).value_or(TLumPicture());
}

void AddYearTitle(TCalendarPage &page, const QRectF &inches, const TPalette &palette,
                  const char *face, int size)
{
    auto title = std::make_unique<TLumSuperText>();
    title->SetCaption(QString::number(TemplateYear));
    title->SetFont(Font(face, size, TFontStyle::fsBold, palette.Ink));
    title->SetSurfaceType(stGradientFill);
    title->SetFillDirection(gdDown);
    title->SetGradientFromColor(palette.Accent);
    title->SetGradientToColor(palette.Ink);
    title->SetOutlineStyle(psClear);
    title->SetControlTransparent(true);
    // As wide as the text and centred in rect.
    const double width =
        QFontMetricsF(title->Font().ToQFont()).horizontalAdvance(title->Caption()) / 96 + 0.2;
    PlaceInInches(*title,
                  QRectF(inches.center().x() - width / 2, inches.top(), width, inches.height()));
    page.Objects().Insert(std::move(title));
}
