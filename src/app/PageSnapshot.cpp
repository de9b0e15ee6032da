#include "PageSnapshot.h"

#include "CalendarPage.h"
#include "DecodedPicture.h"
#include "LumLabelObjectFiler.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QBuffer>

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

void RestoreObjects(TCalendarPage &page, const QByteArray &records, const QStringList &names)
{
    page.DeleteAllObjects();
    const QList<TLumGraphicControl *> read = TLumLabelObjectFiler(page).ReadObjectsFrom(records);
    for (qsizetype i = 0; i < read.size() && i < names.size(); ++i)
        read[i]->SetName(names[i]);
    page.HookAllObjects();
}

} // namespace

qsizetype TPageSnapshot::Bytes() const
{
    qsizetype bytes = Style.size() + Objects.size();
    for (const QByteArray &cell : Cells)
        bytes += cell.size();
    return bytes;
}

qsizetype TPageParts::Bytes() const
{
    qsizetype bytes = (Style ? Style->size() : 0) + (Objects ? Objects->size() : 0);
    for (const auto &[index, cell] : Cells)
        bytes += cell.size();
    return bytes;
}

TPageSnapshot CapturePage(const TCalendarPage &page)
{
    TPageSnapshot snapshot;
    snapshot.Style = StyleOf(page);
    for (int index = 1; index <= CellCount; ++index)
        snapshot.Cells[index - 1] = CellBytes(page, index);
    // The records as the object clipboard holds them, at zoom 1.
    TStreamWriter objects;
    objects.WriteListBegin();
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        WritePlacedObject(objects, *object);
        snapshot.ObjectNames.append(object->Name());
    }
    objects.WriteListEnd();
    snapshot.Objects = objects.Data();
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
    if (before.Objects != after.Objects || before.ObjectNames != after.ObjectNames) {
        parts.Objects = from.Objects;
        parts.ObjectNames = from.ObjectNames;
    }
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
    if (parts.Objects) {
        RestoreObjects(page, *parts.Objects, parts.ObjectNames);
        snapshot.Objects = *parts.Objects;
        snapshot.ObjectNames = parts.ObjectNames;
    }
    page.SetLoading(loading);
}
