#include "RtfDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int cellCount = 42;

QTextCharFormat CellFormat(TWPRTFTextPaint &document, const QString &face, double points, int color)
{
    QTextCharFormat format;
    const int font = document.FontIndex(face);
    format.setProperty(FontIndexProperty, font);
    format.setFontFamilies(QStringList{document.Fonts()[font].Name});
    format.setFontPointSize(points);
    format.setProperty(ColorByteProperty, color);
    format.setForeground(ToQColor(document.Palette()[size_t(color & 0x0F)]));
    return format;
}

// One day cell: three short paragraphs in mixed fonts, sizes, colours and
// styles, as a filled calendar has them.
TWPRTFTextPaint Cell(int day)
{
    TWPRTFTextPaint document;
    QTextCursor cursor(&document.Document());
    QTextCharFormat bold = CellFormat(document, "Arial", 10, day % 15);
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Day %1 ").arg(day), bold);
    cursor.insertText(QString::fromUtf8("M\xC3\xBCller's birthday"),
                      CellFormat(document, "Times New Roman", 8, 0));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextCharFormat italic = CellFormat(document, "Courier New", 9, 3);
    italic.setFontItalic(true);
    cursor.insertText(QStringLiteral("09:30\tDentist {room %1}").arg(day % 7), italic);
    cursor.insertBlock(QTextBlockFormat());
    QTextCharFormat underline = CellFormat(document, "Arial", 12, 1);
    underline.setFontUnderline(true);
    cursor.insertText(QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"
                                        "5"),
                      underline);
    return document;
}

std::vector<TWPRTFTextPaint> Cells()
{
    std::vector<TWPRTFTextPaint> cells;
    cells.reserve(cellCount);
    for (int day = 1; day <= cellCount; ++day)
        cells.push_back(Cell(day));
    return cells;
}

} // namespace

// Writing the 42 cells of a page in the persisted form.
static void BM_WriteCells(benchmark::State &state)
{
    const std::vector<TWPRTFTextPaint> cells = Cells();
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const TWPRTFTextPaint &cell : cells) {
            const QByteArray data = cell.SaveData();
            bytes += data.size();
            benchmark::DoNotOptimize(data.constData());
        }
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_WriteCells)->Unit(benchmark::kMicrosecond);

// Reading them back, as opening a document does.
static void BM_ReadCells(benchmark::State &state)
{
    std::vector<QByteArray> data;
    for (const TWPRTFTextPaint &cell : Cells())
        data.push_back(cell.SaveData());
    std::vector<TWPRTFTextPaint> cells(cellCount);
    qint64 bytes = 0;
    for (auto _ : state) {
        for (int i = 0; i < cellCount; ++i) {
            cells[size_t(i)].LoadData(data[size_t(i)]);
            bytes += data[size_t(i)].size();
        }
        benchmark::DoNotOptimize(cells.data());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReadCells)->Unit(benchmark::kMicrosecond);
