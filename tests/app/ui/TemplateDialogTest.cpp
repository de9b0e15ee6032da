#include "TemplateDialog.h"

#include "MRUFileList.h"
#include "MainWindowTestSupport.h"
#include "ModalDialog.h"
#include "Templates.h"

#include <QBuffer>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Puts the templates the build made into the test's program folder.
void ShipTemplates()
{
    const QString shipped = QFileInfo(QStringLiteral(DW_PROGRAM_FILE)).path() + u"/Templates"_s;
    ASSERT_TRUE(QDir(ProgramFolder()).mkpath(u"Templates"_s));
    for (const QString &file : QDir(shipped).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(shipped + u'/' + file, ProgramFolder() + u"Templates/"_s + file));
}

QByteArray DocumentBytes(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveToDevice(buffer).has_value());
    return buffer.data();
}

// Processes events until done() holds or twenty seconds have passed: the
// thumbnails take their time on a busy machine.
bool WaitLong(const std::function<bool()> &done)
{
    QDeadlineTimer deadline(20000);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// The share of a card's pixels that show something.
double Drawn(const QListWidgetItem &item)
{
    const QImage card = item.icon()
                            .pixmap(TTemplateDialog::ThumbnailSide)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    int shown = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            shown += qAlpha(card.pixel(x, y)) > 0;
    return double(shown) / std::max(1, int(card.width() * card.height()));
}

class TemplateDialogTest : public testing::Test
{
protected:
    TemplateDialogTest() { ShipTemplates(); }
    TMainWindowRun run;
};

} // namespace

TEST_F(TemplateDialogTest, OpensAtOnceAndDrawsEveryThumbnailAfterwards)
{
    TTemplateDialog dialog(ProgramFolder());
    ASSERT_EQ(dialog.Templates->count(), TemplateCatalog().size());
    EXPECT_EQ(dialog.ThumbnailsLeft(), dialog.Templates->count()) << "none drawn before it shows";
    for (int row = 0; row < dialog.Templates->count(); ++row) {
        EXPECT_EQ(dialog.Templates->item(row)->text(), TemplateCatalog()[row]);
        EXPECT_EQ(Drawn(*dialog.Templates->item(row)), 0);
    }
    dialog.show();
    ASSERT_TRUE(WaitLong([&dialog] { return dialog.ThumbnailsLeft() == 0; }));
    for (int row = 0; row < dialog.Templates->count(); ++row)
        EXPECT_GT(Drawn(*dialog.Templates->item(row)), 0.5) << row;
}

TEST_F(TemplateDialogTest, KeysAndADoubleClickChooseATemplate)
{
    const QString second = TemplateFile(ProgramFolder(), TemplateCatalog()[1]);
    {
        TTemplateDialog dialog(ProgramFolder());
        dialog.show();
        dialog.Templates->setFocus();
        EXPECT_EQ(dialog.ChosenFile(), TemplateFile(ProgramFolder(), TemplateCatalog()[0]));
        QTest::keyClick(dialog.Templates, Qt::Key_Right);
        EXPECT_EQ(dialog.ChosenFile(), second);
        QTest::keyClick(dialog.Templates, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenFile(), second);
    }
    {
        TTemplateDialog dialog(ProgramFolder());
        dialog.show();
        QListWidgetItem *item = dialog.Templates->item(4);
        const QPoint at = dialog.Templates->visualItemRect(item).center();
        QTest::mouseClick(dialog.Templates->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(dialog.Templates->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenFile(), TemplateFile(ProgramFolder(), TemplateCatalog()[4]));
    }
    TTemplateDialog dialog(ProgramFolder());
    dialog.Templates->clearSelection();
    EXPECT_TRUE(dialog.ChosenFile().isEmpty());
    EXPECT_FALSE(dialog.OkButton->isEnabled()) << "nothing to open";
}

// The chosen template opens as a new calendar: untitled, changed, the
// template's own bytes, and its file is neither a recent one nor saved over.
TEST_F(TemplateDialogTest, ChoosingATemplateOpensAnUntitledCopyOfIt)
{
    TCalendarMain &window = run.StartActive();
    const QStringList recent = window.Parts().MRUFileList->Files();
    const QString chosen = TemplateFile(ProgramFolder(), u"Birthday calendar"_s);
    SetModalAnswerer([](QDialog &dialog) {
        auto *templates = qobject_cast<TTemplateDialog *>(&dialog);
        if (!templates)
            return int(QDialog::Rejected);
        templates->Templates->setCurrentRow(int(TemplateCatalog().indexOf(u"Birthday calendar"_s)));
        templates->OkButton->click();
        return templates->result();
    });
    window.Command(u"mnuNewFromTemplate"_s)->trigger();
    EXPECT_TRUE(window.Session().Untitled());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(DocumentBytes(*window.Parts().CalendarPage), FileBytes(chosen));
    EXPECT_EQ(window.Parts().MRUFileList->Files(), recent);
    // Save asks for a name; cancelled, nothing is written.
    int asked = 0;
    SetFileNameAnswerer([&asked](QFileDialog &) {
        ++asked;
        return QString();
    });
    const QByteArray before = FileBytes(chosen);
    window.Command(u"mnuSave"_s)->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(FileBytes(chosen), before);
    EXPECT_TRUE(run.Messages.isEmpty()) << run.Messages.join(u'\n').toStdString();
}

// A first start, with no settings yet, offers the templates; Cancel leaves
// the new page as before. Later starts go straight to the page.
TEST_F(TemplateDialogTest, OnlyAFirstStartOffersTheTemplates)
{
    for (const bool first : {true, false}) {
        SCOPED_TRACE(first);
        TMainWindowRun started;
        ShipTemplates();
        if (!first)
            started.WriteIni("[Options]\r\n");
        int offered = 0;
        SetModalAnswerer([&offered](QDialog &dialog) {
            offered += qobject_cast<TTemplateDialog *>(&dialog) != nullptr;
            return int(QDialog::Rejected);
        });
        TCalendarMain &window = started.Start();
        TMainWindowRun::WaitFor([&offered] { return offered > 0; });
        EXPECT_EQ(offered, first ? 1 : 0);
        EXPECT_FALSE(window.Session().Modified());
        EXPECT_TRUE(window.Session().Untitled());
    }
}
