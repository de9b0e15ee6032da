#include "CalendarPage.h"
#include "ComponentStream.h"
#include "LumSuperText.h"
#include "ProgramFolder.h"
#include "StreamReader.h"
#include "StreamWriter.h"
#include "SuperTextFixture.h"
#include "TestObject.h"

#include <QBuffer>
#include <QTemporaryDir>

namespace {

QByteArray Record(const TComponent &component)
{
    TStreamWriter out;
    WriteComponent(out, component);
    return out.Data();
}

std::unique_ptr<TLumSuperText> Read(const QByteArray &bytes)
{
    TClassRegistry classes;
    RegisterSuperTextClasses(classes);
    TStreamReader in(bytes);
    std::unique_ptr<TComponent> read = ReadComponent(in, classes);
    auto *text = dynamic_cast<TLumSuperText *>(read.get());
    if (!text)
        return nullptr;
    read.release();
    return std::unique_ptr<TLumSuperText>(text);
}

bool Names(const QByteArray &record, const char *property)
{
    const QByteArray name(property);
    return record.contains(char(name.size()) + name);
}

QByteArray Saved(TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveToDevice(buffer));
    return buffer.data();
}

QImage Checkers()
{
    QImage texture(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            texture.setPixel(x, y, (x + y) % 2 ? 0xFF8000 : 0x0080FF);
    return texture;
}

// A record of special-effect text as a damaged or hostile document holds it.
QByteArray HostileRecord(const std::function<void(TStreamWriter &)> &properties)
{
    TStreamWriter out;
    WriteComponentHeader(out, QStringLiteral("TLumSuperText"), QStringLiteral("Hostile"));
    properties(out);
    WriteComponentEnd(out);
    return out.Data();
}

} // namespace

TEST(SuperTextStream, DefaultShadowIsNotWrittenAndReadsBack)
{
    TLumSuperText text;
    text.FinishLoad();
    const QByteArray record = Record(text);
    for (const char *left : {"ShadowDepth", "ShadowOrientation", "Shadowcolor", "Image.Data",
                             "LastBitmapFileNameandPath"})
        EXPECT_FALSE(Names(record, left)) << left;
    for (const char *kept : {"BorderStyle", "ControlTransparent", "BGColor", "Caption", "Font.Name",
                             "Font.Height", "FillDirection", "GradientToColor", "GradientFromColor",
                             "OutlineColor", "OutlineStyle", "OutlineWidth", "SurfaceType"})
        EXPECT_TRUE(Names(record, kept)) << kept;
    const auto read = Read(record);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ShadowDepth(), 0);
    EXPECT_EQ(read->ShadowOrientation(), sdDownRight);
    EXPECT_EQ(read->Shadowcolor(), clGray);
    // The gradient colours are written by their names.
    EXPECT_TRUE(record.contains(QByteArray("GradientFromColor\x07\x06"
                                           "clBlue")));
    EXPECT_TRUE(record.contains(QByteArray("GradientToColor\x07\x08"
                                           "clYellow")));
    EXPECT_TRUE(record.contains(QByteArray("SurfaceType\x07\x0estGradientFill")));
}

TEST(SuperTextStream, WrittenRuleFollowsEachValue)
{
    struct Case
    {
        const char *Property;
        std::function<void(TLumSuperText &)> Change;
    };
    const QList<Case> cases{
        {"ShadowDepth", [](TLumSuperText &t) { t.SetShadowDepth(2); }},
        {"ShadowOrientation", [](TLumSuperText &t) { t.SetShadowOrientation(sdNone); }},
        {"Shadowcolor", [](TLumSuperText &t) { t.SetShadowcolor(clRed); }},
        {"Image.Data",
         [](TLumSuperText &t) {
             t.SetSurfaceType(stBrushImage);
             t.SetImage(Checkers());
         }},
        {"LastBitmapFileNameandPath",
         [](TLumSuperText &t) { t.SetLastBitmapFileNameandPath("/t/a.bmp"); }},
    };
    for (const Case &c : cases) {
        TLumSuperText text;
        c.Change(text);
        EXPECT_TRUE(Names(Record(text), c.Property)) << c.Property;
    }
    // An empty caption is left out, and so reads as the initial "Text".
    TLumSuperText empty;
    empty.SetCaption(QString());
    EXPECT_FALSE(Names(Record(empty), "Caption"));
}

