#include "LabelKinds.h"

#include "Component.h"
#include "LumBaseLabel.h"
#include "PaxRichBaseLabel.h"

#include <QCoreApplication>

void RegisterLabelClasses(TClassRegistry &classes)
{
    classes.Register(TPaxLabel::Class());
    classes.Register(TPaxRichBaseLabel::Class());
}

std::unique_ptr<TPaxLabel> NewToolLabel(const TFontDesc &pageFont)
{
    auto label = std::make_unique<TPaxLabel>();
    label->SetCaption(QCoreApplication::translate("TLumBaseLabel", "Enter text..."));
    TFontDesc font = pageFont;
    font.Size = 20;
    label->SetFont(font);
    return label;
}

bool FinishToolLabel(TLumGraphicControl &label)
{
    auto *text = dynamic_cast<TPaxLabel *>(&label);
    if (!text)
        return false;
    text->SetTransparent(false);
    text->SetBorderStyle(bsSingle);
    return text->EditAfterCreate();
}

std::unique_ptr<TPaxRichBaseLabel> NewToolRichLabel()
{
    return std::make_unique<TPaxRichBaseLabel>();
}

bool FinishToolRichLabel(TLumGraphicControl &label)
{
    auto *rich = dynamic_cast<TPaxRichBaseLabel *>(&label);
    if (!rich)
        return false;
    rich->SetTransparent(false);
    rich->SetBorderStyle(bsSingle);
    return rich->Edit();
}
