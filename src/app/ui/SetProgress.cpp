#include "SetProgress.h"

#include <QCoreApplication>

namespace {

// How long the work goes before the dialog appears, in milliseconds.
constexpr int ShowAfter = 500;

} // namespace

TSetProgress::TSetProgress(QWidget *parent, const QString &text, int pages)
    : m_dialog(text, QCoreApplication::translate("TSetProgress", "Cancel"), 0, pages, parent)
{
    m_dialog.setObjectName(QStringLiteral("SetProgress"));
    m_dialog.setWindowTitle(text);
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(ShowAfter);
    m_dialog.setAutoReset(false);
    m_dialog.setAutoClose(false);
    m_dialog.setValue(0);
}

bool TSetProgress::Proceed(int done)
{
    m_dialog.setValue(done);
    m_dialog.setLabelText(QCoreApplication::translate("TSetProgress", "%1 of %n pages done", nullptr,
                                                      m_dialog.maximum())
                              .arg(done));
    QCoreApplication::processEvents();
    return !m_dialog.wasCanceled();
}
