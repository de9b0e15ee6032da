#pragma once

#include "PrintSheet.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;

// Asks how a PDF for a print service is laid out: the bleed around each page
// and whether crop marks show where to cut.
class TPrintSheetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TPrintSheetDialog(QWidget *parent = nullptr);

    TPrintSheet Sheet() const;
    void SetSheet(const TPrintSheet &sheet);

private:
    QDoubleSpinBox *m_bleed;
    QCheckBox *m_cropMarks;
};
