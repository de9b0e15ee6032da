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
    label.SetAlignment(taCenter);

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
    EXPECT_EQ(read.Alignment(), taCenter) << "a stored alignment is not reset by the angle";
    EXPECT_EQ(read.Width(), label.Width());
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
