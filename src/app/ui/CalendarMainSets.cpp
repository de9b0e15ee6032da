// The set of pages "Save As PDF File" and "Print Calendar" make: the page
// alone, or the document's design over consecutive periods with their days
// filled, written and printed with a progress dialog that can cancel.

#include "CalendarMain.h"
#include "CalendarPagePaint.h"
#include "CalendarPagePrint.h"
#include "CalendarPanel32.h"
#include "CalendarSetDialog.h"
#include "DefaultEditorFont.h"
#include "FillSource.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "PagePictures.h"
#include "PdfExport.h"
#include "ProgramFolder.h"
#include "ReportPrinter.h"
#include "SetProgress.h"
#include "StoredSet.h"
#include "WindowPlacement.h"

#include <QFile>

using namespace Qt::StringLiterals;

std::optional<TSetChoice> TCalendarMain::AskCalendarSet(const QString &action)
{
    // The set is the document's: its page, with the cover in the set.
    ShowMonthsPage();
    TCalendarSetDialog dialog(*CalendarPage, ProgramFolder(), action, this);
    const std::optional<TStoredSet> stored = StoredSetOf(*CalendarPage);
    dialog.SetCoverAvailable(stored && !stored->CoverDesign.isEmpty());
    if (stored) {
        dialog.SetChoice(stored->Choice);
    } else if (m_lastSetChoice) {
        // The start follows the page: a set of another document's months
        // would surprise.
        TSetChoice last = *m_lastSetChoice;
        last.Start = {};
        dialog.SetChoice(last);
    }
    CenterForm(dialog);
    if (ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    m_lastSetChoice = dialog.Choice();
    StoreSetChoice(*m_lastSetChoice);
    return m_lastSetChoice;
}

void TCalendarMain::StoreSetChoice(const TSetChoice &choice)
{
    const std::optional<TStoredSet> stored = StoredSetOf(*CalendarPage);
    if (!stored && IsPageAlone(choice))
        return;
    TStoredSet set = stored.value_or(TStoredSet{});
    const bool followedPage = stored && !stored->Choice.Start.isValid();
    set.Choice = choice;
    // A set that starts with the page's period goes on doing so while its
    // start is not chosen otherwise.
    if (followedPage && choice.Start == TCalendarSet::PeriodOf(*CalendarPage))
        set.Choice.Start = {};
    const QByteArray bytes = WriteStoredSet(set);
    if (bytes == CalendarPage->StoredSet())
        return;
    CalendarPage->SetStoredSet(bytes);
    NameChange(tr("Set of Pages"));
    SetModified(true);
}

TDefaultFont TCalendarMain::DefaultFillFont()
{
    return [this](TWPRTFTextPaint &document, const TWPCharAttr &current) {
        return DefaultFontAttributes(current, Preferences,
                                     FontIndexOfFace(document, Preferences.DefaultFontName),
                                     document.Palette());
    };
}

std::unique_ptr<TCalendarSet> TCalendarMain::MakeCalendarSet(const TSetChoice &choice)
{
    TFillRead fill;
    if (const QString source = FillSourceOf(choice); !source.isEmpty()) {
        TEventTextOptions options;
        options.Ages = choice.ShowAges;
        fill = ReadFillSource(source, ProgramFolder(), options);
        if (!fill.Error.isEmpty()) {
            ShowInformation(tr("The days could not be filled.\r\n") + fill.Error);
            return nullptr;
        }
    }
    TPagePicturesRead pictures;
    if (choice.WholeSet) {
        pictures = PicturesOfChoice(choice);
        if (!pictures.Error.isEmpty()) {
            ShowInformation(tr("The pictures cannot be taken: %1").arg(pictures.Error));
            return nullptr;
        }
    }
    const QDate start = choice.WholeSet ? choice.Start : TCalendarSet::PeriodOf(*CalendarPage);
    auto set = std::make_unique<TCalendarSet>(*CalendarPage, start,
                                              choice.WholeSet ? PeriodsOf(choice) : 1, fill.Fill,
                                              DefaultFillFont());
    if (const std::optional<TStoredSet> stored = StoredSetOf(*CalendarPage);
        choice.WholeSet && choice.Cover && stored)
        set->SetCover(stored->CoverDesign);
    set->SetPagePictures(pictures.Files);
    return set;
}

QString TCalendarMain::UnreadPicturesNote(const TCalendarSet *set)
{
    if (!set || set->UnreadPictures().isEmpty())
        return {};
    return tr("\r\n\r\nThese pictures could not be read; their pages show the design's "
              "picture:\r\n%1")
        .arg(set->UnreadPictures().join(u"\r\n"_s));
}

std::optional<QString> TCalendarMain::SaveSetAsPdf(const TCalendarSet &set, const QString &fileName,
                                                   bool &cancelled,
                                                   const std::optional<TPrintSheet> &sheet)
{
    TSetProgress progress(this, tr("Saving As PDF"), set.Count());
    return SaveSetPagesAsPdf(
        set, fileName, PdfTitle(*CalendarPage, m_session.FileName()),
        [&progress, &cancelled](int number) {
            cancelled = !progress.Proceed(number - 1);
            return !cancelled;
        },
        sheet, CalendarPanel->Zoom());
}

void TCalendarMain::PrintSetPages(TReportPrinter &Report, const TCalendarSet &set)
{
    TSetProgress progress(this, tr("Printing"), set.Count() * m_session.CopiesToPrint());
    int done = 0;
    // Printed at full size, the cells' text breaking as at full size.
    const auto printPage = [&](TCalendarPage &page, const TCalendarAttributes &screen, int) {
        if (!progress.Proceed(done)) {
            Report.Device().Printer().abort();
            m_session.SetPrinted(false);
            m_printCancelled = true;
            return false;
        }
        if (done > 0)
            Report.StartNewPage();
        PrintPage(Report, page, screen, 0, 0);
        ++done;
        return true;
    };
    for (int copy = 1; copy <= m_session.CopiesToPrint(); ++copy) {
        if (!set.EachPage(1.0f, printPage))
            return;
    }
}

void TCalendarMain::EndCancelledPrint(const QString &output)
{
    // A job printed into a file leaves no part of itself.
    if (!output.isEmpty()) {
        QFile::remove(output);
        return;
    }
    // The print system takes what was drawn when the job ends and cannot
    // withdraw it; the user must know pages may still come out.
    ShowInformation(tr("Printing was cancelled. The pages drawn before may still be printed."));
}
