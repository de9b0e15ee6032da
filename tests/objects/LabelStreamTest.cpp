#include "ComponentStream.h"
#include "LabelFixture.h"
#include "LabelKinds.h"
#include "LumLabelObjectFiler.h"
#include "ProgramFolder.h"
#include "RtfDocument.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QTemporaryDir>
#include <QTextCursor>

namespace {

QByteArray Record(const TComponent &component)
{
    TStreamWriter out;
    WriteComponent(out, component);
    return out.Data();
}

std::unique_ptr<TComponent> Read(const QByteArray &bytes)
{
    TClassRegistry classes;
    RegisterLabelClasses(classes);
    TStreamReader in(bytes);
    return ReadComponent(in, classes);
}

// Whether the record names the property: its length byte, then its name.
bool Names(const QByteArray &record, const char *property)
{
    const QByteArray name(property);
    return record.contains(char(name.size()) + name);
}

TWPRTFTextPaint SampleText()
{
    TWPRTFTextPaint text;
    QTextCursor cursor(&text.Document());
    cursor.insertText(QStringLiteral("Meeting at noon in the big hall with everyone"));
    return text;
}

} // namespace

TEST(LabelStream, DefaultsAreLeftOutAsDeclared)
{
    TPaxLabel label;
    label.FinishLoad();
    const QByteArray record = Record(label);
    for (const char *left : {"Alignment", "DepthHighlight", "DepthShadow", "DirectionHighlight",
                             "DirectionShadow", "colorHighlight", "colorShadow", "Angle"})
        EXPECT_FALSE(Names(record, left)) << left;
    for (const char *kept : {"Caption", "Font.Name", "Transparent", "BackColor", "BorderStyle"})
        EXPECT_TRUE(Names(record, kept)) << kept;

    TPaxRichBaseLabel rich;
    rich.SetRTFText(SampleText());
    const QByteArray richRecord = Record(rich);
    for (const char *kept : {"RTFText.Data", "BorderStyle", "Transparent", "BGColor"})
        EXPECT_TRUE(Names(richRecord, kept)) << kept;
}

TEST(LabelStream, BothKindsSurviveSaveLoadSaveByteForByte)
{
    TPaxLabel label;
    label.SetCaption(QStringLiteral("Birthday"));
    label.SetAlignment(taCenter);
    label.SetDepthShadow(3);
    label.SetDepthHighlight(2);
    label.SetDirectionShadow(sdLeft);
    label.SetDirectionHighlight(hdUp);
    label.SetcolorShadow(clNavy);
    label.SetcolorHighlight(0xE8FFFF);
    label.SetTransparent(false);
    label.SetBackColor(clYellow);
    label.SetBorderStyle(bsSingle);
    label.FinishLoad();
    label.SetAngle(90);

    TPaxRichBaseLabel rich;
    rich.SetRTFText(SampleText());
    rich.SetTransparent(false);
    rich.SetBGColor(clSilver);
    rich.SetBorderStyle(bsNone);

    for (const TComponent *component :
         {static_cast<const TComponent *>(&label), static_cast<const TComponent *>(&rich)}) {
        const QByteArray first = Record(*component);
        const std::unique_ptr<TComponent> copy = Read(first);
        ASSERT_NE(copy, nullptr) << component->ClassInfo().ClassName().toStdString();
        EXPECT_EQ(Record(*copy), first) << component->ClassInfo().ClassName().toStdString();
    }
    const auto copy = Read(Record(label));
    const auto &read = static_cast<const TPaxLabel &>(*copy);
    EXPECT_EQ(read.Angle(), 90);
    EXPECT_EQ(read.Width(), label.Width());
    EXPECT_EQ(read.Height(), label.Height());
}

