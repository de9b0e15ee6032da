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
#include "WindowPlacement.h"

#include <QFile>

using namespace Qt::StringLiterals;

std::optional<TSetChoice> TCalendarMain::AskCalendarSet(const QString &action)
{
    TCalendarSetDialog dialog(*CalendarPanel, ProgramFolder(), action, this);
    if (m_lastSetChoice) {
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
    return m_lastSetChoice;
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
    if (choice.WholeSet && !choice.Pictures.isEmpty()) {
        pictures = ReadPagePictures(choice.Pictures);
        if (!pictures.Error.isEmpty()) {
            ShowInformation(tr("The pictures cannot be taken: %1").arg(pictures.Error));
            return nullptr;
        }
    }
    const QDate start = choice.WholeSet ? choice.Start : TCalendarSet::PeriodOf(*CalendarPanel);
    auto set = std::make_unique<TCalendarSet>(
        *CalendarPanel, start, choice.WholeSet ? choice.Count : 1, fill.Fill, DefaultFillFont());
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
                                                   bool &cancelled)
{
    TSetProgress progress(this, tr("Saving As PDF"), set.Count());
    const std::unique_ptr<TCalendarPage> page = set.Page(0);
    int index = 0;
    const auto nextPage = [&set, &index](TCalendarPage &sheet) { set.MovePage(sheet, ++index); };
    const auto proceed = [&progress, &cancelled](int number) {
        cancelled = !progress.Proceed(number - 1);
        return !cancelled;
    };
    return SavePageAsPdf(*page, fileName, PdfTitle(*CalendarPanel, DocumentFileName), set.Count(),
                         nextPage, proceed, CalendarPanel->Scale());
}

void TCalendarMain::PrintSetPages(TReportPrinter &Report, const TCalendarSet &set)
{
    TSetProgress progress(this, tr("Printing"), set.Count() * CopiesToPrint);
    const std::unique_ptr<TCalendarPage> page = set.Page(0);
    int done = 0;
    bool measured = false;
    TCalendarAttributes screen;
    for (int copy = 1; copy <= CopiesToPrint; ++copy) {
        for (int index = 0; index < set.Count(); ++index) {
            if (!progress.Proceed(done)) {
                Report.Device().Printer().abort();
                Printed = false;
                m_printCancelled = true;
                return;
            }
            if (done > 0)
                Report.StartNewPage();
            set.MovePage(*page, index);
            // The cells' geometry at full size, which their text breaks by,
            // is that of every period: it is measured once.
            if (!measured && page->HasCellContent()) {
                screen = DrawingGeometryAt(*page, 1.0f);
                measured = true;
            }
            PrintPage(Report, *page, screen, 0, 0);
            ++done;
        }
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
