#pragma once

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "CalendarSetDialog.h"
#include "FileNamePrompt.h"
#include "FloatingPalette.h"
#include "IniFile.h"
#include "ModalDialog.h"
#include "ProgramFolder.h"
#include "SettingsFile.h"
#include "SettingsTestSupport.h"
#include "WPRichText.h"
#include "WPToolBar.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPair>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// An answerer for the set dialog of the PDF export and printing: choose
// picks its set and fill as a user would (the page alone, nothing filled,
// when empty) and "OK" is clicked; every other dialog goes to answerer
// (rejected without one).
inline TModalAnswerer PassingSetDialogs(TModalAnswerer answerer = {},
                                        std::function<void(TCalendarSetDialog &)> choose = {})
{
    return [answerer = std::move(answerer), choose = std::move(choose)](QDialog &dialog) {
        auto *setDialog = qobject_cast<TCalendarSetDialog *>(&dialog);
        if (!setDialog)
            return answerer ? answerer(dialog) : int(QDialog::Rejected);
        if (choose)
            choose(*setDialog);
        setDialog->OkButton->click();
        return setDialog->result();
    };
}

// A set of count pages from the page's period, the days filled from the
// holiday set named (or not filled), clicked in the set dialog.
inline std::function<void(TCalendarSetDialog &)> SetOf(int count, const QString &holidays = {})
{
    return [count, holidays](TCalendarSetDialog &dialog) {
        dialog.PageSet->click();
        dialog.PageCount->setValue(count);
        dialog.ChooseFill(holidays.isEmpty() ? TFillKind::None : TFillKind::HolidaySet, holidays);
        EXPECT_EQ(dialog.Choice().FillName, holidays) << "the set is offered";
    };
}

// Puts the holiday set name, as the build ships it, into the program folder.
inline void ShipHolidaySet(const QString &name)
{
    const QString file = QStringLiteral("/Holidays/") + name + QStringLiteral(".dax");
    const QString shipped = QFileInfo(QStringLiteral(DW_PROGRAM_FILE)).path() + file;
    ASSERT_TRUE(QDir(ProgramFolder()).mkpath(QStringLiteral("Holidays")));
    ASSERT_TRUE(QFile::copy(shipped, ProgramFolder() + file));
}

// Cancels the set's progress dialog once it shows done pages drawn.
class TCancelAt
{
public:
    TCancelAt(QWidget &window, int done)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [&window, done] {
            auto *progress = window.findChild<QProgressDialog *>(QStringLiteral("SetProgress"));
            if (progress && progress->value() >= done)
                progress->cancel();
        });
        m_timer.start(0);
    }

private:
    QTimer m_timer;
};

// A main window started in a temporary program folder, with every message,
// question and file dialog recorded and answered instead of shown, and the
// set dialog accepted as it opens.
class TMainWindowRun
{
public:
    TMainWindowRun()
    {
        TMessageAnswerer answerer;
        answerer.Information = [this](const QString &text) { Messages.append(text); };
        answerer.Warning = [this](const QString &text, const QString &) { Messages.append(text); };
        answerer.Question = [this](const QString &text, const QString &caption) {
            Questions.append({text, caption});
            return AnswerYes;
        };
        answerer.QuestionWithCancel = [this](const QString &text, const QString &caption) {
            Questions.append({text, caption});
            if (AnswerCancel)
                return TAnswer::Cancel;
            return AnswerYes ? TAnswer::Yes : TAnswer::No;
        };
        SetMessageAnswerer(answerer);
        SetFileNameAnswerer([this](QFileDialog &) { return SaveAsAnswer; });
        SetModalAnswerer(PassingSetDialogs());
    }
    ~TMainWindowRun()
    {
        Window.reset();
        SetModalAnswerer({});
        SetFileNameAnswerer({});
    }
    TMainWindowRun(const TMainWindowRun &) = delete;
    TMainWindowRun &operator=(const TMainWindowRun &) = delete;

