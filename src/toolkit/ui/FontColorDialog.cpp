#include "FontColorDialog.h"

#include "ColorButton.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLayout>

TFontColorDialog::TFontColorDialog(const QFont &font, TColor color, QWidget *parent)
    : QFontDialog(font, parent), m_color(new TColorButton(tr("Color"), this))
{
    // The toolkit's own dialog, which has the effects box the colour joins.
    setOption(QFontDialog::DontUseNativeDialog);
    m_color->setObjectName(QStringLiteral("FontColorButton"));
    m_color->SetColor(color);
    // The effects are the box of check boxes.
    QLayout *effects = layout();
    const QList<QGroupBox *> boxes = findChildren<QGroupBox *>();
    for (QGroupBox *box : boxes) {
        if (box->layout() && box->findChild<QCheckBox *>()) {
            effects = box->layout();
            break;
        }
    }
    if (effects)
        effects->addWidget(m_color);
    connect(m_color, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(ToQColor(Color()), this);
        if (chosen.isValid())
            SetColor(FromQColor(chosen));
    });
}

TColor TFontColorDialog::Color() const
{
    return m_color->Color();
}

void TFontColorDialog::SetColor(TColor color)
{
    m_color->SetColor(color);
}
