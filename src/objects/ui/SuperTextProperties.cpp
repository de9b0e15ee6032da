#include "SuperTextProperties.h"

#include "ColorButton.h"
#include "LumSuperText.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "SuperTextBrushImageBrowser.h"
#include "SuperTextGetSymbol.h"
#include "SuperTextPreviewPanel.h"
#include "SuperTextPrompts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr int PreviewSide = 100;
constexpr int ControlWidth = 130;
constexpr int LargestStepSize = 150;
constexpr int SmallestStepSize = 10;
constexpr int SizeStep = 5;

QLabel *AddCaption(QWidget *parent, const QString &caption, int left, int top)
{
    auto *label = new QLabel(caption, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QWidget *AddPanel(QWidget *parent, const QString &name)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(160, 64, 344, 56);
    return panel;
}

} // namespace

TSuperTextProperties::TSuperTextProperties(const TLabelDialogHooks &hooks, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_hooks(hooks), m_preview(std::make_unique<TLumSuperText>())
{
    m_loading = true;
    setObjectName(u"SuperTextProperties"_s);
    setWindowTitle(tr("SuperText Properties"));
    setFixedSize(520, 460);

    BuildTextControls();
    BuildSurfaceControls();
    BuildOutlineAndShadowControls();

    m_preview->SetObjectBounds(0, 0, PreviewSide, PreviewSide);
    PreviewPanel = new TSuperTextPreviewPanel(*m_preview, this);
    PreviewPanel->setObjectName(u"PreviewPanel"_s);
    PreviewPanel->setGeometry(16, 232, 488, 176);

    Row = AddDialogRow(*this, 16, 420, [help = m_hooks.ShowHelpContext] {
        if (help)
            help(HelpContext);
    });

    TextTimer = new QTimer(this);
    TextTimer->setInterval(TextTimerInterval);
    connect(TextTimer, &QTimer::timeout, this, &TSuperTextProperties::CheckTextChanged);
    TextTimer->start();
    CaptionText->setFocus();
    m_loading = false;
}

TSuperTextProperties::~TSuperTextProperties() = default;

void TSuperTextProperties::BuildTextControls()
{
    AddCaption(this, tr("Text"), 16, 16);
    CaptionText = new QLineEdit(this);
    CaptionText->setObjectName(u"CaptionText"_s);
    CaptionText->setGeometry(16, 34, 270, 26);
    connect(CaptionText, &QLineEdit::textChanged, this, &TSuperTextProperties::TextEdited);

    Fontbutton = new QPushButton(tr("Select Font"), this);
    Fontbutton->setObjectName(u"Fontbutton"_s);
    Fontbutton->setGeometry(294, 34, 84, 26);
    connect(Fontbutton, &QPushButton::clicked, this, &TSuperTextProperties::ChooseFont);

    RapidChangeFontSizeUp = new QToolButton(this);
    RapidChangeFontSizeUp->setObjectName(u"RapidChangeFontSizeUp"_s);
    RapidChangeFontSizeUp->setArrowType(Qt::UpArrow);
    RapidChangeFontSizeUp->setGeometry(380, 34, 16, 13);
    connect(RapidChangeFontSizeUp, &QToolButton::clicked, this, [this] { StepFontSize(true); });
    RapidChangeFontSizeDown = new QToolButton(this);
    RapidChangeFontSizeDown->setObjectName(u"RapidChangeFontSizeDown"_s);
    RapidChangeFontSizeDown->setArrowType(Qt::DownArrow);
    RapidChangeFontSizeDown->setGeometry(380, 47, 16, 13);
    connect(RapidChangeFontSizeDown, &QToolButton::clicked, this, [this] { StepFontSize(false); });

    SelectSymbolbutton = new QPushButton(tr("Select Symbol"), this);
    SelectSymbolbutton->setObjectName(u"SelectSymbolbutton"_s);
    SelectSymbolbutton->setGeometry(402, 34, 102, 26);
    connect(SelectSymbolbutton, &QPushButton::clicked, this, &TSuperTextProperties::SelectSymbol);
}

void TSuperTextProperties::BuildSurfaceControls()
{
    SurfaceTypeCombo =
        AddList(this, u"SurfaceTypeCombo"_s, tr("Surface"),
                {tr("Normal"), tr("Transparent"), tr("Texture"), tr("Gradient Fill")}, 16, 64);
    connect(SurfaceTypeCombo, &QComboBox::currentIndexChanged, this,
            &TSuperTextProperties::SurfaceChosen);

    GradientPanel = AddPanel(this, u"GradientPanel"_s);
    FillDirectionCombo = AddList(GradientPanel, u"FillDirectionCombo"_s, tr("Direction"),
                                 {tr("Up"), tr("Down"), tr("Left"), tr("Right")}, 0, 0);
    GradientFromcolorButton =
        AddColorButton(GradientPanel, u"GradientFromcolorButton"_s, tr("From Color"), 140, 18);
    GradientToColorButton =
        AddColorButton(GradientPanel, u"GradientToColorButton"_s, tr("To Color"), 240, 18);

    TexturePanel = AddPanel(this, u"TexturePanel"_s);
    LoadImageButton = new QPushButton(tr("Load Texture"), TexturePanel);
    LoadImageButton->setObjectName(u"LoadImageButton"_s);
    LoadImageButton->setGeometry(0, 18, std::max(100, LoadImageButton->sizeHint().width()), 26);
    connect(LoadImageButton, &QPushButton::clicked, this, &TSuperTextProperties::LoadTexture);

    FontColorPanel = AddPanel(this, u"FontColorPanel"_s);
    FontColorButton = AddColorButton(FontColorPanel, u"FontColorButton"_s, tr("Font Color"), 0, 18);
    connect(FontColorButton, &TColorButton::ColorChanged, this,
            &TSuperTextProperties::FontColorChanged);
}

void TSuperTextProperties::BuildOutlineAndShadowControls()
{
    OutlineColorButton =
        AddColorButton(this, u"OutlineColorButton"_s, tr("Outline Color"), 16, 140);
    OutlineStyleCombo = AddList(this, u"OutlineStyleCombo"_s, tr("Outline Style"),
                                {tr("Solid Line"), tr("Dash Line"), tr("Dotted Line"),
                                 tr("DashDot Line"), tr("DashDotDot Line"), tr("Clear")},
                                160, 122);
    OutLineWidthSpinner = AddSpinner(u"OutLineWidthSpinner"_s, tr("Outline Width"), 304, 122);

    ShadowColorButton = AddColorButton(this, u"ShadowColorButton"_s, tr("Shadow Color"), 16, 194);
    ShadowOrientationCombo = AddList(this, u"ShadowOrientationCombo"_s, tr("Shadow Direction"),
                                     {tr("None"), tr("Right"), tr("Left"), tr("Down and Right"),
                                      tr("Down and Left"), tr("Down")},
                                     160, 176);
    ShadowDepthSpinner = AddSpinner(u"ShadowDepthSpinner"_s, tr("Shadow Depth"), 304, 176);

    // Every list, spinner and colour button but the surface and the font
    // colour goes straight to the preview.
    for (QComboBox *list : {FillDirectionCombo, OutlineStyleCombo, ShadowOrientationCombo})
        connect(list, &QComboBox::currentIndexChanged, this,
                &TSuperTextProperties::ControlsChanged);
    for (TColorButton *button :
         {GradientFromcolorButton, GradientToColorButton, OutlineColorButton, ShadowColorButton})
        connect(button, &TColorButton::ColorChanged, this, &TSuperTextProperties::ControlsChanged);
}

TColorButton *TSuperTextProperties::AddColorButton(QWidget *parent, const QString &name,
                                                   const QString &caption, int left, int top)
{
    auto *button = new TColorButton(caption, parent);
    button->setObjectName(name);
    // Wider where the caption with its swatch needs it.
    button->setGeometry(left, top, std::max(96, button->sizeHint().width()), 26);
    connect(button, &TColorButton::clicked, this, [this, button] { ChooseColor(*button); });
    return button;
}

QComboBox *TSuperTextProperties::AddList(QWidget *parent, const QString &name,
                                         const QString &caption, const QStringList &items, int left,
                                         int top)
{
    AddCaption(parent, caption, left, top);
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setGeometry(left, top + 18, ControlWidth, 26);
    list->setWhatsThis(caption);
    AddWhatsThisMenu(*list);
    return list;
}

QSpinBox *TSuperTextProperties::AddSpinner(const QString &name, const QString &caption, int left,
                                           int top)
{
    AddCaption(this, caption, left, top);
    auto *spinner = new QSpinBox(this);
    spinner->setObjectName(name);
    spinner->setRange(0, 10);
    spinner->setGeometry(left, top + 18, 64, 26);
    connect(spinner, &QSpinBox::valueChanged, this, &TSuperTextProperties::ControlsChanged);
    return spinner;
}

QImage TSuperTextProperties::BuiltInTexture()
{
    // Gold diamonds on a darker ground.
    constexpr int Side = 16;
    QImage tile(Side, Side, QImage::Format_RGB32);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const int distance = std::abs(x - Side / 2) + std::abs(y - Side / 2);
            tile.setPixel(x, y, distance < Side / 2 - 1 ? qRgb(240, 190, 40) : qRgb(150, 90, 20));
        }
    return tile;
}