TEST(LabelStream, AStoredAngleTurnsAndAlignsTheLabelAsSettingItDoes)
{
    // Regression: a label stored with Angle 90 and a wide box was read as it
    // stood, without the swap of width and height and the reset of the
    // alignment that setting the angle makes; the angle is read through it.
    TPaxLabel label;
    label.SetCaption(QStringLiteral("A label long enough to stand tall"));
    label.SetObjectBounds(10, 20, 142, 33);
    label.SetAlignment(taCenter);
    QByteArray record = Record(label);
    TStreamWriter angle;
    angle.WriteName(QStringLiteral("Angle"));
    angle.WriteInteger(90);
    record.insert(record.size() - 2, angle.Data());

    const auto copy = Read(record);
    ASSERT_NE(copy, nullptr);
    const auto &read = static_cast<const TPaxLabel &>(*copy);
    EXPECT_EQ(read.Angle(), 90);
    // Turned where it was stored: as tall as the box was wide (its text is
    // longer), and narrow.
    EXPECT_EQ(read.Left(), 10);
    EXPECT_EQ(read.Top(), 20);
    EXPECT_EQ(read.Height(), 142);
    EXPECT_LE(read.Width(), 33);
    EXPECT_EQ(read.Alignment(), taLeftJustify);
    // Read again as written, it stays as it is.
    const QByteArray written = Record(read);
    EXPECT_EQ(Record(*Read(written)), written);
}

TEST(LabelStream, AnEmptyRichTextIsNotWritten)
{
    // Regression: an empty rich-text label was written with a zero-length
    // "RTFText.Data"; an empty document is not written at all.
    TPaxRichBaseLabel rich;
    const QByteArray empty = Record(rich);
    EXPECT_FALSE(Names(empty, "RTFText.Data"));
    const auto copy = Read(empty);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(static_cast<const TPaxRichBaseLabel &>(*copy).RTFText().IsEmpty());
    rich.SetRTFText(SampleText());
    EXPECT_TRUE(Names(Record(rich), "RTFText.Data"));
}

TEST(LabelStream, HostileValuesAreRefused)
{
    TPaxLabel label;
    label.FinishLoad();
    QByteArray record = Record(label);
    // Angle 45 and a depth of a million in place of the caption's text.
    TStreamWriter extra;
    extra.WriteName(QStringLiteral("Angle"));
    extra.WriteInteger(45);
    extra.WriteName(QStringLiteral("DepthShadow"));
    extra.WriteInteger(1000000);
    const int end = record.size() - 2;
    record.insert(end, extra.Data());
    const auto copy = Read(record);
    ASSERT_NE(copy, nullptr);
    const auto &read = static_cast<const TPaxLabel &>(*copy);
    EXPECT_EQ(read.Angle(), 0);
    EXPECT_EQ(read.DepthShadow(), 0);
}

TEST(LabelStream, UnreadableRichTextKeepsTheLabel)
{
    TPaxRichBaseLabel rich;
    rich.SetRTFData(QByteArray("not rich text at all"));
    EXPECT_NO_THROW(Record(rich));
    rich.SetRTFData(QByteArray());
    EXPECT_TRUE(rich.RTFText().IsEmpty());
}

TEST_F(LabelTest, ClipboardCopiesAndPastesBothKinds)
{
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    RegisterLabelClasses(Panel.ObjectClasses());
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("Copied"), 20);
    TPaxRichBaseLabel &rich = PlaceRichLabel(190, 60);
    rich.SetRTFText(SampleText());
    Panel.SelectAll();
    Panel.ClipboardAction(caCopy);
    Panel.ClipboardAction(caPaste);
    ASSERT_EQ(Panel.Objects().Count(), 4);
    const auto *pasted = dynamic_cast<const TPaxLabel *>(Panel.Objects().At(2));
    const auto *pastedRich = dynamic_cast<const TPaxRichBaseLabel *>(Panel.Objects().At(3));
    ASSERT_NE(pasted, nullptr);
    ASSERT_NE(pastedRich, nullptr);
    EXPECT_EQ(pasted->Caption(), label.Caption());
    EXPECT_EQ(pasted->Left(), label.Left() + 15);
    EXPECT_EQ(pastedRich->RTFData(), rich.RTFData());
    SetProgramFolder(QString());
}
