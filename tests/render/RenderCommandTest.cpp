#include "RenderCommand.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(RenderCommand, WritesThePageInsideItsMargins)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("page.png");
    ASSERT_EQ(RunRenderCommand({"--margins", "0.5,0.5,0.5,0.5", "-o", file}), 0);
    const QImage picture(file);
    // Letter landscape, 48 pixels cut from every side, one pixel less.
    EXPECT_EQ(picture.size(), QSize(1056 - 96 - 1, 816 - 96 - 1));
}

TEST(RenderCommand, SeveralPagesAreNumbered)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_EQ(RunRenderCommand({"--layout", "lopMC6Month", "--scale", "0.25", "--count", "2", "-o",
                                folder.filePath("page.bmp")}),
              0);
    EXPECT_FALSE(QImage(folder.filePath("page-1.bmp")).isNull());
    EXPECT_FALSE(QImage(folder.filePath("page-2.bmp")).isNull());
}

TEST(RenderCommand, UnusableRequestsFailWithExitCode)
{
    EXPECT_NE(RunRenderCommand({"--nonsense"}), 0);
    EXPECT_NE(RunRenderCommand({"-o", "page.gif"}), 0);
    EXPECT_NE(RunRenderCommand({"-o", "/no/such/folder/page.png"}), 0);
    EXPECT_EQ(RunRenderCommand({"--help"}), 0);
}
