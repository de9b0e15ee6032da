#include "RichTextLabelEditor.h"

#include "Numbers.h"
#include "PaxRichBaseLabel.h"
#include "Ppi.h"
#include "WPRichText.h"
#include "WPToolBar.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QToolButton *ZoomButton(QWidget *parent, const QString &name, const QString &text,
                        const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

} // namespace

TRichTextLabelEditor::TRichTextLabelEditor(QWidget *parent, std::function<void(int)> help)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"RichTextLabelEditor"_s);
    setWindowTitle(tr("Rich Text Editor"));

    WPToolBar1 = new TWPToolBar(this);
    WPToolBar1->setObjectName(u"WPToolBar1"_s);
    ZoomInButton = ZoomButton(this, u"ZoomInButton"_s, u"+"_s, tr("Zoom In"));
    ZoomOutButton = ZoomButton(this, u"ZoomOutButton"_s, u"-"_s, tr("Zoom Out"));
    WPToolBar1->addSeparator();
    WPToolBar1->addWidget(ZoomInButton);
    WPToolBar1->addWidget(ZoomOutButton);
    connect(ZoomInButton, &QToolButton::clicked, this, &TRichTextLabelEditor::ZoomIn);
    connect(ZoomOutButton, &QToolButton::clicked, this, &TRichTextLabelEditor::ZoomOut);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    WPPanel = new QFrame;
    WPPanel->setObjectName(u"WPPanel"_s);
    WPPanel->setFrameShape(QFrame::Box);
    WPPanel->setLineWidth(1);
    WPPanel->setAutoFillBackground(true);
    WPPanel->setPalette(QPalette(Qt::white));
    WPRichText1 = new TWPRichText(WPPanel);
    WPRichText1->setObjectName(u"WPRichText1"_s);
    WPRichText1->SetWordWrap(true);
    WPRichText1->SetZooming(100);
    WPRichText1->SetWPToolBar(WPToolBar1);
    auto *panelLayout = new QVBoxLayout(WPPanel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(WPRichText1);
    ScrollBox1->setWidget(WPPanel);
    WPPanel->hide();

    ZoomCaption = new QLabel(this);
    ZoomCaption->setObjectName(u"ZoomCaption"_s);
    ZoomCaption->setFrameShape(QFrame::Panel);
    ZoomCaption->setFrameShadow(QFrame::Sunken);

    auto *bottom = new QWidget(this);
    bottom->setFixedHeight(41);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(WPToolBar1);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(ZoomCaption);
    layout->addWidget(bottom);
    Row = AddDialogRow(*this, 8, 0, [help] {
        if (help)
            help(HelpContext);
    });
    for (QWidget *button :
         {static_cast<QWidget *>(Row.OkButton), static_cast<QWidget *>(Row.CancelButton),
          static_cast<QWidget *>(Row.HelpButton), static_cast<QWidget *>(Row.ContextHelpButton)}) {
        const QRect r = button->geometry();
        button->setParent(bottom);
        button->setGeometry(r.translated(0, 8));
    }
    // Wide enough for the whole tool bar, the zoom buttons at its end
    // included, rather than some of it behind an overflow arrow.
    resize(std::max(DefaultWidth, WPToolBar1->sizeHint().width()), DefaultHeight);
    ShowZoom();
}

void TRichTextLabelEditor::PrepareFor(const TPaxRichBaseLabel &label)
{
    WPRichText1->Assign(label.RTFText());
    if (!label.Transparent()) {
        WPPanel->setPalette(QPalette(ToQColor(label.BGColor())));
        WPRichText1->SetColor(label.BGColor());
    }
    WPPanel->resize(label.Width() + 1, label.Height() + 1);
    m_layoutWidth = label.LayoutWidth();
    m_layoutHeight = label.UnzoomedBounds().Height;
    SetZoom(Round(double(label.Scale()) * 100));
}

int TRichTextLabelEditor::Zoom() const
{
    return WPRichText1->Zooming();
}

void TRichTextLabelEditor::SetZoom(int zoom)
{
    WPRichText1->SetZooming(zoom);
    // The page is the text's size on the screen at the zoom, so its lines
    // break at the label's own unzoomed width.
    const double shown = EffectiveZoom(zoom) / 100.0;
    const double twipsPerPixel = 1440.0 / ScreenPpi();
    WPRichText1->SetPageSizeTwips(Round(m_layoutWidth * shown * twipsPerPixel),
                                  Round(m_layoutHeight * shown * twipsPerPixel));
    ShowZoom();
}

void TRichTextLabelEditor::ShowZoom()
{
    ZoomCaption->setText(QString::number(Zoom()) + u"%"_s);
}

void TRichTextLabelEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WPPanel->show();
    WPRichText1->setFocus();
    m_panelWidth = WPPanel->width();
    m_panelHeight = WPPanel->height();
    m_panelZoom = Zoom() > 0 ? Zoom() : 100;
}

void TRichTextLabelEditor::ZoomIn()
{
    if (Zoom() >= MaxZoom)
        return;
    SetZoom(Zoom() + 10);
    WPPanel->resize(Round(double(Zoom()) * m_panelWidth / m_panelZoom),
                    Round(double(Zoom()) * m_panelHeight / m_panelZoom));
}

void TRichTextLabelEditor::ZoomOut()
{
    if (Zoom() <= MinZoom)
        return;
    SetZoom(Zoom() - 10);
    WPPanel->resize(Round(double(Zoom()) * m_panelWidth / m_panelZoom),
                    Round(double(Zoom()) * m_panelHeight / m_panelZoom));
}
