#include "LumFont3DEffects.h"

#include "ColorList.h"
#include "LumBaseLabel.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int ListWidth = 130;

// The panel the sample label paints itself on, the sample as large as it.
class TSamplePanel : public QWidget
{
public:
    TSamplePanel(TPaxLabel &sample, QWidget *parent) : QWidget(parent), m_sample(sample) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        m_sample.PaintAt(painter);
        painter.setPen(Qt::gray);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    TPaxLabel &m_sample;
};

QStringList Depths()
{
    QStringList depths;
    for (int depth = 0; depth <= 10; ++depth)
        depths << QString::number(depth);
    return depths;
}

} // namespace

TLumFont3DEffects::TLumFont3DEffects(QWidget *parent, std::function<void(int)> help)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_sample(std::make_unique<TPaxLabel>())
{
    // The lists fill before the sample's panel exists.
    m_loading = true;
    setObjectName(u"LumFont3DEffects"_s);
    setWindowTitle(tr("Text 3D Effects"));
    setFixedSize(456, 330);

    ShadowDirection = AddList(u"ShadowDirection"_s, tr("Shadow Direction"), 16, 16);
    ShadowDirection->addItems(
        {tr("None"), tr("Right"), tr("Left"), tr("Lower Right"), tr("Lower Left"), tr("Down")});
    ShadowDepth = AddList(u"ShadowDepth"_s, tr("Shadow Depth"), 16, 64);
    ShadowDepth->addItems(Depths());
    ShadowColorCombo = AddList(u"ShadowColorCombo"_s, tr("Shadow Color"), 16, 112);
    HighlightDirection = AddList(u"HighlightDirection"_s, tr("Highlight Direction"), 160, 16);
    HighlightDirection->addItems(
        {tr("None"), tr("Right"), tr("Left"), tr("Upper Right"), tr("Upper Left"), tr("Up")});
    HighLightDepth = AddList(u"HighLightDepth"_s, tr("Highlight Depth"), 160, 64);
    HighLightDepth->addItems(Depths());
    HighLightColorCombo = AddList(u"HighLightColorCombo"_s, tr("Highlight Color"), 160, 112);
    FontColorCombo = AddList(u"FontColorCombo"_s, tr("Font Color"), 304, 16);

    SamplePanel = new TSamplePanel(*m_sample, this);
    SamplePanel->setObjectName(u"SamplePanel"_s);
    SamplePanel->setGeometry(16, 170, 424, 100);
    m_sample->FinishLoad();
    m_sample->SetObjectBounds(0, 0, SamplePanel->width(), SamplePanel->height());
    m_loading = false;

    Row = AddDialogRow(*this, 16, 290, [help] {
        if (help)
            help(HelpContext);
    });
}

TLumFont3DEffects::~TLumFont3DEffects() = default;

QComboBox *TLumFont3DEffects::AddList(const QString &name, const QString &caption, int left,
                                      int top)
{
    auto *label = new QLabel(caption, this);
    label->move(left, top);
    label->adjustSize();
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    list->setGeometry(left, top + 18, ListWidth, list->sizeHint().height());
    list->setWhatsThis(caption);
    AddWhatsThisMenu(*list);
    connect(list, &QComboBox::currentIndexChanged, this, &TLumFont3DEffects::ListsChanged);
    return list;
}

void TLumFont3DEffects::LoadFrom(const TLumBaseLabel &label)
{
    m_loading = true;
    TFontDesc font = label.Font();
    m_sample->SetFont(font);
    m_sample->SetCaption(tr("Text"));
    ShadowDirection->setCurrentIndex(label.DirectionShadow());
    ShadowDepth->setCurrentIndex(std::min(label.DepthShadow(), 10));
    FillColorList(*ShadowColorCombo, label.colorShadow());
    HighlightDirection->setCurrentIndex(label.DirectionHighlight());
    HighLightDepth->setCurrentIndex(std::min(label.DepthHighlight(), 10));
    FillColorList(*HighLightColorCombo, label.colorHighlight());
    FillColorList(*FontColorCombo, font.Color);
    m_loading = false;
    ListsChanged();
}

void TLumFont3DEffects::ListsChanged()
{
    if (m_loading)
        return;
    TPaxLabel &sample = *m_sample;
    sample.SetDirectionShadow(TShadowDirection(ShadowDirection->currentIndex()));
    sample.SetDepthShadow(ShadowDepth->currentIndex());
    sample.SetcolorShadow(ChosenColor(*ShadowColorCombo));
    sample.SetDirectionHighlight(THighlightDirection(HighlightDirection->currentIndex()));
    sample.SetDepthHighlight(HighLightDepth->currentIndex());
    sample.SetcolorHighlight(ChosenColor(*HighLightColorCombo));
    TFontDesc font = sample.Font();
    font.Color = ChosenColor(*FontColorCombo);
    sample.SetFont(font);
    // The sample fills its panel again whatever the layout made of it.
    sample.SetObjectBounds(0, 0, SamplePanel->width(), SamplePanel->height());
    SamplePanel->update();
}

void TLumFont3DEffects::CopyTo(TLumBaseLabel &label) const
{
    const TPaxLabel &sample = *m_sample;
    label.SetFont(sample.Font());
    label.SetDirectionShadow(sample.DirectionShadow());
    label.SetDepthShadow(sample.DepthShadow());
    label.SetcolorShadow(sample.colorShadow());
    label.SetDirectionHighlight(sample.DirectionHighlight());
    label.SetDepthHighlight(sample.DepthHighlight());
    label.SetcolorHighlight(sample.colorHighlight());
}
