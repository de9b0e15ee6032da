#include "LumLabelObjectFiler.h"
#include "RtfDocument.h"
#include "SuperTextFixture.h"

#include <QTextCursor>

#include <functional>

// The label kinds' setters had drifted apart: some told the panel of a change
// and others of the same property did not (a text label's font, a rich
// label's transparency, special-effect text's caption), a rich label's text
// told it even when unchanged, and a change that also resized the object told
// it twice.

namespace {

TWPRTFTextPaint RichText(const QString &words)
{
    TWPRTFTextPaint text;
    QTextCursor(&text.Document()).insertText(words);
    return text;
}

QImage Texture()
{
    QImage texture(6, 4, QImage::Format_RGB32);
    texture.fill(Qt::red);
    return texture;
}

// A bitmap as a document stores it, from an object holding the texture.
QByteArray TextureData()
{
    TLumSuperText holder;
    holder.SetImage(Texture());
    return holder.ImageData();
}

TFontDesc FontWith(TFontDesc font, TColor color, int size)
{
    font.Color = color;
    font.Size = size;
    return font;
}

enum TKind { Plain, Rich, Super };

struct TSetterCase
{
    const char *Setter;
    TKind Kind;
    // Gives the property a value other than the one a new object has.
    std::function<void(TLumGraphicControl &)> Change;
    // Gives it a value it refuses; none for a property taking any value.
    std::function<void(TLumGraphicControl &)> Refuse = {};
};

template <class Kind, class Setter> std::function<void(TLumGraphicControl &)> Set(Setter setter)
{
    return [setter](TLumGraphicControl &object) { setter(static_cast<Kind &>(object)); };
}

const std::vector<TSetterCase> &SetterCases()
{
    using L = TPaxLabel;
    using R = TPaxRichBaseLabel;
    using S = TLumSuperText;
    static const std::vector<TSetterCase> cases{
        {"Alignment", Plain, Set<L>([](L &l) { l.SetAlignment(taCenter); }),
         Set<L>([](L &l) { l.SetAlignment(TAlignment(3)); })},
        {"DepthHighlight", Plain, Set<L>([](L &l) { l.SetDepthHighlight(2); }),
         Set<L>([](L &l) { l.SetDepthHighlight(-1); })},
        {"DepthShadow", Plain, Set<L>([](L &l) { l.SetDepthShadow(2); }),
         Set<L>([](L &l) { l.SetDepthShadow(256); })},
        {"DirectionHighlight", Plain, Set<L>([](L &l) { l.SetDirectionHighlight(hdUp); }),
         Set<L>([](L &l) { l.SetDirectionHighlight(THighlightDirection(6)); })},
        {"DirectionShadow", Plain, Set<L>([](L &l) { l.SetDirectionShadow(sdLeft); }),
         Set<L>([](L &l) { l.SetDirectionShadow(TShadowDirection(-1)); })},
        {"colorHighlight", Plain, Set<L>([](L &l) { l.SetcolorHighlight(clRed); })},
        {"colorShadow", Plain, Set<L>([](L &l) { l.SetcolorShadow(clRed); })},
        {"Angle across", Plain, Set<L>([](L &l) { l.SetAngle(90); }),
         Set<L>([](L &l) { l.SetAngle(45); })},
        {"Angle upside down", Plain, Set<L>([](L &l) { l.SetAngle(180); })},
        {"Caption", Plain, Set<L>([](L &l) { l.SetCaption(QStringLiteral("Other")); })},
        {"Font colour", Plain, Set<L>([](L &l) { l.SetFont(FontWith(l.Font(), clRed, 10)); })},
        {"Font size", Plain, Set<L>([](L &l) { l.SetFont(FontWith(l.Font(), clBlack, 30)); })},
        {"Transparent", Plain, Set<L>([](L &l) { l.SetTransparent(false); })},
        {"BackColor", Plain, Set<L>([](L &l) { l.SetBackColor(clYellow); })},
        {"BorderStyle", Plain, Set<L>([](L &l) { l.SetBorderStyle(bsSingle); }),
         Set<L>([](L &l) { l.SetBorderStyle(TBorderStyle(2)); })},

        {"RTFText", Rich, Set<R>([](R &r) { r.SetRTFText(RichText(QStringLiteral("Fair"))); })},
        {"RTFText.Data", Rich,
         Set<R>([](R &r) { r.SetRTFData(RichText(QStringLiteral("Fair")).SaveData()); })},
        {"BorderStyle", Rich, Set<R>([](R &r) { r.SetBorderStyle(bsNone); }),
         Set<R>([](R &r) { r.SetBorderStyle(TBorderStyle(-1)); })},
        {"Transparent", Rich, Set<R>([](R &r) { r.SetTransparent(false); })},
        {"BGColor", Rich, Set<R>([](R &r) { r.SetBGColor(clYellow); })},

        {"ShadowDepth", Super, Set<S>([](S &s) { s.SetShadowDepth(3); }),
         Set<S>([](S &s) { s.SetShadowDepth(-1); })},
        {"ShadowOrientation", Super, Set<S>([](S &s) { s.SetShadowOrientation(sdLeft); }),
         Set<S>([](S &s) { s.SetShadowOrientation(TShadowOrientation(6)); })},
        {"Shadowcolor", Super, Set<S>([](S &s) { s.SetShadowcolor(clRed); })},
        {"BorderStyle", Super, Set<S>([](S &s) { s.SetBorderStyle(bsSingle); }),
         Set<S>([](S &s) { s.SetBorderStyle(TBorderStyle(2)); })},
        {"ControlTransparent", Super, Set<S>([](S &s) { s.SetControlTransparent(false); })},
        {"BGColor", Super, Set<S>([](S &s) { s.SetBGColor(clYellow); })},
        {"Caption", Super, Set<S>([](S &s) { s.SetCaption(QStringLiteral("Other")); })},
        {"Font colour", Super, Set<S>([](S &s) { s.SetFont(FontWith(s.Font(), clRed, 48)); })},
        {"Font size", Super, Set<S>([](S &s) { s.SetFont(FontWith(s.Font(), clBlack, 72)); })},
        {"FillDirection", Super, Set<S>([](S &s) { s.SetFillDirection(gdUp); }),
         Set<S>([](S &s) { s.SetFillDirection(TFillDirection(4)); })},
        {"GradientToColor", Super, Set<S>([](S &s) { s.SetGradientToColor(clRed); })},
        {"GradientFromColor", Super, Set<S>([](S &s) { s.SetGradientFromColor(clRed); })},
        {"Image", Super, Set<S>([](S &s) { s.SetImage(Texture()); })},
        {"Image.Data", Super, Set<S>([](S &s) { s.SetImageData(TextureData()); })},
        {"Image.Data unreadable", Super,
         Set<S>([](S &s) { s.SetImageData(QByteArray("not a bitmap")); })},
        {"OutlineColor", Super, Set<S>([](S &s) { s.SetOutlineColor(clRed); })},
        {"OutlineStyle", Super, Set<S>([](S &s) { s.SetOutlineStyle(psDash); }),
         Set<S>([](S &s) { s.SetOutlineStyle(TPenStyle(99)); })},
        {"OutlineWidth", Super, Set<S>([](S &s) { s.SetOutlineWidth(3); }),
         Set<S>([](S &s) { s.SetOutlineWidth(-1); })},
        {"SurfaceType", Super, Set<S>([](S &s) { s.SetSurfaceType(stNormal); }),
         Set<S>([](S &s) { s.SetSurfaceType(TSurfaceType(4)); })},
        {"LastBitmapFileNameandPath", Super,
         Set<S>([](S &s) { s.SetLastBitmapFileNameandPath(QStringLiteral("/tmp/a.bmp")); })},
    };
    return cases;
}

class LabelNoticeTest : public SuperTextTest
{
protected:
    TLumGraphicControl &Place(TKind kind)
    {
        switch (kind) {
        case Plain:
            return PlaceLabel(142, 33);
        case Rich:
            return PlaceRichLabel(190, 33);
        case Super:
            break;
        }
        return PlaceText(142, 60);
    }