TEST(SuperTextStream, EveryValueSurvivesAWriteAndARead)
{
    TLumSuperText text;
    text.SetShadowDepth(7);
    text.SetShadowOrientation(sdDownLeft);
    text.SetShadowcolor(0x123456);
    text.SetBorderStyle(bsSingle);
    text.SetControlTransparent(false);
    text.SetBGColor(clAqua);
    text.SetCaption(QStringLiteral("Grüße €"));
    text.SetFont({QStringLiteral("Liberation Serif"), 36, TFontStyle::fsItalic, clNavy});
    text.SetFillDirection(gdUp);
    text.SetGradientToColor(clRed);
    text.SetGradientFromColor(0x00FF80);
    text.SetSurfaceType(stBrushImage);
    text.SetImage(Checkers());
    text.SetOutlineColor(clMaroon);
    text.SetOutlineStyle(psDashDot);
    text.SetOutlineWidth(3);
    text.SetLastBitmapFileNameandPath(QStringLiteral("/home/me/Textures/Checkers.bmp"));
    text.FinishLoad();
    const auto read = Read(Record(text));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ShadowDepth(), 7);
    EXPECT_EQ(read->ShadowOrientation(), sdDownLeft);
    EXPECT_EQ(read->Shadowcolor(), TColor(0x123456));
    EXPECT_EQ(read->BorderStyle(), bsSingle);
    EXPECT_FALSE(read->ControlTransparent());
    EXPECT_EQ(read->BGColor(), clAqua);
    EXPECT_EQ(read->Caption(), text.Caption());
    EXPECT_EQ(read->Font(), text.Font());
    EXPECT_EQ(read->FillDirection(), gdUp);
    EXPECT_EQ(read->GradientToColor(), clRed);
    EXPECT_EQ(read->GradientFromColor(), TColor(0x00FF80));
    EXPECT_EQ(read->SurfaceType(), stBrushImage);
    EXPECT_EQ(read->Image().convertToFormat(QImage::Format_RGB32), Checkers());
    EXPECT_EQ(read->OutlineColor(), clMaroon);
    EXPECT_EQ(read->OutlineStyle(), psDashDot);
    EXPECT_EQ(read->OutlineWidth(), 3);
    EXPECT_EQ(read->LastBitmapFileNameandPath(), text.LastBitmapFileNameandPath());
    EXPECT_EQ(read->BoundsRect(), text.BoundsRect());
}

TEST(SuperTextDocument, SaveLoadSaveIsByteIdentical)
{
    SetSuperTextPrompts({});
    TCalendarPage page;
    TRecordingView view(page);
    view.ToolOn = psSuperText;
    page.CreateObjectInRect({40, 50, 240, 120});
    page.CreateObjectInRect({40, 200, 300, 260});
    ASSERT_EQ(page.Objects().Count(), 2);
    auto &textured = static_cast<TLumSuperText &>(*page.Objects().At(1));
    textured.SetSurfaceType(stBrushImage);
    textured.SetImage(Checkers());
    textured.SetShadowDepth(4);
    textured.SetCaption(QStringLiteral("Summer"));
    page.Objects().At(0)->SetName("Component0");
    page.Objects().At(1)->SetName("Component1");
    const QByteArray first = Saved(page);

    TCalendarPage loaded;
    QBuffer in;
    in.setData(first);
    in.open(QIODevice::ReadOnly);
    ASSERT_FALSE(loaded.LoadFromDevice(in));
    ASSERT_EQ(loaded.Objects().Count(), 2);
    const auto *copy = dynamic_cast<const TLumSuperText *>(loaded.Objects().At(1));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Caption(), QStringLiteral("Summer"));
    EXPECT_EQ(copy->BoundsRect(), textured.BoundsRect());
    EXPECT_FALSE(copy->Image().isNull());
    EXPECT_TRUE(loaded.HasSuperText());
    EXPECT_EQ(Saved(loaded), first);
}

