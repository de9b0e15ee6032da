#pragma once

#include <QWidget>

class TLumSuperText;

// A white framed panel that special-effect text paints itself on from its
// top-left corner, as the SuperText dialogs show their preview.
class TSuperTextPreviewPanel : public QWidget
{
public:
    TSuperTextPreviewPanel(const TLumSuperText &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const TLumSuperText &m_text;
};
