#include "PrinterSetup.h"

#include "ModalDialog.h"
#include "RPDevice.h"

#include <QPrintDialog>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

// Answers every modal dialog with result and keeps what it was shown.
class PrinterSetupTest : public testing::Test
{
protected:
    void Answer(int result)
    {
        SetModalAnswerer([this, result](QDialog &dialog) {
            auto *setup = qobject_cast<QPrintDialog *>(&dialog);
            shownPrinter = setup ? setup->printer() : nullptr;
            // Where its frame is: what the dialog is placed by.
            shownAt = dialog.frameGeometry();
            screenArea = dialog.screen() ? dialog.screen()->geometry() : QRect();
            ++shown;
            return result;
        });
    }
    void TearDown() override { SetModalAnswerer({}); }

    TRPDevice device;
    QPrinter *shownPrinter = nullptr;
    QRect shownAt;
    QRect screenArea;
    int shown = 0;
};

} // namespace

TEST_F(PrinterSetupTest, RunsThroughTheModalDialogSeamOnTheDevicesPrinter)
{
    for (const auto &[result, confirmed] :
         {std::pair{int(QDialog::Accepted), true}, std::pair{int(QDialog::Rejected), false}}) {
        Answer(result);
        EXPECT_EQ(ShowPrinterSetup(device), confirmed);
        EXPECT_EQ(shownPrinter, &device.Printer());
    }
    EXPECT_EQ(shown, 2);
}

TEST_F(PrinterSetupTest, IsCentredAcrossTheScreenAndAThirdDown)
{
    Answer(QDialog::Rejected);
    ShowPrinterSetup(device);
    ASSERT_TRUE(screenArea.isValid());
    // Within the frame's width of it: the dialog is placed by its size.
    EXPECT_NEAR(shownAt.center().x(), screenArea.center().x(), 2);
    EXPECT_NEAR(shownAt.top() - screenArea.top(), (screenArea.height() - shownAt.height()) / 3, 2);
}
