#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

// The first page of a PDF rendered back at dpi through pdftoppm, or a null
// image when the tool is missing or fails. The picture is written into folder.
QImage RasterisedFirstPage(const QString &pdf, const QString &folder, int dpi = 96);

// How many pages a PDF file's bytes hold.
int PdfPageCount(const QByteArray &pdf);

// The pixels of rect darker than half grey.
int InkIn(const QImage &image, const QRect &rect);

// The smallest rectangle holding every pixel of area darker than half grey;
// a null rectangle when there is none.
QRect InkBounds(const QImage &image, const QRect &area);

// The value of a field of pdfinfo's report ("Title", "Creator"): null when the
// tool is missing or fails, empty when the report has no such field.
QString PdfInfoField(const QString &pdf, const QString &field);

// The text of a PDF as pdftotext reads it, or null when the tool is missing
// or fails.
QString PdfText(const QString &pdf);
