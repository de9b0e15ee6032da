#pragma once

#include <QWidget>

class TCalendarPanel32;

// The placed objects lying over the open cell editor, painted on top of it
// as they lie on the page. The editor is a widget over the page and would
// hide them; this layer is a child of the editor, lets the mouse through
// and draws only the objects, so the cell is edited under them as it is
// shown under them.
class TEditorObjectLayer : public QWidget
{
    Q_OBJECT

public:
    TEditorObjectLayer(QWidget &editor, TCalendarPanel32 &page);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where the editor lies on the page, in page pixels.
    QRect EditorOnPage() const;
    // Part of the page was invalidated: the part of it over the editor is
    // painted again.
    void PageAreaInvalidated(const QRect &area);

    QWidget &m_editor;
    TCalendarPanel32 &m_page;
};