    // The document's bytes for object: what a notice tells has changed.
    QByteArray Stored(const TLumGraphicControl &object)
    {
        return TLumLabelObjectFiler(Panel).Records({&object});
    }
};

const char *KindName(TKind kind)
{
    static const char *const names[] = {"text label", "rich-text label", "special-effect text"};
    return names[kind];
}

} // namespace

TEST_F(LabelNoticeTest, EverySetterOfEveryKindNotifiesOncePerRealChange)
{
    for (const TSetterCase &c : SetterCases()) {
        const std::string name = std::string(KindName(c.Kind)) + " " + c.Setter;
        TLumGraphicControl &object = Place(c.Kind);
        const QByteArray before = Stored(object);
        Changes = 0;
        if (c.Refuse) {
            c.Refuse(object);
            EXPECT_EQ(Changes, 0) << name << ": a refused value";
            EXPECT_EQ(Stored(object), before) << name << ": a refused value";
        }
        c.Change(object);
        EXPECT_EQ(Changes, 1) << name << ": a change";
        EXPECT_NE(Stored(object), before) << name << ": the document records the change";
        c.Change(object);
        EXPECT_EQ(Changes, 1) << name << ": the same value again";
        Panel.DeleteAllObjects();
    }
}

TEST_F(LabelNoticeTest, EveryMenuCommandNotifiesOnce)
{
    TLabelPrompts prompts;
    prompts.ChooseColor = [](TColor) { return std::optional<TColor>(clYellow); };
    prompts.EditText = [](const QString &) { return std::optional<QString>("A longer caption"); };
    prompts.Edit3DEffects = [](TLumBaseLabel &label) {
        label.SetDepthShadow(3);
        label.SetcolorShadow(clRed);
        return true;
    };
    SetLabelPrompts(prompts);
    TFontDesc font = TPaxLabel().Font();
    font.Size = 28;
    View.FontAnswer = font;
    const struct
    {
        TKind kind;
        const char *item;
        const char *submenu = "";
    } cases[] = {
        {Plain, "Transparent"},
        {Plain, "Border"},
        {Plain, "Background Color"},
        {Plain, "Center", "Alignment"},
        {Plain, "Text"},
        {Plain, "90 Degrees", "Rotation"},
        {Plain, "Font"},
        {Plain, "3D Effects"},
        {Rich, "Transparent"},
        {Rich, "Border"},
        {Rich, "Background Color"},
        {Super, "Transparent"},
        {Super, "Border"},
        {Super, "Background Color"},
        {Super, "Font"},
    };
    for (const auto &c : cases) {
        TLumGraphicControl &object = Place(c.kind);
        Changes = 0;
        if (*c.submenu)
            RunSubmenu(object, QString::fromLatin1(c.submenu), QString::fromLatin1(c.item));
        else
            RunMenu(object, QString::fromLatin1(c.item));
        EXPECT_EQ(Changes, 1) << KindName(c.kind) << " " << c.item;
        Panel.DeleteAllObjects();
    }
}
