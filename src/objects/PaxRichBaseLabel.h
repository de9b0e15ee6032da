#pragma once

#include "Color.h"
#include "LabelLook.h"
#include "LabelObject.h"
#include "ObjectPicture.h"
#include "RtfStorage.h"

#include <QByteArray>

#include <memory>

class TMasterRichText;
class TWPRichTextLayout;

// A rich-text label: a block of formatted text, edited in the rich text
// editor window, drawn through the form's master rich-text renderer with its
// lines broken at the label's unzoomed width.
//
// Published after the base's properties, always stored: RTFText (the text as
// RTF, "RTFText.Data"), BorderStyle, Transparent, BGColor. Every setter
// takes TLabelObject's path; a text is changed when its RTF differs.
class TPaxRichBaseLabel : public TLabelObject
{
public:
    TPaxRichBaseLabel();
    ~TPaxRichBaseLabel() override;

    static const TClassInfo &Class();
    const TClassInfo &ClassInfo() const override { return Class(); }

    const TWPRTFTextPaint &RTFText() const { return m_storage.RtfText(); }
    void SetRTFText(const TWPRTFTextPaint &Value);
    // The text as the document stores it; an unreadable text keeps what was
    // read of it.
    QByteArray RTFData() const { return m_storage.RtfText().SaveData(); }
    void SetRTFData(const QByteArray &Value);
    TBorderStyle BorderStyle() const { return m_box.BorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool Transparent() const { return m_box.Transparent; }
    void SetTransparent(bool Value);
    TColor BGColor() const { return m_box.BackColor; }
    void SetBGColor(TColor Value);

    // The master renderer of the form the label is on: the form's own when
    // it holds some, else the shared one; null off a panel or when the form
    // has none of that name.
    TMasterRichText *FindMasterRichText() const;
    // The width the text's lines break at: the label's width at zoom 1, so
    // the screen and paper break alike.
    int LayoutWidth() const;
    // The zoom in percent the text is painted at.
    int ZoomPercent() const { return ZoomPercent(Scale()); }
    static int ZoomPercent(float scale);

    // Background, text and frame in the label's pixels at the frame's zoom;
    // nothing without a master renderer.
    void DrawRich(QPainter &Canvas, const TObjectFrame &Frame) const;
    // The rich text editor on a copy of the text; on OK the label takes it.
    // False when it was cancelled (true without an editor to show).
    bool Edit();

    // The commands of the label's menu.
    void ToggleTransparent();
    void ChooseBGColor();
    void ToggleBorder();

    void PaintFrame(QPainter &Target, const TObjectFrame &Frame) const override;
    void AddMenuItems(TDesignMenu &Menu) override;

private:
    void Repaint();

    TWPRtfStorage m_storage;
    TLabelBox m_box{true, clWhite, bsSingle};
    quint64 m_revision = 1;
    mutable TObjectPicture m_picture;
    mutable std::shared_ptr<const TWPRichTextLayout> m_layout;
};
