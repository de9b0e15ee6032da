#pragma once

#include "SetChoice.h"

#include <QByteArray>

#include <memory>
#include <optional>

class TCalendarPage;

// The set of pages a document keeps with it: the choices of the set dialog
// and the design of its cover, so that the document reopened makes the same
// pages.
struct TStoredSet
{
    TSetChoice Choice;
    // The cover's design, a document of its own; empty for none. It is kept
    // while the cover is switched off (Choice.Cover), so that switching it on
    // again finds it.
    QByteArray CoverDesign;

    bool HasCover() const { return Choice.Cover && !CoverDesign.isEmpty(); }
};

// The stored set in its stream form, and back; nullopt for bytes that are
// not one.
QByteArray WriteStoredSet(const TStoredSet &set);
std::optional<TStoredSet> ReadStoredSet(const QByteArray &bytes);

// The set document keeps; nullopt when it keeps none (or one that cannot be
// read, which the document then writes back as it was).
std::optional<TStoredSet> StoredSetOf(const TCalendarPage &document);
// Keeps set with document; nullopt removes it.
void StoreSet(TCalendarPage &document, const std::optional<TStoredSet> &set);

// The set a document keeps when none was chosen yet: a year of its periods
// from its own, the days not filled.
TStoredSet DefaultStoredSet(const TCalendarPage &document);

// Makes cover the first page of document's set, in one call: the set kept so
// far (or the default set) with the cover switched on, one page more when
// the cover is new to it, so that a year of months follows it.
void SetCover(TCalendarPage &document, const TCalendarPage &cover);

// A page of the cover's design, drawn without a calendar (its border picture
// and placed objects only); null when set has no cover or its design cannot
// be read.
std::unique_ptr<TCalendarPage> CoverPage(const QByteArray &design);
// The design of page as a cover keeps it.
QByteArray CoverDesignOf(const TCalendarPage &page);
// The cover offered to a document without one: its style and paper, a
// large picture taking the pages' pictures above the year as a title, in
// the document's title font.
QByteArray NewCoverDesign(const TCalendarPage &document);
