#include "ComponentStream.h"

#include "PublishedProperties.h"

#include <gtest/gtest.h>

namespace {

enum TTestAlignment { taLeftJustify, taRightJustify, taCenter };

// A placed object as the object classes describe theirs: a base with the
// common properties and a kind that adds its own.
class TTestControl : public TComponent
{
public:
    static const TClassInfo &StaticClassInfo()
    {
        static const TClassInfo info = [] {
            TClassInfo info(QStringLiteral("TTestControl"), nullptr);
            TPublishedProperties<TTestControl>(info)
                .Integer(QStringLiteral("Tag"), &TTestControl::Tag, &TTestControl::SetTag, 0)
                .Integer(QStringLiteral("Left"), &TTestControl::Left, &TTestControl::SetLeft)
                .String(QStringLiteral("Hint"), &TTestControl::Hint, &TTestControl::SetHint)
                .StoredWhen([](const TTestControl &c) { return !c.Hint().isEmpty(); });
            return info;
        }();
        return info;
    }
    const TClassInfo &ClassInfo() const override { return StaticClassInfo(); }

    int Tag() const { return m_tag; }
    void SetTag(int value) { m_tag = value; }
    int Left() const { return m_left; }
    void SetLeft(int value) { m_left = value; }
    const QString &Hint() const { return m_hint; }
    void SetHint(const QString &value) { m_hint = value; }

private:
    int m_tag = 0;
    int m_left = 0;
    QString m_hint;
};

class TTestLabel : public TTestControl
{
public:
    static const TClassInfo &StaticClassInfo()
    {
        static const TClassInfo info = [] {
            TClassInfo info(QStringLiteral("TTestLabel"), &TTestControl::StaticClassInfo(),
                            [] { return std::make_unique<TTestLabel>(); });
            TPublishedProperties<TTestLabel>(info)
                .Enumeration<TTestAlignment>(
                    QStringLiteral("Alignment"),
                    {QStringLiteral("taLeftJustify"), QStringLiteral("taRightJustify"),
                     QStringLiteral("taCenter")},
                    &TTestLabel::Alignment, &TTestLabel::SetAlignment, taLeftJustify)
                .Colour(QStringLiteral("BackColor"), &TTestLabel::BackColor,
                        &TTestLabel::SetBackColor)
                .Font(QStringLiteral("Font"), &TTestLabel::Font, &TTestLabel::SetFont)
                .Float(QStringLiteral("Ratio"), &TTestLabel::Ratio, &TTestLabel::SetRatio, 1.0)
                .Boolean(QStringLiteral("Transparent"), &TTestLabel::Transparent,
                         &TTestLabel::SetTransparent)
                .Set(QStringLiteral("Anchors"),
                     {QStringLiteral("akLeft"), QStringLiteral("akTop"), QStringLiteral("akRight")},
                     &TTestLabel::Anchors, &TTestLabel::SetAnchors, 3u)
                .Binary(QStringLiteral("Picture.Data"), &TTestLabel::Picture,
                        &TTestLabel::SetPicture)
                .StoredWhen([](const TTestLabel &c) { return !c.Picture().isEmpty(); });
            return info;
        }();
        return info;
    }
    const TClassInfo &ClassInfo() const override { return StaticClassInfo(); }
    void Loaded() override { ++LoadedCalls; }

    TTestAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TTestAlignment value) { m_alignment = value; }
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor value) { m_backColor = value; }
    const TFontDesc &Font() const { return m_font; }
    void SetFont(const TFontDesc &value) { m_font = value; }
    double Ratio() const { return m_ratio; }
    void SetRatio(double value) { m_ratio = value; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { m_transparent = value; }
    quint32 Anchors() const { return m_anchors; }
    void SetAnchors(quint32 value) { m_anchors = value; }
    const QByteArray &Picture() const { return m_picture; }
    void SetPicture(const QByteArray &value) { m_picture = value; }

    int LoadedCalls = 0;

private:
    TTestAlignment m_alignment = taLeftJustify;
    TColor m_backColor = clWhite;
    TFontDesc m_font{QStringLiteral("Arial"), 10, {}, clBlack};
    double m_ratio = 1.0;
    bool m_transparent = true;
    quint32 m_anchors = 3;
    QByteArray m_picture;
};

TClassRegistry Classes()
{
    TClassRegistry classes;
    classes.Register(TTestLabel::StaticClassInfo());
    return classes;
}

QByteArray Name(const char *text)
{
    return char(qstrlen(text)) + QByteArray(text);
}

std::unique_ptr<TTestLabel> ReadLabel(const QByteArray &bytes, std::optional<ReadError> *error = {})
{
    TStreamReader in(bytes);
    std::unique_ptr<TComponent> component = ReadComponent(in, Classes());
    if (error)
        *error = in.Error();
    return std::unique_ptr<TTestLabel>(static_cast<TTestLabel *>(component.release()));
}