void TSuperTextProperties::LoadFrom(const TLumSuperText &object)
{
    m_loading = true;
    m_preview->SetObjectBounds(0, 0, PreviewSide, PreviewSide);
    object.CopyToPreview(*m_preview);
    m_lastTexturePath = object.LastBitmapFileNameandPath();
    m_preview->SetLastBitmapFileNameandPath(m_lastTexturePath);
    m_lastTexture = m_preview->Image().isNull() ? BuiltInTexture() : m_preview->Image();
    ShowControls();
    m_loading = false;
    Fit();
}

void TSuperTextProperties::ShowControls()
{
    const TLumSuperText &preview = *m_preview;
    CaptionText->setText(preview.Caption());
    QFont face = CaptionText->font();
    face.setFamily(preview.Font().Name);
    CaptionText->setFont(face);
    SurfaceTypeCombo->setCurrentIndex(preview.SurfaceType());
    FillDirectionCombo->setCurrentIndex(preview.FillDirection());
    GradientFromcolorButton->SetColor(preview.GradientFromColor());
    GradientToColorButton->SetColor(preview.GradientToColor());
    FontColorButton->SetColor(preview.Font().Color);
    ShadowColorButton->SetColor(preview.Shadowcolor());
    ShadowOrientationCombo->setCurrentIndex(preview.ShadowOrientation());
    ShadowDepthSpinner->setValue(preview.ShadowDepth());
    OutlineColorButton->SetColor(preview.OutlineColor());
    OutlineStyleCombo->setCurrentIndex(preview.OutlineStyle());
    OutLineWidthSpinner->setValue(preview.OutlineWidth());
    ShowSurfacePanel();
}

