#include "LabelPrompts.h"
#include "MRUFileList.h"
#include "MainWindowTestSupport.h"
#include "ModalDialog.h"
#include "PageGestures.h"
#include "PageSnapshot.h"
#include "StartFolder.h"
#include "UserTitleForm.h"
#include "ZoomSteps.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString Unopenable(const QString &fileName)
{
    return u"Unable to open "_s + fileName +
           u". Possibly \rcorrupted, possibly not a Calendar file"_s;
}

QString ReadTitle(const QString &fileName)
{
    TCalendarPage page;
    EXPECT_FALSE(page.LoadFromFile(fileName).has_value());
    return page.UserTitle();
}

class DocumentCommandsTest : public testing::Test
{
protected:
    TMainWindowRun run;
};

TEST_F(DocumentCommandsTest, OpenAsksForADocumentInTheOpenDocumentsFolder)
{
    TCalendarMain &window = run.StartActive();
    QString other = run.WriteDocument(u"Team.DWC"_s);
    QStringList shown;
    SetFileNameAnswerer([&](QFileDialog &dialog) {
        shown = QStringList{dialog.windowTitle(), dialog.directory().absolutePath(),
                            dialog.nameFilters().join(u';'), dialog.defaultSuffix()};
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        return other;
    });
    window.Open1Click();
    EXPECT_EQ(shown, (QStringList{u"Open Calendar File"_s, QDir(run.Path({})).absolutePath(),
                                  u"Calendar File (*.DWC)"_s, u"DWC"_s}));
    // Read at 100 %, shown at the zoom it had.
    EXPECT_EQ(window.Session().FileName(), other);
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    EXPECT_EQ(window.windowTitle(), u"Datewright  [Team.DWC]    [60%]"_s);
    EXPECT_EQ(window.Parts().MRUFileList->Files(),
              (QStringList{other, run.Path(u"Dec1999.DWC"_s)}));
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_TRUE(run.Messages.isEmpty());
}

// The file dialogs opened in the program's folder, where an installed copy
// keeps no user files.
TEST_F(DocumentCommandsTest, FileDialogsOpenInTheDocumentsFolderElseTheLastUsedOne)
{
    TCalendarMain &window = run.StartActive();
    ASSERT_TRUE(QDir(run.Path({})).mkpath(u"Pictures"_s));
    const QString pictures = QDir(run.Path(u"Pictures"_s)).absolutePath();
    QStringList folders;
    QString answer;
    SetFileNameAnswerer([&](QFileDialog &dialog) {
        folders.append(dialog.directory().absolutePath());
        return answer;
    });
    answer = pictures + u"/Dec1999.BMP"_s;
    window.mnuSaveAsBitmapClick();
    answer.clear();
    window.mnuSaveAsJPGClick();
    window.Session().SetFileName(QString());
    window.mnuSaveAsPDFClick();
    window.Open1Click();
    const QString documents = QDir(run.Path({})).absolutePath();
    EXPECT_EQ(folders, (QStringList{documents, documents, pictures, pictures}));

    // The last folder is kept in the settings for the next start.
    window.SavePreferences();
    EXPECT_EQ(TIniFile(SettingsFileName()).ReadString(u"Folders"_s, u"Last"_s, {}), pictures);
    EXPECT_EQ(LoadPreferences().LastFolder, pictures);

    // Without a document or a last folder that still exists: the user's
    // Documents folder, never the program's.
    ASSERT_TRUE(QDir(pictures).removeRecursively());
    window.Open1Click();
    EXPECT_EQ(folders.last(), StartFolder({}, {}));
    EXPECT_NE(folders.last(), QDir(ProgramFolder()).absolutePath());
}

