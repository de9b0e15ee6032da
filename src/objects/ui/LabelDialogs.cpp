#include "LabelDialogs.h"

#include "GetLabelText.h"
#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "LumFont3DEffects.h"
#include "ModalDialog.h"
#include "PaxRichBaseLabel.h"
#include "RichTextLabelEditor.h"
#include "WPRichText.h"

#include <QApplication>
#include <QLineEdit>

namespace {

// The hourglass while a window is prepared; the cursor comes back however
// the command ends.
class TWaitCursor
{
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;
};

void Center(const TLabelDialogHooks &hooks, QWidget &dialog)
{
    if (hooks.CenterForm)
        hooks.CenterForm(dialog);
}

std::optional<QString> AskLabelText(const TLabelDialogHooks &hooks, const QString &caption)
{
    TGetLabelText dialog(hooks.Parent, hooks.ShowHelpContext);
    Center(hooks, dialog);
    dialog.LabelText->setText(caption);
    if (ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.LabelText->text();
}

bool Ask3DEffects(const TLabelDialogHooks &hooks, TLumBaseLabel &label)
{
    TLumFont3DEffects dialog(hooks.Parent, hooks.ShowHelpContext);
    Center(hooks, dialog);
    dialog.LoadFrom(label);
    if (ExecModal(dialog) != QDialog::Accepted)
        return false;
    dialog.CopyTo(label);
    return true;
}

std::optional<TWPRTFTextPaint> AskRichText(const TLabelDialogHooks &hooks,
                                           const TPaxRichBaseLabel &label)
{
    std::optional<TWaitCursor> wait(std::in_place);
    TRichTextLabelEditor editor(hooks.Parent, hooks.ShowHelpContext);
    Center(hooks, editor);
    editor.PrepareFor(label);
    wait.reset();
    if (ExecModal(editor) != QDialog::Accepted)
        return std::nullopt;
    return editor.WPRichText1->RtfText();
}

} // namespace

void InstallLabelDialogs(TLabelDialogHooks hooks)
{
    TLabelPrompts prompts;
    prompts.ChooseFont = hooks.ChooseFont;
    prompts.ChooseColor = hooks.ChooseColor;
    prompts.EditText = [hooks](const QString &caption) { return AskLabelText(hooks, caption); };
    prompts.Edit3DEffects = [hooks](TLumBaseLabel &label) { return Ask3DEffects(hooks, label); };
    prompts.EditRichText = [hooks](const TPaxRichBaseLabel &label) {
        return AskRichText(hooks, label);
    };
    SetLabelPrompts(std::move(prompts));
}