void TSuperTextProperties::ShowSurfacePanel()
{
    const int surface = SurfaceTypeCombo->currentIndex();
    GradientPanel->setVisible(surface == stGradientFill);
    TexturePanel->setVisible(surface == stBrushImage);
    FontColorPanel->setVisible(surface == stNormal);
}

void TSuperTextProperties::Fit()
{
    m_fittedText = CaptionText->text();
    m_preview->FitPreview();
    PreviewPanel->update();
}

void TSuperTextProperties::CheckTextChanged()
{
    if (CaptionText->text() != m_fittedText)
        Fit();
}

void TSuperTextProperties::TextEdited(const QString &text)
{
    if (m_loading)
        return;
    m_preview->SetCaption(text);
    PreviewPanel->update();
}

void TSuperTextProperties::SurfaceChosen(int index)
{
    if (m_loading || index < 0)
        return;
    const auto surface = TSurfaceType(index);
    m_preview->SetSurfaceType(surface);
    if (surface == stBrushImage)
        m_preview->SetImage(m_lastTexture);
    // An outline-only surface may have made a clear outline solid.
    m_loading = true;
    OutlineStyleCombo->setCurrentIndex(m_preview->OutlineStyle());
    m_loading = false;
    ShowSurfacePanel();
    Fit();
}