TEST_F(DocumentCommandsTest, OpenRefusesOtherExtensionsAndReportsUnreadableFiles)
{
    TCalendarMain &window = run.StartActive();
    const QString document = window.Session().FileName();
    const QString text = run.Path(u"notes.txt"_s);
    run.SaveAsAnswer = text;
    window.Open1Click();
    EXPECT_EQ(run.Messages, QStringList{u"Must be a Calendar file (*.DWC)"_s});
    EXPECT_EQ(window.Session().FileName(), document);

    // A truncated document and a file of another kind under the right name.
    QByteArray whole = FileBytes(document);
    const struct
    {
        QString name;
        QByteArray bytes;
    } bad[] = {{u"Cut.DWC"_s, whole.left(whole.size() / 2)},
               {u"Picture.dwc"_s, QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x')},
               {u"Empty.DWC"_s, {}}};
    // Regression: a document that could not be read closed the calendar
    // open before, leaving an empty window. It stays open, unchanged.
    window.Parts().CalendarPage->SetUserTitle(u"Unsaved title"_s);
    TCalendarPanel32 &view = *window.Parts().CalendarPanel;
    PlaceBothLabels(view.Page(), u"Kept"_s, [&view](TLPanelState tool) { view.SetTool(tool); });
    SetLabelPrompts({});
    window.ZoomMinusButtonClick();
    QApplication::processEvents();
    const TPageSnapshot before = CapturePage(*window.Parts().CalendarPage);
    const QImage shown = window.Parts().CalendarPanel->grab().toImage();
    const QStringList recent = window.Parts().MRUFileList->Files();
    const QString caption = window.windowTitle();
    ASSERT_TRUE(window.Session().Modified());
    for (const auto &file : bad) {
        run.Messages.clear();
        const QString fileName = run.Path(file.name);
        QFile out(fileName);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
        out.close();
        run.SaveAsAnswer = fileName;
        window.Open1Click();
        QApplication::processEvents();
        EXPECT_EQ(run.Messages, QStringList{Unopenable(fileName)}) << file.name.toStdString();
        EXPECT_EQ(window.Session().FileName(), document);
        EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
        EXPECT_TRUE(window.Session().Modified());
        EXPECT_EQ(window.windowTitle(), caption);
        const TPageSnapshot after = CapturePage(*window.Parts().CalendarPage);
        EXPECT_EQ(after.Style, before.Style);
        EXPECT_EQ(after.Cells, before.Cells);
        EXPECT_EQ(after.Objects, before.Objects);
        EXPECT_EQ(after.Order, before.Order);
        EXPECT_EQ(window.Parts().CalendarPanel->grab().toImage(), shown) << file.name.toStdString();
        EXPECT_EQ(FileBytes(fileName), file.bytes);
        EXPECT_EQ(window.Parts().MRUFileList->Files(), recent);
    }
}

TEST_F(DocumentCommandsTest, OpenStopsWhenChangesCouldNotBeSaved)
{
    // Regression: a failed save of the changes was followed by the open,
    // which threw them away.
    TCalendarMain &window = run.Start();
    window.Parts().CalendarPanel->ShowPage(true);
    window.SetModified(true);
    run.AnswerYes = true;
    QStringList dialogs;
    SetFileNameAnswerer([&](QFileDialog &dialog) {
        dialogs.append(dialog.windowTitle());
        return run.Path(u"missing/folder/New.DWC"_s);
    });
    window.Open1Click();
    EXPECT_EQ(dialogs, QStringList{u"Save Calendar File"_s});
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages[0].startsWith(u"Unable to save "_s));
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().MRUFileList->Files().isEmpty());
}

TEST_F(DocumentCommandsTest, ClosingStaysOpenWhenTheSaveAsDialogIsCancelled)
{
    TCalendarMain &window = run.Start();
    window.Parts().CalendarPanel->ShowPage(true);
    window.SetModified(true);
    run.AnswerYes = true;
    EXPECT_FALSE(window.close());
    EXPECT_EQ(run.Questions.size(), 1);
    EXPECT_TRUE(window.Session().Modified());

    // No lets it close without saving.
    run.AnswerYes = false;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(run.Questions.size(), 2);
}

