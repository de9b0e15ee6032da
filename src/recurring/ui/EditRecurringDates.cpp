#include "EditRecurringDates.h"

#include "EditRecurringDateFormula.h"
#include "FileNamePrompt.h"
#include "GetHolidays.h"
#include "ICalendarExport.h"
#include "ICalendarImport.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"
#include "RecurringRows.h"
#include "SaveFiles.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QFileDialog>
#include <QPushButton>

namespace {

constexpr int ButtonLeft = 372;
constexpr int ButtonWidth = 96;
// The problems listed in one message at most.
constexpr int MaxListed = 20;

QString Listed(const QStringList &items)
{
    QString text = items.mid(0, MaxListed).join(QStringLiteral("\r\n"));
    if (items.size() > MaxListed)
        text += TEditRecurringDates::tr("\r\n... and %1 more").arg(items.size() - MaxListed);
    return text;
}

} // namespace

TEditRecurringDates::TEditRecurringDates(const QStringList &lines, const QString &folder,
                                         QWidget *parent)
    : QDialog(parent), m_lines(lines), m_folder(folder)
{
    setWindowTitle(tr("Recurring Dates"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(476, 336);
    DatesList = new TRecurringRowList(false, this);
    DatesList->setObjectName(QStringLiteral("DatesList"));
    DatesList->setGeometry(8, 8, ButtonLeft - 16, 320);
    DatesList->SetLines(m_lines.Lines());
    okbutton = Button(tr("Ok"), QStringLiteral("okbutton"), 8);
    okbutton->setDefault(true);
    Editbutton = Button(tr("Edit"), QStringLiteral("Editbutton"), 40);
    Newbutton = Button(tr("New"), QStringLiteral("Newbutton"), 72);
    DeleteButton = Button(tr("Delete"), QStringLiteral("DeleteButton"), 104);
    Holidaysbutton = Button(tr("Holidays"), QStringLiteral("Holidaysbutton"), 136);
    ImportButton = Button(tr("Import..."), QStringLiteral("ImportButton"), 180);
    ImportButton->setToolTip(tr("Add the recurring events of an iCalendar file"));
    ExportButton = Button(tr("Export..."), QStringLiteral("ExportButton"), 212);
    ExportButton->setToolTip(tr("Write the list as an iCalendar file"));
    CancelButton = Button(tr("Cancel"), QStringLiteral("CancelButton"), 303);
    connect(okbutton, &QPushButton::clicked, this, &TEditRecurringDates::okbuttonClick);
    connect(Editbutton, &QPushButton::clicked, this, &TEditRecurringDates::EditbuttonClick);
    connect(Newbutton, &QPushButton::clicked, this, &TEditRecurringDates::NewbuttonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TEditRecurringDates::DeleteButtonClick);
    connect(Holidaysbutton, &QPushButton::clicked, this, &TEditRecurringDates::HolidaysbuttonClick);
    connect(ImportButton, &QPushButton::clicked, this, &TEditRecurringDates::ImportButtonClick);
    connect(ExportButton, &QPushButton::clicked, this, &TEditRecurringDates::ExportButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(DatesList, &QListWidget::itemSelectionChanged, this, &TEditRecurringDates::setbuttons);
    connect(DatesList, &QListWidget::itemDoubleClicked, this,
            &TEditRecurringDates::EditbuttonClick);
    if (DatesList->count() > 0)
        DatesList->setCurrentRow(0);
    setbuttons();
}

QPushButton *TEditRecurringDates::Button(const QString &caption, const QString &name, int top)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(ButtonLeft, top, ButtonWidth, 25);
    button->setAutoDefault(false);
    return button;
}

void TEditRecurringDates::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setbuttons();
}

void TEditRecurringDates::setbuttons()
{
    const bool chosen = DatesList->currentRow() >= 0 && DatesList->HasSelection();
    Editbutton->setEnabled(chosen);
    DeleteButton->setEnabled(chosen);
    ExportButton->setEnabled(m_lines.Count() > 0);
}

void TEditRecurringDates::okbuttonClick()
{
    if (const std::optional<QString> error =
            WriteRecurringFile(RecurringFilePath(), m_lines.Lines())) {
        ShowInformation(tr("The recurring dates could not be saved.\r\n") + *error);
        return;
    }
    accept();
}

int TEditRecurringDates::Add(const QString &line)
{
    const int row = m_lines.Add(line);
    DatesList->InsertLine(row, line);
    return row;
}

void TEditRecurringDates::NewbuttonClick()
{
    TEditRecurringDateFormula formula(this);
    formula.setWindowTitle(tr("Add Recurring Date"));
    formula.SetFormula(QStringLiteral("@"));
    formula.SetEventName(tr("[Enter event]"));
    if (ExecModal(formula) == QDialog::Accepted) {
        const int row = Add(MakeEntry(formula.EventName(), formula.Formula()));
        DatesList->setFocus();
        DatesList->setCurrentRow(row);
    }
    setbuttons();
}

void TEditRecurringDates::EditbuttonClick()
{
    const int row = DatesList->currentRow();
    if (row < 0 || !DatesList->HasSelection()) {
        QApplication::beep();
        return;
    }
    switch (Marker(m_lines.At(row)).unicode()) {
    case u'#':
    case u'&':
        ShowInformation(tr("This entry cannot be edited"));
        break;
    case u'$':
    case u'%':
    case u'@':
        DoEditRecurringFormula();
        break;
    default:
        break;
    }
    setbuttons();
}

void TEditRecurringDates::DoEditRecurringFormula()
{
    const int row = DatesList->currentRow();
    if (row < 0 || !DatesList->HasSelection()) {
        QApplication::beep();
        return;
    }
    const QString line = m_lines.At(row);
    TEditRecurringDateFormula formula(this);
    formula.setWindowTitle(tr("Edit Recurring Date Formula"));
    formula.SetEventName(NameField(line));
    formula.SetFormula(FormulaField(line));
    if (ExecModal(formula) != QDialog::Accepted)
        return;
    m_lines.RemoveAt(row);
    delete DatesList->takeItem(row);
    const int added = Add(MakeEntry(formula.EventName(), formula.Formula()));
    DatesList->setFocus();
    DatesList->setCurrentRow(added);
}

void TEditRecurringDates::DeleteButtonClick()
{
    const int row = DatesList->currentRow();
    if (row >= 0 && DatesList->HasSelection()) {
        m_lines.RemoveAt(row);
        delete DatesList->takeItem(row);
    }
    DatesList->setCurrentRow(DatesList->count() > 0 ? 0 : -1);
    setbuttons();
}

int TEditRecurringDates::AddMissing(const QStringList &lines)
{
    int added = 0;
    for (const QString &line : lines) {
        // A date kept from a calendar does not make a line already there new.
        const QString bare =
            EntryStart(line).isValid() ? line.left(NameWidth + FormulaWidth) : line;
        if (!m_lines.ContainsIgnoringCase(line) && !m_lines.ContainsIgnoringCase(bare)) {
            Add(line);
            ++added;
        }
    }
    return added;
}

void TEditRecurringDates::SelectFirstIfNone()
{
    if (DatesList->count() > 0 && !DatesList->HasSelection())
        DatesList->setCurrentRow(0);
    setbuttons();
}

void TEditRecurringDates::HolidaysbuttonClick()
{
    TGetHolidays holidays(m_folder, this);
    if (ExecModal(holidays) == QDialog::Accepted)
        AddMissing(holidays.SelectedLines());
    SelectFirstIfNone();
}

QString TEditRecurringDates::AskCalendarFileName(bool import)
{
    QFileDialog dialog(this, import ? tr("Import Recurring Dates") : tr("Export Recurring Dates"),
                       m_fileFolder.Start());
    dialog.setAcceptMode(import ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(import ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters({tr("iCalendar files (*.ics)"), tr("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    const QString fileName = AskFileName(dialog);
    m_fileFolder.Note(fileName);
    return fileName;
}

void TEditRecurringDates::ImportButtonClick()
{
    const QString fileName = AskCalendarFileName(true);
    if (fileName.isEmpty())
        return;
    const TICalendarImport import = ImportICalendarFile(fileName);
    if (!import.Error.isEmpty()) {
        ShowInformation(tr("The recurring dates could not be imported.\r\n") + import.Error);
        return;
    }
    const int added = AddMissing(import.Lines);
    QString report = tr("%n recurring dates were added.", nullptr, added);
    if (!import.Unsupported.isEmpty())
        report += tr("\r\n\r\nThese events cannot be kept as recurring dates "
                     "and were left out:\r\n") +
                  Listed(import.Unsupported);
    ShowInformation(report);
    SelectFirstIfNone();
}

void TEditRecurringDates::ExportButtonClick()
{
    const QString fileName = AskCalendarFileName(false);
    if (fileName.isEmpty())
        return;
    // From the start of this year, so its dates are in the calendar too.
    const QDate from(QDate::currentDate().year(), 1, 1);
    const TICalendarExport exported =
        ExportICalendar(m_lines.Lines(), from, QDateTime::currentDateTimeUtc());
    if (!exported.Error.isEmpty()) {
        ShowInformation(tr("The recurring dates could not be exported.\r\n") + exported.Error);
        return;
    }
    if (const std::optional<QString> error = SaveBytesFile(exported.Bytes, fileName)) {
        ShowInformation(tr("The recurring dates could not be exported.\r\n") + *error);
        return;
    }
    if (!exported.Skipped.isEmpty())
        ShowInformation(tr("These entries fall on no day and were left out:\r\n") +
                        Listed(exported.Skipped));
}