TEST_F(SuperTextTest, ClipboardCopiesAndPastesTheObject)
{
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    RegisterSuperTextClasses(Panel.ObjectClasses());
    TLumSuperText &text = PlaceText(200, 80, QStringLiteral("Copied"));
    text.SetFillDirection(gdDown);
    text.SetShadowDepth(2);
    Panel.SelectAll();
    Panel.ClipboardAction(caCopy);
    Panel.ClipboardAction(caPaste);
    ASSERT_EQ(Panel.Objects().Count(), 2);
    const auto *pasted = dynamic_cast<const TLumSuperText *>(Panel.Objects().At(1));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Caption(), QStringLiteral("Copied"));
    EXPECT_EQ(pasted->FillDirection(), gdDown);
    EXPECT_EQ(pasted->ShadowDepth(), 2);
    EXPECT_EQ(pasted->Left(), text.Left() + 15);
    EXPECT_FALSE(pasted->GradientBitmap().isNull());
    SetProgramFolder(QString());
}

TEST(SuperTextStream, HostileValuesAreBounded)
{
    const QByteArray record = HostileRecord([](TStreamWriter &out) {
        out.WriteName("Width");
        out.WriteInteger(2000000000);
        out.WriteName("Height");
        out.WriteInteger(-5);
        out.WriteName("ShadowDepth");
        out.WriteInteger(1000000000);
        out.WriteName("OutlineWidth");
        out.WriteInteger(-7);
        out.WriteName("Font.Height");
        out.WriteInteger(-2000000000);
        out.WriteName("Caption");
        out.WriteString(QString(100000, QLatin1Char('W')));
    });
    const auto read = Read(record);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ShadowDepth(), 0);
    EXPECT_EQ(read->OutlineWidth(), 1);
    EXPECT_GE(read->Height(), 1);
    EXPECT_TRUE(read->GradientBitmap().isNull()) << "too large to keep";
    EXPECT_LE(QFontMetrics(read->DrawingFont()).height(), 2000);
    // Drawn in part, without running away.
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    read->Paint(painter);
}

TEST(SuperTextStream, UnreadableTextureIsKeptAsItCame)
{
    struct Case
    {
        const char *What;
        QByteArray Data;
    };
    for (const Case &c :
         {Case{"length past the end", QByteArray("\xff\xff\x00\x00BM", 6)},
          Case{"not a bitmap", QByteArray("\x06\x00\x00\x00GIF89a", 10)},
          Case{"short", QByteArray("\x01", 1)},
          Case{"bitmap header only", QByteArray("\x10\x00\x00\x00"
                                                "BM\x10\x00\x00\x00\x00\x00\x00\x00\x7f\x00\x00\x00"
                                                "\x00\x00",
                                                20)}}) {
        const QByteArray record = HostileRecord([&c](TStreamWriter &out) {
            out.WriteName("Image.Data");
            out.WriteBinary(c.Data);
            out.WriteName("SurfaceType");
            out.WriteIdent("stBrushImage");
        });
        const auto read = Read(record);
        ASSERT_NE(read, nullptr) << c.What;
        EXPECT_TRUE(read->Image().isNull()) << c.What;
        EXPECT_EQ(read->ImageData(), c.Data) << c.What;
        EXPECT_TRUE(Names(Record(*read), "Image.Data")) << c.What;
    }
}

TEST(SuperTextStream, UnknownIdentifiersFailTheRead)
{
    const QByteArray record = HostileRecord([](TStreamWriter &out) {
        out.WriteName("SurfaceType");
        out.WriteIdent("stHologram");
    });
    EXPECT_EQ(Read(record), nullptr);
}