// "Save changes?" had no Cancel: the command that asked always went on.
TEST_F(DocumentCommandsTest, CancelToSaveChangesStopsTheCommandThatAsked)
{
    TCalendarMain &window = run.StartActive();
    const QString document = window.Session().FileName();
    const QString other = run.WriteDocument(u"Team.DWC"_s);
    window.Parts().MRUFileList->AddFile(other);
    window.Parts().CalendarPage->SetUserTitle(u"Changed"_s);
    window.SetModified(true);
    run.AnswerCancel = true;
    int dialogs = 0;
    SetFileNameAnswerer([&](QFileDialog &) {
        ++dialogs;
        return other;
    });
    SetModalAnswerer([&](QDialog &) {
        ++dialogs;
        return int(QDialog::Accepted);
    });
    const std::function<void()> commands[] = {
        [&] { window.New1Click(); },
        [&] { window.Open1Click(); },
        [&] { window.RecentFileClick(other); },
        [&] { EXPECT_FALSE(window.close()); },
    };
    for (const auto &command : commands) {
        run.Questions.clear();
        command();
        EXPECT_EQ(run.Questions, (QList<QPair<QString, QString>>{{u"Save changes?"_s, u"Save"_s}}));
        EXPECT_EQ(dialogs, 0);
        EXPECT_EQ(window.Session().FileName(), document);
        EXPECT_EQ(window.Parts().CalendarPage->UserTitle(), u"Changed"_s);
        EXPECT_TRUE(window.Session().Modified());
        EXPECT_TRUE(window.Parts().MRUFileList->Files().contains(other));
    }
    EXPECT_TRUE(window.isVisible());

    // No goes on without saving, as before.
    run.AnswerCancel = false;
    window.RecentFileClick(other);
    EXPECT_EQ(window.Session().FileName(), other);
    EXPECT_EQ(FileBytes(document), FileBytes(run.WriteDocument(u"Copy.DWC"_s)));
}

TEST_F(DocumentCommandsTest, CancelChangesRereadsTheSavedFileOnYesOnly)
{
    // Regression: the document's own name, handed to the open, was cleared by
    // it before the file was read, so the saved file was never read again.
    TCalendarMain &window = run.StartActive();
    window.Parts().CalendarPage->SetUserTitle(u"Changed"_s);
    window.SetModified(true);
    ASSERT_TRUE(window.Button(u"CancelButton"_s)->isVisibleTo(window.Parts().Panel3));

    window.mnuCancelChangesClick();
    ASSERT_EQ(run.Questions.size(), 1);
    EXPECT_EQ(run.Questions[0], qMakePair(u"Cancel all changes?"_s, u"CANCEL"_s));
    EXPECT_EQ(window.Parts().CalendarPage->UserTitle(), u"Changed"_s);
    EXPECT_TRUE(window.Session().Modified());

    run.AnswerYes = true;
    window.Button(u"CancelButton"_s)->click();
    EXPECT_TRUE(window.Parts().CalendarPage->UserTitle().isEmpty());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_FALSE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));
    EXPECT_EQ(window.Session().FileName(), run.Path(u"Dec1999.DWC"_s));
}

TEST_F(DocumentCommandsTest, SaveButtonSavesUnderTheNameOrAsksForOne)
{
    TCalendarMain &window = run.StartActive();
    const QString document = window.Session().FileName();
    window.Parts().CalendarPage->SetUserTitle(u"First"_s);
    window.SetModified(true);
    window.Button(u"Savebutton"_s)->click();
    EXPECT_EQ(ReadTitle(document), u"First"_s);
    EXPECT_FALSE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));

    // A document from elsewhere is proposed under its name in its own folder.
    const QString elsewhere = run.Path(u"Cal/Team.DWC"_s);
    QDir().mkpath(run.Path(u"Cal"_s));
    ASSERT_TRUE(window.SaveCalendarFile(elsewhere));
    QString proposed;
    QString copy = run.Path(u"Copy.DWC"_s);
    SetFileNameAnswerer([&](QFileDialog &dialog) {
        proposed = dialog.selectedFiles().value(0);
        return copy;
    });
    window.mnuSaveAsClick();
    EXPECT_EQ(proposed, QDir(run.Path(u"Cal"_s)).absoluteFilePath(u"Team.DWC"_s));
    EXPECT_EQ(window.Session().FileName(), copy);
    EXPECT_EQ(window.Parts().MRUFileList->Files().value(0), copy);
}

