#pragma once

#include "DialogRow.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QScrollArea;
class QToolButton;
class TPaxRichBaseLabel;
class TWPRichText;
class TWPToolBar;

// "Rich Text Editor": a rich-text label's text on a page as large as the
// label, at the label's zoom, wrapped where the label wraps it. "Zoom In"
// and "Zoom Out" step the zoom by 10 between 50 and 100 and size the page
// with it.
class TRichTextLabelEditor : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40013;
    static constexpr int MinZoom = 50;
    static constexpr int MaxZoom = 100;
    static constexpr int DefaultWidth = 601;
    static constexpr int DefaultHeight = 343;

    explicit TRichTextLabelEditor(QWidget *parent = nullptr, std::function<void(int)> help = {});

    // Takes a copy of label's text, its background and its size and zoom.
    void PrepareFor(const TPaxRichBaseLabel &label);
    int Zoom() const;
    void ZoomIn();
    void ZoomOut();

    TWPToolBar *WPToolBar1;
    QToolButton *ZoomInButton;
    QToolButton *ZoomOutButton;
    QScrollArea *ScrollBox1;
    QFrame *WPPanel;
    TWPRichText *WPRichText1;
    QLabel *ZoomCaption;
    TDialogRow Row;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SetZoom(int zoom);
    void ShowZoom();

    // The label's text size at zoom 1.
    int m_layoutWidth = 0;
    int m_layoutHeight = 0;
    int m_panelWidth = 0;
    int m_panelHeight = 0;
    int m_panelZoom = 100;
};
