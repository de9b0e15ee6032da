#include "PageSnapshot.h"

#include "CalendarPage.h"
#include "ComponentStream.h"
#include "DecodedPicture.h"
#include "LumLabelObjectFiler.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QBuffer>

#include <set>

namespace {

QByteArray StyleOf(const TCalendarPage &page)
{
    QBuffer sheet;
    sheet.open(QIODevice::WriteOnly);
    page.SaveStyleSheetToDevice(sheet);
    TStreamWriter out;
    out.WriteBinary(sheet.data());
    out.WriteInteger(page.MainCalYear());
    out.WriteInteger(page.MainCalMonth());
    out.WriteInteger(page.MainCalDay());
    out.WriteInteger(page.StartOfWeek());
    out.WriteInteger(page.PlannerStartTime().hour());
    out.WriteInteger(page.PlannerStartTime().minute());
    out.WriteString(page.UserTitle());
    out.WriteBinary(page.StoredSet());
    return out.Data();
}

void RestoreStyle(TCalendarPage &page, const QByteArray &style)
{
    TStreamReader in(style);
    QByteArray sheet = in.ReadBinary().value_or(QByteArray());
    QBuffer device(&sheet);
    device.open(QIODevice::ReadOnly);
    page.LoadStyleSheetFromDevice(device);
    const int year = in.ReadInteger().value_or(page.MainCalYear());
    const int month = in.ReadInteger().value_or(page.MainCalMonth());
    const int day = in.ReadInteger().value_or(page.MainCalDay());
    const int week = in.ReadInteger().value_or(page.StartOfWeek());
    const int hour = in.ReadInteger().value_or(8);
    const int minute = in.ReadInteger().value_or(0);
    // The day last, so that it is not clamped to a month of the old date.
    page.SetMainCalYear(year);
    page.SetMainCalMonth(month);
    page.SetMainCalDay(day);
    page.SetStartOfWeek(week);
    page.SetPlannerStartTime(QTime(hour, minute));
    page.SetUserTitle(in.ReadString().value_or(QString()));
    page.SetStoredSet(in.ReadBinary().value_or(QByteArray()));
}

QByteArray CellBytes(const TCalendarPage &page, int index)
{
    const TWPRTFTextPaint *document = page.CellDocument(index);
    return document->IsEmpty() ? QByteArray() : document->SaveData();
}

void RestoreCell(TCalendarPage &page, int index, const QByteArray &bytes, TPictureBudget &budget)
{
    TWPRtfStorage cell;
    if (!bytes.isEmpty())
        cell.RtfText().LoadData(bytes, nullptr, &budget);
    page.SetCellText(index, cell);
}

// The object's record at zoom 1, whatever the zoom it is shown at.
TObjectState StateOf(const TLumGraphicControl &object)
{
    TStreamWriter out;
    WritePlacedObject(out, object);
    return {out.Data(), object.Name()};
}

// A new object from its state, named; null when the record cannot be read.
std::unique_ptr<TLumGraphicControl> ObjectFrom(const TCalendarPage &page, const TObjectState &state)
{
    TStreamReader in(state.Record);
    std::unique_ptr<TComponent> component = ReadComponent(in, page.ObjectClasses());
    auto *object = dynamic_cast<TLumGraphicControl *>(component.get());
    if (!object)
        return nullptr;
    component.release();
    std::unique_ptr<TLumGraphicControl> owned(object);
    owned->SetName(state.Name);
    return owned;
}

// The object with identity id takes on state in its place, comes back under
// the identity with it, or goes when there is no state; snapshot follows.
void PutObject(TCalendarPage &page, quint64 id, const std::optional<TObjectState> &state,
               TPageSnapshot &snapshot)
{
    TLumGraphicControl *present = page.Objects().WithId(id);
    std::unique_ptr<TLumGraphicControl> fresh = state ? ObjectFrom(page, *state) : nullptr;
    if (!fresh) {
        if (present)
            page.FreeObject(*present);
        snapshot.Objects.erase(id);
        return;
    }
    if (present)
        page.ReplaceObject(*present, std::move(fresh));
    else
        page.Objects().Insert(std::move(fresh), id);
    snapshot.Objects[id] = *state;
}

// Only the objects named change; then the objects are stacked as snapshot
// says, and the handle is fitted around a selection they were in.
void RestoreObjects(TCalendarPage &page, const TPageParts &parts, TPageSnapshot &snapshot)
{
    bool selectionTouched = false;
    for (const auto &[id, state] : parts.Objects) {
        selectionTouched = selectionTouched || page.Objects().IsSelected(page.Objects().WithId(id));
        PutObject(page, id, state, snapshot);
    }
    if (parts.Order)
        snapshot.Order = *parts.Order;
    page.Objects().Reorder(snapshot.Order);
    if (selectionTouched)
        page.Handle().Refit();
}

std::optional<TObjectState> StateIn(const TPageSnapshot &snapshot, quint64 id)
{
    const auto found = snapshot.Objects.find(id);
    return found == snapshot.Objects.end() ? std::nullopt : std::optional(found->second);
}

// The mark that begins or ends a list of records.
QByteArray ListMark(void (TStreamWriter::*mark)())
{
    TStreamWriter out;
    (out.*mark)();
    return out.Data();
}

qsizetype StateBytes(const TObjectState &state)
{
    return state.Record.size() + state.Name.size() * qsizetype(sizeof(QChar));
}

qsizetype OrderBytes(const QList<quint64> &order)
{
    return order.size() * qsizetype(sizeof(quint64));
}

} // namespace