TEST(ComponentStream, DefaultsAndFalseConditionsAreLeftOut)
{
    TTestLabel label;
    label.SetName(QStringLiteral("Label1"));
    TStreamWriter out;
    WriteComponent(out, label);
    const QByteArray expected = "TPF0" + Name("TTestLabel") + Name("Label1") + Name("Left") +
                                QByteArray("\x02\x00", 2) + Name("BackColor") + "\x07" +
                                Name("clWhite") + Name("Font.Color") + "\x07" + Name("clBlack") +
                                Name("Font.Height") + "\x02\xF3" + Name("Font.Name") + "\x06" +
                                Name("Arial") + Name("Font.Style") + QByteArray("\x0B\x00", 2) +
                                Name("Transparent") + "\x09" + QByteArray(2, '\0');
    EXPECT_EQ(out.Data().toHex(' '), expected.toHex(' '));
}

TEST(ComponentStream, EveryPropertyRoundTrips)
{
    TTestLabel label;
    label.SetName(QStringLiteral("Fancy"));
    label.SetTag(-5);
    label.SetLeft(70000);
    label.SetHint(QStringLiteral("Gr\u00FC\u00DFe \u0141\u00F3d\u017A"));
    label.SetAlignment(taCenter);
    label.SetBackColor(0xE8FFFF);
    label.SetFont({QStringLiteral("Times New Roman"), 13, TFontStyle::fsUnderline, clBtnFace});
    label.SetRatio(0.1);
    label.SetTransparent(false);
    label.SetAnchors(5);
    label.SetPicture(QByteArray("\x00\x01\x02", 3));
    TStreamWriter out;
    WriteComponent(out, label);

    const auto read = ReadLabel(out.Data());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Name(), QStringLiteral("Fancy"));
    EXPECT_EQ(read->Tag(), -5);
    EXPECT_EQ(read->Left(), 70000);
    EXPECT_EQ(read->Hint(), label.Hint());
    EXPECT_EQ(read->Alignment(), taCenter);
    EXPECT_EQ(read->BackColor(), TColor(0xE8FFFF));
    EXPECT_EQ(read->Font(), label.Font());
    EXPECT_EQ(read->Ratio(), 0.1);
    EXPECT_FALSE(read->Transparent());
    EXPECT_EQ(read->Anchors(), 5u);
    EXPECT_EQ(read->Picture(), label.Picture());
    EXPECT_EQ(read->LoadedCalls, 1);
}

TEST(ComponentStream, UnknownEntriesAreSkippedAndFontExtrasAccepted)
{
    const QByteArray bytes = "TPF0" + Name("ttestlabel") + Name("X") + Name("Unknown") +
                             QByteArray("\x01\x02\x01\x06\x01z\x00", 7) + Name("Font.Charset") +
                             "\x07" + Name("DEFAULT_CHARSET") + Name("Font.Pitch") + "\x07" +
                             Name("fpDefault") + Name("Font.Size") + "\x02\x30" +
                             Name("Alignment") + "\x07" + Name("TARIGHTJUSTIFY") +
                             QByteArray(2, '\0');
    std::optional<ReadError> error;
    const auto read = ReadLabel(bytes, &error);
    ASSERT_TRUE(read) << qPrintable(error->what);
    EXPECT_EQ(read->Font().Size, 48);
    EXPECT_EQ(read->Alignment(), taRightJustify);
}

TEST(ComponentStream, BadStreamsFailWithTheirReason)
{
    const QByteArray header = "TPF0" + Name("TTestLabel") + Name("X");
    const struct
    {
        QByteArray bytes;
        const char *what;
    } cases[] = {
        {"TPF1", "not a component stream"},
        {"TPF0" + Name("TOther") + Name("X") + QByteArray(2, '\0'), "unknown class TOther"},
        {"TPF0" + Name("TTestControl") + Name("X") + QByteArray(2, '\0'),
         "unknown class TTestControl"},
        {header + Name("Alignment") + "\x07" + Name("taJustify"), "Alignment cannot be taJustify"},
        {header + Name("Anchors") + "\x0B" + Name("akBottom") + '\0',
         "Anchors cannot hold akBottom"},
        {header + Name("Font.Style") + "\x0B" + Name("fsShadow") + '\0',
         "unknown font style fsShadow"},
        {header + Name("Left") + "\x06\x00", "expected an integer, found type 0x06"},
        {header + '\0' + "TPF0", "child components are not supported"},
    };
    for (const auto &c : cases) {
        std::optional<ReadError> error;
        EXPECT_FALSE(ReadLabel(c.bytes, &error));
        ASSERT_TRUE(error);
        EXPECT_EQ(error->what, QLatin1String(c.what));
    }
}

TEST(ComponentStream, EveryTruncationFails)
{
    TTestLabel label;
    label.SetHint(QStringLiteral("hint"));
    label.SetPicture("picture");
    TStreamWriter out;
    WriteComponent(out, label);
    for (qsizetype size = 0; size < out.Data().size(); ++size) {
        std::optional<ReadError> error;
        EXPECT_FALSE(ReadLabel(out.Data().left(size), &error)) << size;
        EXPECT_TRUE(error) << size;
    }
}

} // namespace
