#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "MasterRichText.h"
#include "PageGestures.h"
#include "PaxRichBaseLabel.h"
#include "RtfDocument.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PageLabels : public ::testing::Test
{
protected:
    ~PageLabels() override { SetLabelPrompts({}); }
};

} // namespace

TEST_F(PageLabels, ToolsCreateLabelsThatOpenTheirDialogs)
{
    TCalendarPage page;
    PlaceBothLabels(page, QStringLiteral("Bring plates and cups"));
    ASSERT_EQ(page.Objects().Count(), 2);
    const auto *label = dynamic_cast<const TPaxLabel *>(page.Objects().At(0));
    const auto *rich = dynamic_cast<const TPaxRichBaseLabel *>(page.Objects().At(1));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(rich, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("Picnic"));
    EXPECT_EQ(label->Font().Size, 20);
    EXPECT_EQ(label->Font().Name, page.Font().Name);
    EXPECT_FALSE(label->Transparent());
    EXPECT_EQ(label->BorderStyle(), bsSingle);
    EXPECT_FALSE(rich->RTFText().IsEmpty());
    EXPECT_FALSE(rich->Transparent());
    EXPECT_EQ(rich->FindMasterRichText(), &SharedMasterRichText());
}

TEST_F(PageLabels, DocumentsKeepBothKindsByteForByte)
{
    QTemporaryDir folder;
    TCalendarPage page;
    PlaceBothLabels(page, QStringLiteral("Bring plates and cups"));
    // Named as a document's objects are named when it is read.
    page.Objects().At(0)->SetName(QStringLiteral("Component0"));
    page.Objects().At(1)->SetName(QStringLiteral("Component1"));
    const QString first = folder.filePath(QStringLiteral("first.DWC"));
    const QString second = folder.filePath(QStringLiteral("second.DWC"));
    ASSERT_FALSE(page.SaveToFile(first));
    TCalendarPage read;
    ASSERT_FALSE(read.LoadFromFile(first));
    ASSERT_EQ(read.Objects().Count(), 2);
    ASSERT_FALSE(read.SaveToFile(second));
    EXPECT_EQ(FileBytes(second), FileBytes(first));
}

TEST_F(PageLabels, LabelsShowOnThePageBitmap)
{
    TCalendarPage page;
    PlaceBothLabels(page, QStringLiteral("Bring plates and cups"));
    auto *label = static_cast<TPaxLabel *>(page.Objects().At(0));
    label->SetBackColor(clRed);
    const QImage image = RenderToBitmap(page);
    EXPECT_EQ(image.pixel(label->Left(), label->Top()) & 0xFFFFFF, 0u) << "frame";
    EXPECT_EQ(image.pixel(label->Left() + label->Width() - 3, label->Top() + 3) & 0xFFFFFF,
              0xFF0000u);
}