// Saving flipped the shown page to 100 % and back around the write, leaving a
// page shown at 100 % at another scale than before. The view stays as it is.
TEST_F(DocumentCommandsTest, SaveWritesTheSameBytesAtEveryZoomAndLeavesTheViewAlone)
{
    TCalendarMain &window = run.StartActive();
    TCalendarPanel32 &view = *window.Parts().CalendarPanel;
    PlaceBothLabels(view.Page(), u"Kept"_s, [&view](TLPanelState tool) { view.SetTool(tool); });
    SetLabelPrompts({});
    QByteArray atFirstZoom;
    for (const float zoom : {0.601f, 1.001f}) {
        while (view.Zoom() < zoom)
            window.ZoomPlusButtonClick();
        ASSERT_EQ(view.Zoom(), zoom);
        QApplication::processEvents();
        const QImage shown = view.grab().toImage();
        const TRect placed = view.Page().Objects().At(0)->BoundsRect();
        const QString fileName = run.Path(QStringLiteral("Zoom%1.DWC").arg(ScaleToPercent(zoom)));
        ASSERT_TRUE(window.SaveCalendarFile(fileName));
        QApplication::processEvents();
        EXPECT_EQ(view.Zoom(), zoom);
        EXPECT_EQ(view.Page().Objects().At(0)->BoundsRect(), placed);
        EXPECT_EQ(view.grab().toImage(), shown);
        EXPECT_EQ(window.windowTitle(), u"Datewright  ["_s + QFileInfo(fileName).fileName() +
                                            u"]    ["_s + QString::number(ScaleToPercent(zoom)) +
                                            u"%]"_s);
        if (atFirstZoom.isEmpty())
            atFirstZoom = FileBytes(fileName);
        else
            EXPECT_EQ(FileBytes(fileName), atFirstZoom);
    }
    EXPECT_FALSE(atFirstZoom.isEmpty());
}

TEST_F(DocumentCommandsTest, SaveOfANewCalendarAsksForItsName)
{
    // Regression: File > Save and Ctrl+S were greyed out for a new untitled
    // calendar, while the tool row's Save saved it.
    TCalendarMain &window = run.StartActive();
    SetModalAnswerer([](QDialog &dialog) {
        if (auto *ok = dialog.findChild<QPushButton *>(u"okbutton"_s))
            ok->click();
        return dialog.result();
    });
    window.New1Click();
    SetModalAnswerer({});
    ASSERT_TRUE(window.Parts().CalendarPanel->PageShown());
    ASSERT_TRUE(window.Session().Untitled());
    EXPECT_TRUE(window.Command(u"mnuSave"_s)->isEnabled());

    const QString chosen = run.Path(u"Family.DWC"_s);
    QString proposed;
    SetFileNameAnswerer([&](QFileDialog &dialog) {
        proposed = QFileInfo(dialog.selectedFiles().value(0)).fileName();
        return chosen;
    });
    TMainWindowRun::Activate(window);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(proposed.isEmpty()) << "a name was asked for";
    EXPECT_EQ(window.Session().FileName(), chosen);
    EXPECT_TRUE(QFileInfo::exists(chosen));
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_EQ(window.Parts().MRUFileList->Files().value(0), chosen);
}

