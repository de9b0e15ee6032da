#include "FuzzSupport.h"
#include "LabelKinds.h"
#include "LumBasePanel.h"
#include "LumGraphicControl.h"
#include "LumLabelObjectFiler.h"
#include "LumSuperText.h"
#include "PublishedProperties.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

// A kind with a colour, a text and a font besides the base's properties.
class TFuzzObject : public TLumGraphicControl
{
public:
    static const TClassInfo &Class()
    {
        static const TClassInfo info = [] {
            TClassInfo made(QStringLiteral("TFuzzObject"), &BaseClassInfo(),
                            [] { return std::make_unique<TFuzzObject>(); });
            TPublishedProperties<TFuzzObject>(made)
                .Colour("Color", &TFuzzObject::Color, &TFuzzObject::SetColor, clWhite)
                .String("Caption", &TFuzzObject::Caption, &TFuzzObject::SetCaption)
                .Font("Font", &TFuzzObject::Font, &TFuzzObject::SetFont);
            return made;
        }();
        return info;
    }
    const TClassInfo &ClassInfo() const override { return Class(); }

    TColor Color() const { return m_color; }
    void SetColor(TColor value) { m_color = value; }
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &value) { m_caption = value; }
    const TFontDesc &Font() const { return m_font; }
    void SetFont(const TFontDesc &value) { m_font = value; }

private:
    TColor m_color = clWhite;
    QString m_caption;
    TFontDesc m_font;
};

class TFuzzPanel : public TLumBasePanel
{
public:
    TFuzzPanel()
    {
        ObjectClasses().Register(TFuzzObject::Class());
        RegisterLabelClasses(ObjectClasses());
        RegisterSuperTextClasses(ObjectClasses());
        SetPanelSize(800, 600);
    }
};

} // namespace

// Any bytes pasted as the object clipboard: the paste may read nothing or
// part, never crash, hang or run away. What was read writes back to records
// that read to as many objects again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TFuzzPanel panel;
    TLumLabelObjectFiler filer(panel);
    filer.SetOffsetObjects(true);
    const QList<TLumGraphicControl *> read = filer.ReadObjectsFrom(bytes);
    const QList<const TLumGraphicControl *> objects(read.begin(), read.end());
    const QByteArray written = filer.Records(objects);
    TFuzzPanel again;
    if (TLumLabelObjectFiler(again).ReadObjectsFrom(written).size() != read.size())
        std::abort();
    return 0;
}
