// Recovery of unsaved work: while the document has unsaved changes, a copy
// of the page is written in the background at most every RecoveryIntervalMs
// after a change; it goes when the document is saved or closed. At the start
// a copy left behind by a copy of the program that ended without closing is
// offered back.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "Messages.h"
#include "WPRichText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString OfferText(const TRecoveryCopy &copy, const QDateTime &written)
{
    const QString name = copy.DocumentFileName.isEmpty()
                             ? TCalendarMain::tr("a calendar that was never saved")
                             : QDir::toNativeSeparators(copy.DocumentFileName);
    return TCalendarMain::tr("Datewright did not close properly. Unsaved changes to %1 from %2 "
                             "were kept.\r\rRecover them?")
        .arg(name, QLocale().toString(written, QLocale::ShortFormat));
}

} // namespace

void TCalendarMain::SetRecoveryFolder(const QString &folder)
{
    m_recoveryFolder = folder;
    m_recovery.reset();
}

void TCalendarMain::SetRecoveryInterval(int milliseconds)
{
    m_recoveryTimer->setInterval(milliseconds);
}

QString TCalendarMain::RecoveryFileName() const
{
    return m_recovery ? m_recovery->FileName() : QString();
}

void TCalendarMain::CreateRecoveryTimer()
{
    m_recoveryFolder = RecoveryFolder();
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(RecoveryIntervalMs);
    connect(m_recoveryTimer, &QTimer::timeout, this, &TCalendarMain::WriteRecoveryCopy);
}

void TCalendarMain::NoteRecoverableChange()
{
    if (!m_recoveryTimer->isActive())
        m_recoveryTimer->start();
}

void TCalendarMain::WriteRecoveryCopy()
{
    if (!m_session.Modified() || !CalendarPanel->PageShown())
        return;
    if (!m_recovery)
        m_recovery = std::make_unique<TRecoveryWriter>(m_recoveryFolder);
    // The history's parts are shared, so this costs the main thread nothing
    // much; the writing is done on the writer's thread.
    TPageSnapshot page = m_history.Current();
    // The cell open in the editor as it is now: what was typed there has
    // not reached the page yet.
    if (m_session.CellEditing() && m_session.CurrentCell() >= 1 &&
        m_session.CurrentCell() <= CellCount)
        page.Cells[size_t(m_session.CurrentCell() - 1)] =
            WPRichText1->IsEmpty() ? QByteArray() : WPRichText1->RtfText().SaveData();
    m_recovery->Write({m_session.FileName(), std::move(page)});
}

void TCalendarMain::RemoveRecoveryCopy()
{
    m_recoveryTimer->stop();
    if (m_recovery)
        m_recovery->Remove();
}

void TCalendarMain::OfferRecovery()
{
    RemoveAbandonedLocks(m_recoveryFolder);
    for (const TOrphanedCopy &orphan : OrphanedCopies(m_recoveryFolder)) {
        QFile file(orphan.FileName);
        QString error;
        std::optional<TRecoveryCopy> copy;
        if (file.open(QIODevice::ReadOnly))
            copy = ReadRecoveryBytes(file.readAll(), &error);
        else
            error = file.errorString();
        file.close();
        if (!copy) {
            SetAsideDamagedCopy(orphan.FileName, error);
            continue;
        }
        if (!WorthOffering(*copy, orphan.Written)) {
            QFile::remove(orphan.FileName);
            continue;
        }
        const bool recover = AskYesNo(OfferText(*copy, orphan.Written), tr("Recover"));
        if (recover)
            Recover(*copy);
        QFile::remove(orphan.FileName);
        if (recover)
            return;
    }
}

void TCalendarMain::SetAsideDamagedCopy(const QString &fileName, const QString &why)
{
    const QString aside = fileName + u".damaged"_s;
    QFile::remove(aside);
    QFile::rename(fileName, aside);
    ShowInformation(
        tr("The recovery file %1 is damaged (%2) and was set aside as %3.")
            .arg(QDir::toNativeSeparators(fileName), why, QDir::toNativeSeparators(aside)));
}

void TCalendarMain::Recover(const TRecoveryCopy &copy)
{
    const bool saved = !copy.DocumentFileName.isEmpty() && QFileInfo::exists(copy.DocumentFileName);
    if (saved) {
        OpenCalendarFile(copy.DocumentFileName);
    } else {
        CalendarPage->ClearCells();
        CalendarPage->DeleteAllObjects();
        ResetHistory(false);
    }
    // Every part, whatever the page held before: the objects come back under
    // the copy's identities, on a page without any.
    CalendarPage->DeleteAllObjects();
    TPageSnapshot shown = m_history.Current();
    RestoreParts(*CalendarPage, AllParts(copy.Page), shown);
    m_session.SetFileName(copy.DocumentFileName);
    CalendarPanel->ShowPage(true);
    // A step back to the document on disk, when there is one.
    NameChange(tr("Recovery"));
    RecordChange();
    ShowModified(true);
    SetButtons();
    SetCaption();
    CheckFloaterStatus();
    CalendarPanel->update();
    // The recovered work is kept again at once, until it is saved.
    WriteRecoveryCopy();
}