qsizetype TPageSnapshot::Bytes() const
{
    qsizetype bytes = Style.size() + OrderBytes(Order);
    for (const QByteArray &cell : Cells)
        bytes += cell.size();
    for (const auto &[id, state] : Objects)
        bytes += StateBytes(state);
    return bytes;
}

qsizetype TPageParts::Bytes() const
{
    qsizetype bytes = (Style ? Style->size() : 0) + (Order ? OrderBytes(*Order) : 0);
    for (const auto &[index, cell] : Cells)
        bytes += cell.size();
    for (const auto &[id, state] : Objects)
        bytes += state ? StateBytes(*state) : 0;
    return bytes;
}

TPageSnapshot CapturePage(const TCalendarPage &page)
{
    TPageSnapshot snapshot;
    snapshot.Style = StyleOf(page);
    for (int index = 1; index <= CellCount; ++index)
        snapshot.Cells[index - 1] = CellBytes(page, index);
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        const quint64 id = page.Objects().IdOf(object);
        snapshot.Objects.emplace(id, StateOf(*object));
        snapshot.Order.append(id);
    }
    return snapshot;
}

TPageParts ChangedParts(const TPageSnapshot &before, const TPageSnapshot &after,
                        const TPageSnapshot &from)
{
    TPageParts parts;
    if (before.Style != after.Style)
        parts.Style = from.Style;
    for (int index = 1; index <= CellCount; ++index) {
        if (before.Cells[index - 1] != after.Cells[index - 1])
            parts.Cells.emplace(index, from.Cells[index - 1]);
    }
    std::set<quint64> ids;
    for (const auto &[id, state] : before.Objects)
        ids.insert(id);
    for (const auto &[id, state] : after.Objects)
        ids.insert(id);
    for (const quint64 id : ids) {
        if (StateIn(before, id) != StateIn(after, id))
            parts.Objects.emplace(id, StateIn(from, id));
    }
    if (before.Order != after.Order)
        parts.Order = from.Order;
    return parts;
}

void RestoreParts(TCalendarPage &page, const TPageParts &parts, TPageSnapshot &snapshot)
{
    const bool loading = page.Loading();
    page.SetLoading(true);
    if (parts.Style) {
        RestoreStyle(page, *parts.Style);
        snapshot.Style = *parts.Style;
    }
    // The cells' pictures share one budget, as a document's do.
    TPictureBudget budget;
    for (const auto &[index, cell] : parts.Cells) {
        RestoreCell(page, index, cell, budget);
        snapshot.Cells[index - 1] = cell;
    }
    if (!parts.Objects.empty() || parts.Order)
        RestoreObjects(page, parts, snapshot);
    page.SetLoading(loading);
}

TPageParts AllParts(const TPageSnapshot &snapshot)
{
    TPageParts parts;
    parts.Style = snapshot.Style;
    for (int index = 1; index <= CellCount; ++index)
        parts.Cells.emplace(index, snapshot.Cells[index - 1]);
    for (const auto &[id, state] : snapshot.Objects)
        parts.Objects.emplace(id, state);
    parts.Order = snapshot.Order;
    return parts;
}

QByteArray ObjectRecords(const TPageSnapshot &snapshot)
{
    QByteArray records = ListMark(&TStreamWriter::WriteListBegin);
    for (const quint64 id : snapshot.Order)
        records += snapshot.Objects.at(id).Record;
    return records + ListMark(&TStreamWriter::WriteListEnd);
}

QStringList ObjectNames(const TPageSnapshot &snapshot)
{
    QStringList names;
    for (const quint64 id : snapshot.Order)
        names.append(snapshot.Objects.at(id).Name);
    return names;
}

bool SetObjectRecords(TPageSnapshot &snapshot, const QByteArray &records, const QStringList &names)
{
    TStreamReader in(records);
    if (!in.ReadListBegin())
        return false;
    std::map<quint64, TObjectState> objects;
    QList<quint64> order;
    while (!in.AtListEnd()) {
        const qint64 start = in.Position();
        const bool read = ReadComponentHeader(in) &&
                          ReadComponentBody(in, [&in](QStringView) { return in.SkipValue(); });
        if (!read || order.size() >= names.size())
            return false;
        const quint64 id = quint64(order.size()) + 1;
        objects.emplace(
            id, TObjectState{records.mid(start, in.Position() - start), names[order.size()]});
        order.append(id);
    }
    if (!in.ReadListEnd() || in.BytesLeft() != 0 || order.size() != names.size())
        return false;
    snapshot.Objects = std::move(objects);
    snapshot.Order = std::move(order);
    return true;
}