void TSuperTextProperties::ControlsChanged()
{
    if (m_loading)
        return;
    TLumSuperText &preview = *m_preview;
    preview.SetFillDirection(TFillDirection(FillDirectionCombo->currentIndex()));
    preview.SetGradientFromColor(GradientFromcolorButton->Color());
    preview.SetGradientToColor(GradientToColorButton->Color());
    preview.SetShadowcolor(ShadowColorButton->Color());
    preview.SetShadowOrientation(TShadowOrientation(ShadowOrientationCombo->currentIndex()));
    preview.SetShadowDepth(ShadowDepthSpinner->value());
    preview.SetOutlineColor(OutlineColorButton->Color());
    preview.SetOutlineStyle(TPenStyle(OutlineStyleCombo->currentIndex()));
    preview.SetOutlineWidth(OutLineWidthSpinner->value());
    PreviewPanel->update();
}

void TSuperTextProperties::FontColorChanged(TColor color)
{
    if (m_loading)
        return;
    TFontDesc font = m_preview->Font();
    font.Color = color;
    m_preview->SetFont(font);
    PreviewPanel->update();
}

void TSuperTextProperties::ChooseColor(TColorButton &button)
{
    if (!m_hooks.ChooseColor)
        return;
    if (const std::optional<TColor> color = m_hooks.ChooseColor(button.Color()))
        button.SetColor(*color);
}

void TSuperTextProperties::SetPreviewFont(const TFontDesc &font)
{
    m_preview->SetFont(font);
    QFont face = CaptionText->font();
    face.setFamily(font.Name);
    CaptionText->setFont(face);
    m_loading = true;
    FontColorButton->SetColor(font.Color);
    m_loading = false;
    Fit();
}

void TSuperTextProperties::ChooseFont()
{
    if (!m_hooks.ChooseFont)
        return;
    if (const std::optional<TFontDesc> font = m_hooks.ChooseFont(m_preview->Font()))
        SetPreviewFont(*font);
}

void TSuperTextProperties::StepFontSize(bool up)
{
    TFontDesc font = m_preview->Font();
    if (up && font.Size < LargestStepSize)
        font.Size += SizeStep;
    else if (!up && font.Size > SmallestStepSize)
        font.Size -= SizeStep;
    else
        return;
    SetPreviewFont(font);
}

void TSuperTextProperties::LoadTexture()
{
    TSuperTextBrushImageBrowser browser(*m_preview, m_lastTexturePath, this,
                                        m_hooks.ShowHelpContext);
    if (m_hooks.CenterForm)
        m_hooks.CenterForm(browser);
    // A browser closed without a readable picture keeps the texture there is.
    if (ExecModal(browser) == QDialog::Accepted && !browser.Texture().isNull()) {
        m_lastTexture = browser.Texture();
        m_lastTexturePath = browser.FileName();
        m_preview->SetImage(m_lastTexture);
        m_preview->SetLastBitmapFileNameandPath(m_lastTexturePath);
    }
    Fit();
}

void TSuperTextProperties::SelectSymbol()
{
    const std::optional<TSymbolChoice> choice =
        AskSymbol(this, SymbolFontFamilies(), m_hooks.CenterForm);
    if (!choice)
        return;
    TFontDesc font = m_preview->Font();
    font.Name = choice->FontName;
    CaptionText->setText(choice->Symbol);
    SetPreviewFont(font);
}

void TSuperTextProperties::accept()
{
    if (CaptionText->text().isEmpty()) {
        ShowInformation(tr("Please enter some text"));
        CaptionText->setFocus();
        return;
    }
    QDialog::accept();
}

void TSuperTextProperties::CopyTo(TLumSuperText &object)
{
    m_preview->SetCaption(CaptionText->text());
    m_preview->SetLastBitmapFileNameandPath(m_lastTexturePath);
    object.TakeFromPreview(*m_preview);
}

void InstallSuperTextDialogs(TLabelDialogHooks hooks)
{
    TSuperTextPrompts prompts;
    prompts.EditProperties = [hooks](TLumSuperText &object) {
        TSuperTextProperties dialog(hooks, hooks.Parent);
        if (hooks.CenterForm)
            hooks.CenterForm(dialog);
        dialog.LoadFrom(object);
        if (ExecModal(dialog) != QDialog::Accepted)
            return false;
        dialog.CopyTo(object);
        return true;
    };
    SetSuperTextPrompts(std::move(prompts));
}