    QString Path(const QString &name) const { return m_folder.Path(name); }
    QString UnwritableFolder() const { return m_folder.UnwritableFolder(); }

    // Settings present before the start.
    void WriteIni(const QByteArray &text) const
    {
        QFile file(SettingsFileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // A calendar document of December 1999 with the given layout.
    QString WriteDocument(const QString &name, TCalendarLayout layout = LOFullCalendarLS) const
    {
        TCalendarPage page;
        page.ResetStyle(QDate(1999, 12, 1));
        page.SetCalendarLayout(layout);
        const QString fileName = Path(name);
        EXPECT_FALSE(page.SaveToFile(fileName).has_value());
        return fileName;
    }

    // Creates the window (FormCreate), runs its first activation and waits
    // until the printer has been asked, which the window does once it shows.
    TCalendarMain &Start(TPrinterQuery printers = WorkingPrinters())
    {
        Window = std::make_unique<TCalendarMain>(std::move(printers));
        Window->FormActivate();
        EXPECT_TRUE(WaitFor([this] { return Window->PrinterChecked; }));
        return *Window;
    }

    // A window with the document of December 1999 open, active so that keys
    // and the focus reach it, its page drawn so that its cells are where they
    // show. settings go into the settings file too.
    TCalendarMain &StartActive(const QByteArray &settings = {})
    {
        const QString document = WriteDocument(QStringLiteral("Dec1999.DWC"));
        WriteIni(settings + "[MRU]\r\nF0=" + document.toLocal8Bit() + "\r\n");
        TCalendarMain &window = Start();
        window.Parts().IconPalette->hide();
        Activate(window);
        window.Parts().CalendarPanel->repaint();
        return window;
    }

    // Makes window the active one, as the window system does when a dialog
    // over it closes.
    static void Activate(QWidget &window)
    {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        WaitFor([&window] { return QApplication::activeWindow() == &window; });
    }

    static TPrinterQuery WorkingPrinters()
    {
        return {[] { return true; }, [] { return QStringLiteral("Office"); }};
    }

    // Processes events until done() holds or a second has passed.
    static bool WaitFor(const std::function<bool()> &done)
    {
        QDeadlineTimer deadline(1000);
        while (!done() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

    QStringList Messages;
    QList<QPair<QString, QString>> Questions;
    bool AnswerYes = false;
    // Questions with a Cancel are cancelled.
    bool AnswerCancel = false;
    QString SaveAsAnswer;
    std::unique_ptr<TCalendarMain> Window;

private:
    TSettingsFolder m_folder;
};

// The middle of cell index's text area, in page pixels at the zoom shown.
inline QPoint CellCentre(const TCalendarPage &page, int index)
{
    const TRect &free = page.MainAttributes().CellGeometry[index - 1].rFree;
    return {(free.Left + free.Right) / 2, (free.Top + free.Bottom) / 2};
}

// A left click on the page at a point in page pixels.
inline void ClickPage(QWidget &page, QPoint at)
{
    const QPointF point(at);
    QMouseEvent press(QEvent::MouseButtonPress, point, page.mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, point, page.mapToGlobal(point), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&page, &press);
    QApplication::sendEvent(&page, &release);
}

// Sends a drag's entry, one move and, when they were taken, the drop to target
// at the point; whether all three were taken.
inline bool DragAndDrop(QWidget &target, QPoint at, const QMimeData &data)
{
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

// Types text where the keyboard goes now, one key press per character.
inline void TypeText(const QString &text)
{
    for (const QChar character : text) {
        QWidget *target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        const int key = character.isLetter() ? character.toUpper().unicode() : character.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
        QApplication::sendEvent(target, &press);
    }
}

// The plain text of a page's cell.
inline QString CellText(const TCalendarPage &page, int index)
{
    TWPRtfStorage cell;
    page.GetCellText(index, cell);
    return cell.RtfText().Document().toPlainText();
}
