#pragma once

#include "DialogRow.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class TLumBaseLabel;
class TPaxLabel;

// "Text 3D Effects": the shadow and highlight of a text label and its font
// colour, tried on a sample label showing "Text" in the label's font, and
// copied to the label with OK.
class TLumFont3DEffects : public QDialog
{
    Q_OBJECT

public:
    // The labels topic, which tells of their 3-D look too.
    static constexpr int HelpContext = 40004;

    explicit TLumFont3DEffects(QWidget *parent = nullptr, std::function<void(int)> help = {});
    ~TLumFont3DEffects() override;

    // The sample and the lists take label's values.
    void LoadFrom(const TLumBaseLabel &label);
    // The sample's font and its six 3-D values to label.
    void CopyTo(TLumBaseLabel &label) const;

    TPaxLabel &Sample() { return *m_sample; }

    QComboBox *ShadowDirection;
    QComboBox *ShadowDepth;
    QComboBox *ShadowColorCombo;
    QComboBox *HighlightDirection;
    QComboBox *HighLightDepth;
    QComboBox *HighLightColorCombo;
    QComboBox *FontColorCombo;
    QWidget *SamplePanel;
    TDialogRow Row;

private:
    QComboBox *AddList(const QString &name, const QString &caption, int left, int top);
    void ListsChanged();

    std::unique_ptr<TPaxLabel> m_sample;
    bool m_loading = false;
};
