#pragma once

#include "DialogRow.h"
#include "LabelDialogs.h"

#include <QDialog>
#include <QImage>

#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;
class TColorButton;
class TLumSuperText;

// "SuperText Properties": the text, font, surface, gradient, texture, outline
// and shadow of special-effect text, tried on a preview copy that every
// control changes at once, and handed back to the object with OK.
class TSuperTextProperties : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40014;
    // How often the text box is looked at for a changed text to fit.
    static constexpr int TextTimerInterval = 200;

    explicit TSuperTextProperties(const TLabelDialogHooks &hooks, QWidget *parent = nullptr);
    ~TSuperTextProperties() override;

    // The preview and the controls take object's values; the last texture
    // becomes the object's texture, or the built-in one when it has none.
    void LoadFrom(const TLumSuperText &object);
    // The preview's values to object (see TLumSuperText::TakeFromPreview).
    void CopyTo(TLumSuperText &object);

    // "Ok" is refused while the text is empty.
    void accept() override;

    TLumSuperText &Preview() { return *m_preview; }
    const QImage &LastTexture() const { return m_lastTexture; }
    const QString &LastTexturePath() const { return m_lastTexturePath; }
    // The texture shown when the object has none.
    static QImage BuiltInTexture();

    // Looks whether the text changed since the preview was last fitted to
    // it, and fits it if so; the text timer runs it.
    void CheckTextChanged();
    // The font size up by 5 while below 150, or down by 5 while above 10.
    void StepFontSize(bool up);

    QLineEdit *CaptionText;
    QComboBox *SurfaceTypeCombo;
    QComboBox *FillDirectionCombo;
    TColorButton *GradientFromcolorButton;
    TColorButton *GradientToColorButton;
    TColorButton *FontColorButton;
    QPushButton *LoadImageButton;
    TColorButton *ShadowColorButton;
    QComboBox *ShadowOrientationCombo;
    QSpinBox *ShadowDepthSpinner;
    TColorButton *OutlineColorButton;
    QComboBox *OutlineStyleCombo;
    QSpinBox *OutLineWidthSpinner;
    QPushButton *Fontbutton;
    QToolButton *RapidChangeFontSizeUp;
    QToolButton *RapidChangeFontSizeDown;
    QPushButton *SelectSymbolbutton;
    QWidget *GradientPanel;
    QWidget *TexturePanel;
    QWidget *FontColorPanel;
    QWidget *PreviewPanel;
    QTimer *TextTimer;
    TDialogRow Row;

private:
    void BuildTextControls();
    void BuildSurfaceControls();
    void BuildOutlineAndShadowControls();
    TColorButton *AddColorButton(QWidget *parent, const QString &name, const QString &caption,
                                 int left, int top);
    QComboBox *AddList(QWidget *parent, const QString &name, const QString &caption,
                       const QStringList &items, int left, int top);
    QSpinBox *AddSpinner(const QString &name, const QString &caption, int left, int top);
    void ShowControls();
    void ShowSurfacePanel();
    void Fit();

    void TextEdited(const QString &text);
    void SurfaceChosen(int index);
    void ControlsChanged();
    void FontColorChanged(TColor color);
    void ChooseColor(TColorButton &button);
    void ChooseFont();
    void LoadTexture();
    void SelectSymbol();
    void SetPreviewFont(const TFontDesc &font);

    TLabelDialogHooks m_hooks;
    std::unique_ptr<TLumSuperText> m_preview;
    QImage m_lastTexture;
    QString m_lastTexturePath;
    QString m_fittedText;
    bool m_loading = false;
};

// Puts the "SuperText Properties" dialog behind the special-effect text's
// "Properties" command and tool, run through the modal-dialog seam.
void InstallSuperTextDialogs(TLabelDialogHooks hooks);
