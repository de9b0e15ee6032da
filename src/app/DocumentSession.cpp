#include "DocumentSession.h"

TDocumentSession::TDocumentSession(QObject *parent) : QObject(parent) {}

void TDocumentSession::SetFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit FileNameChanged(m_fileName);
}

void TDocumentSession::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit ModifiedChanged(m_modified);
}

void TDocumentSession::BeginCellEdit(TWPRtfStorage &cell)
{
    m_editedCell = &cell;
    m_cellEditing = true;
    m_cellTyped = false;
}

bool TDocumentSession::NoteCellChange()
{
    if (!m_cellLoaded)
        return false;
    m_cellTyped = true;
    return true;
}

void TDocumentSession::EndCellEdit()
{
    m_cellEditing = false;
    m_cellTyped = false;
}

void TDocumentSession::SetTool(TLPanelState tool)
{
    if (tool == m_tool)
        return;
    m_tool = tool;
    emit ToolChanged(m_tool);
}
