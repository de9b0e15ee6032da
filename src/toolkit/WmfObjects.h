#pragma once

#include "WmfRecords.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>

#include <optional>
#include <set>
#include <variant>
#include <vector>

// A metafile font: the face and style as a QFont, the height in logical units
// (negative: the character height, positive: the cell height, 0: default),
// and the angle of the baseline in tenths of a degree.
struct TWmfFont
{
    QFont Font;
    int Height = 0;
    int Escapement = 0;
};

// A palette or region: it takes a slot of the object table but draws nothing.
struct TWmfPlaceholder
{};

using TWmfObject = std::variant<TWmfPlaceholder, QPen, QBrush, TWmfFont>;

// The colour of a COLORREF: red in the low byte.
QColor WmfColor(quint32 colorRef);

// The objects of the create records, from their parameters.
QPen WmfPen(const TWmfParams &params);
QBrush WmfBrush(const TWmfParams &params);
TWmfFont WmfFont(const TWmfParams &params);
// A pattern brush: the pattern image, or a grey dither when there is none.
QBrush WmfPatternBrush(const QImage &pattern);

// The object table: a create record puts its object in the lowest free slot,
// a delete record frees the slot. Slots grow one per create record up to a
// fixed limit, so a file cannot make the table larger than its own records.
class TWmfObjectTable
{
public:
    static constexpr size_t maxSlots = 65535;

    void Add(TWmfObject object);
    void Remove(quint16 index);
    // The object in slot index; null for a free or unknown slot.
    const TWmfObject *At(quint16 index) const;

private:
    std::vector<std::optional<TWmfObject>> m_slots;
    std::set<size_t> m_free; // free slots below the end, lowest first
};
