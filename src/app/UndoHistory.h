#pragma once

#include "PageSnapshot.h"

#include <QString>
#include <QUndoStack>

class TCalendarPage;

// The undo and redo steps of the one open document. It keeps the page as it
// last saw it; Record compares the page with that and pushes one step
// holding the before and after of only the parts that differ, so any change
// of the page, however it was made, becomes a step. The steps together never
// hold more than the byte limit: the oldest are dropped first (the newest
// step always stays). The clean point of the stack is the saved document.
class TUndoHistory
{
public:
    static constexpr qsizetype DefaultByteLimit = qsizetype(64) * 1024 * 1024;

    explicit TUndoHistory(qsizetype byteLimit = DefaultByteLimit);
    TUndoHistory(const TUndoHistory &) = delete;
    TUndoHistory &operator=(const TUndoHistory &) = delete;

    // Starts over from the page as it stands, without steps; saved tells
    // whether this state is the one on disk (a new document is not).
    void Reset(const TCalendarPage &page, bool saved);
    // A step when the page differs from the state last seen, named name or,
    // when that is empty, after what changed. True when a step was pushed.
    bool Record(const TCalendarPage &page, const QString &name = {});
    // The state now is the one on disk.
    void MarkSaved();
    // Whether the state now is the one on disk.
    bool IsSaved() const { return m_stack.isClean(); }

    bool CanUndo() const { return m_stack.canUndo(); }
    bool CanRedo() const { return m_stack.canRedo(); }
    QString UndoText() const { return m_stack.undoText(); }
    QString RedoText() const { return m_stack.redoText(); }
    // Puts the page back one step, or forward one; false when there is none.
    bool Undo(TCalendarPage &page);
    bool Redo(TCalendarPage &page);

    int Count() const { return m_stack.count(); }
    // What the steps hold, in bytes.
    qsizetype Bytes() const;
    // The page as the history last saw it.
    const TPageSnapshot &Current() const { return m_current; }

private:
    class TPageStep;

    void Push(const QString &name, TPageParts before, TPageParts after);
    void DropOldest();

    QUndoStack m_stack;
    TPageSnapshot m_current;
    qsizetype m_byteLimit;
    // The page an undo or redo puts its parts on; null while the stack only
    // is being built.
    TCalendarPage *m_page = nullptr;
};
