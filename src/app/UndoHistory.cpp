#include "UndoHistory.h"

#include "CalendarPage.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A name for a change from the parts it touched.
QString NameOfChange(const TPageSnapshot &before, const TPageSnapshot &after,
                     const TPageParts &parts)
{
    if (parts.Style)
        return QCoreApplication::translate("TUndoHistory", "Properties");
    if (!parts.Objects.empty() || parts.Order) {
        if (after.Order.size() > before.Order.size())
            return QCoreApplication::translate("TUndoHistory", "New Object");
        if (after.Order.size() < before.Order.size())
            return QCoreApplication::translate("TUndoHistory", "Delete Object");
        return QCoreApplication::translate("TUndoHistory", "Object Change");
    }
    return parts.Cells.size() == 1 ? QCoreApplication::translate("TUndoHistory", "Cell Text") : QCoreApplication::translate("TUndoHistory", "Cell Texts");
}

} // namespace

class TUndoHistory::TPageStep : public QUndoCommand
{
public:
    TPageStep(TUndoHistory &history, const QString &name, TPageParts before, TPageParts after)
        : QUndoCommand(name), m_history(history), m_before(std::move(before)),
          m_after(std::move(after))
    {}

    void undo() override { Apply(m_before); }
    void redo() override { Apply(m_after); }

    qsizetype Bytes() const { return m_before.Bytes() + m_after.Bytes(); }
    const TPageParts &Before() const { return m_before; }
    const TPageParts &After() const { return m_after; }

private:
    void Apply(const TPageParts &parts)
    {
        if (m_history.m_page)
            RestoreParts(*m_history.m_page, parts, m_history.m_current);
    }

    TUndoHistory &m_history;
    TPageParts m_before;
    TPageParts m_after;
};

TUndoHistory::TUndoHistory(qsizetype byteLimit) : m_byteLimit(byteLimit) {}

void TUndoHistory::Reset(const TCalendarPage &page, bool saved)
{
    m_stack.clear();
    m_current = CapturePage(page);
    if (saved)
        m_stack.setClean();
    else
        m_stack.resetClean();
}

bool TUndoHistory::Record(const TCalendarPage &page, const QString &name)
{
    TPageSnapshot after = CapturePage(page);
    TPageParts before = ChangedParts(m_current, after, m_current);
    if (before.IsEmpty())
        return false;
    TPageParts changed = ChangedParts(m_current, after, after);
    const QString text = name.isEmpty() ? NameOfChange(m_current, after, changed) : name;
    m_current = std::move(after);
    Push(text, std::move(before), std::move(changed));
    if (Bytes() > m_byteLimit)
        DropOldest();
    return true;
}

void TUndoHistory::Push(const QString &name, TPageParts before, TPageParts after)
{
    // The page already shows the step's after: pushing must not apply it.
    m_page = nullptr;
    m_stack.push(new TPageStep(*this, name, std::move(before), std::move(after)));
}

void TUndoHistory::MarkSaved()
{
    m_stack.setClean();
}

bool TUndoHistory::Undo(TCalendarPage &page)
{
    if (!m_stack.canUndo())
        return false;
    m_page = &page;
    m_stack.undo();
    m_page = nullptr;
    return true;
}

bool TUndoHistory::Redo(TCalendarPage &page)
{
    if (!m_stack.canRedo())
        return false;
    m_page = &page;
    m_stack.redo();
    m_page = nullptr;
    return true;
}

qsizetype TUndoHistory::Bytes() const
{
    qsizetype bytes = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        bytes += static_cast<const TPageStep *>(m_stack.command(i))->Bytes();
    return bytes;
}

// The stack cannot drop its oldest commands itself: it is built again from
// the steps kept, with its index and clean point where they were.
void TUndoHistory::DropOldest()
{
    struct TKept
    {
        QString Name;
        TPageParts Before, After;
    };
    qsizetype bytes = Bytes();
    int first = 0;
    while (bytes > m_byteLimit && first < m_stack.count() - 1)
        bytes -= static_cast<const TPageStep *>(m_stack.command(first++))->Bytes();
    std::vector<TKept> kept;
    for (int i = first; i < m_stack.count(); ++i) {
        const auto *step = static_cast<const TPageStep *>(m_stack.command(i));
        kept.push_back({step->text(), step->Before(), step->After()});
    }
    const int index = m_stack.index() - first;
    const int clean = m_stack.cleanIndex() - first;
    m_page = nullptr;
    m_stack.clear();
    for (TKept &step : kept)
        Push(step.Name, std::move(step.Before), std::move(step.After));
    if (clean < 0 || clean > m_stack.count()) {
        m_stack.resetClean();
    } else {
        m_stack.setIndex(clean);
        m_stack.setClean();
    }
    m_stack.setIndex(std::max(index, 0));
}
