#include "PrintSheetDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TPrintSheetDialog::TPrintSheetDialog(QWidget *parent)
    : QDialog(parent), m_bleed(new QDoubleSpinBox(this)), m_cropMarks(new QCheckBox(this))
{
    setObjectName(u"PrintSheetDialog"_s);
    setWindowTitle(tr("PDF for Printing"));

    auto *note = new QLabel(tr("Print services cut each page from a larger sheet. Pictures, "
                               "borders and backgrounds that reach the page's edge go on into "
                               "the bleed, so that no white line shows after cutting."),
                            this);
    note->setWordWrap(true);

    m_bleed->setObjectName(u"Bleed"_s);
    m_bleed->setRange(0.0, TPrintSheet::MaxBleedMm);
    m_bleed->setSingleStep(0.5);
    m_bleed->setDecimals(1);
    m_bleed->setSuffix(tr(" mm"));
    m_cropMarks->setObjectName(u"CropMarks"_s);
    m_cropMarks->setText(tr("&Crop marks outside the bleed"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Bleed:"), m_bleed);
    form->addRow(QString(), m_cropMarks);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetSheet({});
}

TPrintSheet TPrintSheetDialog::Sheet() const
{
    return {m_bleed->value(), m_cropMarks->isChecked()};
}

void TPrintSheetDialog::SetSheet(const TPrintSheet &sheet)
{
    m_bleed->setValue(sheet.BleedMm);
    m_cropMarks->setChecked(sheet.CropMarks);
}
