#pragma once

#include <QProgressDialog>

// The progress of a set of pages being saved or printed, in a dialog over
// the window that appears once the work takes a while and can cancel it.
class TSetProgress
{
public:
    // pages is how many pages the work draws; text tells what it does with
    // them ("Saving", "Printing").
    TSetProgress(QWidget *parent, const QString &text, int pages);

    // Tells that done pages are drawn and lets a Cancel press through; false
    // once the user cancelled.
    bool Proceed(int done);

private:
    QProgressDialog m_dialog;
};