TEST_F(DocumentCommandsTest, UserTitleDialogSetsTheTitleOnOk)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().CalendarPage->SetUserTitle(u"Before"_s);
    QString shownText;
    SetModalAnswerer([&](QDialog &dialog) {
        auto &form = dynamic_cast<TUserTitleForm &>(dialog);
        EXPECT_EQ(form.windowTitle(), u"User Defined Title"_s);
        EXPECT_EQ(form.size(), QSize(358, 135));
        EXPECT_EQ(form.Label1->text(), u"Enter calendar title (leave blank for default):"_s);
        EXPECT_EQ(form.TitleText->geometry().topLeft(), QPoint(21, 40));
        EXPECT_EQ(form.TitleText->width(), 301);
        EXPECT_EQ(form.OkButton->text(), u"Ok"_s);
        EXPECT_TRUE(form.OkButton->isDefault());
        shownText = form.TitleText->text();
        form.TitleText->setText(u"Smith Family"_s);
        form.OkButton->click();
        return form.result();
    });
    window.mnuUserTitleClick();
    EXPECT_EQ(shownText, u"Before"_s);
    EXPECT_EQ(window.Parts().CalendarPage->UserTitle(), u"Smith Family"_s);
    EXPECT_TRUE(window.Session().Modified());

    window.SetModified(false);
    SetModalAnswerer([](QDialog &dialog) {
        auto &form = dynamic_cast<TUserTitleForm &>(dialog);
        form.TitleText->setText(u"Ignored"_s);
        form.CancelButton->click();
        return form.result();
    });
    window.mnuUserTitleClick();
    EXPECT_EQ(window.Parts().CalendarPage->UserTitle(), u"Smith Family"_s);
    EXPECT_FALSE(window.Session().Modified());
}

TEST_F(DocumentCommandsTest, ClearAllEmptiesEveryCellWithoutAsking)
{
    TCalendarMain &window = run.StartActive();
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(u"Eve"_s);
    for (const int day : {1, 24, 31})
        window.Parts().CalendarPage->SetCellText(window.Parts().CalendarPage->CellOfDay(day), cell);
    window.mnuClearAllCellContentsClick();
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(run.Questions.isEmpty());
}

TEST_F(DocumentCommandsTest, DefaultEditorFontIsStoredAndUsedAtOnce)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().CalendarPage->RaiseCellEvent(window.Parts().CalendarPage->CellOfDay(10));
    ASSERT_TRUE(window.Session().CellEditing());
    // A face the font dialog offers on this machine, scalable and with an
    // italic style, so the choice below is one the dialog can keep.
    const QStringList families = QFontDatabase::families();
    const auto found = std::find_if(families.begin(), families.end(), [](const QString &family) {
        return QFontDatabase::isSmoothlyScalable(family) &&
               QFontDatabase::styles(family).contains(u"Italic"_s);
    });
    ASSERT_NE(found, families.end());
    const QString face = *found;
    SetModalAnswerer([&face](QDialog &dialog) {
        auto &fonts = dynamic_cast<QFontDialog &>(dialog);
        EXPECT_EQ(fonts.currentFont().pointSize(), 10);
        QFont chosen(face);
        chosen.setPointSize(12);
        chosen.setItalic(true);
        fonts.setCurrentFont(chosen);
        return int(QDialog::Accepted);
    });
    window.DefaultEditorFont1Click();
    EXPECT_EQ(window.Preferences.DefaultFontName, face);
    EXPECT_EQ(window.Preferences.DefaultFontSize, 12);
    EXPECT_TRUE(window.Preferences.DefaultFontItalic);
    const TIniFile ini(SettingsFileName());
    EXPECT_EQ(ini.ReadString(u"Default Font"_s, u"Name"_s, {}), face);
    EXPECT_EQ(ini.ReadInteger(u"Default Font"_s, u"Size"_s, 0), 12);
    const TWPCharAttr attr = window.Parts().WPRichText1->CurrentAttributes();
    EXPECT_EQ(window.Parts().WPRichText1->RtfText().Fonts().at(attr.Font).Name, face.left(31));
    EXPECT_EQ(attr.Size, 12);
    EXPECT_EQ(attr.Style, int(wpsItalic));

    // Cancelled, the stored font stays and is applied all the same.
    SetModalAnswerer([](QDialog &) { return int(QDialog::Rejected); });
    window.Parts().WPRichText1->SetCurrentAttributes({});
    window.DefaultEditorFont1Click();
    EXPECT_EQ(window.Parts().WPRichText1->CurrentAttributes().Size, 12);
    EXPECT_EQ(ini.ReadInteger(u"Default Font"_s, u"Size"_s, 0), 12);
}

} // namespace
